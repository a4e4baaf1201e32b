#include "core/rules/MemoryColumns.h"

#include <array>

#include "core/model/ChannelTables.h"
#include "core/rules/DisplayTexts.h"
#include "core/rules/FrequencyRules.h"
#include "core/rules/GridTexts.h"

namespace quorvan {

namespace {

constexpr std::array<std::string_view, kAllMemoryColumns - kShiftColumn> kHeaders{
    "Shift", "Offset/Tx", "Tone", "Mode", "Step", "Lock Out", "Power"};

// A table entry without its unit ("88.5Hz" -> "88.5").
std::string WithoutUnit(std::string_view entry, std::string_view unit) {
  if (entry.size() >= unit.size() && entry.substr(entry.size() - unit.size()) == unit) {
    entry.remove_suffix(unit.size());
  }
  return std::string(entry);
}

std::string ShiftText(const RadioImage& image, const ChannelRecord& record) {
  switch (record.Shift()) {
    case ShiftChoice::Plus:
      return "+";
    case ShiftChoice::Minus:
      return "-";
    case ShiftChoice::Split:
      return "Split";
    case ShiftChoice::Special: {
      const int band = ClassifyBand(image.Plan(), record[ChannelField::Frequency]);
      const std::string_view caption =
          SpecialShiftCaption(image.Plan(), band, ShiftCaptionContext::MemoryLoad);
      return caption.empty() ? "Special" : std::string(caption);
    }
    case ShiftChoice::Simplex:
      break;
  }
  return {};
}

std::string OffsetTxText(const ChannelRecord& record) {
  const ShiftChoice shift = record.Shift();
  if (shift == ShiftChoice::Split) return FrequencyText(record[ChannelField::TxFrequency]);
  if (shift == ShiftChoice::Simplex) return {};
  return OffsetText(record[ChannelField::Offset]);
}

std::string ToneText(const ChannelRecord& record) {
  if (record.IsOn(ChannelField::Dcs)) {
    return "DCS " + std::string(kDcsCodes[static_cast<std::size_t>(record.DcsIndex())]);
  }
  if (record.IsOn(ChannelField::Ctcss)) {
    return "CT " + WithoutUnit(kTones[static_cast<std::size_t>(record.CtcssIndex())], "Hz");
  }
  if (record.IsOn(ChannelField::Tone)) {
    return "T " + WithoutUnit(kTones[static_cast<std::size_t>(record.ToneIndex())], "Hz");
  }
  return {};
}

std::string PowerText(std::string_view power) {
  constexpr std::array<std::string_view, 3> kPowers{"High", "Low", "EL"};
  if (power.size() != 1 || power[0] < '0' || power[0] > '2') return {};
  return std::string(kPowers[static_cast<std::size_t>(power[0] - '0')]);
}

}  // namespace

std::string_view MemorySettingHeader(int column) {
  if (column < kShiftColumn || column >= kAllMemoryColumns) return {};
  return kHeaders[static_cast<std::size_t>(column - kShiftColumn)];
}

std::string MemorySettingText(const RadioImage& image, int row, int column) {
  const int slot = RowToSlot(image.Plan(), Grid::Memory, row);
  if (slot < 0) return {};
  const ChannelRecord record = image.Channel(SlotKind::Memory, slot);
  if (record.Empty()) return {};
  switch (column) {
    case kShiftColumn:
      return ShiftText(image, record);
    case kOffsetTxColumn:
      return OffsetTxText(record);
    case kToneColumn:
      return ToneText(record);
    case kModeColumn:
      return std::string(kModes[static_cast<std::size_t>(record.ModeIndex())]);
    case kStepColumn:
      return std::string(kSteps[static_cast<std::size_t>(record.StepIndex())].caption);
    case kLockoutColumn:
      return record.IsOn(ChannelField::Lockout) ? "On" : "";
    case kPowerColumn:
      return PowerText(record[ChannelField::Power]);
    default:
      return {};
  }
}

}  // namespace quorvan
