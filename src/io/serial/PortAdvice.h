#pragma once

#include <QString>

namespace quorvan {

// A port message followed, when the device exists but this user may not open it, by how to fix
// that; otherwise the message unchanged.
QString WithPortAccessAdvice(const QString& message, const QString& portName);

}  // namespace quorvan
