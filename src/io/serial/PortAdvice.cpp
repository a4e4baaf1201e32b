#include "io/serial/PortAdvice.h"

#include <QFile>
#include <QSerialPort>

#include "io/serial/PortAccess.h"
#include "io/serial/SerialPortNames.h"

namespace quorvan {

bool PortInUseByAnotherProgram(const QString& portName) {
  const QString location = SystemPortLocation(portName);
  const PortAccessFacts facts = ProbePortAccess(QFile::encodeName(location).toStdString());
  if (!facts.exists || !facts.accessible) return false;
  QSerialPort probe;
  probe.setPortName(location);
  if (probe.open(QIODevice::ReadWrite)) {
    probe.close();
    return false;
  }
  // The device lets this user read and write it, so a refusal comes from its holder's lock.
  return probe.error() == QSerialPort::PermissionError;
}

QString WithPortAccessAdvice(const QString& message, const QString& portName) {
  if (PortInUseByAnotherProgram(portName)) {
    return message + QStringLiteral("\nThe port is in use by another program.");
  }
  const std::string advice =
      PortAccessProblem(QFile::encodeName(SystemPortLocation(portName)).toStdString());
  if (advice.empty()) return message;
  return message + QLatin1Char('\n') + QString::fromLocal8Bit(advice.c_str());
}

}  // namespace quorvan
