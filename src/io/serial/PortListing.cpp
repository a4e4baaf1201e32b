#include "io/serial/PortListing.h"

#include <QSerialPortInfo>
#include <algorithm>

#include "io/serial/AdapterInfo.h"
#include "io/serial/SerialPortNames.h"

namespace quorvan {

namespace {

// The COM name that stands for a device on this system, if any.
QString ComAlias(const QString& location) {
  for (int number = 1; number <= 4; ++number) {
    const QString name = QStringLiteral("COM%1").arg(number);
    if (SystemPortLocation(name) == location && name != location) return name;
  }
  return {};
}

}  // namespace

QStringList PortListingLines() {
  auto ports = QSerialPortInfo::availablePorts();
  std::sort(ports.begin(), ports.end(), [](const QSerialPortInfo& a, const QSerialPortInfo& b) {
    return a.systemLocation() < b.systemLocation();
  });
  QStringList lines;
  for (const auto& info : ports) {
    QString line = info.systemLocation();
    const QString alias = ComAlias(info.systemLocation());
    if (!alias.isEmpty()) line += QStringLiteral("  (%1)").arg(alias);
    const AdapterInfo adapter = AdapterOf(info);
    for (const QString& part :
         {adapter.description, adapter.manufacturer, AdapterSummaryText(adapter)}) {
      if (!part.isEmpty()) line += QStringLiteral("  ") + part;
    }
    lines << line;
  }
  return lines;
}

}  // namespace quorvan
