#include "io/session/CommByteChannel.h"

namespace quorvan {

CommByteChannel::CommByteChannel(TQuentarComm& comm) : comm_(comm) {
  comm_.ApplyTransferSettings();
  replyConnection_ = QObject::connect(&comm_, &TQuentarComm::commEvent,
                                      [this](quint32 size) { RaiseReply(size); });
  errorConnection_ = QObject::connect(&comm_, &TQuentarComm::commError, [this](const QString& t) {
    RaiseLineError(t.toStdString());
  });
}

CommByteChannel::~CommByteChannel() {
  QObject::disconnect(replyConnection_);
  QObject::disconnect(errorConnection_);
}

bool CommByteChannel::CheckPortValid(const std::string& portName) {
  return comm_.CheckCommportValid(QString::fromStdString(portName));
}

void CommByteChannel::SetPortName(const std::string& portName) {
  comm_.SetPortName(QString::fromStdString(portName));
}

void CommByteChannel::Open() { comm_.OpenCommport(); }
void CommByteChannel::Close() { comm_.CloseCommport(); }
bool CommByteChannel::IsOpen() const { return comm_.GetPortStatus(); }
std::int32_t CommByteChannel::CountInBuff() { return comm_.CountInBuff(); }

std::string CommByteChannel::ReadStringData(std::uint32_t count) {
  return comm_.ReadStringData(count).toStdString();
}

void CommByteChannel::WriteData(std::string_view bytes) {
  comm_.WriteData(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

void CommByteChannel::ClearInBuff() { comm_.ClearInBuff(); }

}  // namespace quorvan
