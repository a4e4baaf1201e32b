#include <gtest/gtest.h>

#include "core/rules/RowAnnouncement.h"

namespace quorvan {
namespace {

RadioImage KenDocument() { return MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")); }

TEST(RowAnnouncementTest, MemoryRowsSayLabelFrequencyNameModeAndStatus) {
  const struct {
    const char* what;
    std::string record;
    std::string spoken;
  } cases[] = {
      {"tone", "007,00146520000,0,0,0,1,0,0,08,08,000,000600000,0,0,,,,NATIONAL",
       "007, 146.520 MHz, NATIONAL, FM, tone 88.5"},
      {"plus shift and offset, no name", "007,00146940000,0,1,0,0,0,0,08,08,000,000600000,0,0,,,,",
       "007, 146.940 MHz, FM, offset 0.60 MHz, plus shift"},
      {"minus shift reversed, DCS, AM",
       "007,00146940000,0,2,1,0,0,1,08,08,103,000600000,2,0,,,,REP",
       "007, 146.940 MHz, REP, AM, offset 0.60 MHz, minus shift, reverse, DCS 754"},
      {"split with CTCSS",
       "007,00146000000,0,0,0,0,1,0,08,12,000,000000000,0,0,00146500000,0,,SPLIT",
       "007, 146.000 MHz, SPLIT, FM, transmit 146.500 MHz, split, CTCSS 100.0"},
  };
  for (const auto& c : cases) {
    RadioImage image = KenDocument();
    image.Store(SlotKind::Memory, 7, c.record);
    EXPECT_EQ(RowAnnouncement(image, Grid::Memory, 8), c.spoken) << c.what;
  }
}

TEST(RowAnnouncementTest, EmptyRowsOutsideRowsAndOtherGrids) {
  RadioImage image = KenDocument();
  image.Store(SlotKind::Dtmf, 0, "00,123456,HOME");
  EXPECT_EQ(RowAnnouncement(image, Grid::Memory, 1), "000, empty");
  EXPECT_EQ(RowAnnouncement(image, Grid::Memory, 0), "");
  EXPECT_EQ(RowAnnouncement(image, Grid::Memory, 433), "");
  EXPECT_EQ(RowAnnouncement(image, Grid::None, 1), "");
  EXPECT_EQ(RowAnnouncement(image, Grid::Dtmf, 1), "0, code 123456, HOME");
  EXPECT_EQ(RowAnnouncement(image, Grid::Dtmf, 2), "1, empty");
  // A VFO row carries its band's programmable range.
  EXPECT_EQ(RowAnnouncement(image, Grid::Vfo, 1),
            "A_144MHz, 144.000 MHz, FM, programmable VFO 137-173");
}

TEST(RowAnnouncementTest, SpokenPanels) {
  const struct {
    const char* panel;
    const char* spoken;
  } cases[] = {
      {"Offset : 5.00MHz", "offset 5.00 MHz"},
      {"Tx Frequency : 438.000MHz", "transmit 438.000 MHz"},
      {"T : 88.5Hz", "tone 88.5"},
      {"CT : 254.1Hz", "CTCSS 254.1"},
      {"DCS : 023", "DCS 023"},
      {"Name : HO,ME", "HO,ME"},
      {"Programmable VFO : 430-439", "programmable VFO 430-439"},
      {"+", "plus shift"},
      {"- R", "minus shift, reverse"},
      {"-7.6 R", "minus 7.6 shift, reverse"},
      {" R", "reverse"},
      {"+-", "split"},
  };
  for (const auto& c : cases) EXPECT_EQ(SpokenStatusPanel(c.panel), c.spoken) << c.panel;
}

}  // namespace
}  // namespace quorvan
