#pragma once

#include <QString>
#include <optional>

#include "core/diagnostics/UsbAdapterChips.h"

class QSerialPortInfo;

namespace quorvan {

// What the system reports about the adapter behind a serial port.
struct AdapterInfo {
  QString location;  // the device path ("/dev/ttyUSB0", "COM3")
  QString description;
  QString manufacturer;
  std::optional<UsbIds> ids;
};

AdapterInfo AdapterOf(const QSerialPortInfo& info);

// The adapter of a port name ("COM1", a device path or a link to one such as
// /dev/serial/by-id/...); only the location is filled when the system does not list the port.
AdapterInfo FindAdapter(const QString& portName);

// "USB 067b:2303, Prolific PL2303"; empty for a port that is no USB adapter.
QString AdapterSummaryText(const AdapterInfo& adapter);

// The system this program runs on, as the chip advice tells them apart.
HostSystem CurrentHostSystem();

}  // namespace quorvan
