#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/ItemSet.h"
#include "core/model/RadioImage.h"
#include "core/transfer/TransferCommands.h"
#include "core/transfer/TransferSequence.h"

namespace quorvan {

// Writes an image to the radio: identification and a type-code check, then (by scope) the
// memories, CALL channels, VFOs, program VFOs and DTMF memories, and the menu values.
// Absent entries are passed over without an exchange. Replies after the identification do not
// steer the sequence, but those that do not begin with their command's header are counted, so a
// radio that refused commands is not reported as a clean success.
//
// Given a set of items instead of a scope (a write of changes), it sends for each of them, in
// the same order, exactly the commands the whole write sends for it, and "VMC 0,0" and
// "VMC 1,0" only when a memory channel follows.
class WriteSequence final : public TransferSequence {
 public:
  WriteSequence(const RadioImage& image, TransferScope scope);
  WriteSequence(const RadioImage& image, const ItemSet& items);

  SequenceAction Start() override;
  // The first command after the identification, when the radio was identified already (a
  // write that first reads what it replaces). Malformed records are refused as by Start().
  SequenceAction StartIdentified();
  // MalformedRecord naming the first record or menu value it would send that is malformed
  // (Start() refuses to begin then), Finish when there is none.
  SequenceAction CheckDocument();
  SequenceAction OnReply(std::string_view waitingBytes) override;
  void Cancel() override;
  bool CancelRequested() const override { return cancelRequested_; }

  int ProgressMaximum() const override { return progressMaximum_; }
  int ProgressPosition() const override { return itemMode_ ? itemsDone_ : progressPosition_; }

  int StepCode() const override { return step_; }
  std::string LastCommand() const override { return lastCommand_; }
  std::string Activity() const override { return WriteStepActivity(step_); }
  int RejectedCount() const override { return rejectedCount_; }
  std::string FirstRejectedCommand() const override { return firstRejectedCommand_; }

 private:
  SequenceAction Send(int step, std::string command);
  SequenceAction HandleReply(const std::string& reply);
  SequenceAction HandleIdentification(const std::string& reply);
  SequenceAction AfterIdentification();
  // Items only: the commands of the next item, or Finish after the last.
  SequenceAction NextItem();
  SequenceAction ItemDone();
  SequenceAction SendCall(int slot);
  SequenceAction SendVfo(int slot);
  SequenceAction SendProgramVfo(int slot);
  SequenceAction SendMemoryFirst();
  SequenceAction SendMemoryName(int step);
  SequenceAction HandleMemory(int step);
  SequenceAction NextSlot();
  SequenceAction SendNextCall(int from);
  SequenceAction SendNextVfo(int from);
  SequenceAction SendNextProgramVfo(int from);
  SequenceAction StartDtmf();
  SequenceAction SendDtmfCode();
  SequenceAction HandleDtmf();
  SequenceAction StartMenu();
  SequenceAction HandleMenu();
  SequenceAction SendMenuStep(int step);
  void CheckAccepted(std::string_view waitingBytes);
  std::string NameForRadio(std::string_view name) const;
  bool DestinationIsJ() const { return image_.Plan().DestinationLetter() == 'J'; }

  const RadioImage& image_;
  const TransferScope scope_;
  const bool itemMode_ = false;
  const ItemSet items_;
  std::vector<ItemRef> queue_;  // items only: what to send, in exchange order
  std::size_t nextItem_ = 0;
  int itemsDone_ = 0;
  int step_ = kStepVox;
  int channelIndex_ = 0;
  int subIndex_ = 0;
  bool cancelRequested_ = false;
  bool started_ = false;
  bool finished_ = false;
  std::string lastCommand_;
  std::string answer_;  // the identification reply as a message tells it
  int progressMaximum_ = 0;
  int progressPosition_ = 0;
  int rejectedCount_ = 0;
  std::string firstRejectedCommand_;
};

}  // namespace quorvan
