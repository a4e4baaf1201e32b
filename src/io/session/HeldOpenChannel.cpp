#include "io/session/HeldOpenChannel.h"

#include "io/serial/ECommError.h"

namespace quorvan {

HeldOpenChannel::HeldOpenChannel(ByteChannel& line) : line_(line) {
  line_.SetReplyHandler([this](std::uint32_t waiting) { RaiseReply(waiting); });
  line_.SetLineErrorHandler([this](const std::string& text) { RaiseLineError(text); });
}

HeldOpenChannel::~HeldOpenChannel() {
  line_.SetReplyHandler({});
  line_.SetLineErrorHandler({});
  Release();
}

void HeldOpenChannel::Release() {
  try {
    line_.Close();
  } catch (const ECommError&) {
    // A line that is gone is closed as far as it can be; the next Open() tells what is wrong.
  }
}

bool HeldOpenChannel::CheckPortValid(const std::string& portName) {
  // The port held open for another name is let go first, so the check is of the new one.
  if (line_.IsOpen() && portName != portName_) line_.Close();
  return line_.CheckPortValid(portName);
}

void HeldOpenChannel::SetPortName(const std::string& portName) {
  if (line_.IsOpen() && portName != portName_) line_.Close();
  portName_ = portName;
  line_.SetPortName(portName);
}

void HeldOpenChannel::Open() { line_.Open(); }
bool HeldOpenChannel::IsOpen() const { return line_.IsOpen(); }
std::int32_t HeldOpenChannel::CountInBuff() { return line_.CountInBuff(); }
std::string HeldOpenChannel::ReadStringData(std::uint32_t count) {
  return line_.ReadStringData(count);
}
void HeldOpenChannel::WriteData(std::string_view bytes) { line_.WriteData(bytes); }
void HeldOpenChannel::ClearInBuff() { line_.ClearInBuff(); }

}  // namespace quorvan
