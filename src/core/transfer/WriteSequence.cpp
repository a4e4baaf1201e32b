#include "core/transfer/WriteSequence.h"

#include <algorithm>
#include <optional>

#include "core/model/RadioNameCoding.h"
#include "core/model/RecordDigits.h"
#include "core/model/RecordForm.h"

namespace quorvan {

namespace {

constexpr int kLastMemorySlot = kMemorySlots - 1;
constexpr int kLastDtmf = kDtmfSlots - 1;

std::string TwoDigits(int value) { return ZeroPadded(value, 2); }

// "," and the fields from the frequency to `last`, as the channel commands carry them.
std::string ChannelFields(const ChannelRecord& record, ChannelField last) {
  return "," + record.Join(ChannelField::Frequency, last);
}

// A channel slot without a frequency, or a program VFO without a lower limit, is not written.
bool HasRecord(const RadioImage& image, SlotKind kind, int slot) {
  if (kind == SlotKind::ProgramVfo) return !image.ProgramVfo(slot).Lower().empty();
  return !image.Channel(kind, slot)[ChannelField::Frequency].empty();
}

}  // namespace

WriteSequence::WriteSequence(const RadioImage& image, TransferScope scope)
    : image_(image), scope_(scope), items_(ItemsOfScope(scope)) {}

WriteSequence::WriteSequence(const RadioImage& image, const ItemSet& items)
    : image_(image),
      scope_(TransferScope::All),
      itemMode_(true),
      items_(items),
      queue_(ExchangeOrder(items)) {}

SequenceAction WriteSequence::CheckDocument() {
  // However the document was made, nothing of it goes to the radio while a record that would
  // be sent is malformed: the radio would take it as it stands.
  if (const std::optional<MalformedItem> bad = FirstMalformedItem(image_, items_)) {
    return SequenceAction::Malformed("Nothing was written to the radio: " + bad->item +
                                     " is malformed; " + bad->problem +
                                     ".\nPlease check and try again.");
  }
  return SequenceAction::Finish();
}

SequenceAction WriteSequence::Start() {
  progressPosition_ = 0;
  channelIndex_ = 0;
  subIndex_ = 0;
  cancelRequested_ = false;
  started_ = true;
  finished_ = false;
  rejectedCount_ = 0;
  firstRejectedCommand_.clear();
  nextItem_ = 0;
  itemsDone_ = 0;
  if (SequenceAction refused = CheckDocument();
      refused.kind == SequenceAction::Kind::MalformedRecord) {
    finished_ = true;
    return refused;
  }
  return Send(kStepVox, "VOX 0");
}

SequenceAction WriteSequence::StartIdentified() {
  const SequenceAction first = Start();
  if (first.kind != SequenceAction::Kind::Send) return first;
  progressMaximum_ = itemMode_ ? static_cast<int>(queue_.size()) : ProgressMaximumOf(scope_);
  SequenceAction action = AfterIdentification();
  if (action.kind != SequenceAction::Kind::Send) finished_ = true;
  return action;
}

void WriteSequence::Cancel() { cancelRequested_ = true; }

SequenceAction WriteSequence::OnReply(std::string_view waitingBytes) {
  if (!started_ || finished_) return SequenceAction::Finish();
  CheckAccepted(waitingBytes);
  if (cancelRequested_) step_ = kStepCancelled;
  std::string reply;
  if (step_ == kStepIdentify || step_ == kStepType) {
    reply = CollectReplyText(waitingBytes, 0, kWriteReplyTextCapacity);
    answer_ = RadioAnsweredDetail(waitingBytes);
  }
  SequenceAction action = HandleReply(reply);
  if (action.kind != SequenceAction::Kind::Send) finished_ = true;
  return action;
}

void WriteSequence::CheckAccepted(std::string_view waitingBytes) {
  const std::string_view header = CommandHeader(lastCommand_);
  if (CollectReplyText(waitingBytes, 0, header.size()) == header) return;
  if (rejectedCount_ == 0) firstRejectedCommand_ = lastCommand_;
  ++rejectedCount_;
}

SequenceAction WriteSequence::HandleReply(const std::string& reply) {
  if (step_ == kStepCancelled) return SequenceAction::Finish();
  if (step_ == kStepEmptySlot || MemoryGroupOfStep(step_)) return HandleMemory(step_);
  switch (step_) {
    case kStepVox:
    case kStepIdentify:
    case kStepType:
    case kStepMemoryMode0:
    case kStepMemoryMode1:
      return HandleIdentification(reply);
    case kStepCallMain: {
      // The CALL channel's split part carries its receive step, not the transmit step.
      const ChannelRecord call = image_.Channel(SlotKind::Call, subIndex_);
      if (call.IsSplit()) {
        return Send(kStepCallSplit, "CW 1," + std::string(call[ChannelField::TxFrequency]) + "," +
                                        std::string(call[ChannelField::Step]));
      }
      if (itemMode_) return ItemDone();
      ++progressPosition_;
      return SendNextCall(subIndex_ + 1);
    }
    case kStepCallSplit:
      if (itemMode_) return ItemDone();
      ++progressPosition_;
      return SendNextCall(subIndex_ + 1);
    case kStepVfo:
      if (itemMode_) return ItemDone();
      ++progressPosition_;
      return SendNextVfo(subIndex_ + 1);
    case kStepProgramVfo:
      if (itemMode_) return ItemDone();
      ++progressPosition_;
      return SendNextProgramVfo(subIndex_ + 1);
    case kStepDtmfCode: {
      const DtmfRecord dtmf = image_.Dtmf(channelIndex_);
      return Send(kStepDtmfName, dtmf.Name().empty() ? "DMN " + TwoDigits(channelIndex_) + ","
                                                     : "DMN " + std::string(dtmf.Number()) + "," +
                                                           NameForRadio(dtmf.Name()));
    }
    case kStepDtmfName:
      return HandleDtmf();
    default:
      return HandleMenu();
  }
}

SequenceAction WriteSequence::HandleIdentification(const std::string& reply) {
  switch (step_) {
    case kStepVox:
      return Send(kStepIdentify, "ID");
    case kStepIdentify:
      if (!IsIdentityReply(reply)) return SequenceAction::Invalid(answer_);
      progressMaximum_ = itemMode_ ? static_cast<int>(queue_.size()) : ProgressMaximumOf(scope_);
      return Send(kStepType, "TYD");
    case kStepType:
      // A type code after "TYD ", whose first two characters are those of the image's.
      if (!IsTypeReplyFor(reply, image_.Plan().type)) {
        return SequenceAction::Invalid(TypeRefusalDetail(reply, image_.Plan().type, answer_));
      }
      return AfterIdentification();
    case kStepMemoryMode0:
      return Send(kStepMemoryMode1, "VMC 1,0");
    default:
      channelIndex_ = 0;
      if (itemMode_) return NextItem();
      return SendMemoryFirst();
  }
}

SequenceAction WriteSequence::AfterIdentification() {
  channelIndex_ = 0;
  if (itemMode_) {
    if (items_.HasAny(ItemKind::Memory)) return Send(kStepMemoryMode0, "VMC 0,0");
    return NextItem();
  }
  if (scope_ == TransferScope::Menu) return StartMenu();
  return Send(kStepMemoryMode0, "VMC 0,0");
}

SequenceAction WriteSequence::NextItem() {
  if (nextItem_ >= queue_.size()) return SequenceAction::Finish();
  const ItemRef item = queue_[nextItem_++];
  const MenuSettings& menu = image_.Menu();
  switch (item.kind) {
    case ItemKind::Memory:
      channelIndex_ = item.index;
      return SendMemoryFirst();
    case ItemKind::Call:
      if (!HasRecord(image_, SlotKind::Call, item.index)) break;
      return SendCall(item.index);
    case ItemKind::Vfo:
      if (!HasRecord(image_, SlotKind::Vfo, item.index)) break;
      return SendVfo(item.index);
    case ItemKind::ProgramVfo:
      if (!HasRecord(image_, SlotKind::ProgramVfo, item.index)) break;
      return SendProgramVfo(item.index);
    case ItemKind::Dtmf:
      channelIndex_ = item.index;
      return SendDtmfCode();
    case ItemKind::Menu:
      if (item.index >= kMenuPC0 && item.index <= kMenuPC0 + kLastPowerBand) {
        subIndex_ = item.index - kMenuPC0;
        return Send(kStepPower, "PC " + std::to_string(subIndex_) + "," + menu.Get(item.index));
      }
      if (NarrowBandOfItem(item.index) >= 0) {
        subIndex_ = NarrowBandOfItem(item.index);
        return Send(kStepNarrow, "NAR " + std::to_string(subIndex_) + "," + menu.Get(item.index));
      }
      if (const MenuStep* entry = MenuStepOfItem(item.index)) return SendMenuStep(entry->step);
      break;
    case ItemKind::Comment:
      break;
  }
  return ItemDone();  // passed over: the whole write sends nothing for it either
}

SequenceAction WriteSequence::ItemDone() {
  ++itemsDone_;
  return NextItem();
}

SequenceAction WriteSequence::SendMemoryFirst() {
  const std::string command = "MW 0," + MemoryChannelLabel(channelIndex_);
  if (!HasRecord(image_, SlotKind::Memory, channelIndex_)) return Send(kStepEmptySlot, command);
  return Send(MemoryGroupOf(channelIndex_).firstStep,
              command + ChannelFields(image_.Channel(SlotKind::Memory, channelIndex_),
                                      ChannelField::Lockout));
}

SequenceAction WriteSequence::SendMemoryName(int step) {
  const ChannelRecord memory = image_.Channel(SlotKind::Memory, channelIndex_);
  return Send(step, "MNA " + MemoryChannelLabel(channelIndex_) + "," +
                        NameForRadio(memory[ChannelField::Name]));
}

SequenceAction WriteSequence::HandleMemory(int step) {
  if (step == kStepEmptySlot) return NextSlot();
  const int firstStep = MemoryGroupOfStep(step)->firstStep;
  switch (step - firstStep) {
    case 0: {
      const ChannelRecord memory = image_.Channel(SlotKind::Memory, channelIndex_);
      if (!memory.IsSplit()) return SendMemoryName(firstStep + 2);
      return Send(firstStep + 1, "MW 1," + MemoryChannelLabel(channelIndex_) + "," +
                                     memory.Join(ChannelField::TxFrequency, ChannelField::TxStep));
    }
    case 1:
      return SendMemoryName(firstStep + 2);
    default:
      return NextSlot();
  }
}

SequenceAction WriteSequence::NextSlot() {
  if (itemMode_) return ItemDone();
  progressPosition_ = channelIndex_;
  ++channelIndex_;
  if (channelIndex_ > kLastMemorySlot) return SendNextCall(0);
  return SendMemoryFirst();
}

SequenceAction WriteSequence::SendCall(int slot) {
  subIndex_ = slot;
  return Send(kStepCallMain,
              "CW 0" + ChannelFields(image_.Channel(SlotKind::Call, slot), ChannelField::Mode));
}

SequenceAction WriteSequence::SendVfo(int slot) {
  subIndex_ = slot;
  const ChannelRecord vfo = image_.Channel(SlotKind::Vfo, slot);
  return Send(kStepVfo,
              "VW " + std::string(vfo[ChannelField::Id]) + ChannelFields(vfo, ChannelField::Mode));
}

SequenceAction WriteSequence::SendProgramVfo(int slot) {
  subIndex_ = slot;
  const ProgramVfoRecord range = image_.ProgramVfo(slot);
  return Send(kStepProgramVfo, "PV " + std::string(range.Band()) + "," +
                                   std::string(range.Lower()) + "," + std::string(range.Upper()));
}

SequenceAction WriteSequence::SendNextCall(int from) {
  for (int slot = from; slot < kCallSlots; ++slot) {
    if (HasRecord(image_, SlotKind::Call, slot)) return SendCall(slot);
    ++progressPosition_;
  }
  return SendNextVfo(0);
}

SequenceAction WriteSequence::SendNextVfo(int from) {
  for (int slot = from; slot < kVfoSlots; ++slot) {
    if (HasRecord(image_, SlotKind::Vfo, slot)) return SendVfo(slot);
    ++progressPosition_;
  }
  return SendNextProgramVfo(0);
}

SequenceAction WriteSequence::SendNextProgramVfo(int from) {
  for (int slot = from; slot < kProgramVfoSlots; ++slot) {
    if (HasRecord(image_, SlotKind::ProgramVfo, slot)) return SendProgramVfo(slot);
    ++progressPosition_;
  }
  return StartDtmf();
}

SequenceAction WriteSequence::StartDtmf() {
  channelIndex_ = 0;
  return SendDtmfCode();
}

SequenceAction WriteSequence::SendDtmfCode() {
  const DtmfRecord dtmf = image_.Dtmf(channelIndex_);
  if (dtmf.Code().empty()) return Send(kStepDtmfCode, "DM " + TwoDigits(channelIndex_) + ",");
  return Send(kStepDtmfCode,
              "DM " + std::string(dtmf.Number()) + "," + DtmfCodeForRadio(dtmf.Code()));
}

SequenceAction WriteSequence::HandleDtmf() {
  if (itemMode_) return ItemDone();
  ++channelIndex_;
  if (channelIndex_ <= kLastDtmf) {
    ++progressPosition_;
    return SendDtmfCode();
  }
  if (scope_ == TransferScope::Memory) return SequenceAction::Finish();
  return StartMenu();
}

SequenceAction WriteSequence::StartMenu() {
  subIndex_ = 0;
  return Send(kStepPower, "PC 0," + image_.Menu().Get(kMenuPC0));
}

SequenceAction WriteSequence::HandleMenu() {
  if (itemMode_) return ItemDone();
  ++progressPosition_;
  const MenuSettings& menu = image_.Menu();
  if (step_ == kStepPower) {
    if (subIndex_ < kLastPowerBand) {
      ++subIndex_;
      return Send(kStepPower,
                  "PC " + std::to_string(subIndex_) + "," + menu.Get(kMenuPC0 + subIndex_));
    }
    subIndex_ = 0;
    return Send(kStepNarrow, "NAR 0," + menu.Get(kMenuNAR0));
  }
  if (step_ == kStepNarrow) {
    const int next = NextNarrowBand(subIndex_);
    if (next < 0) return SendMenuStep(kStepFirstMenu);
    subIndex_ = next;
    return Send(kStepNarrow, "NAR " + std::to_string(next) + "," + menu.Get(NarrowItem(next)));
  }
  const int next = NextMenuStep(step_);
  if (next < 0) return SequenceAction::Finish();
  return SendMenuStep(next);
}

SequenceAction WriteSequence::SendMenuStep(int step) {
  const MenuStep* entry = FindMenuStep(step);
  if (!entry) return SequenceAction::Finish();
  const std::string& value = image_.Menu().Get(entry->item);
  return Send(step, std::string(entry->mnemonic) + " " +
                        (entry->item == kMenuMES ? NameForRadio(value) : value));
}

std::string WriteSequence::NameForRadio(std::string_view name) const {
  return DestinationIsJ() ? std::string(name) : EncodeRadioName(name);
}

SequenceAction WriteSequence::Send(int step, std::string command) {
  // Records and menu values hold no control character (Start checks them), so no command can
  // carry a CR that would end it early.
  step_ = step;
  lastCommand_ = command;
  return SequenceAction::Send(std::move(command));
}

}  // namespace quorvan
