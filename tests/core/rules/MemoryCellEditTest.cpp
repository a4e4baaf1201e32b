#include <gtest/gtest.h>

#include <string>

#include "core/model/BandPlan.h"
#include "core/rules/GridTexts.h"
#include "core/rules/MemoryCellEdit.h"
#include "core/rules/MemoryColumns.h"
#include "support/CaseNames.h"

namespace quorvan {
namespace {

const std::string kSimplex = "007,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,1,OLD";
const std::string kSplit = "007,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,00146000000,0,,";

struct CellCase {
  const char* what;
  std::string before;  // slot 7 (grid row 8)
  int column;
  std::string typed;
  std::string after;  // the record stored; before when the edit is refused
  std::string error = {};
};

class MemoryCellEdit : public ::testing::TestWithParam<CellCase> {};

TEST_P(MemoryCellEdit, StoresTheCellAsTheEditorWould) {
  const CellCase& c = GetParam();
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", kModelArven));
  image.Store(SlotKind::Memory, 7, c.before);
  ChannelSettings settings;
  std::string error;
  const bool accepted = ReadMemoryCellEdit(image, 8, c.column, c.typed, settings, &error);
  if (accepted) {
    EXPECT_EQ(ApplyChannelSettings(image, {7}, settings).error, EditError::None);
  }
  EXPECT_EQ(error, c.error);
  EXPECT_EQ(image.Record(SlotKind::Memory, 7), c.after);
  // A list cell shows afterwards what was picked.
  if (accepted && !MemoryColumnChoices(image, 8, c.column).empty()) {
    EXPECT_EQ(MemorySettingText(image, 8, c.column), c.typed);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MemoryCellEdit,
    ::testing::Values(
        CellCase{"frequency", kSimplex, kValueColumn, "146.52",
                 "007,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,1,OLD"},
        CellCase{"frequency with two points", kSimplex, kValueColumn, "146..52", kSimplex,
                 "Invalid Frequency.\nPlease check and try again."},
        CellCase{"name", kSimplex, kNameColumn, "NEW",
                 "007,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,1,NEW"},
        CellCase{"name the radio cannot show", kSimplex, kNameColumn, "A\xE2\x82\xAC\xE2\x82\xAC",
                 kSimplex, "Invalid character.\nPlease check and try again."},
        CellCase{"shift", kSimplex, kShiftColumn, "-",
                 "007,00145500000,0,2,0,0,0,0,08,08,000,000600000,0,0,,,1,OLD"},
        CellCase{"offset of a shifted channel", kSimplex, kOffsetTxColumn, "1.0",
                 "007,00145500000,0,0,0,0,0,0,08,08,000,001000000,0,0,,,1,OLD"},
        CellCase{"offset that does not parse", kSimplex, kOffsetTxColumn, "1.0.0", kSimplex,
                 "Invalid Offset.\nPlease check and try again."},
        CellCase{"transmit frequency of a split channel", kSplit, kOffsetTxColumn, "147.0",
                 "007,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,00147000000,0,,"},
        CellCase{"tone", kSimplex, kToneColumn, "CT 100.0",
                 "007,00145500000,0,0,0,0,1,0,08,12,000,000600000,0,0,,,1,OLD"},
        CellCase{"DCS", kSimplex, kToneColumn, "DCS 754",
                 "007,00145500000,0,0,0,0,0,1,08,08,103,000600000,0,0,,,1,OLD"},
        CellCase{"mode", kSimplex, kModeColumn, "AM",
                 "007,00145500000,0,0,0,0,0,0,08,08,000,000600000,2,0,,,1,OLD"},
        CellCase{"step", kSimplex, kStepColumn, "12.5kHz",
                 "007,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,1,OLD"},
        CellCase{"lock out", kSimplex, kLockoutColumn, "On",
                 "007,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,1,,,1,OLD"},
        CellCase{"a choice not in the list", kSimplex, kModeColumn, "XM", kSimplex},
        CellCase{"the lockout mark is no setting cell", kSimplex, kMarkColumn, "*", kSimplex},
        CellCase{"an empty row is created with the editor's defaults", "", kModeColumn, "AM",
                 "007,00144000000,0,0,0,0,0,0,08,08,000,000600000,2,0,,,,"}),
    testing::ByCaseName());

TEST(MemoryCellEditChoices, ShiftListsTheBandsExtraShiftOnlyWhereItExists) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("ME,0B", kModelArven));
  image.Store(SlotKind::Memory, 0, "000,00433000000,8,0,0,0,0,0,08,08,000,000600000,0,0,,,,");
  image.Store(SlotKind::Memory, 1, "001,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,");
  EXPECT_EQ(MemoryColumnChoices(image, 1, kShiftColumn),
            (std::vector<std::string>{"", "+", "-", "-7.6MHz Shift", "Split"}));
  EXPECT_EQ(MemoryColumnChoices(image, 2, kShiftColumn),
            (std::vector<std::string>{"", "+", "-", "Split"}));
  EXPECT_TRUE(MemoryColumnChoices(image, 1, kValueColumn).empty());
}

}  // namespace
}  // namespace quorvan
