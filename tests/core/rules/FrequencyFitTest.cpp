#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/model/BandPlan.h"
#include "core/model/RadioImage.h"
#include "core/rules/FrequencyRules.h"
#include "support/CaseNames.h"

namespace quorvan {
namespace {

constexpr int kFM = 0;
constexpr int kWFM = 1;
constexpr int kAM = 2;
constexpr int kLSB = 3;
constexpr int kUSB = 4;
constexpr int kCW = 5;
constexpr int kAuto = -1;  // band taken from ClassifyBand, as the memory editor does

RadioImage MakeImage(const char* type, const char* model = "BELTO") {
  return MakeNewDocument(MakeDefaultBandPlan(type, model));
}

struct FitCase {
  const char* what;
  const char* type;
  const char* model;
  ChannelKind kind;
  int band;
  const char* frequency;
  int mode;
  int step;
  const char* expectedFrequency;
  int expectedMode;
  int expectedStep;
  bool expectedChanged;
};

class FitFrequencyTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitFrequencyTest, MovesOntoLimitsStepsModesAndGrid) {
  const FitCase& c = GetParam();
  SCOPED_TRACE(c.what);
  RadioImage image = MakeImage(c.type, c.model);
  image.Store(SlotKind::ProgramVfo, 0, "0,00144,00147");
  std::string frequency = c.frequency;
  int mode = c.mode;
  int step = c.step;
  const int band = c.band == kAuto ? ClassifyBand(image.Plan(), frequency) : c.band;
  const bool changed = FitFrequency(image, frequency, band, c.kind, mode, step);
  EXPECT_EQ(frequency, c.expectedFrequency);
  EXPECT_EQ(mode, c.expectedMode);
  EXPECT_EQ(step, c.expectedStep);
  EXPECT_EQ(changed, c.expectedChanged);
}

constexpr ChannelKind kMem = ChannelKind::Memory;
constexpr ChannelKind kVfo = ChannelKind::Vfo;
constexpr ChannelKind kCall = ChannelKind::Call;

INSTANTIATE_TEST_SUITE_P(
    Cases, FitFrequencyTest,
    ::testing::Values(FitCase{"12k5 keeps 144.0125", "KK,0F", "ARVEN", kMem, kAuto, "00144012500",
                              kFM, 5, "00144012500", kFM, 5, false},
                      FitCase{"5k truncates 144.0125", "KK,0F", "ARVEN", kMem, kAuto, "00144012500",
                              kFM, 0, "00144010000", kFM, 0, true},
                      FitCase{"833 in band 8 stays", "KK,0F", "ARVEN", kMem, kAuto, "00118008330",
                              kFM, 2, "00118008330", kFM, 2, false},
                      FitCase{"833 in band 8 snaps", "KK,0F", "ARVEN", kMem, kAuto, "00118010000",
                              kFM, 2, "00118008330", kFM, 2, true},
                      FitCase{"833 at 145 MHz becomes 10k", "KK,0F", "ARVEN", kMem, kAuto,
                              "00145000000", kFM, 2, "00145000000", kFM, 4, false},
                      FitCase{"below 100 kHz", "KK,0F", "ARVEN", kMem, kAuto, "00000050000", kAM, 0,
                              "00000100000", kAM, 0, true},
                      FitCase{"1400 MHz to the top, then grid", "KK,0F", "ARVEN", kMem, kAuto,
                              "01400000000", kFM, 0, "01299990000", kFM, 4, true},
                      FitCase{"1300 MHz itself is not clamped", "KK,0F", "ARVEN", kMem, 14,
                              "01300000000", kFM, 4, "01300000000", kFM, 4, false},
                      FitCase{"USB on a 100 Hz multiple stays", "ME,0B", "BELTO", kMem, kAuto,
                              "00007050100", kUSB, 0, "00007050100", kUSB, 0, false},
                      FitCase{"USB fine grid", "ME,0B", "BELTO", kMem, kAuto, "00007050150", kUSB,
                              0, "00007050133", kUSB, 0, true},
                      FitCase{"K gap at 830 MHz", "KK,0F", "ARVEN", kMem, kAuto, "00830000000", kFM,
                              0, "00823990000", kFM, 4, true},
                      FitCase{"band 5 skips 1.7 MHz", "ME,0B", "BELTO", kVfo, 5, "00001000000", kFM,
                              7, "00001720000", kFM, 7, true},
                      FitCase{"band 5 1.7 MHz after truncation", "ME,0B", "BELTO", kMem, 5,
                              "00001710000", kFM, 11, "00001800000", kFM, 11, true},
                      FitCase{"program VFO upper end", "KK,0F", "ARVEN", kVfo, 0, "00150000000",
                              kUSB, 0, "00147995000", kFM, 0, true},
                      FitCase{"program VFO lower end", "KK,0F", "ARVEN", kVfo, 0, "00140000000",
                              kFM, 0, "00144000000", kFM, 0, true},
                      FitCase{"CALL uses band limits", "KK,0F", "ARVEN", kCall, 2, "00480000000",
                              kFM, 8, "00469975000", kFM, 8, true},
                      FitCase{"CALL below band", "ME,0B", "BELTO", kCall, 0, "00140000000", kAM, 5,
                              "00144000000", kAM, 5, true},
                      FitCase{"band 14 AM on CIRRA fine grid", "KK,0F", "CIRRA", kMem, 14,
                              "00900000150", kAM, 4, "00900000133", kAM, 4, true},
                      FitCase{"band 14 AM elsewhere step grid", "KK,0F", "ARVEN", kMem, 14,
                              "00900000100", kAM, 4, "00900000000", kAM, 4, true},
                      FitCase{"AM fine grid on 833 pattern", "KK,0F", "ARVEN", kMem, 8,
                              "00118008330", kAM, 0, "00118008330", kAM, 0, false},
                      FitCase{"untrusted text reads as 0", "KK,0F", "ARVEN", kMem, 4, "junk", kFM,
                              0, "00000100000", kFM, 0, true},
                      FitCase{"out-of-table mode and step", "KK,0F", "ARVEN", kMem, 0,
                              "00145000000", 9, -4, "00145000000", kFM, 0, false},
                      FitCase{"absurd VFO value", "KK,0F", "ARVEN", kVfo, 14, "99999999999", kFM, 4,
                              "01299990000", kFM, 4, true},
                      FitCase{"empty band entry below range", "ME,0B", "BELTO", kCall, 1,
                              "00000000000", kFM, 5, "00000100000", kFM, 5, true}),
    testing::ByCaseName());

struct StepRule {
  int band;
  int stepIn;
  int stepOut;
};

TEST(FitFrequencyStepRules, PerBand) {
  const StepRule rules[] = {{13, 0, 4},   {13, 1, 5}, {13, 2, 4}, {13, 3, 4}, {13, 6, 4},
                            {13, 5, 5},   {13, 7, 7}, {14, 0, 4}, {14, 1, 5}, {14, 6, 4},
                            {14, 11, 11}, {8, 2, 2},  {8, 3, 4},  {8, 0, 0},  {4, 2, 4},
                            {4, 3, 3},    {4, 1, 1},  {9, 2, 4},  {9, 3, 4},  {9, 0, 0},
                            {0, 2, 4},    {5, 3, 4},  {11, 1, 1}, {2, 10, 10}};
  const RadioImage image = MakeImage("KK,0F", "ARVEN");
  for (const StepRule& r : rules) {
    std::string frequency = "00009000000";  // a multiple of every step
    int mode = kFM;
    int step = r.stepIn;
    const bool changed = FitFrequency(image, frequency, r.band, kMem, mode, step);
    EXPECT_EQ(step, r.stepOut) << "band " << r.band << " step " << r.stepIn;
    EXPECT_FALSE(changed) << "a step change alone is no rounding, band " << r.band;
  }
}

struct ModeRule {
  ChannelKind kind;
  const char* model;
  int band;
  int modeIn;
  int modeOut;
};

TEST(FitFrequencyModeRules, PerKindBandAndModel) {
  const ModeRule rules[] = {{kVfo, "ARVEN", 0, kUSB, kFM},  {kVfo, "ARVEN", 2, kAM, kFM},
                            {kVfo, "CIRRA", 3, kCW, kFM},   {kMem, "ARVEN", 0, kUSB, kUSB},
                            {kCall, "ARVEN", 0, kAM, kAM},  {kMem, "ARVEN", 4, kWFM, kFM},
                            {kVfo, "ARVEN", 5, kWFM, kFM},  {kMem, "ARVEN", 5, kAM, kAM},
                            {kMem, "ARVEN", 7, kWFM, kWFM}, {kMem, "ARVEN", 13, kLSB, kFM},
                            {kMem, "BELTO", 14, kUSB, kFM}, {kMem, "CIRRA", 14, kCW, kFM},
                            {kMem, "CIRRA", 13, kAM, kAM},  {kMem, "ARVEN", 9, kLSB, kLSB}};
  for (const ModeRule& r : rules) {
    const RadioImage image = MakeImage("KK,0F", r.model);
    std::string frequency = "00005000000";
    int mode = r.modeIn;
    int step = 0;
    FitFrequency(image, frequency, r.band, r.kind, mode, step);
    EXPECT_EQ(mode, r.modeOut) << r.model << " band " << r.band << " mode " << r.modeIn;
  }
}

struct GapCase {
  const char* type;
  int band;
  const char* frequency;
  const char* expected;
};

TEST(FitFrequencyGaps, MoveBelowTheGapThenOntoTheGrid) {
  const GapCase cases[] = {
      {"KK,0F", 14, "00824000000", "00823990000"}, {"KK,0F", 14, "00848999999", "00823990000"},
      {"KK,0F", 14, "00849000000", "00849000000"}, {"KK,0F", 14, "00869000000", "00868990000"},
      {"KK,0F", 14, "00894000000", "00894000000"}, {"JJ,01", 14, "00810000000", "00809990000"},
      {"JJ,01", 14, "00843500000", "00842990000"}, {"JJ,01", 14, "00959990000", "00914990000"},
      {"JJ,01", 14, "00960000000", "00960000000"}, {"JJ,00", 14, "00810000000", "00810000000"},
      {"JJ,01", 11, "00253500000", "00252990000"}, {"JJ,01", 11, "00412000000", "00411990000"},
      {"JJ,00", 11, "00253500000", "00253500000"}, {"ME,0B", 14, "00830000000", "00830000000"},
      {"MM,07", 11, "00253500000", "00253500000"}, {"EK,01", 14, "00830000000", "00823990000"}};
  for (const GapCase& c : cases) {
    const RadioImage image = MakeImage(c.type);
    std::string frequency = c.frequency;
    int mode = kFM;
    int step = 4;
    const bool changed = FitFrequency(image, frequency, c.band, kMem, mode, step);
    EXPECT_EQ(frequency, c.expected) << c.type << " band " << c.band << " " << c.frequency;
    EXPECT_EQ(changed, frequency != c.frequency) << c.type << " " << c.frequency;
  }
}

TEST(FitTxFrequency, UsesBandLimitsAndLeavesModeAndStep) {
  const RadioImage image = MakeImage("KK,0F", "ARVEN");
  std::string tx = "00100000000";
  EXPECT_TRUE(FitTxFrequency(image, tx, 0, kMem, kFM, 0));
  EXPECT_EQ(tx, "00137000000") << "memory transmit stays inside the receive band";

  tx = "00180000000";
  EXPECT_TRUE(FitTxFrequency(image, tx, 0, kMem, kFM, 0));
  EXPECT_EQ(tx, "00173995000");

  // 8.33 kHz is not turned into 10 kHz here: the step is only read.
  tx = "00145010000";
  EXPECT_TRUE(FitTxFrequency(image, tx, 0, kMem, kFM, 2));
  EXPECT_EQ(tx, "00145008330");

  tx = "00145012500";
  EXPECT_FALSE(FitTxFrequency(image, tx, 0, kCall, kFM, 5));
  EXPECT_EQ(tx, "00145012500");

  tx = "00830000000";
  EXPECT_TRUE(FitTxFrequency(image, tx, 14, kMem, kFM, 4));
  EXPECT_EQ(tx, "00823990000");
}

TEST(FitTxFrequency, VfoInABandUsesProgramRange) {
  RadioImage image = MakeImage("KK,0F", "ARVEN");
  image.Store(SlotKind::ProgramVfo, 0, "0,00144,00147");
  std::string tx = "00150000000";
  EXPECT_TRUE(FitTxFrequency(image, tx, 0, kVfo, kFM, 0));
  EXPECT_EQ(tx, "00147995000");

  // A damaged program VFO record falls back to the band's own limits.
  image.Store(SlotKind::ProgramVfo, 0, "0,abc,");
  tx = "00150000000";
  EXPECT_FALSE(FitTxFrequency(image, tx, 0, kVfo, kFM, 0));
  EXPECT_EQ(tx, "00150000000");
}

TEST(FitFrequency, ClampReportStandsWhenTheGridAlreadyFits) {
  const RadioImage image = MakeImage("KK,0F", "ARVEN");
  std::string frequency = "00100000000";  // below band 8; the band edge is on the 8.33 grid
  int mode = kFM;
  int step = 2;
  EXPECT_TRUE(FitFrequency(image, frequency, 8, kCall, mode, step));
  EXPECT_EQ(frequency, "00108000000");
}

TEST(FitFrequency, Band5ExactHfBoundaryMovesAndSaysSo) {
  RadioImage image = MakeImage("ME,0B");
  image.Plan().limits[4] = "0000010,0000160";
  image.Plan().limits[5] = "0000160,0002970";
  std::string frequency = "00001700000";
  int mode = kFM;
  int step = 0;
  ASSERT_EQ(ClassifyBand(image.Plan(), frequency), 5);
  EXPECT_TRUE(FitFrequency(image, frequency, 5, kMem, mode, step));
  EXPECT_EQ(frequency, "00001705000");
}

struct SnapCase {
  std::int64_t in;
  std::int64_t out;
};

TEST(SnapTo833Grid, FallsToTheLargestPatternEntryBelow) {
  const SnapCase cases[] = {{118010000, 118008330}, {118008330, 118008330},
                            {118099999, 118091670}, {118000001, 118000000},
                            {118083331, 118083330}, {118050000, 118050000},
                            {118066669, 118058330}, {0, 0}};
  for (const SnapCase& c : cases) {
    std::int64_t f = c.in;
    EXPECT_EQ(SnapTo833Grid(f), c.in != c.out) << c.in;
    EXPECT_EQ(f, c.out) << c.in;
  }
}

TEST(SnapToFineGrid, FallsToTheLargestEndingBelow) {
  const SnapCase cases[] = {{7050150, 7050133}, {7050199, 7050167}, {7050166, 7050133},
                            {7050100, 7050100}, {7050133, 7050133}, {7050167, 7050167},
                            {7050101, 7050100}, {7050134, 7050133}};
  for (const SnapCase& c : cases) {
    std::int64_t f = c.in;
    EXPECT_EQ(SnapToFineGrid(f), c.in != c.out) << c.in;
    EXPECT_EQ(f, c.out) << c.in;
  }
}

TEST(IsOnStepGrid, MultipleOfStepOrOn833Pattern) {
  struct GridCase {
    std::int64_t f;
    int step;
    bool on;
  };
  const GridCase cases[] = {{145000000, 5000, true},   {145002500, 5000, false},
                            {145006250, 6250, true},   {118008330, 5000, true},
                            {118091670, 25000, true},  {118091671, 25000, false},
                            {145012500, 25000, false}, {145000000, 0, true},
                            {145000001, 0, false},     {-5000, 5000, false}};
  for (const GridCase& c : cases) EXPECT_EQ(IsOnStepGrid(c.f, c.step), c.on) << c.f;
}

TEST(ClassifyBand, FollowsTheBandLimits) {
  struct BandCase {
    const char* type;
    const char* model;
    const char* frequency;
    int band;
  };
  const BandCase cases[] = {{"KK,0F", "ARVEN", "00145000000", 0},
                            {"ME,0B", "BELTO", "00150000000", 9},
                            {"KK,0F", "ARVEN", "00000050000", 4},
                            {"KK,0F", "ARVEN", "02000000000", 14},
                            {"ME,0B", "BELTO", "00001710000", 5},
                            {"KK,0F", "ARVEN", "00223000000", 1},
                            {"ME,0B", "BELTO", "00223000000", 10},
                            {"ME,0B", "BELTO", "00435000000", 2},
                            {"ME,0B", "BELTO", "00445000000", 12},
                            {"KK,0F", "ARVEN", "01295000000", 14},
                            {"KK,0F", "CIRRA", "01295000000", 3},
                            {"JJ,01", "CIRRA", "01250000000", 14},
                            {"KK,0F", "ARVEN", "", 4}};
  for (const BandCase& c : cases) {
    EXPECT_EQ(ClassifyBand(MakeDefaultBandPlan(c.type, c.model), c.frequency), c.band)
        << c.type << " " << c.model << " " << c.frequency;
  }
}

TEST(ReadFrequencyHz, AcceptsOnlyElevenDigitsOrFewer) {
  std::int64_t f = -1;
  EXPECT_TRUE(ReadFrequencyHz("00144012500", f));
  EXPECT_EQ(f, 144012500);
  EXPECT_TRUE(ReadFrequencyHz("99999999999", f));
  EXPECT_EQ(f, 99999999999);
  for (const char* bad : {"", "001440125001", "0014401250x", " 144"}) {
    EXPECT_FALSE(ReadFrequencyHz(bad, f)) << bad;
  }
}

}  // namespace
}  // namespace quorvan
