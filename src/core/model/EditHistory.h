#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "core/model/ImageChanges.h"

namespace quorvan {

// One change the user made, as the Undo and Redo commands name it ("Paste into 012").
struct EditStep {
  std::string name;
  ImageChanges changes;
  std::string mergeKey;  // non-empty: later changes with the same key may join this step
};

// The document's undo history: named steps, each the change one user command made, bounded in
// count and in memory (the oldest step goes first), and a clean mark at the state last saved or
// opened, so "modified" means "differs from that state" however the user got there.
class EditHistory {
 public:
  // At least this many steps are kept, however small; and never more memory than kMaxBytes
  // (the newest step is kept whatever its size).
  static constexpr std::size_t kMaxSteps = 1000;
  static constexpr std::size_t kMaxBytes = 16u * 1000u * 1000u;

  explicit EditHistory(std::size_t maxSteps = kMaxSteps, std::size_t maxBytes = kMaxBytes);

  // Forgets every step. The present state is the clean one, or (after a radio read, which is
  // saved nowhere) no state is.
  void Reset(bool presentIsClean);

  // Adds a change as the newest step and forgets the steps that were undone. An empty change
  // adds nothing. When `mergeKey` is the newest step's and no undo, redo, save or EndMerge came
  // in between, the change joins that step instead (typing into one field is one step); a
  // step that then changes nothing goes away. True when the history changed.
  bool Record(std::string name, ImageChanges changes, const std::string& mergeKey = {});
  // The next change is a step of its own, whatever its merge key (the field lost the focus).
  void EndMerge() { mergeOpen_ = false; }

  bool CanUndo() const { return position_ > 0; }
  bool CanRedo() const { return position_ < steps_.size(); }
  // Names of the step Undo would take back and the one Redo would make again; empty for none.
  const std::string& UndoName() const;
  const std::string& RedoName() const;

  // Take back the newest step, or make the next undone one again, in `image`. Returns the
  // step's change (valid until the history changes next), or nullptr when there is none.
  const ImageChanges* Undo(RadioImage& image);
  const ImageChanges* Redo(RadioImage& image);

  // The present state is the one saved.
  void MarkClean();
  // No state is the saved one any more (the document was replaced without a file).
  void ForgetClean() { clean_ = kNowhere; }
  bool AtClean() const { return clean_ == position_; }

  std::size_t StepCount() const { return steps_.size(); }
  // Steps that can be undone now.
  std::size_t UndoCount() const { return position_; }
  // The memory the steps hold, as counted against the bound.
  std::size_t Bytes() const { return bytes_; }

 private:
  static constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);

  static std::size_t StepBytes(const EditStep& step);
  void DropUndone();
  void DropOldestPastBounds();

  std::size_t maxSteps_;
  std::size_t maxBytes_;
  std::deque<EditStep> steps_;
  std::size_t position_ = 0;  // steps_[0, position_) are done; the rest were undone
  std::size_t clean_ = 0;     // the position of the saved state, or kNowhere
  std::size_t bytes_ = 0;
  bool mergeOpen_ = false;
};

}  // namespace quorvan
