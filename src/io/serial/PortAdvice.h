#pragma once

#include <QString>

namespace quorvan {

// What the port messages add after their own text: the line "The port is in use by another
// program." when another program holds a port this user may use, or how to get permission when
// the device exists but this user may not open it. Otherwise the message unchanged.
QString WithPortAccessAdvice(const QString& message, const QString& portName);

// Whether the port exists and this user may use it, yet it cannot be opened because another
// program has it open.
bool PortInUseByAnotherProgram(const QString& portName);

}  // namespace quorvan
