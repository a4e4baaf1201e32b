#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/ItemSet.h"
#include "core/model/RadioImage.h"
#include "core/rules/DocumentComparison.h"
#include "core/transfer/IdentificationOnly.h"
#include "core/transfer/ReadSequence.h"
#include "core/transfer/TransferSequence.h"
#include "core/transfer/WriteSequence.h"

namespace quorvan {

// Keeps the journal of a write, right before its first command that changes the radio:
// `replaced` is what a write of changes found where it writes (null for a write of everything),
// `target` what the radio holds once the write ends. False, with the reason in `error`, stops
// the write with nothing written.
using JournalKeeper =
    std::function<bool(const RadioImage* replaced, const RadioImage& target, std::string* error)>;
// The same journal kept elsewhere (on another thread), from copies of its images: the write
// waits (SequenceAction::Wait) until JournalDone tells how it went, and goes on at Resume.
using JournalStarter = std::function<void(std::optional<RadioImage> replaced, RadioImage target)>;

// What a write does besides writing.
struct WritePlan {
  TransferScope scope = TransferScope::All;  // a whole write of this scope, unless `changes`
  // A write of changes: these items (ChangesToWrite) and the unsure ones below. Before it writes
  // it reads them all, stops when the radio no longer holds there what it should (unless
  // `force`), and writes only those the radio does not hold as the document has them.
  std::optional<ItemSet> changes;
  // What the radio held: needed for changes. For a whole write, what the radio held for certain
  // (no journal), which tells what it holds afterwards outside what was written.
  const RadioImage* baseline = nullptr;
  // Changes over the journal of a write that did not end (`baseline` is what that write was to
  // leave): the items it was sending. The radio may hold each as before that write
  // (`unsureBefore`), as the write meant it, or partly written; with no `unsureBefore`, in any
  // state at all.
  ItemSet unsure;
  const RadioImage* unsureBefore = nullptr;
  bool force = false;
  // Afterwards, read back the items written and compare them with the document.
  bool readBack = false;
  JournalKeeper keepJournal;
  JournalStarter beginJournal;  // instead of keepJournal
};

// The items a write that did not end may have left in any of its states, from its journal:
// where what it found (`replaced`) and what it was to leave (`meant`) differ, or every record and
// menu value for a write of everything (no `replaced`).
ItemSet ItemsOfJournal(const RadioImage& meant, const RadioImage* replaced);

// A write of changes of the document over what the radio held (`state`); over a journal
// (`journal`), whose items it checks and completes (`replaced` as ItemsOfJournal takes it). The
// plan points into the images given. Nothing is to be sent when both its changes and its unsure
// items are empty.
WritePlan PlanChanges(const RadioImage& document, const RadioImage& state, bool journal,
                      const RadioImage* replaced);

// A write with its checks, in one exchange with one identification: the read of the items a
// write of changes replaces, the journal, the write, the read-back of what was written. Each part
// is the existing read or write sequence; this one hands the exchange from one to the next and
// keeps what each found. Stopping because the radio changed since the baseline, or because the
// journal could not be kept, is a Finish with StoppedBeforeWriting(): nothing was written then.
class CheckedWriteSequence final : public TransferSequence {
 public:
  // `document`, `plan.baseline` and `plan.unsureBefore` must outlive the sequence.
  CheckedWriteSequence(const RadioImage& document, const WritePlan& plan);
  ~CheckedWriteSequence() override;

  SequenceAction Start() override;
  SequenceAction OnReply(std::string_view waitingBytes) override;
  SequenceAction Resume() override;
  void Cancel() override;
  bool CancelRequested() const override { return cancelRequested_; }

  int ProgressMaximum() const override;
  int ProgressPosition() const override;

  int StepCode() const override;
  std::string LastCommand() const override;
  // "Checking 3 items", "Writing", "Reading back 4 items".
  std::string Activity() const override;
  int RejectedCount() const override { return write_ ? write_->RejectedCount() : 0; }
  std::string FirstRejectedCommand() const override {
    return write_ ? write_->FirstRejectedCommand() : std::string();
  }

  // The items the write sends: for a write of changes, once they were read, those the radio did
  // not hold as the document has them.
  const ItemSet& Items() const { return writeItems_; }

  // A write of changes: whether the items it checks were read, and the baseline with those items
  // as the radio gave them (what the write overwrote, to be kept).
  bool ReplacedItemsRead() const { return replacedRead_; }
  const RadioImage& Replaced() const { return replaced_; }
  // The items the radio held neither as the baseline says nor as the document has them, field
  // by field (baseline first, radio second).
  const std::vector<FieldDifference>& ChangedSinceBaseline() const { return changedSinceBaseline_; }
  bool StoppedBeforeWriting() const { return stoppedBeforeWriting_; }
  // With beginJournal: how keeping the journal went (`error` says why it could not be kept).
  void JournalDone(bool kept, std::string error);
  // Why the journal could not be kept, when that stopped the write.
  const std::string& JournalRefusal() const { return journalRefusal_; }
  // The journal was kept: from then on the radio may hold part of the write.
  bool JournalKept() const { return journalKept_; }

  // The write ran to its end (refused commands or not).
  bool WriteCompleted() const { return writeCompleted_; }
  // What the radio holds now, when that is known: the write ran to its end with no command
  // refused, it was a write of changes, a whole write of everything or one over a certain
  // baseline, and a read-back (when asked for) found the radio holding what was written.
  std::optional<RadioImage> RadioNowHolds() const;

  bool ReadBackCompleted() const { return readBackCompleted_; }
  // The written items that differ in the radio, field by field (document first, radio second).
  const std::vector<FieldDifference>& ReadBackDifferences() const { return readBackDifferences_; }

 private:
  enum class Phase { Check, Identify, Journal, Write, ReadBack, Done };

  TransferSequence& Current() const;
  int PhaseMaximum(Phase phase) const;
  // The part now running has finished: go on with the next one, or finish.
  SequenceAction NextPhase();
  SequenceAction StartWrite();
  SequenceAction SendWrite();
  SequenceAction StopForJournal(std::string error);
  SequenceAction StartReadBack();
  void FindChangesSinceBaseline();
  void ChooseItemsToWrite();
  // What the radio holds once the write ends.
  RadioImage Target() const;

  const RadioImage& document_;
  const WritePlan plan_;
  const ItemSet checkItems_;  // a write of changes: what is read before writing
  ItemSet writeItems_;
  RadioImage replaced_;
  RadioImage readBackImage_;
  std::unique_ptr<ReadSequence> check_;
  std::unique_ptr<WriteSequence> write_;
  std::unique_ptr<IdentificationOnly> identify_;
  std::unique_ptr<ReadSequence> readBack_;
  Phase phase_ = Phase::Write;
  bool cancelRequested_ = false;
  bool replacedRead_ = false;
  bool stoppedBeforeWriting_ = false;
  bool journalKept_ = false;
  std::optional<std::string> journalAnswer_;  // with beginJournal: empty when kept
  bool writeCompleted_ = false;
  bool readBackCompleted_ = false;
  std::string journalRefusal_;
  std::vector<FieldDifference> changedSinceBaseline_;
  std::vector<FieldDifference> readBackDifferences_;
};

}  // namespace quorvan
