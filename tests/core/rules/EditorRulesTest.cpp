#include <gtest/gtest.h>

#include <string>

#include "core/model/BandPlan.h"
#include "core/model/RadioImage.h"
#include "core/rules/EditorRules.h"
#include "core/rules/FrequencyRules.h"
#include "support/CaseNames.h"

namespace quorvan {
namespace {

RadioImage MakeImage(const char* type, const char* model = "BELTO") {
  return MakeNewDocument(MakeDefaultBandPlan(type, model));
}

EditorEntry Simplex(const char* frequency, int step, const char* offset = "0.60") {
  EditorEntry in;
  in.typed = {frequency, frequency, offset};
  in.choices.SetStepIndex(step);
  in.choices.SetModeIndex(0);
  in.choices.SetToneIndex(8);
  in.choices.SetCtcssIndex(8);
  in.choices.SetDcsIndex(0);
  return in;
}

// ---- Memory records from the controls ----------------------------------------------------------

struct MemoryStoreCase {
  const char* what;
  int slot;
  ShiftChoice shift;
  const char* rx;
  const char* tx;
  int step;
  const char* name;
  const char* expected;
  bool rounded;
};

class MemoryStoreTest : public ::testing::TestWithParam<MemoryStoreCase> {};

TEST_P(MemoryStoreTest, WritesTheExactRecord) {
  const MemoryStoreCase& c = GetParam();
  RadioImage image = MakeImage("ME,0B");
  EditorEntry in = Simplex(c.rx, c.step);
  in.typed.tx = c.tx;
  in.shift = c.shift;
  in.choices.Set(ChannelField::Name, c.name);
  const StoreOutcome out = ComposeMemoryRecord(image, c.slot, in);
  ASSERT_EQ(out.error, EditError::None) << c.what;
  EXPECT_EQ(out.record, c.expected) << c.what;
  EXPECT_EQ(out.rounded, c.rounded) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Shifts, MemoryStoreTest,
    ::testing::Values(
        MemoryStoreCase{"simplex", 5, ShiftChoice::Simplex, "145.5", "145.5", 5, "NAME",
                        "005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,NAME", false},
        MemoryStoreCase{"plus", 0, ShiftChoice::Plus, "145.5", "1", 5, "",
                        "000,00145500000,5,1,0,0,0,0,08,08,000,000600000,0,0,,,,", false},
        MemoryStoreCase{"minus on a named slot", 420, ShiftChoice::Minus, "145.5", "1", 5, "",
                        "PR1,00145500000,5,2,0,0,0,0,08,08,000,000600000,0,0,,,,", false},
        MemoryStoreCase{"special shift", 431, ShiftChoice::Special, "433.5", "1", 8, "R",
                        "I-0,00433500000,8,3,0,0,0,0,08,08,000,000600000,0,0,,,,R", false},
        MemoryStoreCase{"split repeats the step", 12, ShiftChoice::Split, "145.5", "145", 5, "",
                        "012,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,00145000000,5,,",
                        false},
        MemoryStoreCase{
            "split transmit held in the receive band", 12, ShiftChoice::Split, "145.5", "150", 5,
            "", "012,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,00145987500,5,,", true},
        MemoryStoreCase{"rounded receive, comma in the name", 399, ShiftChoice::Simplex, "144.0125",
                        "1", 0, "A,B", "399,00144010000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,A,B",
                        true},
        MemoryStoreCase{"8.33 kHz step leaves the 145 MHz band as 10 kHz", 1, ShiftChoice::Simplex,
                        "145.01", "1", 2, "",
                        "001,00145010000,4,0,0,0,0,0,08,08,000,000600000,0,0,,,,", false}),
    testing::ByCaseName());

TEST(MemoryStore, BadTextsAreRefusedWithTheirError) {
  RadioImage image = MakeImage("KK,0F", "ARVEN");
  EditorEntry in = Simplex("145.5.0", 0);
  EXPECT_EQ(ComposeMemoryRecord(image, 0, in).error, EditError::InvalidFrequency);
  in = Simplex("145.5", 0);
  in.typed.tx = "1..";  // parsed even while the transmit field is hidden
  EXPECT_EQ(ComposeMemoryRecord(image, 0, in).error, EditError::InvalidFrequency);
  in = Simplex("145.5", 0, "1.2.");
  EXPECT_EQ(ComposeMemoryRecord(image, 0, in).error, EditError::InvalidOffset);
  EXPECT_EQ(ApplyMemoryFields(image, in).error, EditError::InvalidOffset);
  in = Simplex("145.5", 0, "65");
  EXPECT_EQ(ComposeMemoryRecord(image, 0, in).record,
            "000,00145500000,0,0,0,0,0,0,08,08,000,059950000,0,0,,,,");
}

TEST(MemoryApply, ReclassifiesTheBandAndItsExtraShift) {
  RadioImage image = MakeImage("ME,0B");
  EditorEntry in = Simplex("433", 8);
  in.shift = ShiftChoice::Special;
  AppliedFields out = ApplyMemoryFields(image, in);
  EXPECT_EQ(out.specialShiftCaption, "-7.6MHz Shift");
  EXPECT_EQ(out.fitted.Shift(), ShiftChoice::Special);
  EXPECT_EQ(ShownTxFrequency(out.fitted), "433.000");

  in.typed.rx = "145.0001";
  out = ApplyMemoryFields(image, in);
  EXPECT_EQ(out.specialShiftCaption, "");
  EXPECT_EQ(out.fitted.Shift(), ShiftChoice::Split);  // a hidden extra shift falls back to split
  EXPECT_EQ(ShownFrequency(out.fitted[ChannelField::Frequency]), "145.000");
  EXPECT_TRUE(out.rounded);
  EXPECT_EQ(FormatOffsetText(out.fitted[ChannelField::Offset]), "0.60");
}

// ---- Loading -----------------------------------------------------------------------------------

TEST(MemoryLoad, EmptyRecordShowsTheDestinationDefaults) {
  struct Case {
    const char* type;
    const char* frequency;
    int step;
  };
  for (const Case& c : {Case{"JJ,01", "145.000", 7}, Case{"KK,0F", "144.000", 0},
                        Case{"ME,0B", "144.000", 5}, Case{"MM,07", "144.000", 5}}) {
    RadioImage image = MakeImage(c.type);
    const ChannelRecord v = LoadMemoryChannel(image, 7).record;
    EXPECT_EQ(ShownFrequency(v[ChannelField::Frequency]), c.frequency) << c.type;
    EXPECT_EQ(v.StepIndex(), c.step) << c.type;
    EXPECT_EQ(FormatOffsetText(v[ChannelField::Offset]), "0.60") << c.type;
    EXPECT_EQ(v.Shift(), ShiftChoice::Simplex) << c.type;
    EXPECT_EQ(ShownTxFrequency(v), c.frequency) << c.type;
    EXPECT_EQ(v.ToneIndex(), 8) << c.type;
  }
}

TEST(MemoryLoad, FullRecordAndOutOfRangeIndices) {
  RadioImage image = MakeImage("KK,0F", "ARVEN");
  image.Store(SlotKind::Memory, 3,
              "003,00146520000,A,0,1,1,0,1,55,12,200,001600000,4,1,00147000000,A,,X,Y");
  const ChannelRecord v = LoadMemoryChannel(image, 3).record;
  EXPECT_EQ(ShownFrequency(v[ChannelField::Frequency]), "146.520");
  EXPECT_EQ(v.StepIndex(), 10);
  EXPECT_EQ(v.ModeIndex(), 4);
  EXPECT_EQ(v.Shift(), ShiftChoice::Split);
  EXPECT_EQ(ShownTxFrequency(v), "147.000");
  EXPECT_TRUE(v.IsOn(ChannelField::Reverse) && v.IsOn(ChannelField::Tone) &&
              v.IsOn(ChannelField::Dcs) && !v.IsOn(ChannelField::Ctcss) &&
              v.IsOn(ChannelField::Lockout));
  EXPECT_EQ(v.ToneIndex(), 8);  // 55 is outside the tone table
  EXPECT_EQ(v.CtcssIndex(), 12);
  EXPECT_EQ(v.DcsIndex(), 0);  // 200 is outside the DCS table
  EXPECT_EQ(FormatOffsetText(v[ChannelField::Offset]), "1.60");
  EXPECT_EQ(v[ChannelField::Name], "X,Y");
}

TEST(MemoryLoad, ExtraShiftCaptionFollowsBandAndVariant) {
  struct Case {
    const char* type;
    const char* frequency;
    const char* caption;
  };
  for (const Case& c :
       {Case{"ME,0B", "00433000000", "-7.6MHz Shift"}, Case{"ME,01", "00433000000", ""},
        Case{"ME,09", "00433000000", ""}, Case{"ME,0B", "00145000000", ""},
        Case{"ME,0B", "01250000000", "-6.0MHz Shift"},
        Case{"KK,0F", "01250000000", "-20.0MHz Shift"}, Case{"JJ,01", "01250000000", ""}}) {
    RadioImage image = MakeImage(c.type);
    image.Store(SlotKind::Memory, 0, std::string("000,") + c.frequency + ",0,3");
    const LoadedChannel v = LoadMemoryChannel(image, 0);
    EXPECT_EQ(v.specialShiftCaption, c.caption) << c.type << " " << c.frequency;
    EXPECT_EQ(v.record.Shift(), ShiftChoice::Special);
  }
}

TEST(VfoLoad, EmptyFieldsTakeTheBandDefaults) {
  struct Case {
    const char* type;
    int band;
    const char* frequency;
    int step;
    int mode;
    const char* offset;
  };
  for (const Case& c :
       {Case{"KK,0F", 5, "3.500", 0, 3, "0.00"}, Case{"JJ,01", 4, "0.531", 3, 2, "0.00"},
        Case{"ME,0B", 7, "87.500", 10, 1, "0.00"}, Case{"JJ,01", 7, "76.100", 10, 1, "0.00"},
        Case{"JJ,01", 11, "225.000", 5, 2, "0.00"}, Case{"KK,0F", 1, "223.000", 7, 0, "1.60"},
        Case{"ME,0B", 12, "432.000", 8, 0, "1.60"}, Case{"MM,01", 2, "430.000", 8, 0, "5.00"},
        Case{"KK,0F", 14, "1240.000", 8, 0, "12.00"}, Case{"JJ,01", 8, "118.000", 8, 2, "0.00"},
        Case{"ME,0B", 10, "180.750", 10, 1, "0.00"}}) {
    RadioImage image = MakeImage(c.type);
    image.Store(SlotKind::Vfo, c.band, "");
    const ChannelRecord v = LoadVfoChannel(image, c.band).record;
    EXPECT_EQ(ShownFrequency(v[ChannelField::Frequency]), c.frequency)
        << c.type << " band " << c.band;
    EXPECT_EQ(v.StepIndex(), c.step) << c.type << " band " << c.band;
    EXPECT_EQ(v.ModeIndex(), c.mode) << c.type << " band " << c.band;
    EXPECT_EQ(FormatOffsetText(v[ChannelField::Offset]), c.offset) << c.type << " band " << c.band;
  }
}

TEST(VfoStore, ProgramRangeBoundsTheA144Band) {
  RadioImage image = MakeImage("MM,07");  // program VFO 0 defaults to 144-147
  EditorEntry in = Simplex("150.000", 0);
  in.choices.SetModeIndex(4);  // USB is not offered on the A band
  const StoreOutcome out = ComposeVfoRecord(image, 0, in);
  EXPECT_TRUE(out.rounded);
  EXPECT_EQ(out.record, "0,00147995000,0,0,0,0,0,0,08,08,000,000600000,0,,,,,");
  EXPECT_EQ(ComposeVfoRecord(image, 0, Simplex("1.2.3", 0)).error, EditError::InvalidFrequency);
}

TEST(CallLoadAndStore, SplitAndStepRoundTrip) {
  RadioImage image = MakeImage("ME,0B", "ARVEN");
  EditorEntry in = Simplex("145.000", 10);
  in.shift = ShiftChoice::Split;
  in.typed.tx = "150";
  StoreOutcome out = ComposeCallRecord(image, 0, in);
  EXPECT_TRUE(out.rounded);  // the transmit frequency is pulled to the band edge
  EXPECT_EQ(out.record, "0,00145000000,A,0,0,0,0,0,08,08,000,000600000,0,,00145950000,A,,");
  image.Store(SlotKind::Call, 0, out.record);
  const ChannelRecord v = LoadCallChannel(image, 0).record;
  EXPECT_EQ(v.StepIndex(), 10);
  EXPECT_EQ(v.Shift(), ShiftChoice::Split);
  EXPECT_EQ(ShownTxFrequency(v), "145.950");

  image.Store(SlotKind::Call, 2, "");
  const LoadedChannel empty = LoadCallChannel(image, 2);
  EXPECT_EQ(ShownFrequency(empty.record[ChannelField::Frequency]), "432.000");
  EXPECT_EQ(FormatOffsetText(empty.record[ChannelField::Offset]), "1.60");
  EXPECT_EQ(empty.specialShiftCaption, "-7.6MHz Shift");
}

// ---- Channel numbers, paging, band lists --------------------------------------------------------

TEST(ChannelNumber, ReadsNumbersNamesAndUnfinishedNames) {
  struct Case {
    const char* text;
    ChannelNumberKind kind;
    int slot;
  };
  for (const Case& c :
       {Case{"", ChannelNumberKind::Empty, -1}, Case{"4", ChannelNumberKind::Valid, 4},
        Case{"40", ChannelNumberKind::Valid, 40}, Case{"399", ChannelNumberKind::Valid, 399},
        Case{"400", ChannelNumberKind::Invalid, -1}, Case{"007", ChannelNumberKind::Valid, 7},
        Case{"L0", ChannelNumberKind::Valid, 400}, Case{"U9", ChannelNumberKind::Valid, 419},
        Case{"PR1", ChannelNumberKind::Valid, 420}, Case{"I-1", ChannelNumberKind::Valid, 422},
        Case{"I-0", ChannelNumberKind::Valid, 431}, Case{"pr1", ChannelNumberKind::Invalid, -1},
        Case{"P", ChannelNumberKind::Unfinished, -1}, Case{"PR", ChannelNumberKind::Unfinished, -1},
        Case{"I-", ChannelNumberKind::Unfinished, -1}, Case{"L", ChannelNumberKind::Unfinished, -1},
        Case{"X", ChannelNumberKind::Invalid, -1}, Case{"L10", ChannelNumberKind::Invalid, -1},
        Case{"99999999999", ChannelNumberKind::Invalid, -1}}) {
    const ChannelNumberReading r = ReadChannelNumber(c.text);
    EXPECT_EQ(r.kind, c.kind) << c.text;
    EXPECT_EQ(r.slot, c.slot) << c.text;
  }
  EXPECT_EQ(MemoryChannelText(0), "0");
  EXPECT_EQ(MemoryChannelText(123), "123");
  EXPECT_EQ(MemoryChannelText(421), "PR2");
}

TEST(Paging, WrapsAtBothEnds) {
  EXPECT_EQ(PagedPosition(431, 432, PagingMove::Next), 0);
  EXPECT_EQ(PagedPosition(0, 432, PagingMove::Previous), 431);
  EXPECT_EQ(PagedPosition(5, 432, PagingMove::Next), 6);
  EXPECT_EQ(PagedPosition(5, 432, PagingMove::Previous), 4);
  EXPECT_EQ(PagedPosition(5, 10, PagingMove::First), 0);
  EXPECT_EQ(PagedPosition(5, 10, PagingMove::Last), 9);
}

TEST(BandLists, FollowDestinationAndModel) {
  const auto k = VfoBandList(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  ASSERT_EQ(k.size(), 14u);
  EXPECT_EQ(k[1].name, "A_220MHz");
  EXPECT_EQ(k[3].band, 4);
  EXPECT_EQ(VfoBandList(MakeDefaultBandPlan("KK,0F", "CIRRA")).size(), 15u);
  const auto e = VfoBandList(MakeDefaultBandPlan("ME,0B", "BELTO"));
  ASSERT_EQ(e.size(), 13u);
  EXPECT_EQ(e[1].name, "A_430MHz");
  EXPECT_EQ(e[9].name, "B_200MHz");
  const auto call = CallBandList(MakeDefaultBandPlan("ME,0B", "ARVEN"));
  ASSERT_EQ(call.size(), 2u);
  EXPECT_EQ(call[1].name, "430MHz");
  EXPECT_EQ(call[1].band, 2);
  EXPECT_EQ(CallBandList(MakeDefaultBandPlan("KK,0F", "CIRRA")).size(), 4u);
}

// ---- Program VFO fields ------------------------------------------------------------------------

TEST(ProgramVfo, CompleteValuesAreHeldInsideTheBand) {
  const BandPlan plan = MakeDefaultBandPlan("MM,07", "CIRRA");  // 144-148, 1240-1300
  struct Case {
    int band;
    ProgramVfoSide side;
    ProgramVfoFields before;
    ProgramVfoFields after;
  };
  using S = ProgramVfoSide;
  for (const Case& c : {Case{0, S::Lower, {"140", "147"}, {"144", "147"}},
                        Case{0, S::Upper, {"144", "150"}, {"144", "147"}},
                        Case{0, S::Lower, {"146", "145"}, {"146", "146"}},
                        Case{0, S::Upper, {"14", "145"}, {"144", "145"}},
                        Case{0, S::Upper, {"147", "145"}, {"145", "145"}},
                        Case{0, S::Lower, {"14", "147"}, {"14", "147"}},
                        Case{0, S::Lower, {"0", "147"}, {"", "147"}},
                        Case{3, S::Lower, {"120", "1299"}, {"120", "1299"}},
                        Case{3, S::Lower, {"1200", "1299"}, {"1240", "1299"}}}) {
    const ProgramVfoFields f = ReactToProgramVfoEdit(plan, c.band, c.before, c.side);
    EXPECT_EQ(f.lower, c.after.lower) << c.before.lower << "-" << c.before.upper;
    EXPECT_EQ(f.upper, c.after.upper) << c.before.lower << "-" << c.before.upper;
  }
  EXPECT_EQ(CompleteProgramVfoRecord(plan, 0, {"", "1"}), "0,00144,00147");
  EXPECT_EQ(CompleteProgramVfoRecord(plan, 0, {"145", "146"}), "0,00145,00146");
  EXPECT_EQ(CompleteProgramVfoRecord(plan, 3, {"120", "1299"}), "3,01240,01299");
}

TEST(DtmfCode, KeysAreUpperCasedAndFiltered) {
  struct Case {
    char key;
    DtmfKeyAction action;
    char after;
  };
  for (const Case& c :
       {Case{'d', DtmfKeyAction::Accept, 'D'}, Case{'7', DtmfKeyAction::Accept, '7'},
        Case{'*', DtmfKeyAction::Accept, '*'}, Case{'#', DtmfKeyAction::Accept, '#'},
        Case{' ', DtmfKeyAction::Accept, ' '}, Case{'E', DtmfKeyAction::Refuse, 'E'},
        Case{'e', DtmfKeyAction::Refuse, 'E'}, Case{',', DtmfKeyAction::Refuse, ','},
        Case{'\x1b', DtmfKeyAction::Swallow, '\x1b'}}) {
    char key = c.key;
    EXPECT_EQ(FilterDtmfCodeKey(key), c.action) << c.key;
    EXPECT_EQ(key, c.after);
  }
}

}  // namespace
}  // namespace quorvan
