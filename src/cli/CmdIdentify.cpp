#include <string>

#include "cli/CliCommand.h"
#include "cli/CliTrace.h"
#include "cli/CliTransfer.h"
#include "cli/CommandArgs.h"
#include "core/model/AppSettings.h"
#include "core/model/EscapedText.h"
#include "core/model/RadioImage.h"
#include "core/transfer/IdentificationOnly.h"
#include "core/transfer/ReadSequence.h"

namespace quorvan {

extern const CliCommand kIdentifyCommand;

namespace {

int RunIdentify(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kIdentifyCommand.options, parsed, problem)) {
    return ReportUsageError(context, kIdentifyCommand, problem);
  }
  if (!parsed.positionals.empty()) {
    return ReportUsageError(
        context, kIdentifyCommand,
        "unexpected argument \"" + EscapeControls(parsed.positionals[0]) + "\"");
  }
  std::string port;
  TransferScope scope = TransferScope::All;
  if (!TransferTarget(parsed, port, scope, problem)) {
    return ReportUsageError(context, kIdentifyCommand, problem);
  }
  // The read's own identification and band lists fill a scratch document's plan.
  RadioImage scratch;
  ReadSequence read(scratch, TransferScope::Menu);
  IdentificationOnly identification(read);
  CliTrace trace(parsed, "identify");
  const TransferResult result =
      RunTransfer(identification, port, context.err, ProgressShown::Never, {}, trace.Sink());
  trace.Save(context);
  const int code = ReportTransfer(result, context);
  if (code != kExitOk) return code;

  const BandPlan& plan = scratch.Plan();
  context.out << "Model: " << plan.model << "\n"
              << "Type: " << TypeWithMarket(plan.type) << "\n";
  for (int entry = 0; entry < kBandLimitCount; ++entry) {
    const std::string& limit = plan.limits[static_cast<std::size_t>(entry)];
    if (!limit.empty())
      context.out << LimitSettingName(entry) << ": " << EscapeControls(limit) << "\n";
  }
  return kExitOk;
}

}  // namespace

extern const CliCommand kIdentifyCommand{
    "identify",
    "tell the radio's model, type and band limits",
    "usage: quorvan-cli identify --port DEV [--trace FILE]\n"
    "  Asks the radio what it is (nothing is read from its memories or written) and prints\n"
    "  \"Model: \", \"Type: \" with the type code and its market, and one line \"LimitN: \" for "
    "each\n"
    "  band the radio has, as the settings store them (entries 4-7 in 10 kHz, the others in MHz).\n"
    "  Example: quorvan-cli identify --port /dev/ttyUSB0\n",
    {kPortOption, kTraceOption},
    {},
    &RunIdentify,
};

}  // namespace quorvan
