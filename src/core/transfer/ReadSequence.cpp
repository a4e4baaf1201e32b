#include "core/transfer/ReadSequence.h"

#include <cstdio>
#include <utility>

#include "core/model/RadioForms.h"
#include "core/model/RadioNameCoding.h"
#include "core/model/RecordForm.h"

namespace quorvan {

namespace {

constexpr int kLastMemorySlot = kMemorySlots - 1;
constexpr int kLastCall = kCallSlots - 1;
constexpr int kLastVfo = kVfoSlots - 1;
constexpr int kLastProgramVfo = kProgramVfoSlots - 1;
constexpr int kLastDtmf = kDtmfSlots - 1;
// A channel text shorter than this is the radio's answer for an empty slot.
constexpr std::size_t kMinChannelText = 5;
constexpr std::size_t kMinCallText = 3;
constexpr std::size_t kMinDtmfText = 4;

// A radio that sends malformed records is broken; the read stops rather than leave the document
// with a record that can be neither saved and opened again nor written back.
std::string MalformedMessage(const std::string& item, const std::string& problem) {
  return "The radio sent a malformed record for " + item + ": " + problem +
         ".\nPlease check the radio and try again.";
}

std::string Formatted(const char* format, int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

}  // namespace

void CompleteUnreadParts(RadioImage& image, TransferScope scope) {
  if (scope == TransferScope::Memory) {
    ApplyMenuDefaults(image.Menu(), image.Plan());
  } else if (scope == TransferScope::Menu) {
    RadioImage fresh = MakeNewDocument(image.Plan());
    fresh.Menu() = image.Menu();
    fresh.SetComment(image.Comment());
    image = std::move(fresh);
  }
}

ReadSequence::ReadSequence(RadioImage& image, TransferScope scope) : image_(image), scope_(scope) {}

ReadSequence::ReadSequence(RadioImage& image, const ItemSet& items)
    : image_(image), scope_(TransferScope::All), itemMode_(true), queue_(ExchangeOrder(items)) {}

SequenceAction ReadSequence::Start() {
  progressPosition_ = 0;
  channelIndex_ = 0;
  subIndex_ = 0;
  cancelRequested_ = false;
  started_ = true;
  finished_ = false;
  nextItem_ = 0;
  itemsDone_ = 0;
  return Send(kStepVox);
}

SequenceAction ReadSequence::StartIdentified() {
  Start();
  if (!itemMode_) return SequenceAction::Finish();
  progressMaximum_ = static_cast<int>(queue_.size());
  SequenceAction action = NextItem();
  if (action.kind != SequenceAction::Kind::Send) finished_ = true;
  return action;
}

void ReadSequence::Cancel() { cancelRequested_ = true; }

SequenceAction ReadSequence::OnReply(std::string_view waitingBytes) {
  if (!started_ || finished_) return SequenceAction::Finish();
  if (cancelRequested_) step_ = kStepCancelled;
  // Read afresh: from the band lists on, this is the radio just identified.
  destination_ = image_.Plan().DestinationLetter();
  // Items only: the identification replies are checked whole, as a write checks them.
  const bool whole = itemMode_ && (step_ == kStepIdentify || step_ == kStepType);
  const std::string reply =
      whole ? CollectReplyText(waitingBytes, 0, kWriteReplyTextCapacity)
            : CollectReplyText(waitingBytes, EchoLength(step_), kReplyTextCapacity);
  // Kept whole for the message should the radio's identification not be one the read takes.
  if (step_ == kStepIdentify || step_ == kStepType) answer_ = RadioAnsweredDetail(waitingBytes);
  SequenceAction action = HandleReply(reply);
  if (action.kind != SequenceAction::Kind::Send) finished_ = true;
  return action;
}

SequenceAction ReadSequence::HandleReply(const std::string& reply) {
  if (step_ == kStepCancelled) return SequenceAction::Finish();
  if (const MemoryGroup* group = MemoryGroupOfStep(step_)) return HandleMemory(*group, reply);
  switch (step_) {
    case kStepVox:
    case kStepIdentify:
    case kStepType:
    case kStepBandList:
      return HandleIdentification(reply);
    case kStepCallMain:
    case kStepCallSplit:
      return HandleCall(reply);
    case kStepVfo:
    case kStepProgramVfo:
      return HandleListEntry(reply);
    case kStepDtmfCode:
    case kStepDtmfName:
      return HandleDtmf(reply);
    default:
      return HandleMenu(reply);
  }
}

SequenceAction ReadSequence::HandleIdentification(const std::string& reply) {
  if (itemMode_) return HandleItemIdentification(reply);
  switch (step_) {
    case kStepVox:
      return Send(kStepIdentify);
    case kStepIdentify:
      if (reply != kModelArven && reply != kModelBelto) return SequenceAction::Invalid(answer_);
      identifiedModel_ = reply;
      progressMaximum_ = ProgressMaximumOf(scope_);
      return Send(kStepType);
    case kStepType:
      // Nothing is stored until the radio has told both what it is and where it is sold.
      if (!IsTypeCode(reply)) return SequenceAction::Invalid(answer_);
      image_.Plan().model = identifiedModel_;
      ResetByScope();
      image_.Plan().type = reply;
      subIndex_ = 0;
      return Send(kStepBandList);
    default:
      ReplaceLimitsFromRadio(image_.Plan(), subIndex_, reply);
      if (subIndex_ == 0) {
        subIndex_ = 1;
        return Send(kStepBandList);
      }
      channelIndex_ = 0;
      if (scope_ == TransferScope::Menu) {
        subIndex_ = 0;
        return Send(kStepPower);
      }
      return Send(MemoryGroupOf(0).firstStep);
  }
}

SequenceAction ReadSequence::HandleItemIdentification(const std::string& reply) {
  switch (step_) {
    case kStepVox:
      return Send(kStepIdentify);
    case kStepIdentify:
      if (!IsIdentityReply(reply)) return SequenceAction::Invalid(answer_);
      progressMaximum_ = static_cast<int>(queue_.size());
      return Send(kStepType);
    default:
      if (!IsTypeReplyFor(reply, image_.Plan().type)) {
        return SequenceAction::Invalid(TypeRefusalDetail(reply, image_.Plan().type, answer_));
      }
      return NextItem();
  }
}

SequenceAction ReadSequence::NextItem() {
  if (nextItem_ >= queue_.size()) return SequenceAction::Finish();
  const ItemRef item = queue_[nextItem_++];
  switch (item.kind) {
    case ItemKind::Memory:
      channelIndex_ = item.index;
      return Send(MemoryGroupOf(item.index).firstStep);
    case ItemKind::Call:
      subIndex_ = item.index;
      return Send(kStepCallMain);
    case ItemKind::Vfo:
      subIndex_ = item.index;
      return Send(kStepVfo);
    case ItemKind::ProgramVfo:
      subIndex_ = item.index;
      return Send(kStepProgramVfo);
    case ItemKind::Dtmf:
      channelIndex_ = item.index;
      return Send(kStepDtmfCode);
    case ItemKind::Menu:
      if (item.index >= kMenuPC0 && item.index <= kMenuPC0 + kLastPowerBand) {
        subIndex_ = item.index - kMenuPC0;
        return Send(kStepPower);
      }
      if (NarrowBandOfItem(item.index) >= 0) {
        subIndex_ = NarrowBandOfItem(item.index);
        return Send(kStepNarrow);
      }
      if (const MenuStep* entry = MenuStepOfItem(item.index)) return Send(entry->step);
      return ItemDone();
    case ItemKind::Comment:
      break;
  }
  return ItemDone();  // nothing the radio holds
}

SequenceAction ReadSequence::ItemDone() {
  ++itemsDone_;
  return NextItem();
}

void ReadSequence::ResetByScope() {
  if (scope_ != TransferScope::Menu) {
    image_.Clear();
    ApplyBandPlanDefaults(image_);
  }
  if (scope_ != TransferScope::Memory) ApplyMenuDefaults(image_.Menu(), image_.Plan());
}

SequenceAction ReadSequence::HandleMemory(const MemoryGroup& group, const std::string& reply) {
  const int part = step_ - group.firstStep;
  if (part == 0) {
    if (reply.size() < kMinChannelText) {
      // A full read reset the slot already; a read of items replaces what the image held.
      if (itemMode_) image_.Store(SlotKind::Memory, channelIndex_, "");
      return FinishSlot(group);
    }
    std::string channel = reply;
    if (DestinationIsJ()) ApplyBroadcastFix(channel, channelIndex_);
    recordBuffer_.clear();
    AppendToRecord(channel);
    return Send(step_ + 1);
  }
  if (part == 1) {
    // The L/U channels answer with their label even without a split part.
    const bool noSplit = group.firstStep == 6 ? reply.size() < kMinChannelText : reply.empty();
    if (noSplit) {
      AppendToRecord(",,");
    } else {
      AppendToRecord(",");
      AppendToRecord(reply);
    }
    return Send(step_ + 1);
  }
  AppendToRecord(",,");
  AppendToRecord(DestinationIsJ() ? reply : DecodeRadioName(reply));
  const std::string stop = StoreRecord(SlotKind::Memory, channelIndex_);
  if (!stop.empty()) return SequenceAction::Malformed(stop);
  return FinishSlot(group);
}

SequenceAction ReadSequence::FinishSlot(const MemoryGroup& group) {
  if (itemMode_) return ItemDone();
  progressPosition_ = channelIndex_;
  ++channelIndex_;
  if (channelIndex_ > kLastMemorySlot) {
    subIndex_ = 0;
    return Send(kStepCallMain);
  }
  if (channelIndex_ <= group.lastSlot) return Send(group.firstStep);
  return Send(MemoryGroupOf(channelIndex_).firstStep);
}

SequenceAction ReadSequence::HandleCall(const std::string& reply) {
  if (step_ == kStepCallMain) {
    if (reply.size() < kMinCallText) {
      image_.Store(SlotKind::Call, subIndex_, "");
      return NextCall();
    }
    recordBuffer_.clear();
    AppendToRecord(std::to_string(subIndex_));
    AppendToRecord(",");
    AppendToRecord(reply);
    return Send(kStepCallSplit);
  }
  if (reply.empty()) {
    AppendToRecord(",,,,");
  } else {
    AppendToRecord(",,");
    AppendToRecord(reply);
    AppendToRecord(",");
  }
  const std::string stop = StoreRecord(SlotKind::Call, subIndex_);
  if (!stop.empty()) return SequenceAction::Malformed(stop);
  return NextCall();
}

SequenceAction ReadSequence::NextCall() {
  if (itemMode_) return ItemDone();
  ++progressPosition_;
  if (subIndex_ < kLastCall) {
    ++subIndex_;
    return Send(kStepCallMain);
  }
  subIndex_ = 0;
  return Send(kStepVfo);
}

SequenceAction ReadSequence::HandleListEntry(const std::string& reply) {
  ++progressPosition_;
  if (step_ == kStepVfo) {
    recordBuffer_.clear();
    if (!reply.empty()) {
      AppendToRecord(reply);
      AppendToRecord(",,,,,");
    }
    const std::string stop = StoreRecord(SlotKind::Vfo, subIndex_);
    if (!stop.empty()) return SequenceAction::Malformed(stop);
    if (itemMode_) return ItemDone();
    if (subIndex_ < kLastVfo) {
      ++subIndex_;
      return Send(kStepVfo);
    }
    subIndex_ = 0;
    return Send(kStepProgramVfo);
  }
  recordBuffer_.clear();
  AppendToRecord(reply);
  const std::string stop = StoreRecord(SlotKind::ProgramVfo, subIndex_);
  if (!stop.empty()) return SequenceAction::Malformed(stop);
  if (itemMode_) return ItemDone();
  if (subIndex_ < kLastProgramVfo) {
    ++subIndex_;
    return Send(kStepProgramVfo);
  }
  channelIndex_ = 0;
  return Send(kStepDtmfCode);
}

SequenceAction ReadSequence::HandleDtmf(const std::string& reply) {
  if (step_ == kStepDtmfCode) {
    if (reply.size() < kMinDtmfText) {
      if (itemMode_) image_.Store(SlotKind::Dtmf, channelIndex_, "");
      return NextDtmf();
    }
    recordBuffer_.clear();
    AppendToRecord(DtmfCodeFromRadio(reply));
    return Send(kStepDtmfName);
  }
  AppendToRecord(",");
  if (!reply.empty()) AppendToRecord(DestinationIsJ() ? reply : DecodeRadioName(reply));
  const std::string stop = StoreRecord(SlotKind::Dtmf, channelIndex_);
  if (!stop.empty()) return SequenceAction::Malformed(stop);
  return NextDtmf();
}

SequenceAction ReadSequence::NextDtmf() {
  if (itemMode_) return ItemDone();
  ++progressPosition_;
  ++channelIndex_;
  if (channelIndex_ <= kLastDtmf) return Send(kStepDtmfCode);
  if (scope_ == TransferScope::Memory) return SequenceAction::Finish();
  subIndex_ = 0;
  return Send(kStepPower);
}

SequenceAction ReadSequence::HandleMenu(const std::string& reply) {
  ++progressPosition_;
  if (step_ == kStepPower) {
    if (const std::string stop = StoreMenuValue(kMenuPC0 + subIndex_, reply); !stop.empty()) {
      return SequenceAction::Malformed(stop);
    }
    if (itemMode_) return ItemDone();
    if (subIndex_ < kLastPowerBand) {
      ++subIndex_;
      return Send(kStepPower);
    }
    subIndex_ = 0;
    return Send(kStepNarrow);
  }
  if (step_ == kStepNarrow) {
    if (const std::string stop = StoreMenuValue(NarrowItem(subIndex_), reply); !stop.empty()) {
      return SequenceAction::Malformed(stop);
    }
    if (itemMode_) return ItemDone();
    const int next = NextNarrowBand(subIndex_);
    if (next >= 0) {
      subIndex_ = next;
      return Send(kStepNarrow);
    }
    return Send(kStepFirstMenu);
  }
  const MenuStep* entry = FindMenuStep(step_);
  if (!entry) return SequenceAction::Finish();
  const bool isName = entry->item == kMenuMES && !DestinationIsJ();
  if (const std::string stop = StoreMenuValue(entry->item, isName ? DecodeRadioName(reply) : reply);
      !stop.empty()) {
    return SequenceAction::Malformed(stop);
  }
  if (itemMode_) return ItemDone();
  const int next = NextMenuStep(step_);
  if (next < 0) return SequenceAction::Finish();
  return Send(next);
}

std::string ReadSequence::StoreRecord(SlotKind kind, int slot) {
  const std::string problem = RecordProblem(kind, slot, recordBuffer_);
  if (!problem.empty()) return MalformedMessage(RecordItemName(kind, slot), problem);
  image_.Store(kind, slot, recordBuffer_);
  return {};
}

std::string ReadSequence::StoreMenuValue(int item, std::string_view value) {
  // The menu keeps what fits an item, as it does for every value it is given.
  value = value.substr(0, MenuItemCapacity(item));
  const std::string problem = MenuValueProblem(item, value);
  if (!problem.empty()) return MalformedMessage(MenuItemName(item), problem);
  image_.Menu().Set(item, value);
  return {};
}

void ReadSequence::AppendToRecord(std::string_view text) {
  const std::size_t room = kRecordBufferCapacity - recordBuffer_.size();
  recordBuffer_.append(text.substr(0, room));
}

std::string ReadSequence::CommandFor(int step) const {
  if (const MemoryGroup* group = MemoryGroupOfStep(step)) {
    static constexpr const char* kPrefixes[] = {"MR 0,", "MR 1,", "MNA "};
    return kPrefixes[step - group->firstStep] + MemoryChannelLabel(channelIndex_);
  }
  if (const MenuStep* entry = FindMenuStep(step)) return std::string(entry->mnemonic);
  switch (step) {
    case kStepVox:
      return "VOX 0";
    case kStepIdentify:
      return "ID";
    case kStepType:
      return "TYD";
    case kStepBandList:
      return Formatted("FL %d", subIndex_);
    case kStepCallMain:
      return Formatted("CR %d,0", subIndex_);
    case kStepCallSplit:
      return Formatted("CR %d,1", subIndex_);
    case kStepVfo:
      return Formatted("VR %X", subIndex_);
    case kStepProgramVfo:
      return Formatted("PV %d", subIndex_);
    case kStepDtmfCode:
      return Formatted("DM %02d", channelIndex_);
    case kStepDtmfName:
      return Formatted("DMN %02d", channelIndex_);
    case kStepPower:
      return Formatted("PC %01d", subIndex_);
    case kStepNarrow:
      return Formatted("NAR %d", subIndex_);
    default:
      return {};
  }
}

SequenceAction ReadSequence::Send(int step) {
  step_ = step;
  lastCommand_ = CommandFor(step);
  return SequenceAction::Send(lastCommand_);
}

}  // namespace quorvan
