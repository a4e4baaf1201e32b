#include <QSerialPortInfo>
#include <algorithm>
#include <string>

#include "cli/CliCommand.h"
#include "core/model/EscapedText.h"
#include "io/serial/SerialPortNames.h"

namespace quorvan {

extern const CliCommand kPortsCommand;

namespace {

// The COM name that stands for a device on this system, if any.
QString ComAlias(const QString& location) {
  for (int number = 1; number <= 4; ++number) {
    const QString name = QStringLiteral("COM%1").arg(number);
    if (SystemPortLocation(name) == location && name != location) return name;
  }
  return {};
}

int RunPorts(const std::vector<std::string>& args, CliContext& context) {
  if (!args.empty()) {
    return ReportUsageError(context, kPortsCommand,
                            "unexpected argument \"" + EscapeControls(args[0]) + "\"");
  }
  auto ports = QSerialPortInfo::availablePorts();
  std::sort(ports.begin(), ports.end(), [](const QSerialPortInfo& a, const QSerialPortInfo& b) {
    return a.systemLocation() < b.systemLocation();
  });
  for (const auto& info : ports) {
    QString line = info.systemLocation();
    const QString alias = ComAlias(info.systemLocation());
    if (!alias.isEmpty()) line += QStringLiteral("  (%1)").arg(alias);
    if (!info.description().isEmpty()) line += QStringLiteral("  ") + info.description();
    if (!info.manufacturer().isEmpty()) line += QStringLiteral("  ") + info.manufacturer();
    context.out << line.toStdString() << "\n";
  }
  if (ports.isEmpty()) ReportError(context, "no serial ports found", kExitOk);
  return kExitOk;
}

}  // namespace

extern const CliCommand kPortsCommand{
    "ports",
    "list the serial ports",
    "usage: quorvan-cli ports\n"
    "  One line a port: its device path, the COM name that stands for it, what it is.\n"
    "  Example: quorvan-cli ports\n",
    {},
    {},
    &RunPorts,
};

}  // namespace quorvan
