#include "io/serial/TQuentarComm.h"

#include <algorithm>
#include <cstring>

#include "io/serial/ECommError.h"
#include "io/serial/SerialPortNames.h"

namespace quorvan {

namespace {

QSerialPort::Parity ToQt(TQuentarComm::TParity parity) {
  switch (parity) {
    case TQuentarComm::TParity::Odd:
      return QSerialPort::OddParity;
    case TQuentarComm::TParity::Even:
      return QSerialPort::EvenParity;
    case TQuentarComm::TParity::Mark:
      return QSerialPort::MarkParity;
    case TQuentarComm::TParity::Space:
      return QSerialPort::SpaceParity;
    case TQuentarComm::TParity::None:
      break;
  }
  return QSerialPort::NoParity;
}

QSerialPort::DataBits ToQt(TQuentarComm::TByteSize size) {
  switch (size) {
    case TQuentarComm::TByteSize::_5bit:
      return QSerialPort::Data5;
    case TQuentarComm::TByteSize::_6bit:
      return QSerialPort::Data6;
    case TQuentarComm::TByteSize::_7bit:
      return QSerialPort::Data7;
    case TQuentarComm::TByteSize::_8bit:
      break;
  }
  return QSerialPort::Data8;
}

QSerialPort::StopBits ToQt(TQuentarComm::TStopBits bits) {
  switch (bits) {
    case TQuentarComm::TStopBits::_1_5bit:
      return QSerialPort::OneAndHalfStop;
    case TQuentarComm::TStopBits::_2bit:
      return QSerialPort::TwoStop;
    case TQuentarComm::TStopBits::_1bit:
      break;
  }
  return QSerialPort::OneStop;
}

QSerialPort::FlowControl ToQt(TQuentarComm::TFlowControl flow) {
  switch (flow) {
    case TQuentarComm::TFlowControl::XonXoff:
      return QSerialPort::SoftwareControl;
    case TQuentarComm::TFlowControl::RtsCts:
      return QSerialPort::HardwareControl;
    // The Qt port has no DSR output flow; DTR is raised instead so the radio may talk.
    case TQuentarComm::TFlowControl::DtrDsr:
    case TQuentarComm::TFlowControl::Disable:
      break;
  }
  return QSerialPort::NoFlowControl;
}

}  // namespace

qint32 TQuentarComm::BaudRateValue(TBaudRate rate) {
  static constexpr qint32 kRates[] = {600,   1200,  2400,  4800,  9600,   14400,
                                      19200, 38400, 56000, 57600, 115200, 128000};
  const auto index = static_cast<std::size_t>(rate);
  return index < std::size(kRates) ? kRates[index] : 9600;
}

TQuentarComm::TQuentarComm(QObject* parent)
    : QObject(parent), port_(std::make_unique<QSerialPort>()) {
  connect(port_.get(), &QSerialPort::readyRead, this, &TQuentarComm::OnReadyRead);
  connect(port_.get(), &QSerialPort::errorOccurred, this, &TQuentarComm::OnPortError);
}

TQuentarComm::~TQuentarComm() {
  port_->disconnect(this);
  CloseCommport();
}

void TQuentarComm::ApplyTransferSettings() {
  SetBaudRate(TBaudRate::Baud9600);
  SetParity(TParity::None);
  SetByteSize(TByteSize::_8bit);
  SetStopBits(TStopBits::_1bit);
  SetFlowControl(TFlowControl::XonXoff);
  SetEventType(TEventType::CharEvent);
  SetInBuffSize(1024);
  SetOutBuffSize(1024);
  SetXonSendSize(256);
  SetXoffSendSize(768);
  SetEventChar(13);
}

bool TQuentarComm::CheckCommportValid(const QString& portName) {
  if (GetPortStatus() && portName == portName_) return true;
  QSerialPort probe;
  probe.setPortName(SystemPortLocation(portName));
  const bool opened = probe.open(QIODevice::ReadWrite);
  probe.close();
  return opened;
}

void TQuentarComm::OpenCommport() {
  if (GetPortStatus()) return;
  port_->setPortName(SystemPortLocation(portName_));
  if (!port_->open(QIODevice::ReadWrite)) {
    port_->clearError();
    throw ECommError(kCommOpenInvalidHandle);
  }
  port_->setReadBufferSize(0);
  ApplyLineSettings();
  port_->clear(QSerialPort::AllDirections);
  port_->clearError();
  received_.clear();
  pendingEvents_ = 0;
  lineFailed_ = false;
}

void TQuentarComm::CloseCommport() {
  if (!GetPortStatus() || closing_) return;
  // A purge on a line that has gone away fails again; that is no news to report.
  closing_ = true;
  port_->clear(QSerialPort::AllDirections);
  port_->close();
  port_->clearError();
  closing_ = false;
  received_.clear();
  pendingEvents_ = 0;
}

void TQuentarComm::CheckOpen() const {
  if (!GetPortStatus()) throw ECommError(kCommNotStarted);
}

std::uint32_t TQuentarComm::ReadData(char* buffer, std::uint32_t count) {
  CheckOpen();
  // Only bytes already received are handed out; the transfers ask for what CountInBuff reported.
  const auto n = std::min<std::uint32_t>(count, static_cast<std::uint32_t>(received_.size()));
  if (n > 0) {
    std::memcpy(buffer, received_.constData(), n);
    received_.remove(0, static_cast<qsizetype>(n));
  }
  return n;
}

QByteArray TQuentarComm::ReadStringData(std::uint32_t count) {
  QByteArray work(static_cast<qsizetype>(kWorkBufferSize), '\0');
  const auto n = ReadData(work.data(), std::min(count, kWorkBufferSize));
  work.truncate(static_cast<qsizetype>(n));
  return work;
}

void TQuentarComm::WriteData(const char* bytes, std::uint32_t count) {
  CheckOpen();
  const qint64 room = static_cast<qint64>(outBuffSize_) - port_->bytesToWrite();
  if (!(room > static_cast<qint64>(count))) throw ECommError(kCommTooMuchWriteData);
  if (count == 0) return;
  if (port_->write(bytes, count) != static_cast<qint64>(count)) {
    const auto mask = static_cast<long>(port_->error());
    port_->clearError();
    throw ECommError(kCommWriteErrorFormat, mask);
  }
  port_->flush();
}

void TQuentarComm::WriteStringData(const QByteArray& text) {
  WriteData(text.constData(), static_cast<std::uint32_t>(text.size()));
}

void TQuentarComm::ClearInBuff() {
  if (!GetPortStatus()) return;
  received_.clear();
  port_->clear(QSerialPort::Input);
}

std::int32_t TQuentarComm::CountInBuff() const {
  if (!GetPortStatus()) return -1;
  port_->clearError();
  return static_cast<std::int32_t>(received_.size());
}

std::int32_t TQuentarComm::CountOutBuff() const {
  if (!GetPortStatus()) return -1;
  port_->clearError();
  return static_cast<std::int32_t>(port_->bytesToWrite());
}

void TQuentarComm::SetCommPort(TCommPort port) {
  commPort_ = port;
  portName_ = QStringLiteral("COM%1").arg(static_cast<int>(port) + 1);
}

void TQuentarComm::SetPortName(const QString& name) {
  const int number = ComPortNumber(name);
  if (number > 0) commPort_ = static_cast<TCommPort>(number - 1);
  portName_ = name;
}

void TQuentarComm::SetBaudRate(TBaudRate rate) {
  baudRate_ = rate;
  if (GetPortStatus()) port_->setBaudRate(BaudRateValue(rate));
}

void TQuentarComm::SetParity(TParity parity) {
  parity_ = parity;
  if (GetPortStatus()) port_->setParity(ToQt(parity));
}

void TQuentarComm::SetByteSize(TByteSize size) {
  byteSize_ = size;
  if (GetPortStatus()) port_->setDataBits(ToQt(size));
}

void TQuentarComm::SetStopBits(TStopBits bits) {
  stopBits_ = bits;
  if (GetPortStatus()) port_->setStopBits(ToQt(bits));
}

void TQuentarComm::SetFlowControl(TFlowControl flow) {
  flowControl_ = flow;
  if (!GetPortStatus()) return;
  port_->setFlowControl(ToQt(flow));
  // The modem lines are only meaningful on real hardware; a pseudo-terminal refuses them.
  if (flow != TFlowControl::RtsCts) port_->setRequestToSend(true);
  port_->setDataTerminalReady(true);
  port_->clearError();
}

void TQuentarComm::ApplyLineSettings() {
  SetBaudRate(baudRate_);
  SetParity(parity_);
  SetByteSize(byteSize_);
  SetStopBits(stopBits_);
  SetFlowControl(flowControl_);
}

void TQuentarComm::OnReadyRead() {
  if (!GetPortStatus()) return;
  const QByteArray chunk = port_->readAll();
  // Like a driver queue, the receive queue holds at most InBuffSize bytes; the rest is lost.
  const auto room = std::max<qsizetype>(0, static_cast<qsizetype>(inBuffSize_) - received_.size());
  const QByteArray kept = chunk.left(room);
  received_.append(kept);
  int events = 0;
  if (eventType_ == TEventType::CharEvent) {
    events = static_cast<int>(kept.count(static_cast<char>(eventChar_ & 0xFF)));
  } else if (!kept.isEmpty()) {
    events = 1;
  }
  RaiseCommEvents(events);
}

void TQuentarComm::RaiseCommEvents(int eventCharacters) {
  pendingEvents_ += eventCharacters;
  // A handler may write, which can let the port deliver more data; those events queue up here.
  if (raisingEvents_) return;
  raisingEvents_ = true;
  while (pendingEvents_ > 0 && GetPortStatus()) {
    --pendingEvents_;
    // As with the driver's event, nothing is raised once the waiting bytes have been taken.
    const auto waiting = static_cast<quint32>(received_.size());
    if (waiting == 0) continue;
    if (eventType_ == TEventType::RxEvent && waiting < kRxThreshold) continue;
    emit commEvent(waiting);
  }
  pendingEvents_ = 0;
  raisingEvents_ = false;
}

void TQuentarComm::OnPortError(QSerialPort::SerialPortError error) {
  if (!GetPortStatus() || closing_ || lineFailed_) return;
  switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
      lineFailed_ = true;
      emit commError(QString::fromStdString(
          ECommError(kCommReadErrorFormat, static_cast<long>(error)).what()));
      break;
    case QSerialPort::WriteError:
      lineFailed_ = true;
      emit commError(QString::fromStdString(
          ECommError(kCommWriteErrorFormat, static_cast<long>(error)).what()));
      break;
    default:
      break;
  }
}

}  // namespace quorvan
