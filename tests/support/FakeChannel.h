#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/transfer/ByteChannel.h"
#include "io/serial/ECommError.h"

namespace quorvan::testing {

// A line without a port: records what was written and delivers what the test says the radio
// answered, raising the reply event per CR as long as bytes are waiting.
class FakeChannel : public ByteChannel {
 public:
  bool CheckPortValid(const std::string& portName) override {
    checkedPorts.push_back(portName);
    return portValid;
  }
  void SetPortName(const std::string& portName) override { portName_ = portName; }
  void Open() override {
    if (openError) throw ECommError(*openError);
    if (!open_) ++openCount;
    open_ = true;
  }
  void Close() override {
    // A dead line reports itself again while being closed.
    if (open_ && lineErrorOnClose) RaiseLineError(*lineErrorOnClose);
    if (open_) ++closeCount;
    open_ = false;
    waiting_.clear();
  }
  bool IsOpen() const override { return open_; }
  std::int32_t CountInBuff() override {
    return open_ ? static_cast<std::int32_t>(waiting_.size()) : -1;
  }
  std::string ReadStringData(std::uint32_t count) override {
    if (!open_) throw ECommError(kCommNotStarted);
    const auto n = std::min<std::size_t>(count, waiting_.size());
    std::string taken = waiting_.substr(0, n);
    waiting_.erase(0, n);
    return taken;
  }
  void WriteData(std::string_view bytes) override {
    if (!open_) throw ECommError(kCommNotStarted);
    if (failWriteAt && writes.size() == *failWriteAt) throw ECommError(kCommTooMuchWriteData);
    writes.emplace_back(bytes);
  }
  void ClearInBuff() override { waiting_.clear(); }

  // Bytes from the radio, handed over in one piece.
  void Deliver(const std::string& bytes) {
    if (!open_) return;
    waiting_ += bytes;
    const auto crs = std::count(bytes.begin(), bytes.end(), '\r');
    for (long i = 0; i < crs && open_ && !waiting_.empty(); ++i) {
      RaiseReply(static_cast<std::uint32_t>(waiting_.size()));
    }
  }
  void FailLine(const std::string& text) { RaiseLineError(text); }

  // Commands as sent: text writes joined with their CR writes.
  std::vector<std::string> Commands() const {
    std::vector<std::string> commands;
    std::string current;
    for (const auto& w : writes) {
      current += w;
      if (w == "\r") {
        commands.push_back(current);
        current.clear();
      }
    }
    return commands;
  }

  bool portValid = true;
  std::optional<std::string> openError;
  std::optional<std::size_t> failWriteAt;
  std::optional<std::string> lineErrorOnClose;
  std::vector<std::string> checkedPorts;
  std::vector<std::string> writes;
  int openCount = 0;
  int closeCount = 0;

 private:
  bool open_ = false;
  std::string portName_;
  std::string waiting_;
};

}  // namespace quorvan::testing
