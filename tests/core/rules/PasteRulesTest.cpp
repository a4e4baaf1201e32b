#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/model/ChannelRecord.h"
#include "core/rules/PasteRules.h"
#include "support/CaseNames.h"
#include "support/SlotFields.h"

namespace quorvan {
namespace {

struct ChannelFields {
  std::string label = "010";
  std::string frequency = "00146520000";
  std::string step = "0";
  std::string shift = "0";
  std::string offset = "000600000";
  std::string mode = "0";
  std::string lockout = "0";
  std::string transmit;
  std::string transmitStep;
  std::string name;
};

// A memory record as the radio and the editor write it.
std::string Text(const ChannelFields& c) {
  return c.label + "," + c.frequency + "," + c.step + "," + c.shift + ",0,1,0,0,12,08,000," +
         c.offset + "," + c.mode + "," + c.lockout + "," + c.transmit + "," + c.transmitStep +
         ",," + c.name;
}

std::string ChannelOn(const std::string& frequency, const std::string& step = "0",
                      const std::string& mode = "0") {
  ChannelFields c;
  c.frequency = frequency;
  c.step = step;
  c.mode = mode;
  return Text(c);
}

RadioImage Document(const char* type, const char* model = kModelArven) {
  return MakeNewDocument(MakeDefaultBandPlan(type, model));
}

EditTarget Memory(int slot) { return {Grid::Memory, slot}; }
EditTarget Vfo(const char* label) { return TargetOfRow(Grid::Vfo, 1, label); }
EditTarget Call(const char* label) { return TargetOfRow(Grid::Call, 1, label); }
EditTarget Dtmf(int slot) { return {Grid::Dtmf, slot}; }

int Commas(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), ','));
}

// ---- Availability -------------------------------------------------------------------------

struct AvailabilityCase {
  const char* what;
  const char* type;
  const char* model;
  EditTarget target;
  std::string clipboard;
  bool available;
};

class PasteAvailability : public ::testing::TestWithParam<AvailabilityCase> {};

TEST_P(PasteAvailability, FollowsTheTargetsLimits) {
  const AvailabilityCase& c = GetParam();
  const RadioImage image = Document(c.type, c.model);
  EXPECT_EQ(PasteAvailable(image, c.clipboard, c.target), c.available) << c.what;
}

const std::string kDtmfText = "03,12345*#,HOME";

INSTANTIATE_TEST_SUITE_P(
    Table, PasteAvailability,
    ::testing::Values(
        // Memory grid: the band holding the frequency bounds it.
        AvailabilityCase{"memory 146.52", "KK,0F", kModelArven, Memory(0), ChannelOn("00146520000"),
                         true},
        AvailabilityCase{"memory info channel", "KK,0F", kModelArven, Memory(431),
                         ChannelOn("00162550000"), true},
        AvailabilityCase{"memory below 100 kHz", "KK,0F", kModelArven, Memory(0),
                         ChannelOn("00000050000"), false},
        AvailabilityCase{"memory above every band", "KK,0F", kModelArven, Memory(0),
                         ChannelOn("01300500000"), false},
        AvailabilityCase{"memory, DTMF text", "KK,0F", kModelArven, Memory(0), kDtmfText, false},
        // VFO grid, A band: the program VFO range widened to its whole top MHz.
        AvailabilityCase{"A_144 in range", "KK,0F", kModelArven, Vfo("A_144MHz"),
                         ChannelOn("00146520000"), true},
        AvailabilityCase{"A_144 top MHz", "KK,0F", kModelArven, Vfo("A_144MHz"),
                         ChannelOn("00173995000"), true},
        AvailabilityCase{"A_144 upper end", "KK,0F", kModelArven, Vfo("A_144MHz"),
                         ChannelOn("00174000000"), true},
        AvailabilityCase{"A_144 above", "KK,0F", kModelArven, Vfo("A_144MHz"),
                         ChannelOn("00174010000"), false},
        AvailabilityCase{"A_144 below", "KK,0F", kModelArven, Vfo("A_144MHz"),
                         ChannelOn("00136990000"), false},
        AvailabilityCase{"A_144 off the 5 kHz step", "KK,0F", kModelArven, Vfo("A_144MHz"),
                         ChannelOn("00146512500", "0"), false},
        AvailabilityCase{"A_144 on the 12.5 kHz step", "KK,0F", kModelArven, Vfo("A_144MHz"),
                         ChannelOn("00146512500", "5"), true},
        AvailabilityCase{"A_144 on the 8.33 kHz pattern", "KK,0F", kModelArven, Vfo("A_144MHz"),
                         ChannelOn("00146508330", "0"), true},
        AvailabilityCase{"A_144 unknown step code", "KK,0F", kModelArven, Vfo("A_144MHz"),
                         ChannelOn("00146520000", "C"), false},
        AvailabilityCase{"A_144 AM", "KK,0F", kModelArven, Vfo("A_144MHz"),
                         ChannelOn("00146520000", "0", "2"), false},
        AvailabilityCase{"A_440 gets 146.52", "KK,0F", kModelArven, Vfo("A_440MHz"),
                         ChannelOn("00146520000"), false},
        AvailabilityCase{"A_440 gets 446", "KK,0F", kModelArven, Vfo("A_440MHz"),
                         ChannelOn("00446000000"), true},
        AvailabilityCase{"A_220 gets 223.5", "KK,0F", kModelArven, Vfo("A_220MHz"),
                         ChannelOn("00223500000"), true},
        AvailabilityCase{"A_1200 on CIRRA", "ME,0B", kModelCirra, Vfo("A_1200MHz"),
                         ChannelOn("01250000000"), true},
        AvailabilityCase{"A_430 Europe gets 441", "ME,0B", kModelBelto, Vfo("A_430MHz"),
                         ChannelOn("00441000000"), false},
        // VFO grid, B band: the band's own limits, both ends included, no step or mode check.
        AvailabilityCase{"B_AM gets 146.52", "KK,0F", kModelArven, Vfo("B_AM"),
                         ChannelOn("00146520000"), false},
        AvailabilityCase{"B_AM gets 0.54", "KK,0F", kModelArven, Vfo("B_AM"),
                         ChannelOn("00000540000", "4", "2"), true},
        AvailabilityCase{"B_AM upper end", "KK,0F", kModelArven, Vfo("B_AM"),
                         ChannelOn("00001800000"), true},
        AvailabilityCase{"B_AM above", "KK,0F", kModelArven, Vfo("B_AM"), ChannelOn("00001810000"),
                         false},
        AvailabilityCase{"B_144 off step in AM", "KK,0F", kModelArven, Vfo("B_144MHz"),
                         ChannelOn("00146512500", "0", "2"), true},
        AvailabilityCase{"B_TV-UHF Japan", "JJ,01", kModelBelto, Vfo("B_TV-UHF"),
                         ChannelOn("00771000000"), false},
        // CALL grid: the BandLimits entry of the CALL band.
        AvailabilityCase{"CALL 144 gets 146.52 in AM", "KK,0F", kModelArven, Call("144MHz"),
                         ChannelOn("00146512500", "0", "2"), true},
        AvailabilityCase{"CALL 440 gets 146.52", "KK,0F", kModelArven, Call("440MHz"),
                         ChannelOn("00146520000"), false},
        AvailabilityCase{"CALL 430 Japan gets 435", "JJ,01", kModelBelto, Call("430MHz"),
                         ChannelOn("00435000000"), true},
        AvailabilityCase{"CALL 430 Japan gets 445", "JJ,01", kModelBelto, Call("430MHz"),
                         ChannelOn("00445000000"), false},
        AvailabilityCase{"CALL, DTMF text", "KK,0F", kModelArven, Call("144MHz"), kDtmfText, false},
        // DTMF grid: DTMF texts only.
        AvailabilityCase{"DTMF text on DTMF", "KK,0F", kModelArven, Dtmf(3), kDtmfText, true},
        AvailabilityCase{"channel on DTMF", "KK,0F", kModelArven, Dtmf(3), ChannelOn("00146520000"),
                         false},
        AvailabilityCase{"29 characters on DTMF", "KK,0F", kModelArven, Dtmf(3),
                         "03,1234567890123456,ABCDEFGHI", false},
        AvailabilityCase{"29 characters on memory", "KK,0F", kModelArven, Memory(0),
                         "03,1234567890123456,ABCDEFGHI", false},
        AvailabilityCase{"DTMF text too long for the slot", "KK,0F", kModelArven, Dtmf(3),
                         "0," + std::string(26, '1'), false},
        // Nothing to paste, or nowhere to paste it.
        AvailabilityCase{"empty buffer", "KK,0F", kModelArven, Memory(0), "", false},
        AvailabilityCase{"empty buffer on DTMF", "KK,0F", kModelArven, Dtmf(0), "", false},
        AvailabilityCase{"no grid entered", "KK,0F", kModelArven, EditTarget{},
                         ChannelOn("00146520000"), false},
        AvailabilityCase{"memory slot outside the image", "KK,0F", kModelArven, Memory(432),
                         ChannelOn("00146520000"), false}),
    testing::ByCaseName());

// ---- Untrusted clipboard text -------------------------------------------------------------

struct BadTextCase {
  const char* what;
  std::string clipboard;
};

class PasteOfBadText : public ::testing::TestWithParam<BadTextCase> {};

TEST_P(PasteOfBadText, IsRefusedOnEveryGrid) {
  const BadTextCase& c = GetParam();
  RadioImage image = Document("KK,0F");
  const RadioImage before = image;
  for (const EditTarget& target : {Memory(0), Vfo("A_144MHz"), Vfo("B_HF"), Call("144MHz")}) {
    EXPECT_FALSE(PasteAvailable(image, c.clipboard, target)) << c.what;
    EXPECT_FALSE(PasteInto(image, c.clipboard, target)) << c.what;
  }
  EXPECT_EQ(image, before) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, PasteOfBadText,
    ::testing::Values(BadTextCase{"letters in the frequency", ChannelOn("0014652000x")},
                      BadTextCase{"short frequency", ChannelOn("146520000")},
                      BadTextCase{"long frequency", ChannelOn("001465200000")},
                      BadTextCase{"huge frequency", ChannelOn("99999999999")},
                      BadTextCase{"no commas at all", std::string(60, '1')},
                      BadTextCase{"frequency missing", "010" + std::string(40, ' ')},
                      BadTextCase{"NUL inside",
                                  std::string("010,00146520000,0,0,0,0,0,0,08,08\0,", 35)},
                      BadTextCase{"result beyond the slot", ",00146520000,0,0,0,0,0,0,08,08," +
                                                                std::string(56, '9') + ",,0,,,,,"}),
    testing::ByCaseName());

TEST(PasteAvailabilityLimits, EmptyOrMalformedLimitsOfferNothing) {
  RadioImage image = Document("KK,0F");
  image.Store(SlotKind::ProgramVfo, 0, "");
  image.Plan().limits[9] = "abc,def";
  image.Plan().limits[0] = ",";
  const std::string clip = ChannelOn("00146520000");
  EXPECT_FALSE(PasteAvailable(image, clip, Vfo("A_144MHz")));
  EXPECT_FALSE(PasteAvailable(image, clip, Vfo("B_144MHz")));
  EXPECT_FALSE(PasteAvailable(image, clip, Call("144MHz")));
}

TEST(PasteAvailabilityLimits, MissingFieldsAreFilledAndMalformedOnesRefused) {
  RadioImage image = Document("KK,0F");
  ASSERT_TRUE(PasteInto(image, "005,00146520000,0,0,0,0,0,0,08,08,000,,0", Memory(7)));
  const std::string& stored = image.Record(SlotKind::Memory, 7);
  EXPECT_EQ(Commas(stored), 17);
  EXPECT_EQ(ChannelRecord::Parse(stored)[ChannelField::Offset], "000000000");
  EXPECT_EQ(ChannelRecord::Parse(stored)[ChannelField::Lockout], "0");

  // Clipboard text is outside bytes: whatever field would be malformed in the target refuses
  // the paste, so the document never holds a record it cannot save, open again and write.
  const RadioImage before = image;
  for (const std::string& clip :
       {"005,00146520000,0," + std::string(20, '0'),
        std::string("005,00146520000,0,0,0,0,0,0,8,08,000,000600000,0,0,,,,"),
        std::string("005,00146520000,G,0,0,0,0,0,08,08,000,000600000,0,0,,,,"),
        std::string("005,00146520000,0,0,0,0,0,0,08,08,0\x1b"
                    "0,000600000,0,0,,,,"),
        std::string("005,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,1234,,,")}) {
    EXPECT_FALSE(PasteAvailable(image, clip, Memory(8))) << clip;
    EXPECT_FALSE(PasteInto(image, clip, Memory(8))) << clip;
  }
  EXPECT_FALSE(PasteInto(image, "1,12G,NAME", Dtmf(1)));
  EXPECT_TRUE(image == before);
}

// ---- The memory record Paste builds -------------------------------------------------------

// Field number and the text it holds instead of the base record's (field 17 is the name).
using FieldEdits = std::vector<std::pair<int, std::string>>;

std::string Edited(const std::string& label, const FieldEdits& edits) {
  ChannelFields base;
  base.label = label;
  ChannelRecord record = ChannelRecord::Parse(Text(base));
  for (const auto& [n, value] : edits) record.Set(static_cast<ChannelField>(n), value);
  return record.Text();
}

struct MemoryPasteCase {
  const char* what;
  const char* type;
  int slot;
  FieldEdits clip;      // on a copy of channel 010
  FieldEdits expected;  // on the base record carrying the target's identifier
};

class MemoryPaste : public ::testing::TestWithParam<MemoryPasteCase> {};

TEST_P(MemoryPaste, RebuildsTheRecordAroundTheTarget) {
  const MemoryPasteCase& c = GetParam();
  RadioImage image = Document(c.type);
  ASSERT_TRUE(PasteInto(image, Edited("010", c.clip), Memory(c.slot))) << c.what;
  EXPECT_EQ(image.Record(SlotKind::Memory, c.slot), Edited(MemoryChannelLabel(c.slot), c.expected))
      << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MemoryPaste,
    ::testing::Values(
        MemoryPasteCase{"plain copy", "KK,0F", 5, {{17, "REPEATER"}}, {{17, "REPEATER"}}},
        MemoryPasteCase{
            "lockout kept on an ordinary channel", "KK,0F", 5, {{13, "1"}}, {{13, "1"}}},
        MemoryPasteCase{"lockout cleared on a scan edge L", "KK,0F", 400, {{13, "1"}}, {}},
        MemoryPasteCase{"lockout cleared on a scan edge U", "KK,0F", 407, {{13, "1"}}, {}},
        MemoryPasteCase{"lockout cleared on a priority channel", "KK,0F", 421, {{13, "1"}}, {}},
        MemoryPasteCase{"lockout kept on an I channel", "ME,0B", 422, {{13, "1"}}, {{13, "1"}}},
        MemoryPasteCase{"empty lockout becomes 0", "KK,0F", 5, {{13, ""}}, {}},
        MemoryPasteCase{"fixed split dropped outside E", "KK,0F", 5, {{3, "3"}}, {}},
        MemoryPasteCase{"fixed split kept for E",
                        "ME,0B",
                        5,
                        {{1, "00438000000"}, {3, "3"}},
                        {{1, "00438000000"}, {3, "3"}}},
        MemoryPasteCase{"minus shift kept outside E", "JJ,01", 5, {{3, "2"}}, {{3, "2"}}},
        MemoryPasteCase{"empty offset becomes zeros", "KK,0F", 5, {{11, ""}}, {{11, "000000000"}}},
        MemoryPasteCase{"split takes the receive step",
                        "KK,0F",
                        5,
                        {{2, "5"}, {14, "00147120000"}, {15, "8"}},
                        {{2, "5"}, {14, "00147120000"}, {15, "5"}}},
        MemoryPasteCase{"stray transmit step dropped", "KK,0F", 5, {{15, "8"}}, {}},
        MemoryPasteCase{"RF power not carried", "KK,0F", 5, {{16, "1"}}, {}},
        MemoryPasteCase{"long name cut to 8", "KK,0F", 5, {{17, "ABCDEFGHIJ"}}, {{17, "ABCDEFGH"}}},
        MemoryPasteCase{"name with commas", "KK,0F", 5, {{17, "A,B,C"}}, {{17, "A,B,C"}}},
        MemoryPasteCase{"control character drops the name", "KK,0F", 5, {{17, "AB\tC"}}, {}},
        MemoryPasteCase{
            "katakana kept for J", "JJ,01", 5, {{17, "NHK\xBB\xAF"}}, {{17, "NHK\xBB\xAF"}}},
        MemoryPasteCase{"katakana dropped for K", "KK,0F", 5, {{17, "NHK\xBB\xAF"}}, {}},
        MemoryPasteCase{
            "accented letter kept for E", "ME,0B", 5, {{17, "K\xD6LN"}}, {{17, "K\xD6LN"}}}),
    testing::ByCaseName());

TEST(MemoryPasteIdentifier, PriorityChannelKeepsTheIdentifierTheFileReaderPlacesItBy) {
  RadioImage image = Document("KK,0F");
  ASSERT_TRUE(PasteInto(image, ChannelOn("00146520000"), Memory(420)));
  EXPECT_EQ(testing::SlotField(image, SlotKind::Memory, 420, ChannelField::Id), "PR1");
}

// ---- VFO, CALL and DTMF records -----------------------------------------------------------

TEST(VfoPaste, KeepsTheBandCodeAndEmptiesTheMemoryOnlyFields) {
  RadioImage image = Document("KK,0F");
  ChannelFields clip;
  clip.shift = "1";
  clip.lockout = "1";
  clip.transmit = "00147000000";
  clip.transmitStep = "0";
  clip.name = "NAME";
  ASSERT_TRUE(PasteInto(image, Text(clip), Vfo("B_144MHz")));
  EXPECT_EQ(image.Record(SlotKind::Vfo, 9), "9,00146520000,0,1,0,1,0,0,12,08,000,000600000,0,,,,,");
}

TEST(VfoPaste, EmptyTargetRecordFallsBackToItsBandCode) {
  RadioImage image = Document("KK,0F");
  image.Store(SlotKind::Vfo, 10, "");
  ASSERT_TRUE(PasteInto(image, ChannelOn("00180000000"), Vfo("B_TV-VHF")));
  EXPECT_EQ(testing::SlotField(image, SlotKind::Vfo, 10, ChannelField::Id), "A");
}

TEST(CallPaste, CarriesTheSplitIntoFields14And15) {
  RadioImage image = Document("KK,0F");
  ChannelFields clip;
  clip.frequency = "00440000000";
  clip.step = "8";
  clip.lockout = "1";
  clip.transmit = "00445000000";
  clip.name = "IGNORED";
  ASSERT_TRUE(PasteInto(image, Text(clip), Call("440MHz")));
  EXPECT_EQ(image.Record(SlotKind::Call, 2),
            "2,00440000000,8,0,0,1,0,0,12,08,000,000600000,0,,00445000000,8,,");
}

TEST(CallPaste, SimplexLeavesTheSplitFieldsEmpty) {
  RadioImage image = Document("JJ,01", kModelBelto);
  ASSERT_TRUE(PasteInto(image, ChannelOn("00145000000"), Call("144MHz")));
  EXPECT_EQ(image.Record(SlotKind::Call, 0),
            "0,00145000000,0,0,0,1,0,0,12,08,000,000600000,0,,,,,");
}

struct DtmfPasteCase {
  const char* what;
  const char* type;
  std::string clipboard;
  std::string stored;
};

class DtmfPaste : public ::testing::TestWithParam<DtmfPasteCase> {};

TEST_P(DtmfPaste, TakesTheTargetNumber) {
  const DtmfPasteCase& c = GetParam();
  RadioImage image = Document(c.type);
  ASSERT_TRUE(PasteInto(image, c.clipboard, Dtmf(3))) << c.what;
  EXPECT_EQ(image.Record(SlotKind::Dtmf, 3), c.stored) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DtmfPaste,
    ::testing::Values(DtmfPasteCase{"two-digit number", "KK,0F", "07,12345*#,HOME",
                                    "03,12345*#,HOME"},
                      DtmfPasteCase{"one-digit number", "KK,0F", "7,0,X", "03,0,X"},
                      DtmfPasteCase{"name cut to 8", "KK,0F", "07,1,ABCDEFGHIJ", "03,1,ABCDEFGH"},
                      DtmfPasteCase{"name with a comma", "KK,0F", "07,1,A,B", "03,1,A,B"},
                      DtmfPasteCase{"bad name dropped", "KK,0F", "07,1,A\x7F", "03,1,"},
                      DtmfPasteCase{"no name", "KK,0F", "07,123", "03,123,"}),
    testing::ByCaseName());

// ---- The window's sequence ----------------------------------------------------------------

TEST(ClipboardSequence, CutRecordIsPasteableAtOnce) {
  RadioImage image = Document("KK,0F");
  ChannelFields c;
  c.label = "012";
  c.name = "CUT";
  image.Store(SlotKind::Memory, 12, Text(c));

  ClipboardBuffer buffer;
  ASSERT_TRUE(buffer.Take(image.Record(SlotKind::Memory, 12)));
  image.Store(SlotKind::Memory, 12, "");
  ASSERT_TRUE(PasteAvailable(image, buffer.Text(), Memory(12)));
  ASSERT_TRUE(PasteInto(image, buffer.Text(), Memory(12)));
  EXPECT_EQ(image.Record(SlotKind::Memory, 12), Text(c));
}

TEST(ClipboardSequence, PasteOnAnotherRowChecksThatRow) {
  RadioImage image = Document("KK,0F");
  const RadioImage before = image;
  const std::string clip = ChannelOn("00146520000");
  ASSERT_TRUE(PasteAvailable(image, clip, Vfo("A_144MHz")));
  EXPECT_FALSE(PasteInto(image, clip, Vfo("B_AM")));
  EXPECT_FALSE(PasteInto(image, clip, EditTarget{}));
  EXPECT_EQ(image, before);
}

// ---- Several rows ---------------------------------------------------------------------------

TEST(PasteOfRows, FillsConsecutiveSlotsAndNamesTheRowsThatDoNotFit) {
  RadioImage image = Document("KK,0F");
  image.Store(SlotKind::Memory, 11, ChannelOn("00145000000"));
  const RadioImage before = image;
  ChannelFields named;
  named.label = "005";
  named.name = "NAMED";
  const std::vector<std::string> rows{Text(named), "",
                                      ChannelOn("01400000000"),  // above every band
                                      ChannelOn("00146000000")};
  const std::vector<SkippedPasteRow> skipped = PasteMemoryRows(image, rows, 10);

  ASSERT_EQ(skipped.size(), 1u);
  EXPECT_EQ(SkippedPasteLine(rows, skipped[0]), "row 3 (010) does not fit slot 012");
  named.label = "010";
  EXPECT_EQ(image.Record(SlotKind::Memory, 10), Text(named));
  // The empty row leaves the slot it falls on alone.
  EXPECT_EQ(image.Record(SlotKind::Memory, 11), before.Record(SlotKind::Memory, 11));
  EXPECT_EQ(image.Record(SlotKind::Memory, 12), before.Record(SlotKind::Memory, 12));
  EXPECT_EQ(image.Channel(SlotKind::Memory, 13)[ChannelField::Id], "013");
}

TEST(PasteOfRows, StopsAtTheEndOfTheOrdinaryMemories) {
  RadioImage image = Document("KK,0F");
  const RadioImage before = image;
  const std::vector<std::string> rows{ChannelOn("00145000000"), ChannelOn("00146000000")};
  const std::vector<SkippedPasteRow> skipped = PasteMemoryRows(image, rows, 399);
  ASSERT_EQ(skipped.size(), 1u);
  EXPECT_EQ(SkippedPasteLine(rows, skipped[0]), "row 2 (010) does not fit after the last slot");
  EXPECT_EQ(image.Channel(SlotKind::Memory, 399)[ChannelField::Frequency], "00145000000");
  EXPECT_EQ(image.Record(SlotKind::Memory, 400), before.Record(SlotKind::Memory, 400));
}

}  // namespace
}  // namespace quorvan
