#include <gtest/gtest.h>

#include <string>

#include "core/model/BandPlan.h"
#include "core/model/ChannelTables.h"
#include "core/rules/FrequencyRules.h"

namespace quorvan {
namespace {

struct IndexCase {
  const char* field;
  int index;
};

TEST(ToneIndexOfField, OutsideTheTableReadsAs88Hz5) {
  const IndexCase cases[] = {{"00", 0}, {"41", 41}, {"08", 8}, {"4", 4},   {"55", 8},
                             {"42", 8}, {"", 8},    {"-1", 8}, {"100", 8}, {"0A", 8}};
  for (const IndexCase& c : cases) EXPECT_EQ(ToneIndexOfField(c.field), c.index) << c.field;
  EXPECT_EQ(kTones[static_cast<std::size_t>(ToneIndexOfField("55"))], "88.5Hz");
}

TEST(DcsIndexOfField, OutsideTheTableReadsAsFirstCode) {
  const IndexCase cases[] = {{"000", 0}, {"103", 103}, {"050", 50}, {"104", 0},
                             {"200", 0}, {"", 0},      {"1x3", 0},  {"99999999", 0}};
  for (const IndexCase& c : cases) EXPECT_EQ(DcsIndexOfField(c.field), c.index) << c.field;
  EXPECT_EQ(kDcsCodes[static_cast<std::size_t>(DcsIndexOfField("200"))], "023");
}

TEST(StepIndexOfField, HexCharacterOrFirstStep) {
  const IndexCase cases[] = {{"0", 0}, {"5", 5}, {"9", 9}, {"A", 10}, {"B", 11},
                             {"C", 0}, {"a", 0}, {"", 0},  {"AB", 0}, {":", 0}};
  for (const IndexCase& c : cases) EXPECT_EQ(StepIndexOfField(c.field), c.index) << c.field;
}

TEST(StepIndexOfField, RoundTripsEveryStepCode) {
  for (int i = 0; i < 12; ++i) {
    const char code = StepCodeOfIndex(i);
    EXPECT_EQ(StepIndexOfField(std::string(1, code)), i);
  }
  EXPECT_EQ(StepCodeOfIndex(10), 'A');
  EXPECT_EQ(StepCodeOfIndex(12), '0');
  EXPECT_EQ(StepCodeOfIndex(-1), '0');
  EXPECT_EQ(StepHzOfIndex(2), 8330);
  EXPECT_EQ(StepHzOfIndex(40), 5000);
}

TEST(ModeIndexOfField, DigitsZeroToFiveOnly) {
  const IndexCase cases[] = {{"0", 0}, {"3", 3}, {"5", 5}, {"6", 0}, {"", 0}, {"12", 0}, {"/", 0}};
  for (const IndexCase& c : cases) EXPECT_EQ(ModeIndexOfField(c.field), c.index) << c.field;
}

TEST(ToneGroupEnabled, OnlyInFm) {
  EXPECT_TRUE(ToneGroupEnabled(0));
  for (int mode = 1; mode <= 5; ++mode) EXPECT_FALSE(ToneGroupEnabled(mode)) << mode;
}

struct ShiftCase {
  const char* type;
  const char* model;
  int band;
  ShiftCaptionContext context;
  const char* caption;
};

TEST(SpecialShiftCaption, ByDestinationBandAndDialog) {
  using C = ShiftCaptionContext;
  const ShiftCase cases[] = {{"ME,0B", "CIRRA", 3, C::MemoryLoad, "-6.0MHz Shift"},
                             {"KK,0F", "CIRRA", 3, C::MemoryLoad, "-20.0MHz Shift"},
                             {"JJ,01", "CIRRA", 3, C::MemoryLoad, ""},
                             {"MM,07", "CIRRA", 3, C::MemoryLoad, ""},
                             {"ME,0B", "BELTO", 14, C::MemoryLoad, "-6.0MHz Shift"},
                             {"KK,0F", "ARVEN", 14, C::MemoryLoad, "-20.0MHz Shift"},
                             {"ME,0B", "BELTO", 14, C::VfoLoad, ""},
                             {"ME,0B", "CIRRA", 14, C::VfoLoad, "-6.0MHz Shift"},
                             {"KK,0F", "CIRRA", 14, C::VfoLoad, "-20.0MHz Shift"},
                             {"KK,0F", "CIRRA", 3, C::VfoLoad, "-20.0MHz Shift"},
                             {"ME,0B", "CIRRA", 3, C::CallLoad, "-6.0MHz Shift"},
                             {"KK,0F", "CIRRA", 14, C::CallLoad, ""},
                             {"ME,0B", "BELTO", 2, C::MemoryLoad, "-7.6MHz Shift"},
                             {"ME,0B", "BELTO", 12, C::VfoLoad, "-7.6MHz Shift"},
                             {"ME,0B", "BELTO", 2, C::CallLoad, "-7.6MHz Shift"},
                             {"ME,09", "BELTO", 2, C::MemoryLoad, ""},
                             {"ME,01", "BELTO", 12, C::MemoryLoad, ""},
                             {"KK,0F", "ARVEN", 2, C::MemoryLoad, ""},
                             {"JJ,01", "BELTO", 12, C::MemoryLoad, ""},
                             {"MM,07", "BELTO", 2, C::VfoLoad, ""},
                             {"ME,0B", "BELTO", 0, C::MemoryLoad, ""},
                             {"KK,0F", "ARVEN", 9, C::MemoryLoad, ""},
                             {"ME,0B", "CIRRA", 3, C::MemoryApply, "-6MHz Shift"},
                             {"KK,0F", "CIRRA", 3, C::MemoryApply, "-20MHz Shift"},
                             {"ME,0B", "BELTO", 14, C::MemoryApply, ""},
                             {"ME,0B", "BELTO", 12, C::MemoryApply, "-7.6MHz Shift"},
                             {"ME,09", "BELTO", 2, C::MemoryApply, ""},
                             {"JJ,01", "CIRRA", 3, C::MemoryApply, ""},
                             {"K", "ARVEN", 3, C::MemoryLoad, ""},
                             {"", "", 2, C::MemoryLoad, ""}};
  for (const ShiftCase& c : cases) {
    BandPlan plan = MakeDefaultBandPlan(c.type, c.model);
    EXPECT_EQ(SpecialShiftCaption(plan, c.band, c.context), c.caption)
        << c.type << " " << c.model << " band " << c.band << " context "
        << static_cast<int>(c.context);
  }
}

}  // namespace
}  // namespace quorvan
