#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/transfer/ByteChannel.h"

namespace quorvan {

// A byte channel whose port stays open between transfers: a session's Close() at the end of each
// transfer is let pass, and only Release() closes the port. Live mode sends one short write after
// another and keeps the port for itself meanwhile.
class HeldOpenChannel : public ByteChannel {
 public:
  explicit HeldOpenChannel(ByteChannel& line);
  ~HeldOpenChannel() override;
  HeldOpenChannel(const HeldOpenChannel&) = delete;
  HeldOpenChannel& operator=(const HeldOpenChannel&) = delete;

  // Closes the port for real (live mode ends, or the line failed and must be opened again).
  void Release();

  bool CheckPortValid(const std::string& portName) override;
  void SetPortName(const std::string& portName) override;
  void Open() override;
  void Close() override {}
  bool IsOpen() const override;
  std::int32_t CountInBuff() override;
  std::string ReadStringData(std::uint32_t count) override;
  void WriteData(std::string_view bytes) override;
  void ClearInBuff() override;

 private:
  ByteChannel& line_;
  std::string portName_;
};

}  // namespace quorvan
