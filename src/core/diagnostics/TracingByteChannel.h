#pragma once

#include "core/transfer/ByteChannel.h"

namespace quorvan {

class TransferTrace;

// A byte channel that passes everything on to another one and, while it has a trace, writes
// into it what goes over the line: the bytes each way, the port opening and closing, its
// failures. The reply and line-error events of the other channel are raised as its own.
class TracingByteChannel final : public ByteChannel {
 public:
  explicit TracingByteChannel(ByteChannel& inner);
  ~TracingByteChannel() override;
  TracingByteChannel(const TracingByteChannel&) = delete;
  TracingByteChannel& operator=(const TracingByteChannel&) = delete;

  // Null stops the tracing; the trace must outlive its use here.
  void SetTrace(TransferTrace* trace) { trace_ = trace; }
  TransferTrace* Trace() const { return trace_; }

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
  void Note(const std::string& text);

  ByteChannel& inner_;
  TransferTrace* trace_ = nullptr;
  std::string portName_;
};

}  // namespace quorvan
