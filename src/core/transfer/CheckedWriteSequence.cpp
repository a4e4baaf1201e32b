#include "core/transfer/CheckedWriteSequence.h"

#include <algorithm>

#include "core/model/RadioForms.h"

namespace quorvan {

namespace {

ItemSet ItemsOf(const RadioImage& document, const WritePlan& plan) {
  if (plan.changes) return ItemsSentOf(document, *plan.changes);
  return ItemsSentOf(document, ItemsOfScope(plan.scope));
}

}  // namespace

CheckedWriteSequence::CheckedWriteSequence(const RadioImage& document, const WritePlan& plan)
    : document_(document), plan_(plan), items_(ItemsOf(document, plan)) {
  if (plan_.changes && plan_.baseline) {
    // What the radio does not give back keeps the baseline's text, so the result is the
    // baseline with the items the write replaces as they were in the radio.
    replaced_ = *plan_.baseline;
    replaced_.Plan() = document_.Plan();
    checkReplaced_ = std::make_unique<ReadSequence>(replaced_, items_);
  }
  if (plan_.changes) {
    write_ = std::make_unique<WriteSequence>(document_, items_);
  } else {
    write_ = std::make_unique<WriteSequence>(document_, plan_.scope);
  }
  readBackImage_ = document_;
  readBack_ = std::make_unique<ReadSequence>(readBackImage_, items_);
}

CheckedWriteSequence::~CheckedWriteSequence() = default;

TransferSequence& CheckedWriteSequence::Current() const {
  switch (phase_) {
    case Phase::CheckReplaced:
      return *checkReplaced_;
    case Phase::ReadBack:
      return *readBack_;
    default:
      return *write_;
  }
}

SequenceAction CheckedWriteSequence::Start() {
  cancelRequested_ = false;
  replacedRead_ = stoppedBeforeWriting_ = writeCompleted_ = readBackCompleted_ = false;
  changedSinceBaseline_.clear();
  readBackDifferences_.clear();
  // Nothing at all is sent, not even the check of what would be replaced, for a document the
  // write would refuse.
  if (SequenceAction refused = write_->CheckDocument();
      refused.kind == SequenceAction::Kind::MalformedRecord) {
    phase_ = Phase::Done;
    return refused;
  }
  if (plan_.changes && !plan_.baseline) {
    phase_ = Phase::Done;
    return SequenceAction::Malformed("A write of changes needs what the radio held before.");
  }
  if (checkReplaced_) {
    phase_ = Phase::CheckReplaced;
    return checkReplaced_->Start();
  }
  phase_ = Phase::Write;
  return write_->Start();
}

SequenceAction CheckedWriteSequence::OnReply(std::string_view waitingBytes) {
  if (phase_ == Phase::Done) return SequenceAction::Finish();
  const SequenceAction action = Current().OnReply(waitingBytes);
  if (action.kind != SequenceAction::Kind::Finish) {
    if (action.kind != SequenceAction::Kind::Send) phase_ = Phase::Done;
    return action;
  }
  if (cancelRequested_) {
    phase_ = Phase::Done;
    return action;
  }
  return NextPhase();
}

SequenceAction CheckedWriteSequence::NextPhase() {
  switch (phase_) {
    case Phase::CheckReplaced:
      replacedRead_ = true;
      FindChangesSinceBaseline();
      if (!changedSinceBaseline_.empty() && !plan_.force) {
        stoppedBeforeWriting_ = true;
        phase_ = Phase::Done;
        return SequenceAction::Finish();
      }
      return StartWrite();
    case Phase::Write:
      writeCompleted_ = true;
      if (plan_.readBack) return StartReadBack();
      break;
    case Phase::ReadBack:
      readBackCompleted_ = true;
      readBackDifferences_ = CompareRadioItems(document_, readBackImage_, items_);
      break;
    case Phase::Done:
      break;
  }
  phase_ = Phase::Done;
  return SequenceAction::Finish();
}

SequenceAction CheckedWriteSequence::StartWrite() {
  phase_ = Phase::Write;
  const SequenceAction action = write_->StartIdentified();
  if (action.kind == SequenceAction::Kind::Finish) return NextPhase();
  return action;
}

SequenceAction CheckedWriteSequence::StartReadBack() {
  phase_ = Phase::ReadBack;
  const SequenceAction action = readBack_->StartIdentified();
  if (action.kind == SequenceAction::Kind::Finish) return NextPhase();
  return action;
}

void CheckedWriteSequence::FindChangesSinceBaseline() {
  // An item the radio holds as the document has it is no change of anybody's to keep: a write
  // that broke off after sending it leaves it so.
  const RadioImage baseline = AsRadioGivesBack(*plan_.baseline);
  const RadioImage document = AsRadioGivesBack(document_);
  const RadioImage radio = AsRadioGivesBack(replaced_);
  ItemSet changed;
  for (const ItemRef item : items_.Items()) {
    const std::string held = ItemText(radio, item);
    if (held != ItemText(baseline, item) && held != ItemText(document, item)) changed.Add(item);
  }
  if (changed.Empty()) return;
  changedSinceBaseline_ = CompareRadioItems(*plan_.baseline, replaced_, changed);
}

void CheckedWriteSequence::Cancel() {
  cancelRequested_ = true;
  if (phase_ != Phase::Done) Current().Cancel();
}

int CheckedWriteSequence::PhaseMaximum(Phase phase) const {
  switch (phase) {
    case Phase::CheckReplaced:
      return checkReplaced_ ? items_.Count() : 0;
    case Phase::Write:
      return plan_.changes ? items_.Count() : ProgressMaximumOf(plan_.scope);
    case Phase::ReadBack:
      return plan_.readBack ? items_.Count() : 0;
    case Phase::Done:
      break;
  }
  return 0;
}

int CheckedWriteSequence::ProgressMaximum() const {
  return PhaseMaximum(Phase::CheckReplaced) + PhaseMaximum(Phase::Write) +
         PhaseMaximum(Phase::ReadBack);
}

int CheckedWriteSequence::ProgressPosition() const {
  if (phase_ == Phase::Done) return ProgressMaximum();
  int position = 0;
  for (const Phase before : {Phase::CheckReplaced, Phase::Write}) {
    if (before == phase_) break;
    position += PhaseMaximum(before);
  }
  return position + std::clamp(Current().ProgressPosition(), 0, PhaseMaximum(phase_));
}

int CheckedWriteSequence::StepCode() const {
  return phase_ == Phase::Done ? write_->StepCode() : Current().StepCode();
}

std::string CheckedWriteSequence::LastCommand() const {
  return phase_ == Phase::Done ? write_->LastCommand() : Current().LastCommand();
}

std::optional<RadioImage> CheckedWriteSequence::RadioNowHolds() const {
  if (!writeCompleted_ || RejectedCount() > 0) return std::nullopt;
  if (plan_.readBack && (!readBackCompleted_ || !readBackDifferences_.empty())) return std::nullopt;
  const bool whole = !plan_.changes && plan_.scope == TransferScope::All;
  if (!plan_.baseline && !whole) return std::nullopt;
  RadioImage holds = plan_.baseline ? *plan_.baseline : document_;
  holds.Plan() = document_.Plan();
  holds.SetComment(document_.Comment());
  for (const ItemRef item : items_.Items()) StoreItem(holds, item, ItemText(document_, item));
  return holds;
}

}  // namespace quorvan
