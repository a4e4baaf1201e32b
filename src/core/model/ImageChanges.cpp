#include "core/model/ImageChanges.h"

namespace quorvan {

namespace {

struct KindSlots {
  ItemKind kind;
  SlotKind slotKind;
};

constexpr KindSlots kSlotKinds[] = {
    {ItemKind::Memory, SlotKind::Memory},
    {ItemKind::Vfo, SlotKind::Vfo},
    {ItemKind::Call, SlotKind::Call},
    {ItemKind::Dtmf, SlotKind::Dtmf},
    {ItemKind::ProgramVfo, SlotKind::ProgramVfo},
};

bool SlotKindOf(ItemKind kind, SlotKind& slotKind) {
  for (const KindSlots& k : kSlotKinds) {
    if (k.kind == kind) {
      slotKind = k.slotKind;
      return true;
    }
  }
  return false;
}

}  // namespace

std::string ItemText(const RadioImage& image, ItemRef item) {
  SlotKind slotKind{};
  if (SlotKindOf(item.kind, slotKind)) return image.Record(slotKind, item.index);
  if (item.kind == ItemKind::Menu) return image.Menu().Get(item.index);
  return image.Comment();
}

void StoreItem(RadioImage& image, ItemRef item, const std::string& text) {
  SlotKind slotKind{};
  if (SlotKindOf(item.kind, slotKind)) {
    image.Store(slotKind, item.index, text);
  } else if (item.kind == ItemKind::Menu) {
    image.Menu().Set(item.index, text);
  } else {
    image.SetComment(text);
  }
}

ImageChanges ImageChanges::Between(const RadioImage& from, const RadioImage& to) {
  ImageChanges changes;
  const auto compare = [&](ItemRef item, const std::string& before, const std::string& after) {
    if (before != after) changes.changes_.push_back({item, before, after});
  };
  for (const KindSlots& k : kSlotKinds) {
    for (int slot = 0; slot < SlotCount(k.slotKind); ++slot) {
      compare({k.kind, slot}, from.Record(k.slotKind, slot), to.Record(k.slotKind, slot));
    }
  }
  for (int item = 0; item < kMenuItemCount; ++item) {
    compare({ItemKind::Menu, item}, from.Menu().Get(item), to.Menu().Get(item));
  }
  compare({ItemKind::Comment, 0}, from.Comment(), to.Comment());
  changes.changes_.shrink_to_fit();
  return changes;
}

std::size_t StringHeapBytes(const std::string& text) {
  // A text short enough to live inside the string object takes no heap of its own.
  static const std::size_t inPlace = std::string().capacity();
  return text.capacity() > inPlace ? text.capacity() + 1 : 0;
}

std::size_t ImageChanges::Bytes() const {
  std::size_t bytes = changes_.capacity() * sizeof(ItemChange);
  for (const ItemChange& c : changes_)
    bytes += StringHeapBytes(c.before) + StringHeapBytes(c.after);
  return bytes;
}

void ImageChanges::Absorb(const ImageChanges& later) {
  std::vector<ItemChange> joined;
  joined.reserve(changes_.size() + later.changes_.size());
  auto mine = changes_.begin();
  auto theirs = later.changes_.begin();
  while (mine != changes_.end() || theirs != later.changes_.end()) {
    if (theirs == later.changes_.end() || (mine != changes_.end() && mine->item < theirs->item)) {
      joined.push_back(std::move(*mine++));
    } else if (mine == changes_.end() || theirs->item < mine->item) {
      joined.push_back(*theirs++);
    } else {
      // The same item changed twice: from where it began to where it ended.
      if (mine->before != theirs->after) {
        joined.push_back({mine->item, std::move(mine->before), theirs->after});
      }
      ++mine;
      ++theirs;
    }
  }
  joined.shrink_to_fit();
  changes_ = std::move(joined);
}

void ImageChanges::ApplyTo(RadioImage& image) const {
  for (const ItemChange& c : changes_) StoreItem(image, c.item, c.after);
}

void ImageChanges::RevertIn(RadioImage& image) const {
  for (const ItemChange& c : changes_) StoreItem(image, c.item, c.before);
}

}  // namespace quorvan
