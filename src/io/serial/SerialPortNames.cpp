#include "io/serial/SerialPortNames.h"

#include <QSerialPortInfo>
#include <QStringList>
#include <algorithm>

namespace quorvan {

int ComPortNumber(const QString& portName) {
  static const QStringList kNames{QStringLiteral("COM1"), QStringLiteral("COM2"),
                                  QStringLiteral("COM3"), QStringLiteral("COM4")};
  const auto index = kNames.indexOf(portName);
  return index < 0 ? 0 : static_cast<int>(index) + 1;
}

QString SystemPortLocation(const QString& portName) {
  const int number = ComPortNumber(portName);
  if (number == 0) return portName;
#if defined(Q_OS_WIN)
  return portName;
#elif defined(Q_OS_MACOS)
  QStringList devices;
  for (const auto& info : QSerialPortInfo::availablePorts()) {
    if (info.systemLocation().startsWith(QStringLiteral("/dev/cu."))) {
      devices << info.systemLocation();
    }
  }
  std::sort(devices.begin(), devices.end());
  return number <= devices.size() ? devices.at(number - 1) : QStringLiteral("/dev/cu.missing");
#else
  return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

}  // namespace quorvan
