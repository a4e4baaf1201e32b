#pragma once

#include <string>
#include <string_view>

#include "core/transfer/TransferSequence.h"

namespace quorvan {

// A read's or a write's identification alone: "VOX 0", "ID", "TYD" and, for a read, the band
// lists. The inner sequence checks and stores the replies as it always does; where it would go
// on to the radio's contents, the command it asks for is not sent and the transfer ends.
class IdentificationOnly final : public TransferSequence {
 public:
  explicit IdentificationOnly(TransferSequence& inner) : inner_(inner) {}

  SequenceAction Start() override;
  SequenceAction OnReply(std::string_view waitingBytes) override;
  void Cancel() override { inner_.Cancel(); }
  bool CancelRequested() const override { return inner_.CancelRequested(); }

  // The identification is too short for a bar.
  int ProgressMaximum() const override { return 0; }
  int ProgressPosition() const override { return 0; }

  int StepCode() const override { return inner_.StepCode(); }
  std::string LastCommand() const override { return inner_.LastCommand(); }

  // The radio answered every identification command as the inner sequence requires.
  bool Identified() const { return identified_; }

 private:
  TransferSequence& inner_;
  bool identified_ = false;
};

}  // namespace quorvan
