#include <gtest/gtest.h>

#include <string>

#include "core/model/BandPlan.h"
#include "core/model/EscapedText.h"
#include "core/model/RadioImage.h"
#include "core/model/RecordForm.h"

namespace quorvan {
namespace {

// Fields 1-13 of a plain channel.
const std::string kMain = "00145000000,0,0,0,0,0,0,08,08,000,000600000,0,1";
const std::string kVfo0 = "0,00144000000,0,0,0,0,0,0,08,08,000,000600000,0,,,,,";

struct FormCase {
  SlotKind kind;
  int slot;
  std::string record;
  std::string problem;  // "" for a well-formed record
};

TEST(RecordForm, AcceptsWhatTheProgramAndARadioWriteAndNamesTheFirstFault) {
  const FormCase cases[] = {
      // What producers write, including the variety a radio may hold.
      {SlotKind::Memory, 5, "005," + kMain + ",,,,AB,CD", ""},
      {SlotKind::Memory, 0, "000," + kMain + ",,,,,,,,,,,,", ""},  // a name of eight commas
      {SlotKind::Memory, 399, "399," + kMain + ",00438000000,7,1,\xBB\xAF,\xCE", ""},
      {SlotKind::Memory, 400, "L0," + kMain + ",,,X9,", ""},  // RF power kept as it is
      {SlotKind::Memory, 421, "PR2,00145000000,F,9,9,9,9,9,99,99,999,999999999,9,9,,,,", ""},
      {SlotKind::Memory, 431, "I-0," + kMain + ",,,,", ""},
      {SlotKind::Memory, 7, "", ""},
      {SlotKind::Vfo, 0, kVfo0, ""},
      {SlotKind::Vfo, 14, "E" + kVfo0.substr(1), ""},
      {SlotKind::Call, 2, "2,00440000000,8,0,0,0,0,0,08,08,000,005000000,0", ""},
      {SlotKind::Call, 2, "2,00440000000,8,0,0,0,0,0,08,08,000,005000000,0,,,,", ""},
      {SlotKind::Call, 2, "2,00440000000,8,0,0,0,0,0,08,08,000,005000000,0,,00445000000,8,1,", ""},
      {SlotKind::Dtmf, 0, "00,0123456789ABCD*#,a,b,c,d", ""},
      {SlotKind::Dtmf, 9, "9,1,", ""},
      {SlotKind::Dtmf, 3, "03, 1 2,HOME", ""},
      {SlotKind::ProgramVfo, 3, "3,01240,01299", ""},
      {SlotKind::ProgramVfo, 1, "", ""},

      // Damage: a cut record, foreign text, fields out of form, the wrong slot.
      {SlotKind::Memory, 0, "000,0014518", "the record has 2 fields instead of 18"},
      {SlotKind::Memory, 0, "000,0014518,,,,,,,,,,,,,,,,",
       "the frequency \"0014518\" is not 11 digits"},
      {SlotKind::Memory, 0, "000,XYZZY;rm -rf", "the record has 2 fields instead of 18"},
      {SlotKind::Memory, 5, "006," + kMain + ",,,,",
       "the label \"006\" does not name this channel"},
      {SlotKind::Memory, 420, "Pr1," + kMain + ",,,,",
       "the label \"Pr1\" does not name this channel"},
      {SlotKind::Memory, 5, "005,00145000000,a,0,0,0,0,0,08,08,000,000600000,0,1,,,,",
       "the step \"a\" is not one hexadecimal digit"},
      {SlotKind::Memory, 5, "005,00145000000,0,,0,0,0,0,08,08,000,000600000,0,1,,,,",
       "the shift \"\" is not one digit"},
      {SlotKind::Memory, 5, "005,00145000000,0,0,0,0,0,0,8,08,000,000600000,0,1,,,,",
       "the tone \"8\" is not 2 digits"},
      {SlotKind::Memory, 5, "005,00145000000,0,0,0,0,0,0,08,08,000,00600000,0,1,,,,",
       "the offset \"00600000\" is not 9 digits"},
      {SlotKind::Memory, 5, "005,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,,,,,",
       "the lockout \"\" is not one digit"},
      {SlotKind::Memory, 5, "005," + kMain + ",1234,,,",
       "the transmit frequency \"1234\" is neither empty nor 11 digits"},
      {SlotKind::Memory, 5, "005," + kMain + ",,G,,",
       "the transmit step \"G\" is neither empty nor one hexadecimal digit"},
      {SlotKind::Memory, 5, "005," + kMain + ",,,,NINECHARS",
       "the name \"NINECHARS\" is longer than 8 characters"},
      {SlotKind::Memory, 5, "005," + kMain + ",,,,\x1b]0;x",
       "the record holds the control character \"\\x1b\""},
      {SlotKind::Memory, 5, "005," + kMain + ",,,," + std::string(60, 'x'),
       "the record is longer than 99 characters"},
      {SlotKind::Vfo, 0, "0,00144000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,",
       "the lockout \"0\" should be empty"},
      {SlotKind::Vfo, 0, "0,00144000000,0,0,0,0,0,0,08,08,000,000600000,0,,,,",
       "the record has 17 fields instead of 18"},
      {SlotKind::Vfo, 0, "F" + kVfo0.substr(1), "the band code \"F\" does not name this band"},
      {SlotKind::Vfo, 15, "F" + kVfo0.substr(1), "the band code \"F\" does not name this band"},
      {SlotKind::Call, 2, "2,00440000000,8,0,0,0,0,0,08,08,000,005000000",
       "the record has 12 fields instead of 13 to 18"},
      {SlotKind::Call, 2, "2,00440000000,8,0,0,0,0,0,08,08,000,005000000,0,,,,,NAME",
       "the name \"NAME\" should be empty"},
      {SlotKind::Call, 1, "2,00440000000,8,0,0,0,0,0,08,08,000,005000000,0",
       "the band code \"2\" does not name this band"},
      {SlotKind::Dtmf, 3, "05,123,X", "the number \"05\" does not name this memory"},
      {SlotKind::Dtmf, 3, "3,12E,X",
       "the code \"12E\" is not at most 16 of 0-9, A-D, *, # and blank"},
      {SlotKind::Dtmf, 3, "3,123", "the record has 2 fields instead of 3"},
      {SlotKind::Dtmf, 3, "3,1,NINECHARS", "the name \"NINECHARS\" is longer than 8 characters"},
      {SlotKind::Dtmf, 3, "3,12345678901234567,",
       "the code \"12345678901234567\" is not at most 16 of 0-9, A-D, *, # and blank"},
      {SlotKind::ProgramVfo, 0, "0,00144,001470", "the upper limit \"001470\" is not 5 digits"},
      {SlotKind::ProgramVfo, 0, "0,00144,0014700", "the record is longer than 14 characters"},
      {SlotKind::ProgramVfo, 0, "0,00144,0014", "the upper limit \"0014\" is not 5 digits"},
      {SlotKind::ProgramVfo, 0, "1,00144,00147", "the band code \"1\" does not name this range"},
      {SlotKind::ProgramVfo, 0, "0,00144", "the record has 2 fields instead of 3"},
  };
  for (const FormCase& c : cases) {
    SCOPED_TRACE(RecordItemName(c.kind, c.slot) + " " + EscapeUnprintable(c.record));
    EXPECT_EQ(RecordProblem(c.kind, c.slot, c.record), c.problem);
  }
}

TEST(RecordForm, MenuValuesAndTheCommentHoldWhatTheFileReadsBack) {
  const struct {
    int item;
    std::string value;
    std::string problem;
  } menuCases[] = {
      {kMenuBC, "", ""},
      {kMenuBC, "7", ""},
      {kMenuCNT, "16", ""},
      {kMenuMES, "HELLO !!", ""},
      {kMenuMGL, "0 2     ", ""},
      {kMenuBC, "12", "the value \"12\" is longer than one character"},
      {kMenuMES, "HELLO !!!", "the value \"HELLO !!!\" is longer than 8 characters"},
      {kMenuMES, "A\tB", "the value holds the control character \"\\x09\""},
      {kMenuItemCount, "0", "no such menu value"},
  };
  for (const auto& c : menuCases) {
    SCOPED_TRACE(MenuItemName(c.item) + " " + c.value);
    EXPECT_EQ(MenuValueProblem(c.item, c.value), c.problem);
  }
  const struct {
    std::string comment;
    std::string problem;
  } commentCases[] = {
      {"", ""},
      {"QUENTAR Chanvault for DOVRA", ""},
      {"__CALL DATA__ ", ""},
      {std::string(50, 'c'), ""},
      {std::string(51, 'c'), "the comment is longer than 50 characters"},
      {"__CALL DATA__", "the comment \"__CALL DATA__\" is a section marker of the channel file"},
      {"\x1b]0;owned\x07", "the comment holds the control character \"\\x1b\""},
  };
  for (const auto& c : commentCases) {
    EXPECT_EQ(CommentProblem(c.comment), c.problem) << EscapeUnprintable(c.comment);
  }
}

TEST(RecordForm, FirstMalformedItemFollowsTheWriteOrderAndItsScope) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  EXPECT_FALSE(FirstMalformedItem(image, true, true).has_value());
  image.Menu().Set(kMenuMES, "A\x01");
  image.Store(SlotKind::Dtmf, 4, "4,x,");
  image.Store(SlotKind::Call, 1, "1,garbage");
  ASSERT_TRUE(FirstMalformedItem(image, true, true).has_value());
  EXPECT_EQ(FirstMalformedItem(image, true, true)->item, "CALL channel 1");
  EXPECT_EQ(FirstMalformedItem(image, false, true)->item, "menu value MES");
  EXPECT_EQ(FirstMalformedItem(image, false, true)->problem,
            "the value holds the control character \"\\x01\"");
  image.Store(SlotKind::Memory, 431, "I-0,cut");
  EXPECT_EQ(FirstMalformedItem(image, true, false)->item, "memory channel I-0");
  EXPECT_FALSE(FirstMalformedItem(image, false, false).has_value());
}

TEST(RecordForm, EveryDefaultDocumentIsWellFormed) {
  for (const SetupChoice& choice : kSetupChoices) {
    for (const char* model : {choice.model, kModelCirra}) {
      const RadioImage image = MakeNewDocument(MakeDefaultBandPlan(choice.type, model));
      const auto bad = FirstMalformedItem(image, true, true);
      EXPECT_FALSE(bad.has_value())
          << choice.type << " " << model << ": " << bad->item << ": " << bad->problem;
    }
  }
  // Limits a radio reported in another form give no program VFO range, not a malformed one.
  BandPlan odd = MakeDefaultBandPlan("KK,0F", "CIRRA");
  odd.limits[0] = "144,148";
  odd.limits[2] = "0041,00440";
  const RadioImage image = MakeNewDocument(odd);
  EXPECT_EQ(image.Record(SlotKind::ProgramVfo, 0), "");
  EXPECT_EQ(image.Record(SlotKind::ProgramVfo, 2), "");
  EXPECT_EQ(image.Record(SlotKind::ProgramVfo, 3), "3,01240,01299");
}

TEST(MemorySlotOfLabel, NamesEverySlotAndNothingElse) {
  for (int slot = 0; slot < kMemorySlots; ++slot) {
    EXPECT_EQ(MemorySlotOfLabel(MemoryChannelLabel(slot)), slot);
  }
  for (const char* label : {"", "0", "0000", "400", "L10", "Pr1", "I-10", "i-1", "X1", "PR3", "PR0",
                            "I-", "U", "0a1", "-01"}) {
    EXPECT_EQ(MemorySlotOfLabel(label), -1) << label;
  }
}

TEST(TypeCode, TwoLettersOfAKnownDestinationACommaAndTwoCharacters) {
  for (const char* good : {"KK,0F", "ME,0B", "JJ,01", "MM,07", "MK,01", "KX,zz", "AE,#!"}) {
    EXPECT_TRUE(IsTypeCode(good)) << good;
  }
  for (const char* bad : {"", "N", "KK,0", "KK,0F ", "ZZ,99", "Kk,0F", "kK,0F", "KK.0F", "1K,0F",
                          "KK, F", "KK,0\x1b", "KK,0\xC9", " KK,0"}) {
    EXPECT_FALSE(IsTypeCode(bad)) << EscapeUnprintable(bad);
  }
}

TEST(EscapedText, ControlCharactersBecomeHexEscapes) {
  EXPECT_EQ(EscapeControls("a\x1b[2Jb\t\x7f\xE9\xC3\xBC"), "a\\x1b[2Jb\\x09\\x7f\xE9\xC3\xBC");
  EXPECT_EQ(EscapeUnprintable(std::string("a\0\xff~", 4)), "a\\x00\\xff~");
  EXPECT_EQ(QuotedForMessage(std::string(30, 'x')), "\"" + std::string(24, 'x') + "...\"");
}

}  // namespace
}  // namespace quorvan
