#pragma once

#include <QString>

namespace quorvan {

// The device a port name stands for. "COM1".."COM4" keep their meaning on Windows; elsewhere
// they are the first four serial devices (/dev/ttyS0.. on Linux, the first four /dev/cu.* on
// macOS). Any other name is taken as a device name or path.
QString SystemPortLocation(const QString& portName);

// "COM1".."COM4" as 1..4, 0 for any other name.
int ComPortNumber(const QString& portName);

}  // namespace quorvan
