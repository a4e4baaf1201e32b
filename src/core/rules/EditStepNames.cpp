#include "core/rules/EditStepNames.h"

#include <vector>

#include "core/messages/Translatable.h"

namespace quorvan {

namespace {

Grid GridOfItem(ItemKind kind) {
  switch (kind) {
    case ItemKind::Memory:
      return Grid::Memory;
    case ItemKind::Vfo:
    case ItemKind::ProgramVfo:
      return Grid::Vfo;
    case ItemKind::Call:
      return Grid::Call;
    case ItemKind::Dtmf:
      return Grid::Dtmf;
    case ItemKind::Menu:
    case ItemKind::Comment:
      break;
  }
  return Grid::None;
}

}  // namespace

GridRow RowOfItem(const BandPlan& plan, ItemRef item) {
  const Grid grid = GridOfItem(item.kind);
  if (grid == Grid::None) return {};
  // Program VFO range n belongs to VFO n, which has the same slot number.
  const int row = SlotToRow(plan, grid, item.index);
  if (row < 1) return {};
  return {grid, row};
}

GridRow FirstChangedRow(const BandPlan& plan, const ImageChanges& changes) {
  for (const ItemChange& c : changes.Items()) {
    const GridRow row = RowOfItem(plan, c.item);
    if (row.grid != Grid::None) return row;
  }
  return {};
}

std::string RowName(const BandPlan& plan, GridRow row) {
  const std::string label = RowLabel(plan, row.grid, row.row);
  switch (row.grid) {
    case Grid::Memory:
      return label;
    case Grid::Vfo:
      return "VFO " + label;
    case Grid::Call:
      return "CALL " + label;
    case Grid::Dtmf:
      return "DTMF " + label;
    case Grid::None:
      break;
  }
  return {};
}

std::string RowStepName(std::string_view verb, const BandPlan& plan, const ImageChanges& changes) {
  std::vector<GridRow> rows;
  for (const ItemChange& c : changes.Items()) {
    const GridRow row = RowOfItem(plan, c.item);
    if (row.grid == Grid::None) continue;
    bool seen = false;
    for (const GridRow& r : rows) seen = seen || (r.grid == row.grid && r.row == row.row);
    if (!seen) rows.push_back(row);
  }
  std::string name(verb);
  if (rows.size() == 1) return name + " " + RowName(plan, rows.front());
  return name + " (" + std::to_string(rows.size()) + " rows)";
}

std::string SortStepName(SortKey key) {
  return key == SortKey::Frequency ? QT_TRANSLATE_NOOP("Messages", "Sort by Frequency")
                                   : QT_TRANSLATE_NOOP("Messages", "Sort by Memory Name");
}

std::string ImportStepName(int rows) {
  return "Import CSV (" + std::to_string(rows) + (rows == 1 ? " row)" : " rows)");
}

std::string ChangeSelectedStepName(int rows) {
  return "Change Selected (" + std::to_string(rows) + " rows)";
}

}  // namespace quorvan
