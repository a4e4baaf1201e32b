#pragma once

#include <bitset>
#include <vector>

#include "core/model/ImageChanges.h"
#include "core/model/RadioImage.h"

namespace quorvan {

// How many items of a kind a document holds: its slots, its menu values, one comment.
int ItemCount(ItemKind kind);

// A set of document items: the slots and menu values a transfer carries or a check looks at.
class ItemSet {
 public:
  // Every memory, VFO, CALL, DTMF and program VFO slot.
  static ItemSet Records();
  // Every menu value.
  static ItemSet MenuValues();

  // Items outside their kind's range are ignored.
  void Add(ItemRef item);
  void Add(const ItemSet& other) { bits_ |= other.bits_; }
  void Remove(ItemRef item);
  bool Contains(ItemRef item) const;

  bool Empty() const { return bits_.none(); }
  int Count() const { return static_cast<int>(bits_.count()); }
  bool HasAny(ItemKind kind) const;
  // In item order, as ImageChanges lists them.
  std::vector<ItemRef> Items() const;

  bool operator==(const ItemSet& other) const { return bits_ == other.bits_; }
  bool operator!=(const ItemSet& other) const { return bits_ != other.bits_; }

 private:
  static constexpr std::size_t kAllItems =
      kMemorySlots + kVfoSlots + kCallSlots + kDtmfSlots + kProgramVfoSlots + kMenuItemCount + 1;
  std::bitset<kAllItems> bits_;
};

}  // namespace quorvan
