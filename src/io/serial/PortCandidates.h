#pragma once

#include <QString>
#include <QStringList>

namespace quorvan {

// The ports a search for the radio tries, each once: the ports the system lists, USB adapters
// first, then the usual device names that exist but are not listed (on Linux /dev/ttyUSB*,
// /dev/ttyACM* and the four /dev/ttyS* that COM1 to COM4 stand for; on Windows COM1 to COM9).
// A port chosen before (a device typed in, such as a pseudo-terminal) is tried first.
QStringList SerialPortCandidates(const QString& chosen = {});

}  // namespace quorvan
