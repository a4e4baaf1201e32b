#include "core/model/EditHistory.h"

#include <utility>

namespace quorvan {

namespace {

const std::string kNoName;

}  // namespace

EditHistory::EditHistory(std::size_t maxSteps, std::size_t maxBytes)
    : maxSteps_(maxSteps > 0 ? maxSteps : 1), maxBytes_(maxBytes) {}

std::size_t EditHistory::StepBytes(const EditStep& step) {
  return sizeof(EditStep) + StringHeapBytes(step.name) + StringHeapBytes(step.mergeKey) +
         step.changes.Bytes();
}

void EditHistory::Reset(bool presentIsClean) {
  steps_.clear();
  position_ = 0;
  bytes_ = 0;
  clean_ = presentIsClean ? 0 : kNowhere;
  mergeOpen_ = false;
}

void EditHistory::DropUndone() {
  if (clean_ != kNowhere && clean_ > position_) clean_ = kNowhere;
  while (steps_.size() > position_) {
    bytes_ -= StepBytes(steps_.back());
    steps_.pop_back();
  }
}

void EditHistory::DropOldestPastBounds() {
  while (steps_.size() > 1 && (steps_.size() > maxSteps_ || bytes_ > maxBytes_)) {
    bytes_ -= StepBytes(steps_.front());
    steps_.pop_front();
    --position_;
    if (clean_ != kNowhere) clean_ = clean_ == 0 ? kNowhere : clean_ - 1;
  }
}

bool EditHistory::Record(std::string name, ImageChanges changes, const std::string& mergeKey) {
  if (changes.Empty()) return false;
  DropUndone();
  const bool merge =
      mergeOpen_ && !mergeKey.empty() && !steps_.empty() && steps_.back().mergeKey == mergeKey;
  if (merge) {
    EditStep& last = steps_.back();
    bytes_ -= StepBytes(last);
    last.changes.Absorb(changes);
    if (last.changes.Empty()) {
      // Typed and typed away again: the field is back where the step began.
      steps_.pop_back();
      --position_;
      mergeOpen_ = false;
      return true;
    }
    bytes_ += StepBytes(last);
  } else {
    steps_.push_back({std::move(name), std::move(changes), mergeKey});
    bytes_ += StepBytes(steps_.back());
    ++position_;
  }
  mergeOpen_ = !mergeKey.empty();
  DropOldestPastBounds();
  return true;
}

const std::string& EditHistory::UndoName() const {
  return CanUndo() ? steps_[position_ - 1].name : kNoName;
}

const std::string& EditHistory::RedoName() const {
  return CanRedo() ? steps_[position_].name : kNoName;
}

const ImageChanges* EditHistory::Undo(RadioImage& image) {
  mergeOpen_ = false;
  if (!CanUndo()) return nullptr;
  const ImageChanges& changes = steps_[--position_].changes;
  changes.RevertIn(image);
  return &changes;
}

const ImageChanges* EditHistory::Redo(RadioImage& image) {
  mergeOpen_ = false;
  if (!CanRedo()) return nullptr;
  const ImageChanges& changes = steps_[position_++].changes;
  changes.ApplyTo(image);
  return &changes;
}

void EditHistory::MarkClean() {
  clean_ = position_;
  // A step that grew after the save would move the saved state away from its mark.
  mergeOpen_ = false;
}

}  // namespace quorvan
