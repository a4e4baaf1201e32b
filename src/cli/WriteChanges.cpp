#include "cli/WriteChanges.h"

#include <ctime>

#include "cli/VerifyRadio.h"
#include "core/files/Baseline.h"
#include "core/files/ReadBackups.h"
#include "core/files/WriteJournal.h"
#include "core/messages/Messages.h"
#include "core/model/EscapedText.h"
#include "core/rules/DocumentComparison.h"

namespace quorvan {

namespace {

// A backup the write leaves besides its journal; one that cannot be kept is told, but the write
// stands.
void KeepBackup(const RadioImage& image, BackupKind kind, CliContext& context) {
  std::string error;
  if (!SaveBackup(BackupFolder(), image, std::time(nullptr), kind, nullptr, &error)) {
    ReportError(context, std::string("the data ") +
                             (kind == BackupKind::Written ? "written" : "replaced") +
                             " could not be kept as a backup: " + EscapeControls(error));
  }
}

}  // namespace

int FindRadioBaseline(const RadioImage& document, std::string_view noneAdvice,
                      std::string_view refusedAdvice, CliContext& context, ChangesBase& base) {
  Baseline found = FindBaseline(BackupFolder(), document, std::time(nullptr));
  switch (found.status) {
    case Baseline::Status::None:
      return ReportError(context, std::string(kNoBaselineText) + ": " + std::string(noneAdvice));
    case Baseline::Status::Unreadable:
    case Baseline::Status::InFuture:
      return ReportError(context, BaselineRefusalText(found) + "\n" + std::string(refusedAdvice));
    case Baseline::Status::Found:
      break;
  }
  base.comparedWith = ComparedWithText(found);
  base.nothingChanged = NothingChangedText(found);
  base.journal = found.name.kind == BackupKind::Pending;
  base.replaced = std::move(found.replaced);
  base.state = std::move(found.image);
  return kExitOk;
}

int RunJournaledWrite(const RadioImage& image, WritePlan plan, const std::string& port,
                      ProgressShown shown, TransferTrace* trace, CliContext& context,
                      std::string_view forceAdvice) {
  WriteJournal journal(BackupFolder());
  plan.keepJournal = [&journal](const RadioImage* replaced, const RadioImage& target,
                                std::string* error) {
    return journal.Begin(replaced, target, std::time(nullptr), error);
  };
  CheckedWriteSequence sequence(image, plan);
  const TransferResult result = RunTransfer(sequence, port, context.err, shown, {}, trace);
  if (!journal.ReplacedUnkept().empty()) {
    ReportError(context, "the data replaced could not be kept as a backup: " +
                             EscapeControls(journal.ReplacedUnkept()));
  } else if (!journal.Begun() && sequence.ReplacedItemsRead()) {
    KeepBackup(sequence.Replaced(), BackupKind::Replaced, context);
  }
  if (!sequence.JournalRefusal().empty()) {
    return ReportError(context, JournalRefusedText(sequence.JournalRefusal()));
  }
  if (sequence.StoppedBeforeWriting()) {
    return ReportError(
        context,
        std::string(kChangedSinceBaselineText) + "\n" +
            DescribeDifferences(sequence.ChangedSinceBaseline(), kBaselineSide, kRadioSide) +
            std::string(kNothingWrittenText) + " " + std::string(forceAdvice));
  }
  const std::optional<RadioImage> holds = sequence.RadioNowHolds();
  if (holds && journal.Begun()) {
    std::string error;
    if (!journal.Finish(*holds, std::time(nullptr), &error)) {
      return ReportError(context, StateNotKeptText(error));
    }
  } else if (holds) {
    KeepBackup(*holds, BackupKind::Written, context);  // the radio held it all already
  }
  // When the write did not leave what the radio holds known: what its journal means for the
  // next write of changes.
  const std::string afterwards =
      AfterWriteText(journal, holds.has_value(), sequence.WriteCompleted(),
                     sequence.RejectedCount() > 0 || !sequence.ReadBackDifferences().empty());
  const int code = ReportTransfer(result, context, afterwards);
  if (code != kExitOk) return code;
  if (sequence.ReadBackCompleted() && !sequence.ReadBackDifferences().empty()) {
    // The lines of the differences end with a line break each; the message adds the last one.
    std::string lines = DescribeDifferences(sequence.ReadBackDifferences(), kFileSide, kRadioSide);
    if (!lines.empty() && lines.back() == '\n') lines.pop_back();
    if (!afterwards.empty()) lines += "\n" + afterwards;
    return ReportError(context, std::string(kDiffersFromWrittenText) + "\n" + lines);
  }
  if (!afterwards.empty()) return ReportError(context, afterwards);
  return kExitOk;
}

int WriteChangesOver(const RadioImage& document, const ChangesBase& base,
                     const ChangesOptions& options, const std::string& port, TransferTrace* trace,
                     CliContext& context) {
  WritePlan plan =
      PlanChanges(document, base.state, base.journal, base.replaced ? &*base.replaced : nullptr);
  plan.force = options.force;
  plan.readBack = options.verify;
  if (plan.changes->Empty() && plan.unsure.Empty()) {
    // A port that could not be written through is told even when there is nothing to send.
    if (!plan.readBack) {
      const int portChecked = CheckTransferPort(port, context);
      if (portChecked != kExitOk) return portChecked;
    }
    context.out << base.nothingChanged << "\n";
    // Nothing sent proves nothing about the radio: a verify does.
    if (!plan.readBack) return kExitOk;
    return VerifyRadio(document, TransferScope::All, port, options.progress, context, trace);
  }
  context.err << kMessagePrefix << base.comparedWith << "\n";
  return RunJournaledWrite(document, std::move(plan), port, options.progress, trace, context,
                           options.forceAdvice);
}

}  // namespace quorvan
