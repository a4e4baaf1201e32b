#include "core/model/ItemSet.h"

#include <array>

namespace quorvan {

namespace {

constexpr std::array<ItemKind, 7> kKinds{ItemKind::Memory, ItemKind::Vfo,        ItemKind::Call,
                                         ItemKind::Dtmf,   ItemKind::ProgramVfo, ItemKind::Menu,
                                         ItemKind::Comment};

// Where a kind's items begin in the set: the kinds follow each other in item order.
std::size_t FirstBit(ItemKind kind) {
  std::size_t first = 0;
  for (const ItemKind k : kKinds) {
    if (k == kind) break;
    first += static_cast<std::size_t>(ItemCount(k));
  }
  return first;
}

bool InRange(ItemRef item) { return item.index >= 0 && item.index < ItemCount(item.kind); }

std::size_t BitOf(ItemRef item) {
  return FirstBit(item.kind) + static_cast<std::size_t>(item.index);
}

}  // namespace

int ItemCount(ItemKind kind) {
  switch (kind) {
    case ItemKind::Memory:
      return kMemorySlots;
    case ItemKind::Vfo:
      return kVfoSlots;
    case ItemKind::Call:
      return kCallSlots;
    case ItemKind::Dtmf:
      return kDtmfSlots;
    case ItemKind::ProgramVfo:
      return kProgramVfoSlots;
    case ItemKind::Menu:
      return kMenuItemCount;
    case ItemKind::Comment:
      return 1;
  }
  return 0;
}

ItemSet ItemSet::Records() {
  ItemSet set;
  for (const ItemKind kind : kKinds) {
    if (kind == ItemKind::Menu || kind == ItemKind::Comment) continue;
    for (int i = 0; i < ItemCount(kind); ++i) set.Add({kind, i});
  }
  return set;
}

ItemSet ItemSet::MenuValues() {
  ItemSet set;
  for (int i = 0; i < kMenuItemCount; ++i) set.Add({ItemKind::Menu, i});
  return set;
}

void ItemSet::Add(ItemRef item) {
  if (InRange(item)) bits_.set(BitOf(item));
}

void ItemSet::Remove(ItemRef item) {
  if (InRange(item)) bits_.reset(BitOf(item));
}

bool ItemSet::Contains(ItemRef item) const { return InRange(item) && bits_.test(BitOf(item)); }

bool ItemSet::HasAny(ItemKind kind) const {
  for (int i = 0; i < ItemCount(kind); ++i) {
    if (bits_.test(FirstBit(kind) + static_cast<std::size_t>(i))) return true;
  }
  return false;
}

std::vector<ItemRef> ItemSet::Items() const {
  std::vector<ItemRef> items;
  items.reserve(bits_.count());
  for (const ItemKind kind : kKinds) {
    for (int i = 0; i < ItemCount(kind); ++i) {
      if (Contains({kind, i})) items.push_back({kind, i});
    }
  }
  return items;
}

}  // namespace quorvan
