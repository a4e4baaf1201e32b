#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/BandPlan.h"
#include "core/model/RadioImage.h"

namespace quorvan {

// The four grids of the Memory page, and None before any grid was entered.
enum class Grid { None = 0, Memory = 1, Vfo = 2, Call = 3, Dtmf = 4 };

// The grids in their order on the page, and each one's place in that order (for tables of
// one entry a grid; not for None).
inline constexpr std::array<Grid, 4> kGrids{Grid::Memory, Grid::Vfo, Grid::Call, Grid::Dtmf};
constexpr std::size_t GridIndex(Grid grid) { return static_cast<std::size_t>(grid) - 1; }

// Columns of every grid: 0 the narrow leading column (the memory grid's lockout mark),
// 1 the row label, 2 the frequency or code, 3 the memory name (memory grid only).
enum GridColumn : int { kMarkColumn = 0, kLabelColumn = 1, kValueColumn = 2, kNameColumn = 3 };

// Rows are numbered as shown: row 0 is the header, data rows are 1..DataRowCount.
int ColumnCount(Grid grid);
int DataRowCount(const BandPlan& plan, Grid grid);
// Header text of a column ("" for column 0 and outside the grid).
std::string_view HeaderText(Grid grid, int column);

// The band-plan dependent row labels of the VFO and CALL grids, top to bottom.
std::vector<std::string_view> VfoRowLabels(const BandPlan& plan);
std::vector<std::string_view> CallRowLabels(const BandPlan& plan);

// Label of a data row (column 1); "" outside 1..DataRowCount.
std::string RowLabel(const BandPlan& plan, Grid grid, int row);

// The image slot a data row shows, or -1 for a row outside the grid.
int RowToSlot(const BandPlan& plan, Grid grid, int row);
// The data row that shows a slot, or -1 when the band plan has no row for it.
int SlotToRow(const BandPlan& plan, Grid grid, int slot);

// The slot kind a grid shows (None gives Memory; callers check the grid first).
SlotKind SlotKindOfGrid(Grid grid);

// Text of one cell, headers and labels included; "" outside the grid. Cheap enough per cell.
std::string CellText(const RadioImage& image, Grid grid, int row, int column);

}  // namespace quorvan
