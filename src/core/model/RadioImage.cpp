#include "core/model/RadioImage.h"

#include <cstdio>

namespace quorvan {

namespace {
const std::string kEmpty;
}

int SlotCount(SlotKind kind) {
  switch (kind) {
    case SlotKind::Memory:
      return kMemorySlots;
    case SlotKind::Vfo:
      return kVfoSlots;
    case SlotKind::Call:
      return kCallSlots;
    case SlotKind::Dtmf:
      return kDtmfSlots;
    case SlotKind::ProgramVfo:
      return kProgramVfoSlots;
  }
  return 0;
}

std::size_t SlotCapacity(SlotKind kind) {
  switch (kind) {
    case SlotKind::Dtmf:
      return kDtmfCapacity;
    case SlotKind::ProgramVfo:
      return kProgramVfoCapacity;
    default:
      return kChannelRecordCapacity;
  }
}

std::string* RadioImage::SlotPtr(SlotKind kind, int slot) {
  if (slot < 0 || slot >= SlotCount(kind)) return nullptr;
  const auto i = static_cast<std::size_t>(slot);
  switch (kind) {
    case SlotKind::Memory:
      return &memory_[i];
    case SlotKind::Vfo:
      return &vfo_[i];
    case SlotKind::Call:
      return &call_[i];
    case SlotKind::Dtmf:
      return &dtmf_[i];
    case SlotKind::ProgramVfo:
      return &programVfo_[i];
  }
  return nullptr;
}

const std::string& RadioImage::Record(SlotKind kind, int slot) const {
  const std::string* p = const_cast<RadioImage*>(this)->SlotPtr(kind, slot);
  return p ? *p : kEmpty;
}

void RadioImage::Store(SlotKind kind, int slot, std::string_view text) {
  std::string* p = SlotPtr(kind, slot);
  if (!p) return;
  *p = std::string(text.substr(0, SlotCapacity(kind)));
}

void RadioImage::Clear() {
  for (auto& s : memory_) s.clear();
  for (auto& s : vfo_) s.clear();
  for (auto& s : call_) s.clear();
  for (auto& s : dtmf_) s.clear();
}

void RadioImage::SetComment(std::string_view text) {
  comment_ = std::string(text.substr(0, kCommentCapacity));
}

bool RadioImage::operator==(const RadioImage& other) const {
  return memory_ == other.memory_ && vfo_ == other.vfo_ && call_ == other.call_ &&
         dtmf_ == other.dtmf_ && programVfo_ == other.programVfo_ &&
         plan_.type == other.plan_.type && plan_.model == other.plan_.model &&
         plan_.limits == other.plan_.limits && menu_ == other.menu_ && comment_ == other.comment_;
}

std::string MemoryChannelLabel(int slot) {
  char buf[8];
  if (slot >= 0 && slot < kFirstLimitSlot) {
    std::snprintf(buf, sizeof buf, "%03d", slot);
    return buf;
  }
  if (slot >= kFirstLimitSlot && slot < kFirstPrioritySlot) {
    const int k = (slot - kFirstLimitSlot) / 2;
    std::snprintf(buf, sizeof buf, "%c%d", (slot % 2 == 0) ? 'L' : 'U', k);
    return buf;
  }
  if (slot == 420) return "PR1";
  if (slot == 421) return "PR2";
  if (slot >= kFirstInfoSlot && slot <= 430) {
    std::snprintf(buf, sizeof buf, "I-%d", slot - 421);
    return buf;
  }
  if (slot == 431) return "I-0";
  return {};
}

int MemorySlotOfLabel(std::string_view label) {
  const auto digit = [](char c) { return c >= '0' && c <= '9' ? c - '0' : -1; };
  if (label.size() == 3 && digit(label[0]) >= 0 && digit(label[1]) >= 0 && digit(label[2]) >= 0) {
    const int slot = digit(label[0]) * 100 + digit(label[1]) * 10 + digit(label[2]);
    return slot < kFirstLimitSlot ? slot : -1;
  }
  if (label.size() == 2 && (label[0] == 'L' || label[0] == 'U') && digit(label[1]) >= 0) {
    return kFirstLimitSlot + 2 * digit(label[1]) + (label[0] == 'U' ? 1 : 0);
  }
  if (label == "PR1" || label == "PR2") return kFirstPrioritySlot + (label[2] - '1');
  if (label.size() == 3 && label[0] == 'I' && label[1] == '-' && digit(label[2]) >= 0) {
    // I-1 .. I-9 are slots 422-430, I-0 is slot 431.
    return digit(label[2]) == 0 ? kMemorySlots - 1 : kFirstInfoSlot + digit(label[2]) - 1;
  }
  return -1;
}

int VfoLabelToSlot(std::string_view label) {
  static constexpr std::array<std::pair<std::string_view, int>, 16> kTable{{
      {"A_144MHz", 0},
      {"A_220MHz", 1},
      {"A_430MHz", 2},
      {"A_440MHz", 2},
      {"A_1200MHz", 3},
      {"B_AM", 4},
      {"B_HF", 5},
      {"B_50MHz", 6},
      {"B_FM", 7},
      {"B_118MHz", 8},
      {"B_144MHz", 9},
      {"B_TV-VHF", 10},
      {"B_220MHz", 11},
      {"B_200MHz", 11},
      {"B_430MHz", 12},
      {"B_440MHz", 12},
  }};
  for (const auto& [text, slot] : kTable) {
    if (text == label) return slot;
  }
  if (label == "B_TV-UHF") return 13;
  return 14;
}

int CallLabelToSlot(std::string_view label) {
  if (label == "220MHz") return 1;
  if (label == "430MHz" || label == "440MHz") return 2;
  if (label == "1200MHz") return 3;
  return 0;
}

}  // namespace quorvan
