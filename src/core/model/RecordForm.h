#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/messages/Translatable.h"
#include "core/model/ItemSet.h"
#include "core/model/RadioImage.h"

namespace quorvan {

// The one rule for what a well-formed record is: the form this program writes into a slot, and
// the form the file reader, a radio read, paste and the write before it starts insist on. Strict
// on structure (field counts, digit fields and their widths, labels that name the slot, lengths),
// lenient where a radio or the program itself varies (values of digit fields are not range
// checked, the RF power is kept as it is, names may hold any byte but a control character).
//
// Each check returns the empty text for a well-formed record and for the empty text (an empty
// slot); otherwise what is wrong, for a message ("the frequency "0014518" is not 11 digits").

std::string MemoryRecordProblem(int slot, std::string_view record);
std::string VfoRecordProblem(int slot, std::string_view record);
std::string CallRecordProblem(int slot, std::string_view record);
std::string DtmfRecordProblem(int slot, std::string_view record);
std::string ProgramVfoRecordProblem(int slot, std::string_view record);
std::string RecordProblem(SlotKind kind, int slot, std::string_view record);

// A menu value: within its item's capacity, without control characters (empty: item absent).
std::string MenuValueProblem(int item, std::string_view value);

// The comment: at most 50 characters, no control character, and no section marker of the file
// (it would read back as that marker).
std::string CommentProblem(std::string_view comment);

// A DTMF code: at most 16 of the digits 0-9, A-D, "*", "#" and the blank.
constexpr std::size_t kDtmfCodeCapacity = 16;
bool IsDtmfCodeChar(char c);
bool IsDtmfCode(std::string_view code);

// How messages name a slot or a menu value: "memory channel 005", "VFO 10", "CALL channel 2",
// "DTMF memory 3", "program VFO 1", "menu value MES".
std::string RecordItemName(SlotKind kind, int slot, const CatalogueLookup& lookup = nullptr);
std::string MenuItemName(int item, const CatalogueLookup& lookup = nullptr);

struct MalformedItem {
  std::string item;     // as RecordItemName or MenuItemName names it
  std::string problem;  // as the checks above word it
};

// The first malformed record of the image, in the order a write sends them (memories, CALL
// channels, VFOs, program VFOs, DTMF memories) when `records`, then the first malformed menu
// value when `menu`.
std::optional<MalformedItem> FirstMalformedItem(const RadioImage& image, bool records, bool menu);
// The same, looking at the items of the set only (the comment is not a record).
std::optional<MalformedItem> FirstMalformedItem(const RadioImage& image, const ItemSet& items);

}  // namespace quorvan
