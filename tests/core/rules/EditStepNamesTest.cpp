// How undo steps name what they changed, and which row a change shows on.
#include <gtest/gtest.h>

#include <string>

#include "core/rules/EditStepNames.h"

namespace quorvan {
namespace {

TEST(EditStepNames, StepsNameTheirRowOrCountTheRows) {
  struct Case {
    const char* what;
    const char* type;
    const char* model;
    std::vector<std::pair<SlotKind, int>> changed;
    bool comment;
    const char* verb;
    std::string expected;
    Grid grid;
    int row;
  };
  const Case cases[] = {
      {"memory slot",
       "KK,0F",
       "ARVEN",
       {{SlotKind::Memory, 12}},
       false,
       "Paste into",
       "Paste into 012",
       Grid::Memory,
       13},
      {"scan edge",
       "KK,0F",
       "ARVEN",
       {{SlotKind::Memory, 401}},
       false,
       "Cut",
       "Cut U0",
       Grid::Memory,
       402},
      {"priority row as the grid shows it",
       "KK,0F",
       "ARVEN",
       {{SlotKind::Memory, 420}},
       false,
       "Edit",
       "Edit Pr1",
       Grid::Memory,
       421},
      // Without the 220 MHz A band (destination E) VFO slot 2 is the grid's second row.
      {"VFO row of the plan",
       "KE,0F",
       "ARVEN",
       {{SlotKind::Vfo, 2}},
       false,
       "Edit",
       "Edit VFO A_430MHz",
       Grid::Vfo,
       2},
      {"VFO with its programmable range is one row",
       "KK,0F",
       "ARVEN",
       {{SlotKind::Vfo, 0}, {SlotKind::ProgramVfo, 0}},
       false,
       "Edit",
       "Edit VFO A_144MHz",
       Grid::Vfo,
       1},
      {"CALL",
       "KK,0F",
       "ARVEN",
       {{SlotKind::Call, 2}},
       false,
       "Paste into",
       "Paste into CALL 440MHz",
       Grid::Call,
       3},
      {"DTMF",
       "KK,0F",
       "ARVEN",
       {{SlotKind::Dtmf, 3}},
       false,
       "Delete",
       "Delete DTMF 3",
       Grid::Dtmf,
       4},
      {"many rows",
       "KK,0F",
       "ARVEN",
       {{SlotKind::Memory, 5}, {SlotKind::Memory, 399}},
       false,
       "Delete",
       "Delete (2 rows)",
       Grid::Memory,
       6},
      {"rows of several grids, the first in grid order",
       "KK,0F",
       "ARVEN",
       {{SlotKind::Dtmf, 0}, {SlotKind::Memory, 9}},
       true,
       "Import CSV",
       "Import CSV (2 rows)",
       Grid::Memory,
       10},
      {"no row at all", "KK,0F", "ARVEN", {}, true, "Edit", "Edit (0 rows)", Grid::None, 0},
  };
  for (const Case& c : cases) {
    const RadioImage before = MakeNewDocument(MakeDefaultBandPlan(c.type, c.model));
    RadioImage after = before;
    for (const auto& [kind, slot] : c.changed) {
      after.Store(kind, slot, kind == SlotKind::ProgramVfo ? "0,00140,00150" : "CHANGED");
    }
    if (c.comment) after.SetComment("changed");
    const ImageChanges changes = ImageChanges::Between(before, after);
    EXPECT_EQ(RowStepName(c.verb, after.Plan(), changes), c.expected) << c.what;
    const GridRow row = FirstChangedRow(after.Plan(), changes);
    EXPECT_EQ(row.grid, c.grid) << c.what;
    EXPECT_EQ(row.row, c.row) << c.what;
  }
}

}  // namespace
}  // namespace quorvan
