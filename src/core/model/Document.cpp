#include "core/model/Document.h"

#include <algorithm>
#include <utility>

namespace quorvan {

Document::Document(RadioImage image) : image_(std::move(image)) { history_.Reset(true); }

bool Document::Change(const StepNamer& name, const Edit& edit, const std::string& mergeKey) {
  const RadioImage before = image_;
  edit(image_);
  ImageChanges changes = ImageChanges::Between(before, image_);
  if (changes.Empty()) return false;
  std::string stepName = name(changes);
  // The history keeps its own copy; the listeners are told the change as it happened.
  history_.Record(std::move(stepName), changes, mergeKey);
  TellChanged(ChangeKind::Edit, changes);
  TellState();
  return true;
}

bool Document::Change(const std::string& name, const Edit& edit, const std::string& mergeKey) {
  return Change([&name](const ImageChanges&) { return name; }, edit, mergeKey);
}

bool Document::Undo() {
  if (!history_.CanUndo() && !beforeReads_.empty()) return UndoRead();
  return TellRestored(ChangeKind::Undo, history_.Undo(image_));
}

std::string Document::UndoName() const {
  if (!history_.CanUndo() && !beforeReads_.empty()) return "Read";
  return history_.UndoName();
}

bool Document::UndoRead() {
  BeforeRead before = std::move(beforeReads_.back());
  beforeReads_.pop_back();
  const ImageChanges changes = ImageChanges::Between(image_, before.image);
  image_ = std::move(before.image);
  history_ = std::move(before.history);
  name_ = std::move(before.name);
  fromRadio_ = before.fromRadio;
  unreadItems_ = before.unreadItems;
  // The views take it as a read: the band plan may come back with it.
  TellChanged(ChangeKind::Read, changes);
  TellState();
  return true;
}

bool Document::Redo() { return TellRestored(ChangeKind::Redo, history_.Redo(image_)); }

bool Document::TellRestored(ChangeKind kind, const ImageChanges* step) {
  if (!step) return false;
  // The step lives in the history, which a listener's own command may change: it is told a copy.
  const ImageChanges told = *step;
  TellChanged(kind, told);
  TellState();
  return true;
}

void Document::Replace(ChangeKind kind, RadioImage image, std::string name, bool fromRadio) {
  const ImageChanges changes = ImageChanges::Between(image_, image);
  image_ = std::move(image);
  name_ = std::move(name);
  fromRadio_ = fromRadio;
  unreadItems_ = 0;
  if (kind != ChangeKind::Read) beforeReads_.clear();
  history_.Reset(kind != ChangeKind::Read);
  TellChanged(kind, changes);
  TellState();
}

void Document::Open(RadioImage image, std::string name) {
  Replace(ChangeKind::Open, std::move(image), std::move(name), false);
}

void Document::New(RadioImage image) { Replace(ChangeKind::New, std::move(image), {}, false); }

void Document::Read(RadioImage image, int unreadItems) {
  beforeReads_.push_back(BeforeRead{image_, history_, name_, fromRadio_, unreadItems_});
  if (beforeReads_.size() > kReadsKept) beforeReads_.erase(beforeReads_.begin());
  Replace(ChangeKind::Read, std::move(image), {}, true);
  unreadItems_ = unreadItems;
  if (unreadItems > 0) TellState();
}

void Document::MarkSaved(std::string name) {
  history_.MarkClean();
  name_ = std::move(name);
  fromRadio_ = false;
  TellState();
}

void Document::SetModified(bool modified) {
  if (modified) {
    history_.ForgetClean();
  } else {
    history_.MarkClean();
  }
  TellState();
}

void Document::AddListener(DocumentListener* listener) {
  if (listener && std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) {
    listeners_.push_back(listener);
  }
}

void Document::RemoveListener(DocumentListener* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

// A listener may add or remove listeners while it is told; those it removes are not told.
void Document::TellEach(const std::function<void(DocumentListener&)>& tell) {
  const std::vector<DocumentListener*> listeners = listeners_;
  for (DocumentListener* listener : listeners) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) {
      tell(*listener);
    }
  }
}

void Document::TellChanged(ChangeKind kind, const ImageChanges& changes) {
  TellEach([&](DocumentListener& listener) { listener.DocumentChanged(kind, changes); });
}

void Document::TellState() {
  TellEach([](DocumentListener& listener) { listener.DocumentStateChanged(); });
}

}  // namespace quorvan
