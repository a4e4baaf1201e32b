#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/model/BandPlan.h"
#include "core/model/ChannelRecord.h"
#include "core/model/DtmfRecord.h"
#include "core/model/MenuSettings.h"
#include "core/model/ProgramVfoRecord.h"

namespace quorvan {

enum class SlotKind { Memory, Vfo, Call, Dtmf, ProgramVfo };

constexpr int kMemorySlots = 432;
constexpr int kVfoSlots = 15;
constexpr int kCallSlots = 4;
constexpr int kDtmfSlots = 10;
constexpr int kProgramVfoSlots = 4;

constexpr int kFirstLimitSlot = 400;     // L0, U0, ... L9, U9
constexpr int kFirstPrioritySlot = 420;  // PR1, PR2
constexpr int kFirstInfoSlot = 422;      // I-1 ... I-9, I-0
constexpr int kOrdinaryMemorySlots = 400;

constexpr std::size_t kChannelRecordCapacity = 99;
constexpr std::size_t kDtmfCapacity = 29;
constexpr std::size_t kProgramVfoCapacity = 14;
constexpr std::size_t kCommentCapacity = 50;

int SlotCount(SlotKind kind);
std::size_t SlotCapacity(SlotKind kind);

// The document: every record as the radio's own text, the band plan, the menu and the comment.
// Stores take text as handed over without checking its form; the empty text is an empty slot.
class RadioImage {
 public:
  // The record in a slot; an index outside the kind's range reads as empty.
  const std::string& Record(SlotKind kind, int slot) const;
  // Replaces a slot's record. Out-of-range slots are ignored and text beyond the slot's
  // capacity is cut, so no producer can overfill a slot.
  void Store(SlotKind kind, int slot, std::string_view text);
  // A slot's record taken apart: a memory, VFO or CALL channel, a DTMF memory, a program VFO.
  ChannelRecord Channel(SlotKind kind, int slot) const {
    return ChannelRecord::Parse(Record(kind, slot));
  }
  DtmfRecord Dtmf(int slot) const { return DtmfRecord::Parse(Record(SlotKind::Dtmf, slot)); }
  ProgramVfoRecord ProgramVfo(int slot) const {
    return ProgramVfoRecord::Parse(Record(SlotKind::ProgramVfo, slot));
  }

  // Empties the memory, VFO, CALL and DTMF slots; program VFOs, plan, menu, comment stay.
  void Clear();

  BandPlan& Plan() { return plan_; }
  const BandPlan& Plan() const { return plan_; }
  MenuSettings& Menu() { return menu_; }
  const MenuSettings& Menu() const { return menu_; }

  const std::string& Comment() const { return comment_; }
  void SetComment(std::string_view text);

  bool operator==(const RadioImage& other) const;
  bool operator!=(const RadioImage& other) const { return !(*this == other); }

 private:
  std::array<std::string, kMemorySlots> memory_{};
  std::array<std::string, kVfoSlots> vfo_{};
  std::array<std::string, kCallSlots> call_{};
  std::array<std::string, kDtmfSlots> dtmf_{};
  std::array<std::string, kProgramVfoSlots> programVfo_{};
  BandPlan plan_;
  MenuSettings menu_;
  std::string comment_;

  std::string* SlotPtr(SlotKind kind, int slot);
};

// The label a memory slot carries in commands and files: "000".."399", "L0", "U0" .. "U9",
// "PR1", "PR2", "I-1" .. "I-9", "I-0". Empty for an index outside 0-431.
std::string MemoryChannelLabel(int slot);
// The memory slot a label names, or -1 for any other text.
int MemorySlotOfLabel(std::string_view label);

// VFO and CALL grid labels back to slots (unknown labels give 14 and 0).
int VfoLabelToSlot(std::string_view label);
int CallLabelToSlot(std::string_view label);

// Default VFO, CALL and program VFO records for the image's plan.
void ApplyBandPlanDefaults(RadioImage& image);
// Default information channels (slots 422-431) for destinations J and K.
void ApplyIChannelDefaults(RadioImage& image);

// The document New gives: plan as handed in, cleared image with every default applied.
RadioImage MakeNewDocument(const BandPlan& plan);

}  // namespace quorvan
