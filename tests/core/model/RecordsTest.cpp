#include <gtest/gtest.h>

#include <string>

#include "core/model/ChannelRecord.h"
#include "core/model/DtmfRecord.h"
#include "core/model/ProgramVfoRecord.h"

namespace quorvan {
namespace {

using F = ChannelField;

// Whatever a record holds, taking it apart and putting it together gives the same bytes back.
TEST(ChannelRecord, ParseThenTextGivesTheSameBytes) {
  const char* const texts[] = {
      "",
      "005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,NAME",
      "005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,A,B,,C",  // commas in the name
      "0,00144000000,0,0,0,0,0,0,08,08,000,000600000,0,,,,,",           // VFO
      "2,00440000000,8,0,0,0,0,0,08,08,000,005000000,0",                // short CALL record
      "x",
      "x,",
      ",,,,",
      "012,0014\xff,Z,9,,,,,,,,,,,,,2,\x81\x9f",  // damaged and odd bytes
  };
  for (const char* text : texts) {
    EXPECT_EQ(ChannelRecord::Parse(text).Text(), text) << text;
  }
  EXPECT_TRUE(ChannelRecord::Parse("").Empty());
  EXPECT_FALSE(ChannelRecord::Parse(",").Empty());
}

TEST(ChannelRecord, FieldsReadByPositionAndTheNameRunsToTheEnd) {
  const ChannelRecord r = ChannelRecord::Parse(
      "L3,00145500000,A,2,1,0,1,0,12,41,103,001600000,4,1,00146000000,A,2,RPT,X");
  EXPECT_EQ(r[F::Id], "L3");
  EXPECT_EQ(r[F::Frequency], "00145500000");
  EXPECT_EQ(r.StepIndex(), 10);
  EXPECT_EQ(r.Shift(), ShiftChoice::Split);  // a transmit frequency makes it split
  EXPECT_TRUE(r.IsOn(F::Reverse));
  EXPECT_TRUE(r.IsOn(F::Ctcss));
  EXPECT_FALSE(r.IsOn(F::Tone));
  EXPECT_EQ(r.ToneIndex(), 12);
  EXPECT_EQ(r.CtcssIndex(), 41);
  EXPECT_EQ(r.DcsIndex(), 103);
  EXPECT_EQ(r[F::Offset], "001600000");
  EXPECT_EQ(r.ModeIndex(), 4);
  EXPECT_TRUE(r.IsOn(F::Lockout));
  EXPECT_EQ(r[F::TxStep], "A");
  EXPECT_EQ(r[F::Power], "2");
  EXPECT_EQ(r[F::Name], "RPT,X");
  EXPECT_EQ(r.Join(F::Frequency, F::Shift), "00145500000,A,2");

  // Missing and damaged fields read as the editors' fallbacks.
  const ChannelRecord damaged = ChannelRecord::Parse("1,00145000000,Q,3,,,,,99,x,104,,7");
  EXPECT_EQ(damaged.StepIndex(), 0);
  EXPECT_EQ(damaged.Shift(), ShiftChoice::Special);
  EXPECT_EQ(damaged.ToneIndex(), 8);
  EXPECT_EQ(damaged.CtcssIndex(), 8);
  EXPECT_EQ(damaged.DcsIndex(), 0);
  EXPECT_EQ(damaged.ModeIndex(), 0);
  EXPECT_EQ(damaged[F::Name], "");
  EXPECT_EQ(damaged[F::TxFrequency], "");
}

// The setters write the forms the editors write, so a record built here is the editor's record.
TEST(ChannelRecord, BuiltRecordsAreTheEditorsRecords) {
  ChannelRecord memory = ChannelRecord::Blank("005");
  memory.Set(F::Frequency, "00145500000");
  memory.SetStepIndex(5);
  memory.SetShift(ShiftChoice::Split);
  for (F flag : {F::Reverse, F::Tone, F::Ctcss, F::Dcs}) memory.SetFlag(flag, false);
  memory.SetToneIndex(8);
  memory.SetCtcssIndex(8);
  memory.SetDcsIndex(0);
  memory.Set(F::Offset, "000600000");
  memory.SetModeIndex(0);
  memory.SetFlag(F::Lockout, false);
  memory.SetSplit("00145000000");
  memory.Set(F::Name, "NAME");
  EXPECT_EQ(memory.Text(),
            "005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,00145000000,5,,NAME");
  memory.SetSplit("");
  EXPECT_EQ(memory.Shift(), ShiftChoice::Simplex);
  EXPECT_EQ(memory.Text(), "005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,NAME");

  ChannelRecord vfo = ChannelRecord::Blank("A");
  vfo.Set(F::Frequency, "00179750000");
  vfo.SetStepIndex(10);
  vfo.SetShift(ShiftChoice::Special);
  for (F flag : {F::Reverse, F::Tone, F::Ctcss, F::Dcs}) vfo.SetFlag(flag, true);
  vfo.SetToneIndex(41);
  vfo.SetCtcssIndex(-3);  // out of range is kept to the field's width
  vfo.SetDcsIndex(1234);
  vfo.Set(F::Offset, "000000000");
  vfo.SetModeIndex(9);  // outside the mode list: FM
  EXPECT_EQ(vfo.Text(), "A,00179750000,A,3,1,1,1,1,41,00,234,000000000,0,,,,,");
}

TEST(DtmfRecord, FieldsAndTheNameWithCommas) {
  const DtmfRecord r = DtmfRecord::Parse("03,12*#,HOME,X");
  EXPECT_EQ(r.Number(), "03");
  EXPECT_EQ(r.Code(), "12*#");
  EXPECT_EQ(r.Name(), "HOME,X");
  for (const char* text : {"", "3", "3,", "3,,", "3,12,N,,", "\xff,\x01"}) {
    EXPECT_EQ(DtmfRecord::Parse(text).Text(), text);
  }
  const DtmfRecord bare = DtmfRecord::Parse("7");
  EXPECT_EQ(bare.Number(), "7");
  EXPECT_EQ(bare.Code(), "");
  EXPECT_EQ(bare.Name(), "");
  EXPECT_EQ(DtmfRecord::Make(3, "0123*#ABCD", "HOME").Text(), "3,0123*#ABCD,HOME");
  EXPECT_EQ(DtmfRecord::Make(3, "", "").Text(), "3,,");
}

TEST(ProgramVfoRecord, FieldsAndTheWrittenForm) {
  const ProgramVfoRecord r = ProgramVfoRecord::Parse("0,00144,00147");
  EXPECT_EQ(r.Band(), "0");
  EXPECT_EQ(r.Lower(), "00144");
  EXPECT_EQ(r.Upper(), "00147");
  EXPECT_EQ(ProgramVfoRecord::Make(2, 430, 439).Text(), "2,00430,00439");
  EXPECT_EQ(ProgramVfoRecord::Parse("3").Upper(), "");
  EXPECT_TRUE(ProgramVfoRecord::Parse("").Empty());
}

}  // namespace
}  // namespace quorvan
