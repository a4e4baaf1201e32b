#include <ctime>
#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CliTrace.h"
#include "cli/CliTransfer.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "cli/WriteChanges.h"
#include "cli/WriteDryRun.h"
#include "core/files/Baseline.h"
#include "core/messages/Messages.h"
#include "core/model/RadioImage.h"

namespace quorvan {

extern const CliCommand kWriteCommand;

namespace {

constexpr CliOption kChangesOption{"--changes", ""};
constexpr CliOption kSinceOption{"--since", "BASE.qvx"};
constexpr CliOption kForceOption{"--force", ""};
constexpr CliOption kVerifyOption{"--verify", ""};

// What a write of changes compares with: BASE.qvx, or else the radio's baseline in the backups
// folder.
int FindChangesBase(const CommandArgs& parsed, const RadioImage& document, CliContext& context,
                    ChangesBase& base) {
  if (const auto since = parsed.Option(kSinceOption)) {
    base.comparedWith = ComparedWithFileText(InputName(*since));
    base.nothingChanged = NothingDiffersText(InputName(*since));
    return OpenCommandDocument(*since, document.Plan(), context, base.state);
  }
  return FindRadioBaseline(document, "write everything once, or give --since.",
                           kReadOnceOrSinceAdvice, context, base);
}

int RunWriteChanges(const CommandArgs& parsed, const RadioImage& image, const std::string& port,
                    TransferTrace* trace, CliContext& context) {
  ChangesBase base;
  const int found = FindChangesBase(parsed, image, context, base);
  if (found != kExitOk) return found;
  ChangesOptions options;
  options.force = parsed.Option(kForceOption).has_value();
  options.verify = parsed.Option(kVerifyOption).has_value();
  options.progress = ProgressOption(parsed);
  return WriteChangesOver(image, base, options, port, trace, context);
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
