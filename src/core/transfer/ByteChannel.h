#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace quorvan {

// The serial operations a transfer needs: the port check, open, close, write, count and read
// waiting bytes, purge, and an event when a reply's CR has arrived. Failures throw ECommError
// (serial/ECommError.h) with the component's texts. Everything runs on one thread.
class ByteChannel {
 public:
  // Raised once per received CR while bytes are waiting; `waiting` is the count then.
  using ReplyHandler = std::function<void(std::uint32_t waiting)>;
  // Raised when the line fails under an open port (device gone, read error).
  using LineErrorHandler = std::function<void(const std::string& text)>;

  virtual ~ByteChannel() = default;

  // Whether the named port can be used (it is ours and open, or it opens exclusively now).
  virtual bool CheckPortValid(const std::string& portName) = 0;
  // The port the next Open() uses.
  virtual void SetPortName(const std::string& portName) = 0;
  // Opens and configures the port for the transfer; a no-op when already open.
  virtual void Open() = 0;
  // A no-op when closed.
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Bytes waiting to be read; -1 while closed.
  virtual std::int32_t CountInBuff() = 0;
  // Up to `count` waiting bytes (never more than are waiting, never more than 4096).
  virtual std::string ReadStringData(std::uint32_t count) = 0;
  virtual void WriteData(std::string_view bytes) = 0;
  // Discards whatever is waiting to be read.
  virtual void ClearInBuff() = 0;

  void SetReplyHandler(ReplyHandler handler) { onReply_ = std::move(handler); }
  void SetLineErrorHandler(LineErrorHandler handler) { onLineError_ = std::move(handler); }

 protected:
  void RaiseReply(std::uint32_t waiting) {
    if (onReply_) onReply_(waiting);
  }
  void RaiseLineError(const std::string& text) {
    if (onLineError_) onLineError_(text);
  }

 private:
  ReplyHandler onReply_;
  LineErrorHandler onLineError_;
};

}  // namespace quorvan
