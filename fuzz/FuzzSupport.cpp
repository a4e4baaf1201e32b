#include "FuzzSupport.h"

#include <array>
#include <cstdio>

#include "core/model/MenuSettings.h"

namespace quorvan::fuzz {

namespace {

// Each record command is built into a 100-byte buffer on the radio's side.
constexpr std::size_t kCommandCapacity = 99;
constexpr std::size_t kLongestRadioDetail = 200;
// The bar may run a few steps past its maximum near the end of a transfer.
constexpr int kProgressOvershoot = 50;

bool IsKnownProgressMaximum(int maximum) {
  return maximum == 0 || maximum == 37 || maximum == 461 || maximum == 498;
}

bool HasNul(std::string_view text) { return text.find('\0') != std::string_view::npos; }

void RequireSlotsFit(const RadioImage& image, SlotKind kind) {
  for (int slot = 0; slot < SlotCount(kind); ++slot) {
    const std::string& record = image.Record(kind, slot);
    Require(record.size() <= SlotCapacity(kind), "record longer than its slot");
    Require(!HasNul(record), "record holds a NUL byte");
  }
}

}  // namespace

void Fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::fflush(stderr);
  __builtin_trap();
}

BandPlan PlanOfChoice(std::uint8_t choice) {
  struct Variant {
    const char* type;
    const char* model;
  };
  static constexpr std::array<Variant, kPlanChoices> kVariants{{
      {kSetupChoices[0].type, kSetupChoices[0].model},
      {kSetupChoices[1].type, kSetupChoices[1].model},
      {kSetupChoices[2].type, kSetupChoices[2].model},
      {kSetupChoices[3].type, kSetupChoices[3].model},
      {"KK,0F", kModelCirra},
      {"JJ,00", kModelBelto},
      {"ME,09", kModelCirra},
      {"EE,01", kModelBelto},
  }};
  const Variant& variant = kVariants[choice % kVariants.size()];
  return MakeDefaultBandPlan(variant.type, variant.model);
}

void RequireWithinCapacities(const RadioImage& image) {
  for (const SlotKind kind :
       {SlotKind::Memory, SlotKind::Vfo, SlotKind::Call, SlotKind::Dtmf, SlotKind::ProgramVfo}) {
    RequireSlotsFit(image, kind);
  }
  for (int item = 0; item < kMenuItemCount; ++item) {
    Require(image.Menu().Get(item).size() <= MenuItemCapacity(item), "menu value too long");
  }
  Require(image.Comment().size() <= kCommentCapacity, "comment too long");
  const BandPlan& plan = image.Plan();
  Require(plan.type.size() <= kTypeCapacity, "type code too long");
  Require(plan.model.size() <= kModelCapacity, "model too long");
  for (const std::string& limit : plan.limits) {
    Require(limit.size() <= kBandLimitCapacity, "band limit too long");
  }
}

void SequenceDriver::Start() {
  const SequenceAction action = sequence_.Start();
  Require(action.kind == SequenceAction::Kind::Send, "a sequence starts by sending");
  Require(action.command == "VOX 0", "the first command is VOX 0");
  Check(action);
}

SequenceAction SequenceDriver::Reply(std::string_view waitingBytes) {
  const SequenceAction action = sequence_.OnReply(waitingBytes);
  if (finished_) {
    Require(action.kind == SequenceAction::Kind::Finish, "a finished sequence stays finished");
    return action;
  }
  if (cancelled_) Require(action.kind == SequenceAction::Kind::Finish, "Cancel not honoured");
  Check(action);
  return action;
}

void SequenceDriver::Cancel() {
  sequence_.Cancel();
  Require(sequence_.CancelRequested(), "Cancel not recorded");
  cancelled_ = true;
}

void SequenceDriver::DrainWithEmptyReplies() {
  for (int i = 0; i <= kMostCommandsPerTransfer && !finished_; ++i) Reply("\r");
  Require(finished_, "sequence did not finish within one transfer's worth of replies");
}

void SequenceDriver::Check(const SequenceAction& action) {
  const int maximum = sequence_.ProgressMaximum();
  const int position = sequence_.ProgressPosition();
  Require(IsKnownProgressMaximum(maximum), "unexpected progress maximum");
  Require(position >= lastPosition_, "progress went backwards");
  Require(position <= maximum + kProgressOvershoot, "progress far past its maximum");
  lastPosition_ = position;

  if (action.kind != SequenceAction::Kind::Send) {
    Require(action.command.empty(), "a finishing action carries a command");
    if (action.kind == SequenceAction::Kind::InvalidRadio) {
      // What the radio answered goes into a message box and onto a terminal as one short line.
      Require(!action.message.empty() && action.message.size() <= kLongestRadioDetail,
              "an invalid radio's message is empty or long");
      for (const char c : action.message) {
        Require(c >= 0x20 && c < 0x7F, "an invalid radio's message holds an unprintable byte");
      }
    }
    finished_ = true;
    end_ = action.kind;
    return;
  }
  ++sends_;
  Require(sends_ <= kMostCommandsPerTransfer, "more commands than one transfer holds");
  const std::string& command = action.command;
  Require(!command.empty(), "empty command");
  Require(command.size() <= kCommandCapacity, "command longer than the command buffer");
  Require(command.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
          "command holds a line end or NUL");
  lastCommand_ = command;
}

}  // namespace quorvan::fuzz
