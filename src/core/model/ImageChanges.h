#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/model/RadioImage.h"

namespace quorvan {

// The items a document is made of, each held as one text: a memory, VFO, CALL, DTMF or program
// VFO slot, a menu value, the comment. The band plan (type, model, limits) is not an item: it
// changes only with a new document (New, Open, a radio read).
enum class ItemKind { Memory, Vfo, Call, Dtmf, ProgramVfo, Menu, Comment };

struct ItemRef {
  ItemKind kind = ItemKind::Memory;
  int index = 0;  // slot, menu item number; 0 for the comment

  bool operator==(const ItemRef& other) const { return kind == other.kind && index == other.index; }
  bool operator!=(const ItemRef& other) const { return !(*this == other); }
  // Item order: by kind as listed above, then by index.
  bool operator<(const ItemRef& other) const {
    return kind != other.kind ? kind < other.kind : index < other.index;
  }
};

// One item that differs between two states of a document: its text before and after.
struct ItemChange {
  ItemRef item;
  std::string before;
  std::string after;
};

// What differs between two states of a document, item by item, in item order: memory slots
// 0-431, VFOs, CALL channels, DTMF memories, program VFOs, menu items 0-40, the comment. Every
// change to a document can be told this way, so undo, the unsaved-changes state and the write of
// changes all work from it.
class ImageChanges {
 public:
  // Every item whose text differs between `from` and `to`.
  static ImageChanges Between(const RadioImage& from, const RadioImage& to);

  bool Empty() const { return changes_.empty(); }
  std::size_t Size() const { return changes_.size(); }
  const std::vector<ItemChange>& Items() const& { return changes_; }
  // Kept from a temporary, the items would outlive it.
  const std::vector<ItemChange>& Items() const&& = delete;
  // The heap bytes the change holds (its item list and every text kept outside the string
  // itself), to keep a history within a bound.
  std::size_t Bytes() const;

  // Joins a change that followed this one, so the result takes the state before this one to
  // the state after `later`. Items that end where they began drop out.
  void Absorb(const ImageChanges& later);

  // Puts the `after` texts into a document (redo), or the `before` texts (undo).
  void ApplyTo(RadioImage& image) const;
  void RevertIn(RadioImage& image) const;

 private:
  std::vector<ItemChange> changes_;
};

// The heap a text holds beyond the string object itself (none for a text kept inside it).
std::size_t StringHeapBytes(const std::string& text);

// The text an item holds in a document, and storing one (with the slot's own capacity rules).
std::string ItemText(const RadioImage& image, ItemRef item);
void StoreItem(RadioImage& image, ItemRef item, const std::string& text);

}  // namespace quorvan
