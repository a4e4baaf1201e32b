#include "core/transfer/IdentificationOnly.h"

#include "core/transfer/TransferCommands.h"

namespace quorvan {

namespace {

bool IsIdentificationStep(int step) {
  return step == kStepVox || step == kStepIdentify || step == kStepType || step == kStepBandList;
}

}  // namespace

SequenceAction IdentificationOnly::Start() {
  identified_ = false;
  return inner_.Start();
}

SequenceAction IdentificationOnly::OnReply(std::string_view waitingBytes) {
  if (identified_) return SequenceAction::Finish();
  SequenceAction action = inner_.OnReply(waitingBytes);
  if (action.kind == SequenceAction::Kind::Send && !inner_.CancelRequested() &&
      !IsIdentificationStep(inner_.StepCode())) {
    identified_ = true;
    return SequenceAction::Finish();
  }
  return action;
}

}  // namespace quorvan
