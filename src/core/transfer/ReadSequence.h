#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/ItemSet.h"
#include "core/model/RadioImage.h"
#include "core/transfer/TransferCommands.h"
#include "core/transfer/TransferSequence.h"

namespace quorvan {

// Reads the radio into an image: identification, type code and band lists, then (by scope)
// the memories, CALL channels, VFOs, program VFOs and DTMF memories, and the menu values.
// The image is reset by scope only once the radio has identified itself with a known model and
// a type code, so an invalid radio leaves it untouched. A malformed record from the radio stops
// the read before it is stored.
//
// Given a set of items instead of a scope, it reads back only those, with the same commands,
// into the image as it stands: the identification checks every write makes (a known model, the
// image's type code), no band lists, no reset, and an item the radio holds nothing for is
// stored empty. This is how a write checks what it replaces and what it left.
class ReadSequence final : public TransferSequence {
 public:
  ReadSequence(RadioImage& image, TransferScope scope);
  ReadSequence(RadioImage& image, const ItemSet& items);

  SequenceAction Start() override;
  // For items only: the first item's command, when the radio was identified already (a write
  // that reads back what it wrote goes on in the same exchange).
  SequenceAction StartIdentified();
  SequenceAction OnReply(std::string_view waitingBytes) override;
  void Cancel() override;
  bool CancelRequested() const override { return cancelRequested_; }

  int ProgressMaximum() const override { return progressMaximum_; }
  int ProgressPosition() const override { return itemMode_ ? itemsDone_ : progressPosition_; }

  int StepCode() const override { return step_; }
  std::string LastCommand() const override { return lastCommand_; }
  std::string Activity() const override { return StepActivity(step_); }

 private:
  SequenceAction Send(int step);
  SequenceAction HandleReply(const std::string& reply);
  SequenceAction HandleIdentification(const std::string& reply);
  SequenceAction HandleItemIdentification(const std::string& reply);
  // Items only: the command of the next item, or Finish after the last.
  SequenceAction NextItem();
  SequenceAction ItemDone();
  SequenceAction HandleMemory(const MemoryGroup& group, const std::string& reply);
  SequenceAction FinishSlot(const MemoryGroup& group);
  SequenceAction HandleCall(const std::string& reply);
  SequenceAction NextCall();
  SequenceAction HandleListEntry(const std::string& reply);
  SequenceAction HandleDtmf(const std::string& reply);
  SequenceAction NextDtmf();
  SequenceAction HandleMenu(const std::string& reply);
  std::string CommandFor(int step) const;
  // Store the record buffer into a slot, or a menu value: empty when stored, otherwise the
  // message that stops the read.
  std::string StoreRecord(SlotKind kind, int slot);
  std::string StoreMenuValue(int item, std::string_view value);
  void AppendToRecord(std::string_view text);
  void ResetByScope();
  bool DestinationIsJ() const { return destination_ == 'J'; }

  RadioImage& image_;
  const TransferScope scope_;
  const bool itemMode_ = false;
  std::vector<ItemRef> queue_;  // items only: what to read, in exchange order
  std::size_t nextItem_ = 0;
  int itemsDone_ = 0;
  int step_ = kStepVox;
  int channelIndex_ = 0;
  int subIndex_ = 0;
  bool cancelRequested_ = false;
  bool started_ = false;
  bool finished_ = false;
  char destination_ = '\0';
  std::string identifiedModel_;
  std::string answer_;  // the identification reply as a message tells it
  std::string recordBuffer_;
  std::string lastCommand_;
  int progressMaximum_ = 0;
  int progressPosition_ = 0;
};

// After a read into a document whose band plan was not known beforehand: the part the scope did
// not read (the menu of a Memory read, the records of a Menu read) becomes what a new document of
// the radio's plan holds, so no default of another market is left in it.
void CompleteUnreadParts(RadioImage& image, TransferScope scope);

}  // namespace quorvan
