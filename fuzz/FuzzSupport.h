#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/model/BandPlan.h"
#include "core/model/RadioImage.h"
#include "core/transfer/TransferSequence.h"

namespace quorvan::fuzz {

// Stops the run with a message libFuzzer shows next to the crash report.
[[noreturn]] void Fail(const char* what);
inline void Require(bool holds, const char* what) {
  if (!holds) Fail(what);
}

// A band plan picked by one input byte: the four setup choices and a few variants that change
// the band layout (CIRRA, the "00" and "09" variant codes).
BandPlan PlanOfChoice(std::uint8_t choice);
constexpr int kPlanChoices = 8;

// Every slot, menu item, the comment and the plan within their capacities and free of NULs.
void RequireWithinCapacities(const RadioImage& image);

// The most commands one full exchange of either sequence sends (scope All, every slot in use).
constexpr int kMostCommandsPerTransfer = 1389;

// Drives a read or write sequence the way the transfer session does and checks what every
// session relies on: one action per reply, well-formed commands, a sane progress bar, silence
// once finished, and Cancel honoured at the next reply.
class SequenceDriver {
 public:
  explicit SequenceDriver(TransferSequence& sequence) : sequence_(sequence) {}

  void Start();
  // Hands one reply event's bytes over; returns the action the sequence chose.
  SequenceAction Reply(std::string_view waitingBytes);
  void Cancel();
  // Answers every further command with a lone CR until the sequence stops; it must stop
  // within one transfer's worth of commands.
  void DrainWithEmptyReplies();

  bool Finished() const { return finished_; }
  SequenceAction::Kind End() const { return end_; }
  int Sends() const { return sends_; }
  const std::string& LastCommand() const { return lastCommand_; }

 private:
  void Check(const SequenceAction& action);

  TransferSequence& sequence_;
  bool finished_ = false;
  bool cancelled_ = false;
  SequenceAction::Kind end_ = SequenceAction::Kind::Finish;
  int sends_ = 0;
  int lastPosition_ = 0;
  std::string lastCommand_;
};

}  // namespace quorvan::fuzz
