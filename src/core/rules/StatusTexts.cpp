#include "core/rules/StatusTexts.h"

#include "core/messages/MessagePatterns.h"
#include "core/model/ChannelTables.h"
#include "core/rules/DisplayTexts.h"

namespace quorvan {
namespace {

std::string OffsetPanel(std::string_view shift, std::string_view offset, std::string_view tx) {
  if (tx.size() > 1) return FillIn(pattern::kTxFrequencyPanel, {FrequencyText(tx)});
  if (shift == "0" || shift == "3") return {};
  if (offset.size() > 1) return FillIn(pattern::kOffsetPanel, {OffsetText(offset)});
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

std::string SquelchPanel(const ChannelRecord& record) {
  if (record.IsOn(ChannelField::Dcs))
    return "DCS : " + std::string(TableEntry(kDcsCodes, record[ChannelField::DcsIndex]));
  if (record.IsOn(ChannelField::Ctcss))
    return "CT : " + std::string(TableEntry(kTones, record[ChannelField::CtcssIndex]));
  if (record.IsOn(ChannelField::Tone))
    return "T : " + std::string(TableEntry(kTones, record[ChannelField::ToneIndex]));
  return {};
}

std::string ProgramVfoPanel(const RadioImage& image, int vfoSlot) {
  if (vfoSlot < 0 || vfoSlot >= kProgramVfoSlots) return {};
  const ProgramVfoRecord range = image.ProgramVfo(vfoSlot);
  if (range.Empty()) return {};
  return FillIn(pattern::kProgramVfoPanel,
                {WholeNumberText(range.Lower()), WholeNumberText(range.Upper())});
}

}  // namespace

StatusPanels StatusBarTexts(const RadioImage& image, Grid activeGrid, int selectedRow) {
  StatusPanels panels;
  const int slot = RowToSlot(image.Plan(), activeGrid, selectedRow);
  if (slot < 0) return panels;
  if (activeGrid == Grid::Dtmf) {
    const DtmfRecord dtmf = image.Dtmf(slot);
    if (!dtmf.Name().empty()) panels[0] = FillIn(pattern::kNamePanel, {dtmf.Name()});
    return panels;
  }
  const ChannelRecord record = image.Channel(SlotKindOfGrid(activeGrid), slot);
  const std::string_view shift = record[ChannelField::Shift];
  const std::string_view tx = record[ChannelField::TxFrequency];
  panels[0] = OffsetPanel(shift, record[ChannelField::Offset], tx);
  panels[1] = ShiftPanel(shift, record[ChannelField::Reverse], tx);
  panels[2] = SquelchPanel(record);
  if (activeGrid == Grid::Vfo) panels[3] = ProgramVfoPanel(image, slot);
  return panels;
}

}  // namespace quorvan
