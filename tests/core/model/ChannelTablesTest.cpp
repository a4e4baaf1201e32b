#include <gtest/gtest.h>

#include <string>

#include "core/model/ChannelTables.h"

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

}  // namespace
}  // namespace quorvan
