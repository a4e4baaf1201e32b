#include <string>

#include "cli/CliCommand.h"
#include "cli/CliFiles.h"
#include "cli/CommandArgs.h"
#include "cli/DocumentOptions.h"
#include "core/model/ChannelFile.h"
#include "core/model/RadioImage.h"

namespace quorvan {

extern const CliCommand kCatCommand;

namespace {

int RunCat(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kCatCommand.options, parsed, problem)) {
    return ReportUsageError(context, kCatCommand, problem);
  }
  if (parsed.positionals.size() != 1) {
    return ReportUsageError(context, kCatCommand, "expected exactly one FILE.qvx");
  }
  BandPlan plan;
  const int resolved = ResolveCommandPlan(parsed, kCatCommand, context, plan);
  if (resolved != kExitOk) return resolved;

  RadioImage document;
  const int opened = OpenCommandDocument(parsed.positionals.front(), plan, context, document);
  if (opened != kExitOk) return opened;
  context.out << WriteChannelFileText(document);
  return kExitOk;  // whether it reached standard output is checked for every command
}

}  // namespace

extern const CliCommand kCatCommand{
    "cat",
    "open a channel file as the program does and write it out as Save would",
    "usage: quorvan-cli cat FILE.qvx [--type CODE [--model ID]]\n"
    "  FILE.qvx      the channel file; - for standard input\n"
    "  The file is read into a cleared document with the band-plan and menu defaults;\n"
    "  slots the file does not mention keep those defaults.\n"
    "  Example: quorvan-cli cat radio.qvx > copy.qvx\n",
    {kTypeOption, kModelOption},
    {"FILE.qvx"},
    &RunCat,
};

}  // namespace quorvan
