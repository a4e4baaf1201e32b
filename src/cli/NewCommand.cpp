#include <string>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "core/model/EscapedText.h"
#include "core/model/RadioImage.h"

namespace quorvan {

extern const CliCommand kNewCommand;

namespace {

constexpr CliOption kOutputOption{"-o", "FILE.qvx"};

int RunNew(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kNewCommand.options, parsed, problem)) {
    return ReportUsageError(context, kNewCommand, problem);
  }
  if (!parsed.positionals.empty()) {
    return ReportUsageError(
        context, kNewCommand,
        "unexpected argument \"" + EscapeControls(parsed.positionals.front()) + "\"");
  }
  const std::optional<std::string> output = parsed.Option(kOutputOption);
  if (!output || output->empty()) {
    return ReportUsageError(context, kNewCommand, "missing -o FILE.qvx");
  }
  BandPlan plan;
  const int resolved = ResolveCommandPlan(parsed, kNewCommand, context, plan);
  if (resolved != kExitOk) return resolved;

  return SaveCommandDocument(*output, MakeNewDocument(plan), context);
}

}  // namespace

extern const CliCommand kNewCommand{
    "new",
    "write the document New gives for a radio type as a channel file",
    "usage: quorvan-cli new [--type CODE [--model ID]] -o FILE.qvx\n"
    "  -o FILE.qvx   the channel file to write (replaced if it exists); - for standard output\n"
    "  Example: quorvan-cli new --type ME,0B -o empty.qvx\n",
    {kTypeOption, kModelOption, kOutputOption},
    {},
    &RunNew,
};

}  // namespace quorvan
