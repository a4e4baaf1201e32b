#include <gtest/gtest.h>

#include <string>

#include "rules/FrequencyRules.h"

namespace quorvan {
namespace {

struct TextCase {
  const char* input;
  const char* expected;
};

class ParseFrequencyTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ParseFrequencyTextTest, GivesRecordForm) {
  std::string record = "unchanged";
  ASSERT_TRUE(ParseFrequencyText(GetParam().input, record)) << GetParam().input;
  EXPECT_EQ(record, GetParam().expected) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(Typed, ParseFrequencyTextTest,
                         ::testing::Values(TextCase{"144", "00144000000"},
                                           TextCase{"144.000", "00144000000"},
                                           TextCase{"0144.5", "00144500000"},
                                           TextCase{"1300", "01299999999"},
                                           TextCase{"1299", "01299000000"},
                                           TextCase{"99999999999999999999", "01299999999"},
                                           TextCase{"144.0125", "00144012500"},
                                           TextCase{"5.", "00005000000"},
                                           TextCase{"0.5", "00000500000"},
                                           TextCase{"00.5", "00000500000"},
                                           TextCase{".5", "00000500000"},
                                           TextCase{"", "00000000000"},
                                           TextCase{".", "00000000000"},
                                           TextCase{"1400.0", "01400000000"},
                                           TextCase{"0001234.5", "01234500000"},
                                           TextCase{"118.0083301", "00118008330"}));

TEST(ParseFrequencyTextRejects, TextTheFieldCannotHold) {
  for (const char* text : {"144.0.0", "..", "1.2.", "144.a", "14a", "-144", "12345.6",
                           "144.5 ", "1e3"}) {
    std::string record = "kept";
    EXPECT_FALSE(ParseFrequencyText(text, record)) << text;
    EXPECT_EQ(record, "kept") << text;
  }
}

class FormatFrequencyTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FormatFrequencyTextTest, GivesDisplayText) {
  EXPECT_EQ(FormatFrequencyText(GetParam().input), GetParam().expected) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(Records, FormatFrequencyTextTest,
                         ::testing::Values(TextCase{"00144000000", "144.000"},
                                           TextCase{"00144012500", "144.0125"},
                                           TextCase{"00118008330", "118.00833"},
                                           TextCase{"00000500000", "0.500"},
                                           TextCase{"00007050133", "7.050133"},
                                           TextCase{"00144100000", "144.100"},
                                           TextCase{"00144000100", "144.0001"},
                                           TextCase{"01299999999", "1299.999999"},
                                           TextCase{"00000000000", "0.000"},
                                           TextCase{"", "0.000"},
                                           TextCase{"0014x000000", "0.000014"},
                                           TextCase{"00000000007", "0.000007"}));

class ParseOffsetTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ParseOffsetTextTest, GivesEightDigitsOn50kHz) {
  std::string digits;
  ASSERT_TRUE(ParseOffsetText(GetParam().input, digits)) << GetParam().input;
  EXPECT_EQ(digits, GetParam().expected) << GetParam().input;
}

INSTANTIATE_TEST_SUITE_P(Typed, ParseOffsetTextTest,
                         ::testing::Values(TextCase{"65", "59950000"}, TextCase{"", "00000000"},
                                           TextCase{"1.6", "01600000"},
                                           TextCase{"0.60", "00600000"},
                                           TextCase{".65", "00650000"},
                                           TextCase{".6", "00600000"},
                                           TextCase{"0.63", "00600000"},
                                           TextCase{"0.67", "00650000"},
                                           TextCase{"59.99", "59950000"},
                                           TextCase{"12.00", "12000000"},
                                           TextCase{"61.00", "59950000"},
                                           TextCase{"123.4", "59950000"},
                                           TextCase{"5", "05000000"},
                                           TextCase{"59", "59000000"},
                                           TextCase{"60", "59950000"},
                                           TextCase{"0", "00000000"},
                                           TextCase{"00.5", "00500000"},
                                           TextCase{"9999999999999999999999", "59950000"}));

TEST(ParseOffsetTextRejects, TwoPointsAndForeignCharacters) {
  for (const char* text : {"1..6", "1.6.", "a", "1.x", "-1"}) {
    std::string digits = "kept";
    EXPECT_FALSE(ParseOffsetText(text, digits)) << text;
    EXPECT_EQ(digits, "kept") << text;
  }
}

TEST(FormatOffsetText, ShowsOneOrTwoMegahertzDigits) {
  const TextCase cases[] = {{"000600000", "0.60"}, {"012000000", "12.00"},
                            {"059950000", "59.95"}, {"000000000", "0.00"},
                            {"0016", "1.60"},       {"", "0.00"}};
  for (const TextCase& c : cases) EXPECT_EQ(FormatOffsetText(c.input), c.expected) << c.input;
}

TEST(OffsetRoundTrip, TypedTextComesBackNormalised) {
  for (const char* text : {"0.60", "1.60", "12.00", "59.95", "5.00"}) {
    std::string digits;
    ASSERT_TRUE(ParseOffsetText(text, digits));
    EXPECT_EQ(FormatOffsetText("0" + digits), text);
  }
}

}  // namespace
}  // namespace quorvan
