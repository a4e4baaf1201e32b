#include "io/serial/PortAdvice.h"

#include <QFile>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <algorithm>
#include <string>
#include <vector>

#include "core/messages/MessagePatterns.h"
#include "core/messages/Messages.h"
#include "io/serial/AdapterInfo.h"
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

namespace {

QString FromCatalogue(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::vector<std::string> PluggedAdapters() {
  std::vector<std::string> adapters;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    adapters.push_back(QFile::encodeName(info.systemLocation()).toStdString());
  }
  std::sort(adapters.begin(), adapters.end());
  return adapters;
}

}  // namespace

QString WithPortAccessAdvice(const QString& message, const QString& portName) {
  if (PortInUseByAnotherProgram(portName)) {
    return message + QLatin1Char('\n') + FromCatalogue(kPortInUseAdvice);
  }
  const QString location = SystemPortLocation(portName);
  const PortAccessFacts facts = ProbePortAccess(QFile::encodeName(location).toStdString());
  std::string advice = PortAccessMessage(facts);
  if (!facts.exists) advice = MissingPortMessage(facts.path, PluggedAdapters());
  if (advice.empty()) {
    return message + QLatin1Char('\n') +
           QString::fromStdString(FillIn(pattern::kNotSerialPort, {location.toStdString()}));
  }
  return message + QLatin1Char('\n') + QString::fromLocal8Bit(advice.c_str());
}

QString TimeoutAdvice(const QString& portName) {
  QString advice = QString::fromStdString(
      FillIn(pattern::kTimeoutAdvice, {SystemPortLocation(portName).toStdString()}));
  const AdapterInfo adapter = FindAdapter(portName);
  const std::string chip = ChipTimeoutAdvice(
      adapter.ids, QFile::encodeName(adapter.location).toStdString(), CurrentHostSystem());
  if (!chip.empty()) advice += QLatin1Char('\n') + QString::fromStdString(chip);
  return advice;
}

QString LineFailureAdvice(const QString& portName) {
  return QString::fromStdString(
      FillIn(pattern::kLineFailureAdvice, {SystemPortLocation(portName).toStdString()}));
}

}  // namespace quorvan
