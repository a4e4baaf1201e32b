#include "io/session/TransferFacts.h"

#include <QMetaEnum>
#include <QStringList>
#include <QSysInfo>
#include <QtGlobal>

#include "core/model/Version.h"
#include "io/serial/AdapterInfo.h"
#include "io/serial/SerialPortNames.h"
#include "io/serial/TQuentarComm.h"

namespace quorvan {

namespace {

const char* ParityName(TQuentarComm::TParity parity) {
  switch (parity) {
    case TQuentarComm::TParity::Odd:
      return "odd parity";
    case TQuentarComm::TParity::Even:
      return "even parity";
    case TQuentarComm::TParity::Mark:
      return "mark parity";
    case TQuentarComm::TParity::Space:
      return "space parity";
    case TQuentarComm::TParity::None:
      break;
  }
  return "no parity";
}

const char* StopBitsName(TQuentarComm::TStopBits bits) {
  switch (bits) {
    case TQuentarComm::TStopBits::_1_5bit:
      return "1.5 stop bits";
    case TQuentarComm::TStopBits::_2bit:
      return "2 stop bits";
    case TQuentarComm::TStopBits::_1bit:
      break;
  }
  return "1 stop bit";
}

const char* FlowControlName(TQuentarComm::TFlowControl flow) {
  switch (flow) {
    case TQuentarComm::TFlowControl::DtrDsr:
      return "DTR/DSR flow control";
    case TQuentarComm::TFlowControl::XonXoff:
      return "Xon/Xoff flow control";
    case TQuentarComm::TFlowControl::RtsCts:
      return "RTS/CTS flow control";
    case TQuentarComm::TFlowControl::Disable:
      break;
  }
  return "no flow control";
}

std::string Text(const QString& text) { return text.toStdString(); }

// "9600 bit/s, 8 data bits, no parity, 1 stop bit, Xon/Xoff flow control, an event on CR"
std::string LineSettingsText(const TQuentarComm& comm) {
  const int dataBits = static_cast<int>(comm.ByteSize()) + 5;
  std::string text = std::to_string(TQuentarComm::BaudRateValue(comm.BaudRate())) + " bit/s, " +
                     std::to_string(dataBits) + " data bits, " + ParityName(comm.Parity()) + ", " +
                     StopBitsName(comm.StopBits()) + ", " + FlowControlName(comm.FlowControl());
  if (comm.EventType() == TQuentarComm::TEventType::CharEvent) {
    text += comm.EventChar() == 13 ? ", an event on CR"
                                   : ", an event on character " + std::to_string(comm.EventChar());
  }
  return text;
}

}  // namespace

std::vector<std::string> ProgramFacts(std::string_view program) {
  const QString system = QSysInfo::prettyProductName() + QStringLiteral(", kernel ") +
                         QSysInfo::kernelVersion() + QStringLiteral(", ") +
                         QSysInfo::currentCpuArchitecture() + QStringLiteral(", Qt ") +
                         QString::fromLatin1(qVersion());
  return {"Program: " + std::string(program) + " " + kQuorvanVersion, "System: " + Text(system)};
}

std::string OutcomeNote(TransferSession::Outcome outcome, const QString& message) {
  const char* name =
      QMetaEnum::fromType<TransferSession::Outcome>().valueToKey(static_cast<int>(outcome));
  std::string note = name ? name : "?";
  if (!message.isEmpty()) note += ": " + Text(message);
  return note;
}

std::vector<std::string> PortFacts(const QString& portName, const TQuentarComm* comm) {
  const QString location = SystemPortLocation(portName);
  std::string port = "Port: " + Text(portName);
  if (location != portName) port += " (" + Text(location) + ")";
  if (comm) port += ", " + LineSettingsText(*comm);
  std::vector<std::string> facts{port};

  const AdapterInfo adapter = FindAdapter(portName);
  QStringList parts;
  for (const QString& part :
       {adapter.manufacturer, adapter.description, AdapterSummaryText(adapter)}) {
    if (!part.isEmpty()) parts << part;
  }
  if (!parts.isEmpty()) facts.push_back("Adapter: " + Text(parts.join(QStringLiteral("; "))));
  return facts;
}

}  // namespace quorvan
