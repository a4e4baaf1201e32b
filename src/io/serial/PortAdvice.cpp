#include "io/serial/PortAdvice.h"

#include <QFile>

#include "io/serial/PortAccess.h"
#include "io/serial/SerialPortNames.h"

namespace quorvan {

QString WithPortAccessAdvice(const QString& message, const QString& portName) {
  const std::string advice =
      PortAccessProblem(QFile::encodeName(SystemPortLocation(portName)).toStdString());
  if (advice.empty()) return message;
  return message + QLatin1Char('\n') + QString::fromLocal8Bit(advice.c_str());
}

}  // namespace quorvan
