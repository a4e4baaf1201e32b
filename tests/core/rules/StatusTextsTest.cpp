#include <gtest/gtest.h>

#include "core/rules/StatusTexts.h"

namespace quorvan {
namespace {

RadioImage KenDocument() { return MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")); }

// Memory record with the given shift, reverse, tone/CTCSS/DCS switches and indexes, offset and
// split transmit frequency.
std::string Memory(const std::string& switches, const std::string& offset, const std::string& tx) {
  return "000,00145000000,0," + switches + ",08,12,103," + offset + ",0,0," + tx + ",,,NAME";
}

TEST(StatusTextsTest, ChannelPanels) {
  const struct {
    const char* what;
    std::string record;
    StatusPanels panels;
  } cases[] = {
      {"plus shift", Memory("1,0,0,0,0", "000600000", ""), {"Offset : 0.60MHz", "+", "", ""}},
      {"minus reverse", Memory("2,1,0,0,0", "005000000", ""), {"Offset : 5.00MHz", "- R", "", ""}},
      {"fixed split", Memory("3,1,0,0,0", "020000000", ""), {"", "-7.6 R", "", ""}},
      {"simplex", Memory("0,0,0,0,0", "000600000", ""), {"", "", "", ""}},
      {"split",
       Memory("0,1,0,0,0", "000600000", "00146000000"),
       {"Tx Frequency : 146.000MHz", "+-", "", ""}},
      {"split wins over offset",
       Memory("1,0,0,0,0", "000600000", "00146500000"),
       {"Tx Frequency : 146.500MHz", "+", "", ""}},
      {"tone", Memory("0,0,1,0,0", "000000000", ""), {"", "", "T : 88.5Hz", ""}},
      {"ctcss over tone", Memory("0,0,1,1,0", "000000000", ""), {"", "", "CT : 100.0Hz", ""}},
      {"dcs over all", Memory("0,0,1,1,1", "000000000", ""), {"", "", "DCS : 754", ""}},
      {"shift without offset", Memory("1,0,0,0,0", "", ""), {"", "+", "", ""}},
      {"damaged record", "000,x", {"", "", "", ""}},
  };
  for (const auto& c : cases) {
    RadioImage image = KenDocument();
    image.Store(SlotKind::Memory, 7, c.record);
    EXPECT_EQ(StatusBarTexts(image, Grid::Memory, 8), c.panels) << c.what;
  }
}

TEST(StatusTextsTest, NoGridOrRowOutsideGivesEmptyPanels) {
  RadioImage image = KenDocument();
  image.Store(SlotKind::Memory, 0, Memory("1,0,0,0,0", "000600000", ""));
  const StatusPanels empty{};
  EXPECT_EQ(StatusBarTexts(image, Grid::None, 1), empty);
  EXPECT_EQ(StatusBarTexts(image, Grid::Memory, 0), empty);
  EXPECT_EQ(StatusBarTexts(image, Grid::Memory, 433), empty);
  EXPECT_EQ(StatusBarTexts(image, Grid::Vfo, 99), empty);
}

TEST(StatusTextsTest, VfoPanelsUseTheRowsSlotAndProgrammableRange) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("MM,07", "BELTO"));
  // Row 2 is the 430 MHz VFO (slot 2), with the range 430-439 of program VFO 2.
  image.Store(SlotKind::Vfo, 2, "2,00430000000,8,2,0,0,0,0,08,08,000,005000000,0,,,,,");
  EXPECT_EQ(StatusBarTexts(image, Grid::Vfo, 2),
            (StatusPanels{"Offset : 5.00MHz", "-", "", "Programmable VFO : 430-439"}));
  EXPECT_EQ(StatusBarTexts(image, Grid::Vfo, 1)[3], "Programmable VFO : 144-147");
  // Row 3 is B_AM (slot 4): no programmable range.
  EXPECT_EQ(StatusBarTexts(image, Grid::Vfo, 3)[3], "");
  // The CALL grid never shows a programmable range.
  EXPECT_EQ(StatusBarTexts(image, Grid::Call, 1)[3], "");
}

TEST(StatusTextsTest, CallRowMapsPastTheMissing220Band) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("JJ,01", "BELTO"));
  image.Store(SlotKind::Call, 2, "2,00433000000,7,2,0,0,0,0,08,08,000,005000000,0,,00438000000,7");
  EXPECT_EQ(StatusBarTexts(image, Grid::Call, 2)[0], "Tx Frequency : 438.000MHz");
}

TEST(StatusTextsTest, DtmfShowsOnlyTheName) {
  RadioImage image = KenDocument();
  image.Store(SlotKind::Dtmf, 0, "00,123,HO,ME");
  image.Store(SlotKind::Dtmf, 1, "01,456,");
  EXPECT_EQ(StatusBarTexts(image, Grid::Dtmf, 1), (StatusPanels{"Name : HO,ME", "", "", ""}));
  EXPECT_EQ(StatusBarTexts(image, Grid::Dtmf, 2), StatusPanels{});
}

}  // namespace
}  // namespace quorvan
