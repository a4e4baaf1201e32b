#include "core/rules/StatusTexts.h"

#include "core/model/ChannelTables.h"
#include "core/model/RecordFields.h"
#include "core/rules/DisplayTexts.h"

namespace quorvan {
namespace {

std::string OffsetPanel(std::string_view shift, std::string_view offset, std::string_view tx) {
  if (tx.size() > 1) return "Tx Frequency : " + FrequencyText(tx) + "MHz";
  if (shift == "0" || shift == "3") return {};
  if (offset.size() > 1) return "Offset : " + OffsetText(offset) + "MHz";
  return {};
}

std::string ShiftPanel(std::string_view shift, std::string_view reverse, std::string_view tx) {
  std::string text;
  if (shift == "1") {
    text = "+";
  } else if (shift == "2") {
    text = "-";
  } else if (shift == "3") {
    text = "-7.6";
  } else if (tx.size() > 1) {
    return "+-";
  }
  if (reverse == "1") text += " R";
  return text;
}

std::string SquelchPanel(const RadioImage& image, SlotKind kind, int slot) {
  auto field = [&](int n) { return image.Field(kind, slot, n); };
  if (field(kDcsField) == "1")
    return "DCS : " + std::string(TableEntry(kDcsCodes, field(kDcsIndexField)));
  if (field(kCtcssField) == "1")
    return "CT : " + std::string(TableEntry(kTones, field(kCtcssIndexField)));
  if (field(kToneField) == "1")
    return "T : " + std::string(TableEntry(kTones, field(kToneIndexField)));
  return {};
}

std::string ProgramVfoPanel(const RadioImage& image, int vfoSlot) {
  if (vfoSlot < 0 || vfoSlot >= kProgramVfoSlots) return {};
  if (image.Record(SlotKind::ProgramVfo, vfoSlot).empty()) return {};
  return "Programmable VFO : " +
         WholeNumberText(image.Field(SlotKind::ProgramVfo, vfoSlot, kProgramLowerField)) + "-" +
         WholeNumberText(image.Field(SlotKind::ProgramVfo, vfoSlot, kProgramUpperField));
}

}  // namespace

StatusPanels StatusBarTexts(const RadioImage& image, Grid activeGrid, int selectedRow) {
  StatusPanels panels;
  const int slot = RowToSlot(image.Plan(), activeGrid, selectedRow);
  if (slot < 0) return panels;
  if (activeGrid == Grid::Dtmf) {
    const std::string_view name = image.Field(SlotKind::Dtmf, slot, kDtmfNameField);
    if (!name.empty()) panels[0] = "Name : " + std::string(name);
    return panels;
  }
  const SlotKind kind = SlotKindOfGrid(activeGrid);
  const std::string_view shift = image.Field(kind, slot, kShiftField);
  const std::string_view tx = image.Field(kind, slot, kTxFrequencyField);
  panels[0] = OffsetPanel(shift, image.Field(kind, slot, kOffsetField), tx);
  panels[1] = ShiftPanel(shift, image.Field(kind, slot, kReverseField), tx);
  panels[2] = SquelchPanel(image, kind, slot);
  if (activeGrid == Grid::Vfo) panels[3] = ProgramVfoPanel(image, slot);
  return panels;
}

}  // namespace quorvan
