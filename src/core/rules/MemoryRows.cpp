#include "core/rules/MemoryRows.h"

#include <cstdint>

#include "core/model/RecordDigits.h"

namespace quorvan {

namespace {

constexpr int kLastOrdinarySlot = kOrdinaryMemorySlots - 1;

// Puts the record of slot `from` into slot `to`, numbered for it.
void MoveRecord(RadioImage& image, int from, int to) {
  const std::string& text = image.Record(SlotKind::Memory, from);
  ChannelRecord record = ChannelRecord::Parse(text);
  if (record[ChannelField::Frequency].empty()) {
    image.Store(SlotKind::Memory, to, std::string(text));
    return;
  }
  RenumberMemoryRecord(record, to);
  image.Store(SlotKind::Memory, to, record.Text());
}

}  // namespace

void RenumberMemoryRecord(ChannelRecord& record, int slot) {
  record.Set(ChannelField::Id, ZeroPadded(static_cast<std::int64_t>(slot), 3));
  // Setting the last field makes the record complete.
  const std::string name(record[ChannelField::Name]);
  record.Set(ChannelField::Name, name);
}

bool IsOrdinaryMemoryBlock(int first, int last) {
  return first >= 0 && first <= last && last <= kLastOrdinarySlot;
}

bool InsertMemoryRow(RadioImage& image, int slot, std::string* error) {
  if (!IsOrdinaryMemoryBlock(slot, slot)) return false;
  if (!image.Record(SlotKind::Memory, kLastOrdinarySlot).empty()) {
    if (error != nullptr) *error = std::string(kLastMemoryInUseMessage);
    return false;
  }
  for (int to = kLastOrdinarySlot; to > slot; --to) MoveRecord(image, to - 1, to);
  image.Store(SlotKind::Memory, slot, "");
  return true;
}

bool RemoveMemoryRow(RadioImage& image, int slot) {
  if (!IsOrdinaryMemoryBlock(slot, slot)) return false;
  for (int to = slot; to < kLastOrdinarySlot; ++to) MoveRecord(image, to + 1, to);
  image.Store(SlotKind::Memory, kLastOrdinarySlot, "");
  return true;
}

bool MoveMemoryRows(RadioImage& image, int first, int last, int by) {
  if (by != -1 && by != 1) return false;
  if (!IsOrdinaryMemoryBlock(first + by, last + by) || !IsOrdinaryMemoryBlock(first, last)) {
    return false;
  }
  // The row the block passes over, kept aside while the block moves onto it.
  const int passed = by < 0 ? first - 1 : last + 1;
  const std::string passedText = image.Record(SlotKind::Memory, passed);
  if (by < 0) {
    for (int from = first; from <= last; ++from) MoveRecord(image, from, from - 1);
  } else {
    for (int from = last; from >= first; --from) MoveRecord(image, from, from + 1);
  }
  const int freed = by < 0 ? last : first;
  image.Store(SlotKind::Memory, freed, passedText);
  MoveRecord(image, freed, freed);
  return true;
}

}  // namespace quorvan
