#pragma once

#include <QString>

namespace quorvan {

// What the port messages add after their own text, naming the device: that it does not exist
// and which adapters are plugged in, the line "The port is in use by another program." when
// another program holds a port this user may use, how to get permission when this user may not
// open it, or else that it cannot be opened as a serial port.
QString WithPortAccessAdvice(const QString& message, const QString& portName);

// The line after "Communication timeout error.": what to check before trying again, and on the
// line after it what is documented about the adapter's chip when that bears on it.
QString TimeoutAdvice(const QString& portName);
// The line after an error of the line in the middle of a transfer.
QString LineFailureAdvice(const QString& portName);

// Whether the port exists and this user may use it, yet it cannot be opened because another
// program has it open.
bool PortInUseByAnotherProgram(const QString& portName);

}  // namespace quorvan
