#include <ctime>
#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CliTrace.h"
#include "cli/CliTransfer.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "cli/VerifyRadio.h"
#include "cli/WriteDryRun.h"
#include "core/files/Baseline.h"
#include "core/files/DocumentFile.h"
#include "core/files/ReadBackups.h"
#include "core/files/WriteJournal.h"
#include "core/messages/Messages.h"
#include "core/model/EscapedText.h"
#include "core/model/RadioImage.h"
#include "core/rules/DocumentComparison.h"
#include "core/transfer/CheckedWriteSequence.h"
#include "core/transfer/TransferCommands.h"

namespace quorvan {

extern const CliCommand kWriteCommand;

namespace {

constexpr CliOption kChangesOption{"--changes", ""};
constexpr CliOption kSinceOption{"--since", "BASE.qvx"};
constexpr CliOption kForceOption{"--force", ""};
constexpr CliOption kVerifyOption{"--verify", ""};

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

// What a write of changes compares with: BASE.qvx, or else the radio's baseline in the backups
// folder, which is never passed over for an older one.
struct ChangesBase {
  RadioImage state;
  bool journal = false;
  std::optional<RadioImage> replaced;
  std::string comparedWith;
  std::string nothingChanged;
};

int FindChangesBase(const CommandArgs& parsed, const RadioImage& document, CliContext& context,
                    ChangesBase& base) {
  if (const auto since = parsed.Option(kSinceOption)) {
    base.comparedWith = ComparedWithFileText(InputName(*since));
    base.nothingChanged = NothingDiffersText(InputName(*since));
    return OpenCommandDocument(*since, document.Plan(), context, base.state);
  }
  Baseline found = FindBaseline(BackupFolder(), document, std::time(nullptr));
  switch (found.status) {
    case Baseline::Status::None:
      return ReportError(
          context, std::string(kNoBaselineText) + ": write everything once, or give --since.");
    case Baseline::Status::Unreadable:
    case Baseline::Status::InFuture:
      return ReportError(context, BaselineRefusalText(found) + "\n" + kReadOnceOrSinceAdvice);
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

// Runs the write with its journal and tells what it found.
int RunJournaledWrite(const RadioImage& image, WritePlan plan, const std::string& port,
                      ProgressShown shown, TransferTrace* trace, CliContext& context) {
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
            std::string(kNothingWrittenText) + " Give --force to write anyway.");
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

int RunWriteChanges(const CommandArgs& parsed, const RadioImage& image, const std::string& port,
                    TransferTrace* trace, CliContext& context) {
  ChangesBase base;
  const int found = FindChangesBase(parsed, image, context, base);
  if (found != kExitOk) return found;
  WritePlan plan =
      PlanChanges(image, base.state, base.journal, base.replaced ? &*base.replaced : nullptr);
  plan.force = parsed.Option(kForceOption).has_value();
  plan.readBack = parsed.Option(kVerifyOption).has_value();
  if (plan.changes->Empty() && plan.unsure.Empty()) {
    // A port that could not be written through is told even when there is nothing to send.
    if (!plan.readBack) {
      const int portChecked = CheckTransferPort(port, context);
      if (portChecked != kExitOk) return portChecked;
    }
    context.out << base.nothingChanged << "\n";
    // Nothing sent proves nothing about the radio: a verify does.
    if (!plan.readBack) return kExitOk;
    return VerifyRadio(image, TransferScope::All, port, ProgressOption(parsed), context, trace);
  }
  context.err << kMessagePrefix << base.comparedWith << "\n";
  return RunJournaledWrite(image, std::move(plan), port, ProgressOption(parsed), trace, context);
}

int RunWrite(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kWriteCommand.options, parsed, problem)) {
    return ReportUsageError(context, kWriteCommand, problem);
  }
  if (parsed.positionals.size() != 1) {
    return ReportUsageError(context, kWriteCommand,
                            parsed.positionals.empty() ? "missing FILE.qvx" : "too many files");
  }
  std::string port;
  TransferScope scope = TransferScope::All;
  if (!TransferTarget(parsed, port, scope, problem)) {
    return ReportUsageError(context, kWriteCommand, problem);
  }
  const bool changes = parsed.Option(kChangesOption).has_value();
  const auto since = parsed.Option(kSinceOption);
  if (!changes && (since || parsed.Option(kForceOption))) {
    return ReportUsageError(context, kWriteCommand,
                            since ? "--since needs --changes" : "--force needs --changes");
  }
  if (since && IsStandardStream(*since) && IsStandardStream(parsed.positionals.front())) {
    return ReportUsageError(context, kWriteCommand,
                            "only one of --since and FILE.qvx can be standard input");
  }
  if (changes && parsed.Option(kDryRunOption)) {
    return ReportUsageError(context, kWriteCommand, "--dry-run checks a whole write: no --changes");
  }
  if (changes && parsed.Option(kScopeOption)) {
    return ReportUsageError(context, kWriteCommand,
                            "--changes writes whatever changed: no --scope");
  }
  BandPlan plan;
  const int resolved = ResolveCommandPlan(parsed, kWriteCommand, context, plan);
  if (resolved != kExitOk) return resolved;

  RadioImage image;
  const int opened = OpenCommandDocument(parsed.positionals.front(), plan, context, image);
  if (opened != kExitOk) return opened;
  CliTrace trace(parsed, "write");
  if (parsed.Option(kDryRunOption)) {
    return RunWriteDryRun(image, scope, port, ProgressOption(parsed), trace, context);
  }
  if (changes) {
    const int code = RunWriteChanges(parsed, image, port, trace.Sink(), context);
    trace.Save(context);
    return code;
  }

  WritePlan writePlan;
  writePlan.scope = scope;
  writePlan.readBack = parsed.Option(kVerifyOption).has_value();
  // What a partial write leaves outside its scope is what the radio held, when that is certain.
  const Baseline found = FindBaseline(BackupFolder(), image, std::time(nullptr));
  if (found.status == Baseline::Status::Found && found.name.kind != BackupKind::Pending) {
    writePlan.baseline = &found.image;
  }
  const int code = RunJournaledWrite(image, std::move(writePlan), port, ProgressOption(parsed),
                                     trace.Sink(), context);
  trace.Save(context);
  return code;
}

}  // namespace

extern const CliCommand kWriteCommand{
    "write",
    "write a channel file to the radio",
    "usage: quorvan-cli write --port DEV [--scope all|memory|menu] [--type CODE [--model ID]]\n"
    "                         [--quiet | --progress] [--dry-run] [--trace FILE]\n"
    "                         [--changes [--since BASE.qvx] [--force]] [--verify] FILE.qvx\n"
    "  FILE.qvx      the channel file to write; - for standard input\n"
    "  --dry-run     only check that the radio answers and is of the file's type (nothing is\n"
    "                written), then tell how many commands the write would send and how long\n"
    "                it would take at 9600 bit/s\n"
    "  --changes     write only what differs from what the radio held at the last complete\n"
    "                read or write of it (kept in the backups folder), after checking that\n"
    "                the radio still holds that where it is written over; a write that did\n"
    "                not end is completed. The backup compared with is named on standard\n"
    "                error\n"
    "  --since BASE.qvx\n"
    "                what the radio held is this channel file instead\n"
    "  --force       write the changes even when the radio was changed since\n"
    "  --verify      read back what was written and fail when the radio differs; with\n"
    "                nothing to write, compare the whole radio with the file\n"
    "  Example: quorvan-cli write --port /dev/ttyUSB0 --scope memory radio.qvx\n",
    {kPortOption, kScopeOption, kTypeOption, kModelOption, kQuietOption, kProgressOption,
     kDryRunOption, kTraceOption, kChangesOption, kSinceOption, kForceOption, kVerifyOption},
    {"FILE.qvx"},
    &RunWrite,
};

}  // namespace quorvan
