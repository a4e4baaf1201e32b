#include <gtest/gtest.h>

#include "core/model/ChannelTables.h"
#include "core/model/RadioImage.h"
#include "core/model/RecordFields.h"

namespace quorvan {
namespace {

constexpr const char* kNamedWithComma =
    "005,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,1,,,,AB,CD";

TEST(RecordFields, NameWithCommaIsWholeLastField) {
  RadioImage image;
  image.Store(SlotKind::Memory, 5, kNamedWithComma);
  EXPECT_EQ(image.Field(SlotKind::Memory, 5, 17), "AB,CD");
  EXPECT_EQ(image.Field(SlotKind::Memory, 5, 0), "005");
  EXPECT_EQ(image.Field(SlotKind::Memory, 5, 1), "00145000000");
  EXPECT_EQ(image.Field(SlotKind::Memory, 5, 13), "1");
  EXPECT_EQ(image.Field(SlotKind::Memory, 5, 16), "");
}

TEST(RecordFields, MissingFieldsReadEmpty) {
  EXPECT_EQ(FieldOf("0,00144000000,0,0,0,0,0,0,08,08,000,000600000,0,,,,,", 13), "");
  EXPECT_EQ(FieldOf("0,1", 5), "");
  EXPECT_EQ(FieldOf("", 0), "");
  EXPECT_EQ(FieldOf("abc", 0), "abc");
  EXPECT_EQ(FieldOf("a,b,c", -1), "");
}

TEST(RecordFields, DtmfNameRunsToEnd) {
  RadioImage image;
  image.Store(SlotKind::Dtmf, 3, "03,12*#,HO,ME");
  EXPECT_EQ(image.Field(SlotKind::Dtmf, 3, 2), "HO,ME");
  EXPECT_EQ(image.Field(SlotKind::Dtmf, 3, 1), "12*#");
}

TEST(RecordFields, TextFromKeepsTheRest) {
  EXPECT_EQ(TextFrom("a,b,c,d", 2), "c,d");
  EXPECT_EQ(TextFrom("a,b", 4), "");
}

// Every field holds a different text, so a field number off by one reads the wrong one.
TEST(RecordFields, NamedChannelFieldsReadTheirOwnPlace) {
  constexpr std::string_view kRecord =
      "007,00145500000,5,2,1,0,1,0,12,23,045,000600000,4,1,00146100000,B,2,NA,ME";
  const struct {
    int field;
    std::string_view text;
  } kCases[] = {
      {kIdField, "007"},
      {kFrequencyField, "00145500000"},
      {kStepField, "5"},
      {kShiftField, "2"},
      {kReverseField, "1"},
      {kToneField, "0"},
      {kCtcssField, "1"},
      {kToneIndexField, "12"},
      {kCtcssIndexField, "23"},
      {kDcsIndexField, "045"},
      {kOffsetField, "000600000"},
      {kModeField, "4"},
      {kTxFrequencyField, "00146100000"},
      {kTxStepField, "B"},
      {kPowerField, "2"},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(FieldOf(kRecord, c.field, kChannelNameField), c.text) << "field " << c.field;
  }
  EXPECT_EQ(FieldOf(kRecord, kDcsField), "0");
  EXPECT_EQ(FieldOf(kRecord, kLockoutField), "1");
  EXPECT_EQ(FieldOf(kRecord, kChannelNameField, kChannelNameField), "NA,ME");

  constexpr std::string_view kDtmf = "04,1234,HOME";
  EXPECT_EQ(FieldOf(kDtmf, kDtmfNumberField), "04");
  EXPECT_EQ(FieldOf(kDtmf, kDtmfCodeField), "1234");
  EXPECT_EQ(FieldOf(kDtmf, kDtmfNameField, kDtmfNameField), "HOME");

  constexpr std::string_view kProgramVfo = "2,00430,00449";
  EXPECT_EQ(FieldOf(kProgramVfo, kProgramBandField), "2");
  EXPECT_EQ(FieldOf(kProgramVfo, kProgramLowerField), "00430");
  EXPECT_EQ(FieldOf(kProgramVfo, kProgramUpperField), "00449");
}

TEST(ChannelTables, TableEntryOfRecordIndex) {
  EXPECT_EQ(TableEntry(kTones, "00"), "67.0Hz");
  EXPECT_EQ(TableEntry(kTones, "08"), "88.5Hz");
  EXPECT_EQ(TableEntry(kTones, "41"), "254.1Hz");
  EXPECT_EQ(TableEntry(kDcsCodes, "000"), "023");
  EXPECT_EQ(TableEntry(kDcsCodes, "103"), "754");
  EXPECT_EQ(TableEntry(kModes, "5"), "CW");
  // Past the table, empty, or not all digits: no entry rather than a read out of bounds.
  for (const std::string_view bad : {"42", "", "-1", "0x", " 8", "9999999"}) {
    EXPECT_EQ(TableEntry(kTones, bad), "") << '"' << bad << '"';
  }
  EXPECT_EQ(TableEntry(kDcsCodes, "104"), "");
  EXPECT_EQ(TableEntry(kModes, "6"), "");
}

TEST(RadioImage, StoreIgnoresBadSlotsAndCutsAtCapacity) {
  RadioImage image;
  image.Store(SlotKind::Memory, 432, "x");
  image.Store(SlotKind::Memory, -1, "x");
  EXPECT_EQ(image.Record(SlotKind::Memory, 432), "");
  image.Store(SlotKind::Dtmf, 0, std::string(40, 'a'));
  EXPECT_EQ(image.Record(SlotKind::Dtmf, 0).size(), kDtmfCapacity);
  image.Store(SlotKind::ProgramVfo, 0, std::string(20, '1'));
  EXPECT_EQ(image.Record(SlotKind::ProgramVfo, 0).size(), kProgramVfoCapacity);
  image.SetComment(std::string(60, 'c'));
  EXPECT_EQ(image.Comment().size(), kCommentCapacity);
}

TEST(RadioImage, ClearKeepsProgramVfoPlanMenuAndComment) {
  RadioImage image;
  image.Store(SlotKind::Memory, 1, "x");
  image.Store(SlotKind::Vfo, 1, "x");
  image.Store(SlotKind::Call, 1, "x");
  image.Store(SlotKind::Dtmf, 1, "x");
  image.Store(SlotKind::ProgramVfo, 1, "1,00216,00259");
  image.SetComment("c");
  image.Plan().type = "KK,0F";
  image.Menu().Set(kMenuBC, "1");
  image.Clear();
  EXPECT_EQ(image.Record(SlotKind::Memory, 1), "");
  EXPECT_EQ(image.Record(SlotKind::Vfo, 1), "");
  EXPECT_EQ(image.Record(SlotKind::Call, 1), "");
  EXPECT_EQ(image.Record(SlotKind::Dtmf, 1), "");
  EXPECT_EQ(image.Record(SlotKind::ProgramVfo, 1), "1,00216,00259");
  EXPECT_EQ(image.Comment(), "c");
  EXPECT_EQ(image.Plan().type, "KK,0F");
  EXPECT_EQ(image.Menu().Get(kMenuBC), "1");
}

TEST(MemoryChannelLabel, EveryGroup) {
  const std::pair<int, const char*> cases[] = {
      {0, "000"}, {7, "007"}, {399, "399"}, {400, "L0"}, {401, "U0"}, {419, "U9"},
      {420, "PR1"}, {421, "PR2"}, {422, "I-1"}, {430, "I-9"}, {431, "I-0"}, {432, ""}, {-1, ""}};
  for (const auto& [slot, label] : cases) EXPECT_EQ(MemoryChannelLabel(slot), label) << slot;
}

TEST(LabelLookups, VfoAndCall) {
  EXPECT_EQ(VfoLabelToSlot("A_144MHz"), 0);
  EXPECT_EQ(VfoLabelToSlot("A_430MHz"), 2);
  EXPECT_EQ(VfoLabelToSlot("A_440MHz"), 2);
  EXPECT_EQ(VfoLabelToSlot("A_1200MHz"), 3);
  EXPECT_EQ(VfoLabelToSlot("B_TV-VHF"), 10);
  EXPECT_EQ(VfoLabelToSlot("B_200MHz"), 11);
  EXPECT_EQ(VfoLabelToSlot("B_440MHz"), 12);
  EXPECT_EQ(VfoLabelToSlot("B_TV-UHF"), 13);
  EXPECT_EQ(VfoLabelToSlot("B_1200MHz"), 14);
  EXPECT_EQ(VfoLabelToSlot("nonsense"), 14);
  EXPECT_EQ(CallLabelToSlot("144MHz"), 0);
  EXPECT_EQ(CallLabelToSlot("220MHz"), 1);
  EXPECT_EQ(CallLabelToSlot("430MHz"), 2);
  EXPECT_EQ(CallLabelToSlot("1200MHz"), 3);
  EXPECT_EQ(CallLabelToSlot("x"), 0);
}

}  // namespace
}  // namespace quorvan
