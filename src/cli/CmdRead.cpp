#include <ctime>
#include <optional>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CliTrace.h"
#include "cli/CliTransfer.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "core/files/ReadBackups.h"
#include "core/model/AppSettings.h"
#include "core/model/EscapedText.h"
#include "core/model/RadioImage.h"
#include "core/transfer/ReadSequence.h"

namespace quorvan {

extern const CliCommand kReadCommand;

namespace {

constexpr CliOption kOutputOption{"-o", "FILE.qvx"};

int RunRead(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kReadCommand.options, parsed, problem)) {
    return ReportUsageError(context, kReadCommand, problem);
  }
  if (!parsed.positionals.empty()) {
    return ReportUsageError(
        context, kReadCommand,
        "unexpected argument \"" + EscapeControls(parsed.positionals.front()) + "\"");
  }
  std::string port;
  TransferScope scope = TransferScope::All;
  if (!TransferTarget(parsed, port, scope, problem)) {
    return ReportUsageError(context, kReadCommand, problem);
  }
  const auto output = parsed.Option(kOutputOption);
  if (!output || output->empty())
    return ReportUsageError(context, kReadCommand, "missing -o FILE.qvx");
  std::optional<BandPlan> plan;
  if (GivenOrStoredPlan(parsed, context.settings, plan, problem) != kExitOk) {
    return ReportUsageError(context, kReadCommand, problem);
  }

  // As the window's Read: the document New gives, then whatever the radio holds. Without a
  // type known beforehand the radio's own "ID" and "TYD" replies give it.
  RadioImage image = MakeNewDocument(plan.value_or(BandPlan{}));
  ReadSequence sequence(image, scope);
  CliTrace trace(parsed, "read");
  const TransferResult result =
      RunTransfer(sequence, port, context.err, ProgressOption(parsed), {}, trace.Sink());
  trace.Save(context);
  const int code = ReportTransfer(result, context);
  if (code != kExitOk) return code;
  if (!plan) CompleteUnreadParts(image, scope);

  SaveBandPlan(context.settings, image.Plan());
  std::string error;
  // Kept before the output is written, so a failing -o still leaves the data read somewhere.
  if (!SaveBackup(BackupFolder(), image, std::time(nullptr),
                  ReadBackupKind(scope != TransferScope::Menu, scope != TransferScope::Memory),
                  nullptr, &error)) {
    ReportError(context, "the data read could not be kept as a backup: " + EscapeControls(error));
    error.clear();
  }
  return SaveCommandDocument(*output, image, context);
}

}  // namespace

extern const CliCommand kReadCommand{
    "read",
    "read the radio into a channel file",
    "usage: quorvan-cli read --port DEV [--scope all|memory|menu] [--type CODE [--model ID]]\n"
    "                        [--quiet | --progress] [--trace FILE] -o FILE.qvx\n"
    "  -o FILE.qvx   the channel file to write (replaced if it exists); - for standard output\n"
    "  The radio states its type and model; they, and its band limits, are stored in the\n"
    "  settings after a read. Every completed read is also kept in the backups folder the\n"
    "  window uses.\n"
    "  Example: quorvan-cli read --port /dev/ttyUSB0 -o radio.qvx\n",
    {kPortOption, kScopeOption, kTypeOption, kModelOption, kQuietOption, kProgressOption,
     kTraceOption, kOutputOption},
    {},
    &RunRead,
};

}  // namespace quorvan
