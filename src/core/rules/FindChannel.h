#pragma once

#include <string>
#include <string_view>

#include "core/model/RadioImage.h"

namespace quorvan {

// What Find looks for: a fragment of a memory name (in the name's own bytes), and, when the
// typed text is a number such as "145.5", the leading digits of a frequency in MHz.
struct FindQuery {
  std::string nameBytes;  // empty: no name can match (the text holds no name characters)
  std::string frequency;  // empty: the text is not a frequency
};

// Reads what the user typed (`nameBytes` as the destination's name characters when it can be
// written in them, `typed` as typed) into a query.
FindQuery MakeFindQuery(std::string_view typed, const std::string* nameBytes);

// Whether a memory record matches: its name holds the fragment (letters of either case), or
// its receive or transmit frequency in MHz ("145.500", "1240.000") starts with the number.
bool MatchesFindQuery(std::string_view record, const FindQuery& query, char destinationLetter);

// The first memory slot after `afterSlot` that matches, going round past the last slot to the
// first and ending with `afterSlot` itself; -1 when none does.
int FindMemoryChannel(const RadioImage& image, const FindQuery& query, int afterSlot);

}  // namespace quorvan
