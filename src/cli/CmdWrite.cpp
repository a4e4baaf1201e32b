#include <ctime>
#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CliTrace.h"
#include "cli/CliTransfer.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "cli/WriteDryRun.h"
#include "core/files/DocumentFile.h"
#include "core/files/ReadBackups.h"
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

// A backup the write leaves; one that cannot be kept is told, but the write stands.
void KeepBackup(const RadioImage& image, BackupKind kind, CliContext& context) {
  std::string error;
  if (!SaveBackup(BackupFolder(), image, std::time(nullptr), kind, &error)) {
    ReportError(context, std::string("the data ") +
                             (kind == BackupKind::Written ? "written" : "replaced") +
                             " could not be kept as a backup: " + EscapeControls(error));
  }
}

// What the radio held: BASE.qvx, or else the newest matching backup. kExitOk when found.
int FindBaseline(const CommandArgs& parsed, const RadioImage& document, CliContext& context,
                 RadioImage& baseline) {
  if (const auto since = parsed.Option(kSinceOption)) {
    return OpenCommandDocument(*since, document.Plan(), context, baseline);
  }
  if (OpenBaseline(BackupFolder(), document, baseline)) return kExitOk;
  return ReportError(context,
                     std::string(kNoBaselineText) + ": write everything once, or give --since.");
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
  if (!changes && (parsed.Option(kSinceOption) || parsed.Option(kForceOption))) {
    return ReportUsageError(
        context, kWriteCommand,
        parsed.Option(kSinceOption) ? "--since needs --changes" : "--force needs --changes");
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

  RadioImage baseline;
  WritePlan writePlan;
  writePlan.scope = scope;
  writePlan.readBack = parsed.Option(kVerifyOption).has_value();
  if (changes) {
    const int found = FindBaseline(parsed, image, context, baseline);
    if (found != kExitOk) return found;
    writePlan.changes = ChangesToWrite(baseline, image);
    writePlan.baseline = &baseline;
    writePlan.force = parsed.Option(kForceOption).has_value();
    if (writePlan.changes->Empty()) {
      context.out << kAlreadyHeldText << "\n";
      return kExitOk;
    }
  } else if (OpenBaseline(BackupFolder(), image, baseline)) {
    // What a partial write leaves outside its scope is what the radio held.
    writePlan.baseline = &baseline;
  }

  CheckedWriteSequence sequence(image, writePlan);
  const TransferResult result =
      RunTransfer(sequence, port, context.err, ProgressOption(parsed), {}, trace.Sink());
  trace.Save(context);
  if (sequence.ReplacedItemsRead()) KeepBackup(sequence.Replaced(), BackupKind::Replaced, context);
  if (sequence.StoppedBeforeWriting()) {
    return ReportError(
        context,
        std::string(kChangedSinceBaselineText) + "\n" +
            DescribeDifferences(sequence.ChangedSinceBaseline(), kBaselineSide, kRadioSide) +
            std::string(kNothingWrittenText) + " Give --force to write anyway.");
  }
  if (const std::optional<RadioImage> holds = sequence.RadioNowHolds()) {
    KeepBackup(*holds, BackupKind::Written, context);
  }
  const int code = ReportTransfer(result, context);
  if (code != kExitOk) return code;
  if (sequence.ReadBackCompleted() && !sequence.ReadBackDifferences().empty()) {
    // The lines of the differences end with a line break each; the message adds the last one.
    std::string lines = DescribeDifferences(sequence.ReadBackDifferences(), kFileSide, kRadioSide);
    if (!lines.empty() && lines.back() == '\n') lines.pop_back();
    return ReportError(context, std::string(kDiffersFromWrittenText) + "\n" + lines);
  }
  return kExitOk;
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
    "                the radio still holds that where it is written over\n"
    "  --since BASE.qvx\n"
    "                what the radio held is this channel file instead\n"
    "  --force       write the changes even when the radio was changed since\n"
    "  --verify      read back what was written and fail when the radio differs\n"
    "  Example: quorvan-cli write --port /dev/ttyUSB0 --scope memory radio.qvx\n",
    {kPortOption, kScopeOption, kTypeOption, kModelOption, kQuietOption, kProgressOption,
     kDryRunOption, kTraceOption, kChangesOption, kSinceOption, kForceOption, kVerifyOption},
    {"FILE.qvx"},
    &RunWrite,
};

}  // namespace quorvan
