#pragma once

#include <string>
#include <string_view>

#include "core/model/ImageChanges.h"
#include "core/rules/GridTexts.h"
#include "core/rules/SortMemoryChannels.h"

namespace quorvan {

// Where an item shows on the Memory page: its grid and data row (from 1). A program VFO range
// shows on its VFO's row. Grid::None for menu items and the comment.
struct GridRow {
  Grid grid = Grid::None;
  int row = 0;
};
GridRow RowOfItem(const BandPlan& plan, ItemRef item);

// The first row a change touches, in grid order; Grid::None when it touches no row.
GridRow FirstChangedRow(const BandPlan& plan, const ImageChanges& changes);

// The name of a row as an undo step tells it: "012", "Pr1", "VFO A_144MHz", "CALL 144MHz",
// "DTMF 3"; empty outside the grids.
std::string RowName(const BandPlan& plan, GridRow row);

// A step that acts on rows: "Paste into 012" when the change touches one row, "Delete (400
// rows)" when it touches several.
std::string RowStepName(std::string_view verb, const BandPlan& plan, const ImageChanges& changes);

// The steps of the commands the window and quorvan-cli share: "Sort by Frequency" (or "by
// Memory Name"), "Import CSV (12 rows)" ("(1 row)"), "Change Selected (3 rows)".
std::string SortStepName(SortKey key);
std::string ImportStepName(int rows);
std::string ChangeSelectedStepName(int rows);

}  // namespace quorvan
