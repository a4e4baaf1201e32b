#include <string>

#include "cli/CliCommand.h"
#include "core/model/EscapedText.h"
#include "io/serial/PortListing.h"
#include "io/serial/SerialPortNames.h"

namespace quorvan {

extern const CliCommand kPortsCommand;

namespace {

int RunPorts(const std::vector<std::string>& args, CliContext& context) {
  if (!args.empty()) {
    return ReportUsageError(context, kPortsCommand,
                            "unexpected argument \"" + EscapeControls(args[0]) + "\"");
  }
  const QStringList lines = PortListingLines();
  // The names come from the adapters' own descriptors; they reach a terminal escaped.
  for (const QString& line : lines) context.out << EscapeControls(line.toStdString()) << "\n";
  if (lines.isEmpty()) ReportError(context, "no serial ports found", kExitOk);
  return kExitOk;
}

}  // namespace

extern const CliCommand kPortsCommand{
    "ports",
    "list the serial ports",
    "usage: quorvan-cli ports\n"
    "  One line a port: its device path, the COM name that stands for it, what it is, and for\n"
    "  a USB adapter its vendor and product id and chip (\"USB 067b:2303, Prolific PL2303\").\n"
    "  Example: quorvan-cli ports\n",
    {},
    {},
    &RunPorts,
};

}  // namespace quorvan
