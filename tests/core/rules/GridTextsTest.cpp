#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/rules/DisplayTexts.h"
#include "core/rules/GridTexts.h"

namespace quorvan {
namespace {

struct PlanCase {
  const char* type;
  const char* model;
  int vfoRows;
  int callRows;
};

const PlanCase kPlans[] = {
    {"KK,0F", "ARVEN", 14, 3}, {"KK,0F", "CIRRA", 15, 4}, {"ME,0B", "BELTO", 13, 2},
    {"ME,0B", "CIRRA", 14, 3}, {"JJ,01", "BELTO", 13, 2}, {"JJ,01", "CIRRA", 14, 3},
    {"MM,07", "BELTO", 13, 2}, {"MM,07", "CIRRA", 14, 3},
};

TEST(GridRowsTest, RowToSlotAndSlotToRowAreInverseForEveryPlan) {
  for (const PlanCase& c : kPlans) {
    SCOPED_TRACE(std::string(c.type) + " " + c.model);
    const BandPlan plan = MakeDefaultBandPlan(c.type, c.model);
    EXPECT_EQ(DataRowCount(plan, Grid::Vfo), c.vfoRows);
    EXPECT_EQ(DataRowCount(plan, Grid::Call), c.callRows);
    for (Grid grid : {Grid::Memory, Grid::Vfo, Grid::Call, Grid::Dtmf}) {
      const int rows = DataRowCount(plan, grid);
      int previous = -1;
      for (int row = 1; row <= rows; ++row) {
        const int slot = RowToSlot(plan, grid, row);
        ASSERT_GT(slot, previous) << "row " << row;  // rows keep slot order
        EXPECT_EQ(SlotToRow(plan, grid, slot), row);
        previous = slot;
      }
      EXPECT_EQ(RowToSlot(plan, grid, 0), -1);
      EXPECT_EQ(RowToSlot(plan, grid, rows + 1), -1);
      int shown = 0;
      for (int slot = -1; slot <= SlotCount(SlotKindOfGrid(grid)); ++slot) {
        const int row = SlotToRow(plan, grid, slot);
        if (row < 0) continue;
        ++shown;
        EXPECT_EQ(RowToSlot(plan, grid, row), slot);
      }
      EXPECT_EQ(shown, rows);
    }
  }
}

TEST(GridRowsTest, VfoRowsFollowTheBandPlan) {
  const BandPlan k = MakeDefaultBandPlan("KK,0F", "ARVEN");
  EXPECT_EQ(VfoRowLabels(k),
            (std::vector<std::string_view>{"A_144MHz", "A_220MHz", "A_440MHz", "B_AM", "B_HF",
                                           "B_50MHz", "B_FM", "B_118MHz", "B_144MHz", "B_TV-VHF",
                                           "B_220MHz", "B_440MHz", "B_TV-UHF", "B_1200MHz"}));
  EXPECT_EQ(RowLabel(k, Grid::Vfo, 4), "B_AM");
  EXPECT_EQ(RowToSlot(k, Grid::Vfo, 4), 4);

  const BandPlan kc = MakeDefaultBandPlan("KK,0F", "CIRRA");
  EXPECT_EQ(RowLabel(kc, Grid::Vfo, 4), "A_1200MHz");
  EXPECT_EQ(RowToSlot(kc, Grid::Vfo, 4), 3);

  const BandPlan m = MakeDefaultBandPlan("MM,07", "BELTO");
  EXPECT_EQ(VfoRowLabels(m),
            (std::vector<std::string_view>{"A_144MHz", "A_430MHz", "B_AM", "B_HF", "B_50MHz",
                                           "B_FM", "B_118MHz", "B_144MHz", "B_TV-VHF", "B_200MHz",
                                           "B_430MHz", "B_TV-UHF", "B_1200MHz"}));
  EXPECT_EQ(RowToSlot(m, Grid::Vfo, 1), 0);
  EXPECT_EQ(RowToSlot(m, Grid::Vfo, 2), 2);
  EXPECT_EQ(RowToSlot(m, Grid::Vfo, 3), 4);
  EXPECT_EQ(RowToSlot(m, Grid::Vfo, 13), 14);
}

TEST(GridRowsTest, CallRowsFollowTheBandPlan) {
  const BandPlan j = MakeDefaultBandPlan("JJ,01", "BELTO");
  EXPECT_EQ(CallRowLabels(j), (std::vector<std::string_view>{"144MHz", "430MHz"}));
  EXPECT_EQ(RowToSlot(j, Grid::Call, 1), 0);
  EXPECT_EQ(RowToSlot(j, Grid::Call, 2), 2);
  EXPECT_EQ(CallRowLabels(MakeDefaultBandPlan("KK,0F", "CIRRA")),
            (std::vector<std::string_view>{"144MHz", "220MHz", "440MHz", "1200MHz"}));
}

// A radio can report a type whose letters differ ("MK"): its K band plan shows the A-band
// 220 MHz row, and that row must open the 220 MHz record, not the next one.
TEST(GridRowsTest, MixedTypeLettersKeepLabelsAndSlotsTogether) {
  const BandPlan mixed = MakeDefaultBandPlan("MK,01", "ARVEN");
  EXPECT_EQ(RowLabel(mixed, Grid::Vfo, 2), "A_220MHz");
  EXPECT_EQ(RowToSlot(mixed, Grid::Vfo, 2), 1);
  EXPECT_EQ(RowLabel(mixed, Grid::Call, 2), "220MHz");
  EXPECT_EQ(RowToSlot(mixed, Grid::Call, 2), 1);
}

TEST(GridRowsTest, MemoryAndDtmfLabels) {
  const BandPlan plan = MakeDefaultBandPlan("KK,0F", "ARVEN");
  const std::pair<int, const char*> memory[] = {
      {1, "000"},   {400, "399"}, {401, "L0"},  {402, "U0"},  {420, "U9"}, {421, "Pr1"},
      {422, "Pr2"}, {423, "I-1"}, {431, "I-9"}, {432, "I-0"}, {0, ""},     {433, ""}};
  for (const auto& [row, label] : memory) EXPECT_EQ(RowLabel(plan, Grid::Memory, row), label);
  EXPECT_EQ(RowLabel(plan, Grid::Dtmf, 1), "0");
  EXPECT_EQ(RowLabel(plan, Grid::Dtmf, 10), "9");
  EXPECT_EQ(DataRowCount(plan, Grid::Memory), 432);
  EXPECT_EQ(DataRowCount(plan, Grid::Dtmf), 10);
}

TEST(GridCellsTest, Headers) {
  const RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  const struct {
    Grid grid;
    std::vector<std::string> headers;
  } cases[] = {{Grid::Memory, {"", " ch.", " Rx(Tx) Freq.", " Name"}},
               {Grid::Vfo, {"", " Band", " Freq."}},
               {Grid::Call, {"", " Band", " Rx(Tx) Freq."}},
               {Grid::Dtmf, {"", " No.", " DTMF Code"}}};
  for (const auto& c : cases) {
    ASSERT_EQ(ColumnCount(c.grid), static_cast<int>(c.headers.size()));
    for (int column = 0; column < ColumnCount(c.grid); ++column) {
      EXPECT_EQ(CellText(image, c.grid, 0, column), c.headers[static_cast<std::size_t>(column)]);
    }
    EXPECT_EQ(CellText(image, c.grid, 0, ColumnCount(c.grid)), "");
  }
}

TEST(GridCellsTest, EmptyMemoryRowShowsOnlyItsLabel) {
  RadioImage image;
  image.Plan() = MakeDefaultBandPlan("MM,07", "BELTO");
  for (int row = 1; row <= 432; ++row) {
    EXPECT_EQ(CellText(image, Grid::Memory, row, 0), "");
    EXPECT_FALSE(CellText(image, Grid::Memory, row, 1).empty());
    EXPECT_EQ(CellText(image, Grid::Memory, row, 2), "");
    EXPECT_EQ(CellText(image, Grid::Memory, row, 3), "");
  }
}

TEST(GridCellsTest, MemoryRowShowsLockoutFrequencyAndName) {
  RadioImage image;
  image.Plan() = MakeDefaultBandPlan("KK,0F", "ARVEN");
  image.Store(SlotKind::Memory, 0, "000,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,1,,,,");
  image.Store(SlotKind::Memory, 5, "005,00145012500,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,A,B");
  EXPECT_EQ(CellText(image, Grid::Memory, 1, 0), "*");
  EXPECT_EQ(CellText(image, Grid::Memory, 1, 2), "145.000");
  EXPECT_EQ(CellText(image, Grid::Memory, 1, 3), "");
  EXPECT_EQ(CellText(image, Grid::Memory, 6, 0), "");
  EXPECT_EQ(CellText(image, Grid::Memory, 6, 2), "145.0125");
  EXPECT_EQ(CellText(image, Grid::Memory, 6, 3), "A,B");
}

TEST(GridCellsTest, VfoCallAndDtmfValues) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("JJ,01", "BELTO"));
  image.Store(SlotKind::Dtmf, 3, "03,123*#,HOME");
  EXPECT_EQ(CellText(image, Grid::Vfo, 1, 2), "145.000");
  EXPECT_EQ(CellText(image, Grid::Vfo, 3, 2), "0.531");   // B_AM
  EXPECT_EQ(CellText(image, Grid::Vfo, 6, 2), "76.100");  // B_FM
  EXPECT_EQ(CellText(image, Grid::Call, 2, 2), "433.000");
  EXPECT_EQ(CellText(image, Grid::Dtmf, 4, 2), "123*#");
  EXPECT_EQ(CellText(image, Grid::Dtmf, 5, 2), "");
  // A band missing from the image leaves its own row empty instead of shifting the others up.
  image.Store(SlotKind::Vfo, 4, "");
  EXPECT_EQ(CellText(image, Grid::Vfo, 3, 2), "");
  EXPECT_EQ(CellText(image, Grid::Vfo, 4, 2), "3.500");
}

TEST(DisplayTextsTest, FrequencyText) {
  const std::pair<const char*, const char*> cases[] = {
      {"00145000000", "145.000"},
      {"00145012500", "145.0125"},
      {"00145008330", "145.00833"},
      {"00000531000", "0.531"},
      {"01295000000", "1295.000"},
      {"00000540000", "0.540"},
      {"00076100000", "76.100"},
      {"00000000000", "0.000"},
      {"12345678901234567890", "12345678901234.56789"},
      {"", ""},
      {"0014500000x", "0014500000x"}};
  for (const auto& [in, out] : cases) EXPECT_EQ(FrequencyText(in), out) << in;
}

TEST(DisplayTextsTest, OffsetText) {
  const std::pair<const char*, const char*> cases[] = {
      {"000600000", "0.60"},  {"005000000", "5.00"}, {"020000000", "20.00"},
      {"012000000", "12.00"}, {"0016", "0016"},      {"00a600000", "00a600000"}};
  for (const auto& [in, out] : cases) EXPECT_EQ(OffsetText(in), out) << in;
}

TEST(DisplayTextsTest, NarrowBoxesAndFontByDestination) {
  const struct {
    const char* type;
    const char* model;
    bool show220, showHf, show1200;
    const char* caption440;
    GridFont font;
  } cases[] = {
      {"KK,0F", "ARVEN", true, false, false, "440MHz Band", GridFont::TimesNewRoman},
      {"ME,0B", "CIRRA", false, false, true, "430MHz Band", GridFont::TimesNewRoman},
      {"JJ,01", "BELTO", false, true, false, "430MHz Band", GridFont::Japanese},
      {"MM,07", "BELTO", false, false, false, "430MHz Band", GridFont::TimesNewRoman},
  };
  for (const auto& c : cases) {
    const BandPlan plan = MakeDefaultBandPlan(c.type, c.model);
    const NarrowBoxLayout boxes = NarrowBoxesFor(plan);
    EXPECT_EQ(boxes.show220, c.show220) << c.type;
    EXPECT_EQ(boxes.showHf, c.showHf) << c.type;
    EXPECT_EQ(boxes.show1200, c.show1200) << c.type;
    EXPECT_EQ(boxes.caption440, c.caption440) << c.type;
    EXPECT_EQ(FontForDestination(plan), c.font) << c.type;
  }
}

}  // namespace
}  // namespace quorvan
