#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/model/BandPlan.h"
#include "core/rules/MemoryColumns.h"
#include "support/CaseNames.h"

namespace quorvan {
namespace {

struct ColumnsCase {
  const char* what;
  const char* type;
  std::string record;
  // Shift, Offset/Tx, Tone, Mode, Step, Lock Out, Power
  std::array<const char*, kAllMemoryColumns - kShiftColumn> texts;
};

class MemoryColumns : public ::testing::TestWithParam<ColumnsCase> {};

TEST_P(MemoryColumns, TellEachSettingOfTheRow) {
  const ColumnsCase& c = GetParam();
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan(c.type, kModelArven));
  image.Store(SlotKind::Memory, 7, c.record);
  for (int column = kShiftColumn; column < kAllMemoryColumns; ++column) {
    EXPECT_EQ(MemorySettingText(image, 8, column),
              c.texts[static_cast<std::size_t>(column - kShiftColumn)])
        << MemorySettingHeader(column);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MemoryColumns,
    ::testing::Values(ColumnsCase{"empty slot", "KK,0F", "", {"", "", "", "", "", "", ""}},
                      ColumnsCase{"simplex channel with nothing set",
                                  "KK,0F",
                                  "007,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,",
                                  {"", "", "", "FM", "5kHz", "", ""}},
                      ColumnsCase{"plus shift with tone, locked out, low power",
                                  "KK,0F",
                                  "007,00146520000,5,1,0,1,0,0,12,08,000,000600000,2,1,,,1,RPT",
                                  {"+", "0.60", "T 100.0", "AM", "12.5kHz", "On", "Low"}},
                      ColumnsCase{"minus shift with CTCSS",
                                  "KK,0F",
                                  "007,00146520000,0,2,0,0,1,0,08,41,000,001000000,0,0,,,0,",
                                  {"-", "1.00", "CT 254.1", "FM", "5kHz", "", "High"}},
                      ColumnsCase{
                          "split channel with DCS",
                          "KK,0F",
                          "007,00145500000,0,0,0,0,0,1,08,08,103,000600000,0,0,00146000000,0,2,",
                          {"Split", "146.000", "DCS 754", "FM", "5kHz", "", "EL"}},
                      ColumnsCase{"the band's extra shift",
                                  "ME,0B",
                                  "007,00433000000,8,3,0,0,0,0,08,08,000,000600000,0,0,,,,",
                                  {"-7.6MHz Shift", "0.60", "", "FM", "25kHz", "", ""}}),
    testing::ByCaseName());

TEST(MemoryColumns, HeadersOnlyForTheSettingColumns) {
  EXPECT_EQ(MemorySettingHeader(kShiftColumn), "Shift");
  EXPECT_EQ(MemorySettingHeader(kPowerColumn), "Power");
  EXPECT_EQ(MemorySettingHeader(kShiftColumn - 1), "");
  EXPECT_EQ(MemorySettingHeader(kAllMemoryColumns), "");
}

}  // namespace
}  // namespace quorvan
