#pragma once

#include <QList>

#include "gui/mainwindow/PortMenu.h"

namespace quorvan {

// The serial ports the system reports, labelled "description (device)" and, for a USB adapter,
// its ids and chip: "USB-Serial Controller (/dev/ttyUSB0), USB 067b:2303, Prolific PL2303".
QList<PortChoice> SystemSerialPorts();

// Asks for a device path ("Other..."); empty when cancelled.
QString AskDevicePath(QWidget* parent);

}  // namespace quorvan
