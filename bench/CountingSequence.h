#pragma once

#include <string>
#include <string_view>

#include "core/transfer/TransferSequence.h"

namespace quorvan::bench {

// Passes everything to the real sequence and counts the exchanges and the bytes on the line in
// both directions (each command with its CR, each reply as it arrived).
class CountingSequence final : public TransferSequence {
 public:
  explicit CountingSequence(TransferSequence& inner) : inner_(inner) {}

  SequenceAction Start() override { return Count(inner_.Start()); }
  SequenceAction OnReply(std::string_view waitingBytes) override {
    bytes_ += static_cast<long>(waitingBytes.size());
    replyBytes_ += static_cast<long>(waitingBytes.size());
    return Count(inner_.OnReply(waitingBytes));
  }
  void Cancel() override { inner_.Cancel(); }
  bool CancelRequested() const override { return inner_.CancelRequested(); }
  int ProgressMaximum() const override { return inner_.ProgressMaximum(); }
  int ProgressPosition() const override { return inner_.ProgressPosition(); }

  long Exchanges() const { return exchanges_; }
  long Bytes() const { return bytes_; }
  long ReplyBytes() const { return replyBytes_; }

 private:
  SequenceAction Count(SequenceAction action) {
    if (action.kind == SequenceAction::Kind::Send) {
      ++exchanges_;
      bytes_ += static_cast<long>(action.command.size()) + 1;
    }
    return action;
  }

  TransferSequence& inner_;
  long exchanges_ = 0;
  long bytes_ = 0;
  long replyBytes_ = 0;
};

}  // namespace quorvan::bench
