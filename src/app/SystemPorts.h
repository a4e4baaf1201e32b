#pragma once

#include <QList>

#include "gui/mainwindow/PortMenu.h"

namespace quorvan {

// The serial ports the system reports, labelled "description (device)".
QList<PortChoice> SystemSerialPorts();

// Asks for a device path ("Other..."); empty when cancelled.
QString AskDevicePath(QWidget* parent);

}  // namespace quorvan
