#include <string>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CliTransfer.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "cli/WriteDryRun.h"
#include "core/model/RadioImage.h"
#include "core/transfer/WriteSequence.h"

namespace quorvan {

extern const CliCommand kWriteCommand;

namespace {

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
  BandPlan plan;
  const int resolved = ResolveCommandPlan(parsed, kWriteCommand, context, plan);
  if (resolved != kExitOk) return resolved;

  RadioImage image;
  const int opened = OpenCommandDocument(parsed.positionals.front(), plan, context, image);
  if (opened != kExitOk) return opened;
  if (parsed.Option(kDryRunOption)) {
    return RunWriteDryRun(image, scope, port, ProgressOption(parsed), context);
  }
  WriteSequence sequence(image, scope);
  return ReportTransfer(RunTransfer(sequence, port, context.err, ProgressOption(parsed)), context);
}

}  // namespace

extern const CliCommand kWriteCommand{
    "write",
    "write a channel file to the radio",
    "usage: quorvan-cli write --port DEV [--scope all|memory|menu] [--type CODE [--model ID]]\n"
    "                         [--quiet | --progress] [--dry-run] FILE.qvx\n"
    "  FILE.qvx      the channel file to write; - for standard input\n"
    "  --dry-run     only check that the radio answers and is of the file's type (nothing is\n"
    "                written), then tell how many commands the write would send and how long\n"
    "                it would take at 9600 bit/s\n"
    "  Example: quorvan-cli write --port /dev/ttyUSB0 --scope memory radio.qvx\n",
    {kPortOption, kScopeOption, kTypeOption, kModelOption, kQuietOption, kProgressOption,
     kDryRunOption},
    {"FILE.qvx"},
    &RunWrite,
};

}  // namespace quorvan
