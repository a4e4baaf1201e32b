#pragma once

#include <QStringList>

namespace quorvan {

// One line for each serial port the system lists, by device path: the path, the COM name that
// stands for it, its description and maker, and for a USB adapter its ids and chip
// ("/dev/ttyUSB0  USB-Serial Controller  Prolific  USB 067b:2303, Prolific PL2303"). The texts
// come from the adapters' descriptors as they are; whoever shows them escapes them.
QStringList PortListingLines();

}  // namespace quorvan
