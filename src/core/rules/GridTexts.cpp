#include "core/rules/GridTexts.h"

#include <array>

#include "core/messages/Translatable.h"
#include "core/rules/DisplayTexts.h"

namespace quorvan {
namespace {

// Bands that only some plans have: A-band 220 MHz (slot 1) and 1200 MHz (slot 3). The rows,
// their labels and the row/slot mapping all follow the same two tests, so they cannot disagree.
bool HasSlot1(const BandPlan& plan) { return plan.HasA220(); }
bool HasSlot3(const BandPlan& plan) { return plan.IsCirra(); }

int BandRowToSlot(const BandPlan& plan, int row, int rowCount) {
  if (row < 1 || row > rowCount) return -1;
  int slot = row - 1;
  if (!HasSlot1(plan) && slot > 0) ++slot;
  if (!HasSlot3(plan) && slot > 2) ++slot;
  return slot;
}

int BandSlotToRow(const BandPlan& plan, int slot, int slotCount) {
  if (slot < 0 || slot >= slotCount) return -1;
  if ((slot == 1 && !HasSlot1(plan)) || (slot == 3 && !HasSlot3(plan))) return -1;
  int row = slot + 1;
  if (!HasSlot3(plan) && slot > 3) --row;
  if (!HasSlot1(plan) && slot > 1) --row;
  return row;
}

std::string MemoryRowLabel(int slot) {
  if (slot == kFirstPrioritySlot) return "Pr1";
  if (slot == kFirstPrioritySlot + 1) return "Pr2";
  return MemoryChannelLabel(slot);
}

std::string FrequencyCell(std::string_view frequency) {
  return frequency.size() > 1 ? FrequencyText(frequency) : std::string();
}

std::string MemoryCell(const RadioImage& image, int slot, int column) {
  const ChannelRecord record = image.Channel(SlotKind::Memory, slot);
  if (record.Empty()) return {};
  switch (column) {
    case kMarkColumn:
      return record.IsOn(ChannelField::Lockout) ? "*" : "";
    case kValueColumn:
      return FrequencyText(record[ChannelField::Frequency]);
    case kNameColumn:
      return std::string(record[ChannelField::Name]);
    default:
      return {};
  }
}

}  // namespace

int ColumnCount(Grid grid) {
  switch (grid) {
    case Grid::Memory:
      return 4;
    case Grid::Vfo:
    case Grid::Call:
    case Grid::Dtmf:
      return 3;
    default:
      return 0;
  }
}

int DataRowCount(const BandPlan& plan, Grid grid) {
  const int optional = (HasSlot1(plan) ? 1 : 0) + (HasSlot3(plan) ? 1 : 0);
  switch (grid) {
    case Grid::Memory:
      return kMemorySlots;
    case Grid::Vfo:
      return kVfoSlots - 2 + optional;
    case Grid::Call:
      return kCallSlots - 2 + optional;
    case Grid::Dtmf:
      return kDtmfSlots;
    default:
      return 0;
  }
}

std::string_view HeaderText(Grid grid, int column) {
  static constexpr std::array<std::array<std::string_view, 4>, 5> kHeaders{{
      {"", "", "", ""},
      {"", QT_TRANSLATE_NOOP("Messages", " ch."), QT_TRANSLATE_NOOP("Messages", " Rx(Tx) Freq."),
       QT_TRANSLATE_NOOP("Messages", " Name")},
      {"", QT_TRANSLATE_NOOP("Messages", " Band"), QT_TRANSLATE_NOOP("Messages", " Freq."), ""},
      {"", QT_TRANSLATE_NOOP("Messages", " Band"), QT_TRANSLATE_NOOP("Messages", " Rx(Tx) Freq."),
       ""},
      {"", QT_TRANSLATE_NOOP("Messages", " No."), QT_TRANSLATE_NOOP("Messages", " DTMF Code"), ""},
  }};
  const int g = static_cast<int>(grid);
  if (g < 1 || g > 4 || column < 0 || column >= ColumnCount(grid)) return {};
  return kHeaders[static_cast<std::size_t>(g)][static_cast<std::size_t>(column)];
}

std::vector<std::string_view> VfoRowLabels(const BandPlan& plan) {
  std::vector<std::string_view> labels;
  const int rows = DataRowCount(plan, Grid::Vfo);
  for (int row = 1; row <= rows; ++row) {
    labels.push_back(VfoBandName(plan, RowToSlot(plan, Grid::Vfo, row)));
  }
  return labels;
}

std::vector<std::string_view> CallRowLabels(const BandPlan& plan) {
  std::vector<std::string_view> labels;
  const int rows = DataRowCount(plan, Grid::Call);
  for (int row = 1; row <= rows; ++row) {
    labels.push_back(CallBandName(plan, RowToSlot(plan, Grid::Call, row)));
  }
  return labels;
}

std::string RowLabel(const BandPlan& plan, Grid grid, int row) {
  const int slot = RowToSlot(plan, grid, row);
  if (slot < 0) return {};
  switch (grid) {
    case Grid::Memory:
      return MemoryRowLabel(slot);
    case Grid::Vfo:
      return std::string(VfoBandName(plan, slot));
    case Grid::Call:
      return std::string(CallBandName(plan, slot));
    case Grid::Dtmf:
      return std::to_string(slot);
    default:
      return {};
  }
}

int RowToSlot(const BandPlan& plan, Grid grid, int row) {
  const int rows = DataRowCount(plan, grid);
  switch (grid) {
    case Grid::Memory:
    case Grid::Dtmf:
      return row >= 1 && row <= rows ? row - 1 : -1;
    case Grid::Vfo:
    case Grid::Call:
      return BandRowToSlot(plan, row, rows);
    default:
      return -1;
  }
}

int SlotToRow(const BandPlan& plan, Grid grid, int slot) {
  switch (grid) {
    case Grid::Memory:
    case Grid::Dtmf:
      return slot >= 0 && slot < DataRowCount(plan, grid) ? slot + 1 : -1;
    case Grid::Vfo:
      return BandSlotToRow(plan, slot, kVfoSlots);
    case Grid::Call:
      return BandSlotToRow(plan, slot, kCallSlots);
    default:
      return -1;
  }
}

SlotKind SlotKindOfGrid(Grid grid) {
  switch (grid) {
    case Grid::Vfo:
      return SlotKind::Vfo;
    case Grid::Call:
      return SlotKind::Call;
    case Grid::Dtmf:
      return SlotKind::Dtmf;
    default:
      return SlotKind::Memory;
  }
}

std::string CellText(const RadioImage& image, Grid grid, int row, int column) {
  if (column < 0 || column >= ColumnCount(grid)) return {};
  if (row == 0) return std::string(HeaderText(grid, column));
  const BandPlan& plan = image.Plan();
  const int slot = RowToSlot(plan, grid, row);
  if (slot < 0) return {};
  if (column == kLabelColumn) return RowLabel(plan, grid, row);
  switch (grid) {
    case Grid::Memory:
      return MemoryCell(image, slot, column);
    case Grid::Vfo:
    case Grid::Call:
      if (column != kValueColumn) return {};
      return FrequencyCell(image.Channel(SlotKindOfGrid(grid), slot)[ChannelField::Frequency]);
    case Grid::Dtmf:
      if (column != kValueColumn) return {};
      return std::string(image.Dtmf(slot).Code());
    default:
      return {};
  }
}

}  // namespace quorvan
