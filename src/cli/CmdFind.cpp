#include <QCoreApplication>
#include <QEventLoop>
#include <memory>
#include <string>

#include "cli/CliCommand.h"
#include "cli/CliTrace.h"
#include "cli/CommandArgs.h"
#include "core/diagnostics/PortFinding.h"
#include "io/serial/PortCandidates.h"
#include "io/session/RadioFinder.h"

namespace quorvan {

extern const CliCommand kFindCommand;

namespace {

int RunFind(const std::vector<std::string>& args, CliContext& context) {
  CommandArgs parsed;
  std::string problem;
  if (!ParseCommandArgs(args, kFindCommand.options, parsed, problem)) {
    return ReportUsageError(context, kFindCommand, problem);
  }
  std::unique_ptr<QCoreApplication> app;
  static int argc = 1;
  static char name[] = "quorvan-cli";
  static char* argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);

  QStringList devices;
  for (const std::string& device : parsed.positionals) devices << QString::fromStdString(device);
  if (devices.isEmpty()) devices = SerialPortCandidates();
  if (devices.isEmpty()) return ReportError(context, "no serial ports found");

  CliTrace trace(parsed, "find");
  RadioFinder finder;
  QEventLoop loop;
  // Each port is told as soon as it has been tried: the search takes a while.
  QObject::connect(&finder, &RadioFinder::portTried, &loop, [&] {
    context.out << FindingText(finder.Findings().back()) << "\n" << std::flush;
  });
  QObject::connect(&finder, &RadioFinder::finished, &loop, &QEventLoop::quit);
  finder.Start(devices, trace.Sink());
  loop.exec();
  trace.Save(context);
  if (RadiosFound(finder.Findings()).empty()) return ReportError(context, "no radio answered");
  return kExitOk;
}

}  // namespace

extern const CliCommand kFindCommand{
    "find",
    "try the serial ports for the radio",
    "usage: quorvan-cli find [--trace FILE] [DEV...]\n"
    "  Tries the serial ports one at a time with the radio's identification, each for a few\n"
    "  seconds at most, and prints one line a port as it is tried: the model and type of the\n"
    "  radio that answered (\"/dev/ttyUSB0: ARVEN, type KK,0F (U.S.A./Canada)\"), or why not\n"
    "  (no answer, busy, no permission, ...). Exit status 0 when a radio answered, else 1.\n"
    "  DEV...        only these ports (COM1..COM4 or device paths); without them every port\n"
    "                the system lists and the usual device names that exist\n"
    "  Example: quorvan-cli find\n",
    {kTraceOption},
    {"DEV..."},
    &RunFind,
};

}  // namespace quorvan
