#include "core/transfer/CheckedWriteSequence.h"

#include <algorithm>

#include "core/messages/MessagePatterns.h"
#include "core/model/RadioForms.h"
#include "core/transfer/LiveStep.h"
#include "core/transfer/PartlyWritten.h"

namespace quorvan {

namespace {

ItemSet ItemsToCheck(const RadioImage& document, const WritePlan& plan) {
  if (!plan.changes) return {};
  ItemSet items = ItemsSentOf(document, *plan.changes);
  // An unsure item is read even where the document sends nothing: what the radio holds there
  // is then known again.
  items.Add(plan.unsure);
  return items;
}

// The items in the form the radio gives them back. Each item's form depends on that item and
// the band plan alone, so only the items compared are converted, not the whole image.
RadioImage GivenBack(const RadioImage& image, const ItemSet& items) {
  return AsRadioGivesBack(ItemsOnly(image, items));
}

}  // namespace

ItemSet ItemsOfJournal(const RadioImage& meant, const RadioImage* replaced) {
  if (!replaced) return ItemsOfScope(TransferScope::All);
  ItemSet items;
  const ImageChanges changes =
      ImageChanges::Between(AsRadioGivesBack(*replaced), AsRadioGivesBack(meant));
  for (const ItemChange& change : changes.Items()) items.Add(change.item);
  items.Remove({ItemKind::Comment, 0});
  return items;
}

WritePlan PlanChanges(const RadioImage& document, const RadioImage& state, bool journal,
                      const RadioImage* replaced) {
  WritePlan plan;
  plan.changes = ChangesToWrite(state, document);
  plan.baseline = &state;
  if (journal) {
    plan.unsure = ItemsOfJournal(state, replaced);
    plan.unsureBefore = replaced;
  }
  return plan;
}

CheckedWriteSequence::CheckedWriteSequence(const RadioImage& document, const WritePlan& plan)
    : document_(document), plan_(plan), checkItems_(ItemsToCheck(document, plan)) {
  if (plan_.changes) {
    // What the radio does not give back keeps the baseline's text, so the result is the
    // baseline with the items checked as they were in the radio.
    if (plan_.baseline) replaced_ = *plan_.baseline;
    replaced_.Plan() = document_.Plan();
    check_ = std::make_unique<ReadSequence>(replaced_, checkItems_);
    writeItems_ = checkItems_;  // until the check tells which the radio lacks
  } else {
    write_ = std::make_unique<WriteSequence>(document_, plan_.scope);
    identify_ = std::make_unique<IdentificationOnly>(*write_);
    writeItems_ = ItemsSentOf(document_, ItemsOfScope(plan_.scope));
  }
}

CheckedWriteSequence::~CheckedWriteSequence() = default;

TransferSequence& CheckedWriteSequence::Current() const {
  switch (phase_) {
    case Phase::Check:
      return *check_;
    case Phase::Identify:
      return *identify_;
    case Phase::ReadBack:
      return *readBack_;
    case Phase::Journal:
      // Nothing is outstanding: the part before the journal tells where it stands.
      return plan_.changes ? static_cast<TransferSequence&>(*check_) : *identify_;
    default:
      return *write_;
  }
}

SequenceAction CheckedWriteSequence::Start() {
  cancelRequested_ = false;
  replacedRead_ = stoppedBeforeWriting_ = journalKept_ = false;
  journalAnswer_.reset();
  writeCompleted_ = readBackCompleted_ = false;
  journalRefusal_.clear();
  changedSinceBaseline_.clear();
  readBackDifferences_.clear();
  // Nothing at all is sent, not even the check of what would be replaced, for a document the
  // write would refuse.
  const SequenceAction refused =
      plan_.changes ? WriteSequence(document_, ItemsSentOf(document_, checkItems_)).CheckDocument()
                    : write_->CheckDocument();
  if (refused.kind == SequenceAction::Kind::MalformedRecord) {
    phase_ = Phase::Done;
    return refused;
  }
  if (plan_.changes && !plan_.baseline) {
    phase_ = Phase::Done;
    return SequenceAction::Malformed("A write of changes needs what the radio held before.");
  }
  if (plan_.changes) {
    writeItems_ = checkItems_;
    write_.reset();
    phase_ = Phase::Check;
    return check_->Start();
  }
  phase_ = Phase::Identify;
  return identify_->Start();
}

SequenceAction CheckedWriteSequence::OnReply(std::string_view waitingBytes) {
  if (phase_ == Phase::Done) return SequenceAction::Finish();
  if (phase_ == Phase::Journal) return SequenceAction::Wait();
  const SequenceAction action = Current().OnReply(waitingBytes);
  if (action.kind != SequenceAction::Kind::Finish) {
    if (action.kind != SequenceAction::Kind::Send) phase_ = Phase::Done;
    return action;
  }
  if (cancelRequested_ || (phase_ == Phase::Identify && !identify_->Identified())) {
    phase_ = Phase::Done;
    return action;
  }
  return NextPhase();
}

SequenceAction CheckedWriteSequence::NextPhase() {
  switch (phase_) {
    case Phase::Check:
      replacedRead_ = true;
      FindChangesSinceBaseline();
      if (!changedSinceBaseline_.empty() && !plan_.force) {
        stoppedBeforeWriting_ = true;
        break;
      }
      ChooseItemsToWrite();
      if (writeItems_.Empty()) {
        // The radio holds the document everywhere it was to be written: the check read it.
        writeCompleted_ = true;
        readBackCompleted_ = plan_.readBack;
        break;
      }
      return StartWrite();
    case Phase::Identify:
      return StartWrite();
    case Phase::Journal:
      return SequenceAction::Wait();
    case Phase::Write:
      writeCompleted_ = true;
      if (plan_.readBack) return StartReadBack();
      break;
    case Phase::ReadBack:
      readBackCompleted_ = true;
      readBackDifferences_ = CompareRadioItems(document_, readBackImage_, writeItems_);
      break;
    case Phase::Done:
      break;
  }
  phase_ = Phase::Done;
  return SequenceAction::Finish();
}

SequenceAction CheckedWriteSequence::StartWrite() {
  if (plan_.beginJournal) {
    phase_ = Phase::Journal;
    journalAnswer_.reset();
    plan_.beginJournal(plan_.changes ? std::optional<RadioImage>(replaced_) : std::nullopt,
                       Target());
    return SequenceAction::Wait();
  }
  if (plan_.keepJournal) {
    std::string error;
    if (!plan_.keepJournal(plan_.changes ? &replaced_ : nullptr, Target(), &error)) {
      return StopForJournal(std::move(error));
    }
    journalKept_ = true;
  }
  return SendWrite();
}

void CheckedWriteSequence::JournalDone(bool kept, std::string error) {
  journalAnswer_ = kept ? std::string() : std::move(error);
  if (!kept && journalAnswer_->empty()) journalAnswer_ = "the journal was not kept";
}

SequenceAction CheckedWriteSequence::Resume() {
  if (phase_ != Phase::Journal) return SequenceAction::Finish();
  if (!journalAnswer_) return SequenceAction::Wait();
  if (cancelRequested_) {
    phase_ = Phase::Done;
    return SequenceAction::Finish();
  }
  if (!journalAnswer_->empty()) return StopForJournal(*journalAnswer_);
  journalKept_ = true;
  return SendWrite();
}

SequenceAction CheckedWriteSequence::StopForJournal(std::string error) {
  journalRefusal_ = std::move(error);
  stoppedBeforeWriting_ = true;
  phase_ = Phase::Done;
  return SequenceAction::Finish();
}

SequenceAction CheckedWriteSequence::SendWrite() {
  if (plan_.changes) write_ = std::make_unique<WriteSequence>(document_, writeItems_);
  phase_ = Phase::Write;
  const SequenceAction action = write_->StartIdentified();
  if (action.kind == SequenceAction::Kind::Finish) return NextPhase();
  return action;
}

SequenceAction CheckedWriteSequence::StartReadBack() {
  phase_ = Phase::ReadBack;
  readBackImage_ = document_;
  readBack_ = std::make_unique<ReadSequence>(readBackImage_, writeItems_);
  const SequenceAction action = readBack_->StartIdentified();
  if (action.kind == SequenceAction::Kind::Finish) return NextPhase();
  return action;
}

void CheckedWriteSequence::FindChangesSinceBaseline() {
  // All in the form the radio gives back, taken once.
  const RadioImage radio = GivenBack(replaced_, checkItems_);
  const RadioImage document = GivenBack(document_, checkItems_);
  const RadioImage meant = GivenBack(*plan_.baseline, checkItems_);
  const std::optional<RadioImage> before =
      plan_.unsureBefore ? std::optional<RadioImage>(GivenBack(*plan_.unsureBefore, checkItems_))
                         : std::nullopt;
  ItemSet changed;
  for (const ItemRef item : checkItems_.Items()) {
    const std::string held = ItemText(radio, item);
    // An item the radio holds as the document has it is no change of anybody's to keep: a
    // write that broke off after sending it leaves it so.
    if (held == ItemText(document, item) || held == ItemText(meant, item)) continue;
    // An item of a write that did not end may be in any state that write can leave.
    if (plan_.unsure.Contains(item) &&
        (!before ||
         MayBePartlyWritten(item, held, ItemText(*before, item), ItemText(meant, item)))) {
      continue;
    }
    changed.Add(item);
  }
  if (changed.Empty()) return;
  changedSinceBaseline_ = CompareRadioItems(*plan_.baseline, replaced_, changed);
}

void CheckedWriteSequence::ChooseItemsToWrite() {
  // What the radio already holds as the document has it is not sent again, so completing a
  // write that broke off sends only what it did not get to.
  const RadioImage radio = GivenBack(replaced_, checkItems_);
  const RadioImage document = GivenBack(document_, checkItems_);
  writeItems_ = ItemSet();
  for (const ItemRef item : checkItems_.Items()) {
    if (WriteSendsItem(document_, item) && ItemText(radio, item) != ItemText(document, item)) {
      writeItems_.Add(item);
    }
  }
}

RadioImage CheckedWriteSequence::Target() const {
  RadioImage holds;
  if (plan_.changes) {
    holds = replaced_;  // the baseline with what the check read
  } else {
    holds = plan_.baseline ? *plan_.baseline : document_;
  }
  holds.Plan() = document_.Plan();
  holds.SetComment(document_.Comment());
  const ItemSet& sent = plan_.changes ? checkItems_ : writeItems_;
  for (const ItemRef item : sent.Items()) {
    if (WriteSendsItem(document_, item)) StoreItem(holds, item, ItemText(document_, item));
  }
  return holds;
}

void CheckedWriteSequence::Cancel() {
  cancelRequested_ = true;
  if (phase_ != Phase::Done && phase_ != Phase::Journal) Current().Cancel();
}

int CheckedWriteSequence::PhaseMaximum(Phase phase) const {
  switch (phase) {
    case Phase::Check:
      return check_ ? checkItems_.Count() : 0;
    case Phase::Write:
      return plan_.changes ? writeItems_.Count() : ProgressMaximumOf(plan_.scope);
    case Phase::ReadBack:
      return plan_.readBack ? writeItems_.Count() : 0;
    case Phase::Identify:
    case Phase::Journal:
    case Phase::Done:
      break;
  }
  return 0;
}

int CheckedWriteSequence::ProgressMaximum() const {
  return PhaseMaximum(Phase::Check) + PhaseMaximum(Phase::Write) + PhaseMaximum(Phase::ReadBack);
}

int CheckedWriteSequence::ProgressPosition() const {
  if (phase_ == Phase::Done) return ProgressMaximum();
  if (phase_ == Phase::Journal) return PhaseMaximum(Phase::Check);
  int position = 0;
  for (const Phase before : {Phase::Check, Phase::Write}) {
    if (before == phase_) break;
    position += PhaseMaximum(before);
  }
  if (phase_ == Phase::Identify) return 0;
  return position + std::clamp(Current().ProgressPosition(), 0, PhaseMaximum(phase_));
}

int CheckedWriteSequence::StepCode() const {
  if (phase_ == Phase::Done) return write_ ? write_->StepCode() : -1;
  return Current().StepCode();
}

std::string CheckedWriteSequence::LastCommand() const {
  if (phase_ == Phase::Done) {
    if (write_) return write_->LastCommand();
    return check_ ? check_->LastCommand() : std::string();
  }
  return Current().LastCommand();
}

std::string CheckedWriteSequence::Activity() const {
  const auto items = [](const char* one, const char* many, int n) {
    return FillIn(n == 1 ? one : many, {std::to_string(n)});
  };
  switch (phase_) {
    case Phase::Check:
      return items(pattern::kCheckingOne, pattern::kCheckingMany, checkItems_.Count());
    case Phase::Identify:
    case Phase::Journal:  // keeping what the write will leave, right before it sends
    case Phase::Write:
      // A write of everything names what it is sending; one of changes only that it writes.
      if (plan_.changes || !write_ || write_->Activity().empty()) return kWritingActivity;
      return write_->Activity();
    case Phase::ReadBack:
      return items(pattern::kReadingBackOne, pattern::kReadingBackMany, writeItems_.Count());
    case Phase::Done:
      break;
  }
  return {};
}

std::optional<RadioImage> CheckedWriteSequence::RadioNowHolds() const {
  if (!writeCompleted_ || RejectedCount() > 0) return std::nullopt;
  if (plan_.readBack && (!readBackCompleted_ || !readBackDifferences_.empty())) return std::nullopt;
  if (!plan_.changes && !plan_.baseline && plan_.scope != TransferScope::All) return std::nullopt;
  return Target();
}

}  // namespace quorvan
