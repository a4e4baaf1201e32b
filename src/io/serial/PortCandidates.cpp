#include "io/serial/PortCandidates.h"

#include <QFileInfo>
#include <QSerialPortInfo>
#include <QSet>
#include <algorithm>

#include "io/serial/SerialPortNames.h"

namespace quorvan {

namespace {

constexpr int kUsualNumbers = 10;

QStringList UsualDeviceNames() {
  QStringList names;
#if defined(Q_OS_WIN)
  for (int n = 1; n <= 9; ++n) names << QStringLiteral("COM%1").arg(n);
#elif defined(Q_OS_MACOS)
  // macOS names its ports after the adapters; only the listed ones are known.
#else
  for (const char* stem : {"/dev/ttyUSB", "/dev/ttyACM"}) {
    for (int n = 0; n < kUsualNumbers; ++n) names << QString::fromLatin1(stem) + QString::number(n);
  }
  for (int n = 0; n < 4; ++n) names << QStringLiteral("/dev/ttyS%1").arg(n);
#endif
  return names;
}

QString Identity(const QString& location) {
  const QString canonical = QFileInfo(location).canonicalFilePath();
  return canonical.isEmpty() ? location : canonical;
}

}  // namespace

QStringList SerialPortCandidates(const QString& chosen) {
  QList<QSerialPortInfo> listed = QSerialPortInfo::availablePorts();
  std::stable_sort(listed.begin(), listed.end(),
                   [](const QSerialPortInfo& a, const QSerialPortInfo& b) {
                     if (a.hasVendorIdentifier() != b.hasVendorIdentifier()) {
                       return a.hasVendorIdentifier();
                     }
                     return a.systemLocation() < b.systemLocation();
                   });
  QStringList candidates;
  QSet<QString> seen;
  const auto add = [&](const QString& port) {
    const QString identity = Identity(SystemPortLocation(port));
    if (seen.contains(identity)) return;
    seen.insert(identity);
    candidates << port;
  };
  // A chosen COM name is tried under its device's name, as the listed ports are.
  const QString chosenLocation = SystemPortLocation(chosen);
#if defined(Q_OS_WIN)
  if (!chosen.isEmpty()) add(chosenLocation);
#else
  if (!chosen.isEmpty() && QFileInfo::exists(chosenLocation)) add(chosenLocation);
#endif
  for (const QSerialPortInfo& info : listed) {
#if defined(Q_OS_WIN)
    add(info.portName());  // "COM3", as the port menu and --port name it
#else
    add(info.systemLocation());
#endif
  }
  for (const QString& name : UsualDeviceNames()) {
#if !defined(Q_OS_WIN)
    if (!QFileInfo::exists(name)) continue;
#endif
    add(name);
  }
  return candidates;
}

}  // namespace quorvan
