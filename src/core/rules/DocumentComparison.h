#pragma once

#include <string>
#include <vector>

#include "core/messages/Translatable.h"
#include "core/model/ImageChanges.h"
#include "core/model/ItemSet.h"
#include "core/model/RadioImage.h"

namespace quorvan {

// One field that differs between two documents, in words a user reads: "memory 012",
// "frequency", "145.550", "145.500". A used item on one side against an empty one on the other
// is one difference with the field "channel" and the values "empty" and a short description.
struct FieldDifference {
  ItemRef item;
  std::string itemName;   // "memory 012", "VFO B_AM", "CALL 144MHz", "DTMF 3", "menu BAT"
  std::string fieldName;  // "frequency", "step", "name", ...
  std::string first;      // the value in the first document, as shown (UTF-8, escaped)
  std::string second;     // the value in the second document
  std::string itemLabel;  // what tells the item from the others of its kind: "012", "B_AM"
};

// Every field that differs between two documents, item by item in item order (memory slots,
// VFOs, CALL channels, DTMF memories, program VFOs, menu items, the comment). Channel fields are
// compared through their typed readings where they mean the same thing (a frequency as MHz, a
// step as its caption), and as their raw text otherwise, so no difference goes unseen. Names
// are shown in the first document's destination coding.
std::vector<FieldDifference> CompareDocuments(const RadioImage& first, const RadioImage& second);

// What differs in the given items between what a radio should hold and what it holds (a
// document and what was read from the radio, or what was read before and what is read now).
// Both sides are taken as the radio gives them back (AsRadioGivesBack), so a radio that holds
// the document compares equal and only what a write carries is compared. Names are shown in
// the expected document's destination coding.
std::vector<FieldDifference> CompareRadioItems(const RadioImage& expected, const RadioImage& radio,
                                               const ItemSet& items);

// "memory 012: frequency 145.550 in A, 145.500 in B" with the caller's words for the two sides
// (in the reader's language, with a lookup); the radio's values stay as they are.
std::string DescribeDifference(const FieldDifference& difference, const std::string& firstSide,
                               const std::string& secondSide,
                               const CatalogueLookup& lookup = nullptr);
// One such line per difference, each ended by a line break.
std::string DescribeDifferences(const std::vector<FieldDifference>& differences,
                                const std::string& firstSide, const std::string& secondSide,
                                const CatalogueLookup& lookup = nullptr);

}  // namespace quorvan
