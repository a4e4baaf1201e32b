#include <string>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CliTrace.h"
#include "cli/CliTransfer.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "cli/VerifyRadio.h"
#include "core/model/RadioImage.h"

namespace quorvan {

extern const CliCommand kVerifyCommand;

namespace {

int RunVerify(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kVerifyCommand.options, parsed, problem)) {
    return ReportUsageError(context, kVerifyCommand, problem);
  }
  if (parsed.positionals.size() != 1) {
    return ReportUsageError(context, kVerifyCommand,
                            parsed.positionals.empty() ? "missing FILE.qvx" : "too many files");
  }
  std::string port;
  TransferScope scope = TransferScope::All;
  if (!TransferTarget(parsed, port, scope, problem)) {
    return ReportUsageError(context, kVerifyCommand, problem);
  }
  BandPlan plan;
  const int resolved = ResolveCommandPlan(parsed, kVerifyCommand, context, plan);
  if (resolved != kExitOk) return resolved;
  RadioImage document;
  const int opened = OpenCommandDocument(parsed.positionals.front(), plan, context, document);
  if (opened != kExitOk) return opened;

  CliTrace trace(parsed, "verify");
  const int code =
      VerifyRadio(document, scope, port, ProgressOption(parsed), context, trace.Sink());
  trace.Save(context);
  return code;
}

}  // namespace

extern const CliCommand kVerifyCommand{
    "verify",
    "compare what the radio holds with a channel file",
    "usage: quorvan-cli verify --port DEV [--scope all|memory|menu] [--type CODE [--model ID]]\n"
    "                          [--quiet | --progress] [--trace FILE] FILE.qvx\n"
    "  Reads the radio and prints one line for every field that differs from the file\n"
    "  (exit status 1), or \"The radio holds this document.\" (exit status 0).\n"
    "  Example: quorvan-cli verify --port /dev/ttyUSB0 radio.qvx\n",
    {kPortOption, kScopeOption, kTypeOption, kModelOption, kQuietOption, kProgressOption,
     kTraceOption},
    {"FILE.qvx"},
    &RunVerify,
};

}  // namespace quorvan
