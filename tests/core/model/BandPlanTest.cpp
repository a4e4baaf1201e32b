#include <gtest/gtest.h>

#include <cstring>

#include "core/model/BandPlan.h"

namespace quorvan {
namespace {

struct LimitsCase {
  const char* type;
  const char* model;
  std::array<const char*, kBandLimitCount> limits;
};

const LimitsCase kLimitCases[] = {
    {"KK,0F",
     "ARVEN",
     {"00137,00174", "00216,00260", "00410,00470", "", "0000010,0000180", "0000180,0002970",
      "0002970,0005400", "0005400,0010800", "00108,00137", "00137,00174", "00174,00216",
      "00216,00400", "00400,00470", "00470,00806", "00806,01300"}},
    {"ME,0B",
     "BELTO",
     {"00144,00146", "", "00430,00440", "", "0000010,0000171", "0000171,0002970", "0002970,0008750",
      "0008750,0010800", "00108,00137", "00137,00174", "00174,00230", "00230,00400", "00400,00470",
      "00470,00862", "00862,01300"}},
    {"JJ,01",
     "BELTO",
     {"00144,00146", "", "00430,00440", "", "0000010,0000171", "0000171,0002970", "0002970,0007600",
      "0007600,0010800", "00108,00137", "00137,00174", "00174,00222", "00222,00415", "00415,00470",
      "00470,00770", "00770,01300"}},
    {"MM,07",
     "BELTO",
     {"00144,00148", "", "00430,00440", "", "0000010,0000171", "0000171,0002970", "0002970,0005400",
      "0005400,0010800", "00108,00137", "00137,00174", "00174,00223", "00223,00400", "00400,00470",
      "00470,00890", "00890,01300"}},
    {"KK,0F",
     "CIRRA",
     {"00137,00174", "00216,00260", "00410,00470", "01240,01300", "0000010,0000180",
      "0000180,0002970", "0002970,0005400", "0005400,0010800", "00108,00137", "00137,00174",
      "00174,00216", "00216,00400", "00400,00470", "00470,00806", "00806,01300"}},
    {"JJ,01",
     "CIRRA",
     {"00144,00146", "", "00430,00440", "01260,01300", "0000010,0000171", "0000171,0002970",
      "0002970,0007600", "0007600,0010800", "00108,00137", "00137,00174", "00174,00222",
      "00222,00415", "00415,00470", "00470,00770", "00770,01300"}},
};

TEST(DefaultBandLimits, SetupChoicesAndCirra) {
  for (const auto& c : kLimitCases) {
    const BandPlan plan = MakeDefaultBandPlan(c.type, c.model);
    for (int i = 0; i < kBandLimitCount; ++i) {
      EXPECT_EQ(plan.limits[static_cast<std::size_t>(i)], c.limits[static_cast<std::size_t>(i)])
          << c.type << " " << c.model << " entry " << i;
    }
  }
}

// The market follows the destination letter; the dialog's captions name the same markets.
TEST(SetupChoices, MarketsOfTypeCodesAndTheKnownValues) {
  const struct {
    const char* type;
    const char* withMarket;
    bool known;
  } cases[] = {
      {"KK,0F", "KK,0F (U.S.A./Canada)", true},
      {"ME,0B", "ME,0B (Europe)", true},
      {"JJ,01", "JJ,01 (Japan)", true},
      {"MM,07", "MM,07 (General market)", true},
      {"KE,0F", "KE,0F (Europe)", false},
      {"MK,01", "MK,01 (U.S.A./Canada)", false},
      {"KK,0E", "KK,0E (U.S.A./Canada)", false},
      {"MX,01", "MX,01", false},
      {"K", "K", false},
      {"", "", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TypeWithMarket(c.type), c.withMarket);
    EXPECT_EQ(SetupChoiceOfType(c.type) != nullptr, c.known) << c.type;
  }
  for (const SetupChoice& choice : kSetupChoices) {
    EXPECT_EQ(std::string(choice.caption).find(std::string("(") + choice.market + ")") +
                  std::strlen(choice.market) + 2,
              std::strlen(choice.caption))
        << choice.caption;
    EXPECT_TRUE(IsKnownModel(choice.model));
    EXPECT_EQ(SetupChoiceOfType(choice.type), &choice);
  }
  for (const char* model : {"ARVEN", "BELTO", "CIRRA"}) EXPECT_TRUE(IsKnownModel(model));
  for (const char* model : {"FOO", "arven", "ARVEN2", ""}) EXPECT_FALSE(IsKnownModel(model));
}

TEST(DefaultBandLimits, FirstLetterRules) {
  // The first letter decides entries 1, 13 and 14 before the destination letter.
  EXPECT_EQ(DefaultBandLimit(1, "MK,01", "ARVEN"), "");
  EXPECT_EQ(DefaultBandLimit(13, "KE,01", "BELTO"), "00470,00806");
  EXPECT_EQ(DefaultBandLimit(14, "KJ,01", "BELTO"), "00806,01300");
  EXPECT_EQ(DefaultBandLimit(6, "XX,01", "BELTO"), "0002970,0005400");
  EXPECT_EQ(DefaultBandLimit(10, "XX,01", "BELTO"), "00174,00223");
}

TEST(BandPlan, LettersAndVariant) {
  BandPlan plan = MakeDefaultBandPlan("ME,0B", "BELTO");
  EXPECT_EQ(plan.DestinationLetter(), 'E');
  EXPECT_EQ(plan.FirstLetter(), 'M');
  EXPECT_EQ(plan.VariantCode(), "0B");
  plan.type = "";
  EXPECT_EQ(plan.DestinationLetter(), '\0');
  EXPECT_EQ(plan.VariantCode(), "");
}

TEST(BandOfFrequency, Examples) {
  const BandPlan k = MakeDefaultBandPlan("KK,0F", "ARVEN");
  const BandPlan e = MakeDefaultBandPlan("ME,0B", "BELTO");
  const struct {
    const BandPlan& plan;
    const char* frequency;
    int band;
  } cases[] = {
      {k, "00145000000", 0},  {e, "00150000000", 9},  {k, "00000050000", 4},
      {k, "02000000000", 14}, {e, "00001710000", 5},  {e, "00001709999", 4},
      {k, "00440000000", 2},  {e, "00440000000", 12}, {k, "", 4},
      {k, "abc", 4},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BandOfFrequency(c.plan, c.frequency), c.band) << c.frequency;
}

TEST(ReplaceLimitsFromRadio, ABandPairsChooseEntriesByLowerValue) {
  BandPlan plan = MakeDefaultBandPlan("KK,0F", "ARVEN");
  ReplaceLimitsFromRadio(plan, 0, "0,00144,00148,00430,00450,01240,01300");
  EXPECT_EQ(plan.limits[0], "00144,00148");
  EXPECT_EQ(plan.limits[1], "");
  EXPECT_EQ(plan.limits[2], "00430,00450");
  EXPECT_EQ(plan.limits[3], "01240,01300");
  EXPECT_EQ(plan.limits[4], "0000010,0000180");  // B band untouched
}

TEST(ReplaceLimitsFromRadio, BBandFillsInOrderAndKeepsEntry14) {
  BandPlan plan = MakeDefaultBandPlan("KK,0F", "ARVEN");
  ReplaceLimitsFromRadio(plan, 1, "1,0000010,0000170,0000170,0002970");
  EXPECT_EQ(plan.limits[4], "0000010,0000170");
  EXPECT_EQ(plan.limits[5], "0000170,0002970");
  EXPECT_EQ(plan.limits[6], "");
  EXPECT_EQ(plan.limits[13], "");
  EXPECT_EQ(plan.limits[14], "00806,01300");
  EXPECT_EQ(plan.limits[0], "00137,00174");
}

TEST(ReplaceLimitsFromRadio, HostileRepliesStayBounded) {
  BandPlan plan = MakeDefaultBandPlan("KK,0F", "ARVEN");
  std::string many = "1";
  for (int i = 0; i < 100; ++i) many += ",00001,00002";
  ReplaceLimitsFromRadio(plan, 1, many);
  EXPECT_EQ(plan.limits[14], "00001,00002");
  ReplaceLimitsFromRadio(plan, 0, "0," + std::string(50, '9') + ",1");
  EXPECT_LE(plan.limits[3].size(), kBandLimitCapacity);
  ReplaceLimitsFromRadio(plan, 0, "");
  ReplaceLimitsFromRadio(plan, 0, "0");
  EXPECT_EQ(plan.limits[0], "");
}

}  // namespace
}  // namespace quorvan
