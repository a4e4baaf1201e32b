#pragma once

#include <QObject>

#include "core/transfer/ByteChannel.h"
#include "io/serial/TQuentarComm.h"

namespace quorvan {

// The serial component seen as a byte channel, set up with the transfer dialogs' settings.
class CommByteChannel : public ByteChannel {
 public:
  explicit CommByteChannel(TQuentarComm& comm);
  ~CommByteChannel() override;
  CommByteChannel(const CommByteChannel&) = delete;
  CommByteChannel& operator=(const CommByteChannel&) = delete;

  bool CheckPortValid(const std::string& portName) override;
  void SetPortName(const std::string& portName) override;
  void Open() override;
  void Close() override;
  bool IsOpen() const override;
  std::int32_t CountInBuff() override;
  std::string ReadStringData(std::uint32_t count) override;
  void WriteData(std::string_view bytes) override;
  void ClearInBuff() override;

 private:
  TQuentarComm& comm_;
  QMetaObject::Connection replyConnection_;
  QMetaObject::Connection errorConnection_;
};

}  // namespace quorvan
