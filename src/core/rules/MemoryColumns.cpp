#include "core/rules/MemoryColumns.h"

#include <array>

#include "core/messages/Translatable.h"
#include "core/model/ChannelTables.h"
#include "core/rules/DisplayTexts.h"
#include "core/rules/FrequencyRules.h"
#include "core/rules/GridTexts.h"

namespace quorvan {

namespace {

constexpr std::array<std::string_view, kAllMemoryColumns - kShiftColumn> kHeaders{
    QT_TRANSLATE_NOOP("Messages", "Shift"), QT_TRANSLATE_NOOP("Messages", "Offset/Tx"),
    QT_TRANSLATE_NOOP("Messages", "Tone"),  QT_TRANSLATE_NOOP("Messages", "Mode"),
    QT_TRANSLATE_NOOP("Messages", "Step"),  QT_TRANSLATE_NOOP("Messages", "Lock Out"),
    QT_TRANSLATE_NOOP("Messages", "Power")};

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
  if (record.IsOn(ChannelField::Dcs)) return ToneCellText(ToneKind::Dcs, record.DcsIndex());
  if (record.IsOn(ChannelField::Ctcss)) return ToneCellText(ToneKind::Ctcss, record.CtcssIndex());
  if (record.IsOn(ChannelField::Tone)) return ToneCellText(ToneKind::Tone, record.ToneIndex());
  return {};
}

}  // namespace

std::string ToneCellText(ToneKind kind, int index) {
  const auto i = static_cast<std::size_t>(index);
  // The tone table's entries end in "Hz", which the cell leaves out.
  const auto tone = [i] {
    const std::string_view entry = i < kTones.size() ? kTones[i] : std::string_view();
    return std::string(entry.substr(0, entry.size() >= 2 ? entry.size() - 2 : 0));
  };
  switch (kind) {
    case ToneKind::Tone:
      return "T " + tone();
    case ToneKind::Ctcss:
      return "CT " + tone();
    case ToneKind::Dcs:
      return i < kDcsCodes.size() ? "DCS " + std::string(kDcsCodes[i]) : "DCS ";
    case ToneKind::Off:
      break;
  }
  return {};
}

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
      return std::string(PowerCaption(record[ChannelField::Power]));
    default:
      return {};
  }
}

}  // namespace quorvan
