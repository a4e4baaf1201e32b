#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/ItemSet.h"
#include "core/model/RadioImage.h"
#include "core/rules/DocumentComparison.h"
#include "core/transfer/ReadSequence.h"
#include "core/transfer/TransferSequence.h"
#include "core/transfer/WriteSequence.h"

namespace quorvan {

// What a write does besides writing.
struct WritePlan {
  TransferScope scope = TransferScope::All;  // a whole write of this scope, unless `changes`
  // A write of changes: only these items (ChangesToWrite). Before the first of them is sent it
  // reads what it is about to replace and stops when the radio no longer holds the baseline
  // there (unless `force`).
  std::optional<ItemSet> changes;
  // What the radio held after the last complete read or write of it: needed for changes; for
  // a whole write it tells what the radio holds afterwards outside what was written.
  const RadioImage* baseline = nullptr;
  bool force = false;
  // Afterwards, read back the items written and compare them with the document.
  bool readBack = false;
};

// A write with its checks, in one exchange with one identification: the read of the items a
// write of changes replaces, the write, the read-back of what was written. Each part is the
// existing read or write sequence; this one hands the exchange from one to the next and keeps
// what each found. Stopping because the radio changed since the baseline is a Finish with
// StoppedBeforeWriting(): nothing was written then.
class CheckedWriteSequence final : public TransferSequence {
 public:
  // `document` and `plan.baseline` must outlive the sequence.
  CheckedWriteSequence(const RadioImage& document, const WritePlan& plan);
  ~CheckedWriteSequence() override;

  SequenceAction Start() override;
  SequenceAction OnReply(std::string_view waitingBytes) override;
  void Cancel() override;
  bool CancelRequested() const override { return cancelRequested_; }

  int ProgressMaximum() const override;
  int ProgressPosition() const override;

  int StepCode() const override;
  std::string LastCommand() const override;
  int RejectedCount() const override { return write_->RejectedCount(); }
  std::string FirstRejectedCommand() const override { return write_->FirstRejectedCommand(); }

  // The items the write sends.
  const ItemSet& Items() const { return items_; }

  // A write of changes: whether the items it replaces were read, and the baseline with those
  // items as the radio gave them (what the write overwrote, to be kept).
  bool ReplacedItemsRead() const { return replacedRead_; }
  const RadioImage& Replaced() const { return replaced_; }
  // The items the radio held neither as the baseline says nor as the document has them, field
  // by field (baseline first, radio second).
  const std::vector<FieldDifference>& ChangedSinceBaseline() const { return changedSinceBaseline_; }
  bool StoppedBeforeWriting() const { return stoppedBeforeWriting_; }

  // The write ran to its end (refused commands or not).
  bool WriteCompleted() const { return writeCompleted_; }
  // What the radio holds now, when that is known: the write ran to its end with no command
  // refused, it was a whole write or there is a baseline to put the written items over, and a
  // read-back (when asked for) found the radio holding them.
  std::optional<RadioImage> RadioNowHolds() const;

  bool ReadBackCompleted() const { return readBackCompleted_; }
  // The written items that differ in the radio, field by field (document first, radio second).
  const std::vector<FieldDifference>& ReadBackDifferences() const { return readBackDifferences_; }

 private:
  enum class Phase { CheckReplaced, Write, ReadBack, Done };

  TransferSequence& Current() const;
  int PhaseMaximum(Phase phase) const;
  // The part now running has finished: go on with the next one, or finish.
  SequenceAction NextPhase();
  SequenceAction StartWrite();
  SequenceAction StartReadBack();
  void FindChangesSinceBaseline();

  const RadioImage& document_;
  const WritePlan plan_;
  const ItemSet items_;
  RadioImage replaced_;
  RadioImage readBackImage_;
  std::unique_ptr<ReadSequence> checkReplaced_;
  std::unique_ptr<WriteSequence> write_;
  std::unique_ptr<ReadSequence> readBack_;
  Phase phase_ = Phase::Write;
  bool cancelRequested_ = false;
  bool replacedRead_ = false;
  bool stoppedBeforeWriting_ = false;
  bool writeCompleted_ = false;
  bool readBackCompleted_ = false;
  std::vector<FieldDifference> changedSinceBaseline_;
  std::vector<FieldDifference> readBackDifferences_;
};

}  // namespace quorvan
