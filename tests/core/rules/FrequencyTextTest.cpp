#include <gtest/gtest.h>

#include <string>

#include "core/rules/FrequencyRules.h"

namespace quorvan {
namespace {

struct TextCase {
  const char* input;
  const char* expected;
};

TEST(IsFrequencyFieldKey, DigitsPointAndBackspaceOnly) {
  for (const char key : std::string("0123456789.\b")) EXPECT_TRUE(IsFrequencyFieldKey(key)) << key;
  for (const char key : std::string("aZ,-+ \r\x1b/:")) {
    EXPECT_FALSE(IsFrequencyFieldKey(key)) << static_cast<int>(key);
  }
}

TEST(ParseFrequencyText, GivesRecordForm) {
  const TextCase cases[] = {{"144", "00144000000"},
                            {"144.000", "00144000000"},
                            {"0144.5", "00144500000"},
                            {"1300", "01299999999"},
                            {"1299", "01299000000"},
                            {"144.0125", "00144012500"},
                            {"99999999999999999999", "01299999999"},
                            {"5.", "00005000000"},
                            {"0.5", "00000500000"},
                            {"00.5", "00000500000"},
                            {".5", "00000500000"},
                            {"", "00000000000"},
                            {".", "00000000000"},
                            {"1400.0", "01400000000"},
                            {"0001234.5", "01234500000"},
                            {"118.0083301", "00118008330"}};
  for (const TextCase& c : cases) {
    std::string record = "unchanged";
    ASSERT_TRUE(ParseFrequencyText(c.input, record)) << c.input;
    EXPECT_EQ(record, c.expected) << c.input;
  }
}

TEST(ParseFrequencyTextRejects, TextTheFieldCannotHold) {
  for (const char* text :
       {"144.0.0", "..", "1.2.", "144.a", "14a", "-144", "12345.6", "144.5 ", "1e3"}) {
    std::string record = "kept";
    EXPECT_FALSE(ParseFrequencyText(text, record)) << text;
    EXPECT_EQ(record, "kept") << text;
  }
}

TEST(FormatFrequencyText, ThreeToSixDecimals) {
  const TextCase cases[] = {{"00144000000", "144.000"},   {"00144012500", "144.0125"},
                            {"00118008330", "118.00833"}, {"00000500000", "0.500"},
                            {"00007050133", "7.050133"},  {"00144100000", "144.100"},
                            {"00144000100", "144.0001"},  {"01299999999", "1299.999999"},
                            {"00000000000", "0.000"},     {"", "0.000"},
                            {"0014x000000", "0.000014"},  {"00000000007", "0.000007"}};
  for (const TextCase& c : cases) EXPECT_EQ(FormatFrequencyText(c.input), c.expected) << c.input;
}

TEST(ParseOffsetText, GivesEightDigitsOn50kHz) {
  const TextCase cases[] = {
      {"65", "59950000"},    {"", "00000000"},      {"1.6", "01600000"},
      {"0.60", "00600000"},  {".65", "00650000"},   {".6", "00600000"},
      {"0.63", "00600000"},  {"0.67", "00650000"},  {"59.99", "59950000"},
      {"12.00", "12000000"}, {"61.00", "59950000"}, {"123.4", "59950000"},
      {"5", "05000000"},     {"59", "59000000"},    {"60", "59950000"},
      {"0", "00000000"},     {"00.5", "00500000"},  {"9999999999999999999999", "59950000"}};
  for (const TextCase& c : cases) {
    std::string digits;
    ASSERT_TRUE(ParseOffsetText(c.input, digits)) << c.input;
    EXPECT_EQ(digits, c.expected) << c.input;
  }
}

TEST(ParseOffsetTextRejects, TwoPointsAndForeignCharacters) {
  for (const char* text : {"1..6", "1.6.", "a", "1.x", "-1"}) {
    std::string digits = "kept";
    EXPECT_FALSE(ParseOffsetText(text, digits)) << text;
    EXPECT_EQ(digits, "kept") << text;
  }
}

TEST(FormatOffsetText, ShowsOneOrTwoMegahertzDigits) {
  const TextCase cases[] = {{"000600000", "0.60"}, {"012000000", "12.00"}, {"059950000", "59.95"},
                            {"000000000", "0.00"}, {"0016", "1.60"},       {"", "0.00"}};
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
