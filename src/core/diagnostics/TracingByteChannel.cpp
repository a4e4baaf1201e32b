#include "core/diagnostics/TracingByteChannel.h"

#include <exception>

#include "core/diagnostics/TransferTrace.h"

namespace quorvan {

TracingByteChannel::TracingByteChannel(ByteChannel& inner) : inner_(inner) {
  inner_.SetReplyHandler([this](std::uint32_t waiting) { RaiseReply(waiting); });
  inner_.SetLineErrorHandler([this](const std::string& text) {
    Note("line failed: " + text);
    RaiseLineError(text);
  });
}

TracingByteChannel::~TracingByteChannel() {
  inner_.SetReplyHandler({});
  inner_.SetLineErrorHandler({});
}

void TracingByteChannel::Note(const std::string& text) {
  if (trace_) trace_->Note(text);
}

bool TracingByteChannel::CheckPortValid(const std::string& portName) {
  const bool valid = inner_.CheckPortValid(portName);
  if (!valid) Note("port check: " + portName + " cannot be used");
  return valid;
}

void TracingByteChannel::SetPortName(const std::string& portName) {
  portName_ = portName;
  inner_.SetPortName(portName);
}

void TracingByteChannel::Open() {
  const bool wasOpen = inner_.IsOpen();
  try {
    inner_.Open();
  } catch (const std::exception& error) {
    Note("open " + portName_ + " failed: " + error.what());
    throw;
  }
  if (!wasOpen) Note("open " + portName_);
}

void TracingByteChannel::Close() {
  const bool wasOpen = inner_.IsOpen();
  inner_.Close();
  if (wasOpen) Note("close");
}

bool TracingByteChannel::IsOpen() const { return inner_.IsOpen(); }

std::int32_t TracingByteChannel::CountInBuff() { return inner_.CountInBuff(); }

std::string TracingByteChannel::ReadStringData(std::uint32_t count) {
  try {
    std::string bytes = inner_.ReadStringData(count);
    if (trace_) trace_->Received(bytes);
    return bytes;
  } catch (const std::exception& error) {
    Note(std::string("read failed: ") + error.what());
    throw;
  }
}

void TracingByteChannel::WriteData(std::string_view bytes) {
  try {
    inner_.WriteData(bytes);
  } catch (const std::exception& error) {
    Note(std::string("write failed: ") + error.what());
    throw;
  }
  if (trace_) trace_->Sent(bytes);
}

void TracingByteChannel::ClearInBuff() {
  inner_.ClearInBuff();
  Note("receive queue cleared");
}

}  // namespace quorvan
