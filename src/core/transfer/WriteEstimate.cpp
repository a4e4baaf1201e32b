#include "core/transfer/WriteEstimate.h"

#include "core/transfer/TransferCommands.h"
#include "core/transfer/WriteSequence.h"

namespace quorvan {

namespace {

constexpr long long kBitsPerByte = 10;

}  // namespace

WriteEstimate EstimateWrite(const RadioImage& image, TransferScope scope) {
  WriteSequence sequence(image, scope);
  WriteEstimate estimate;
  SequenceAction action = sequence.Start();
  while (action.kind == SequenceAction::Kind::Send) {
    std::string reply = action.command;
    if (sequence.StepCode() == kStepIdentify) reply = std::string("ID ") + kModelArven;
    if (sequence.StepCode() == kStepType) reply = "TYD " + image.Plan().type;
    ++estimate.commands;
    estimate.bytes += static_cast<long long>(action.command.size() + reply.size()) + 2;
    action = sequence.OnReply(reply + "\r");
  }
  return estimate;
}

long long LineSeconds(long long bytes, long long bitsPerSecond) {
  if (bitsPerSecond <= 0) return 0;
  return (bytes * kBitsPerByte + bitsPerSecond - 1) / bitsPerSecond;
}

}  // namespace quorvan
