#include "io/serial/AdapterInfo.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#include "io/serial/SerialPortNames.h"

namespace quorvan {

namespace {

// A link (/dev/serial/by-id/...) and the device it leads to are the same port.
QString CanonicalLocation(const QString& location) {
  const QString canonical = QFileInfo(location).canonicalFilePath();
  return canonical.isEmpty() ? location : canonical;
}

std::string DeviceName(const AdapterInfo& adapter) {
  return QFile::encodeName(adapter.location).toStdString();
}

}  // namespace

AdapterInfo AdapterOf(const QSerialPortInfo& info) {
  AdapterInfo adapter;
  adapter.location = info.systemLocation();
  adapter.description = info.description();
  adapter.manufacturer = info.manufacturer();
  if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
    adapter.ids = UsbIds{info.vendorIdentifier(), info.productIdentifier()};
  }
  return adapter;
}

AdapterInfo FindAdapter(const QString& portName) {
  const QString location = SystemPortLocation(portName);
  const QString wanted = CanonicalLocation(location);
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    if (info.portName() == location || CanonicalLocation(info.systemLocation()) == wanted) {
      return AdapterOf(info);
    }
  }
  AdapterInfo unlisted;
  unlisted.location = location;
  return unlisted;
}

QString AdapterSummaryText(const AdapterInfo& adapter) {
  return QString::fromStdString(AdapterSummary(adapter.ids, DeviceName(adapter)));
}

HostSystem CurrentHostSystem() {
#if defined(Q_OS_WIN)
  return HostSystem::Windows;
#elif defined(Q_OS_MACOS)
  return HostSystem::MacOs;
#elif defined(Q_OS_LINUX)
  return HostSystem::Linux;
#else
  return HostSystem::Other;
#endif
}

}  // namespace quorvan
