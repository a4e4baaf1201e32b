#include <string>

#include "cli/CliCommand.h"
#include "cli/CliTransfer.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "core/files/DocumentFile.h"
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
  WriteSequence sequence(image, scope);
  return ReportTransfer(RunTransfer(sequence, port, context.err), kWriteCommand.name, context.err);
}

}  // namespace

extern const CliCommand kWriteCommand{
    "write",
    "write a channel file to the radio",
    "usage: quorvan-cli write --port DEV [--scope all|memory|menu] [--type CODE [--model ID]]\n"
    "                         FILE.qvx\n",
    {kPortOption, kScopeOption, kTypeOption, kModelOption},
    {"FILE.qvx"},
    &RunWrite,
};

}  // namespace quorvan
