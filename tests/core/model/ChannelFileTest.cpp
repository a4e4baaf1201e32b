#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/ChannelFile.h"
#include "core/model/RadioImage.h"
#include "support/SlotFields.h"

namespace quorvan {
namespace {

constexpr const char* kMemory5 = "005,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,1,,,,AB,CD";

// What Open gives before the file is read: cleared, band-plan and menu defaults.
RadioImage Prepared(const char* type = "KK,0F", const char* model = "ARVEN") {
  RadioImage image;
  image.Plan() = MakeDefaultBandPlan(type, model);
  image.Clear();
  ApplyBandPlanDefaults(image);
  ApplyMenuDefaults(image.Menu(), image.Plan());
  return image;
}

std::string File(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string out;
  for (const std::string& line : lines) out += line + end;
  return out;
}

std::string Tabbed(std::string text) {
  for (char& c : text) {
    if (c == ',') c = '\t';
  }
  return text;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find("\r\n", pos);
    if (end == std::string::npos) {
      ADD_FAILURE() << "line without CR LF at " << pos;
      break;
    }
    lines.push_back(text.substr(pos, end - pos));
    pos = end + 2;
  }
  return lines;
}

TEST(ChannelFileWrite, DefaultDocumentLayout) {
  const RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  const std::vector<std::string> lines = SplitCrLf(WriteChannelFileText(image));
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[0], "QUENTAR Chanvault for DOVRA");
  EXPECT_EQ(lines[1], "__COMMENT__");
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "__MEMORY DATA__");
  EXPECT_EQ(lines[4],
            "I-1\t00162550000\t0\t0\t0\t0\t0\t0\t08\t08\t000\t000000000\t0\t0\t\t\t\tWEATHER");

  // 10 I channels, then CALL 0-2 (K has 220 MHz), the 14 VFOs without 1200 MHz A band, no DTMF.
  EXPECT_EQ(lines[14], "__CALL DATA__");
  EXPECT_EQ(lines[15], Tabbed(image.Record(SlotKind::Call, 0)));
  EXPECT_EQ(lines[18], "__VFO DATA__");
  EXPECT_EQ(lines[19], "0\t00144000000\t0\t0\t0\t0\t0\t0\t08\t08\t000\t000600000\t0\t\t\t\t\t");
  EXPECT_EQ(lines[33], "__DTMF DATA__");
  EXPECT_EQ(lines[34], "__RADIO MENU__");
  ASSERT_EQ(lines.size(), 35u + 45u);
  EXPECT_EQ(lines[35], "0,00137,00173");  // program VFOs keep their commas
  EXPECT_EQ(lines[38], "");               // no 1200 MHz range without CIRRA
  EXPECT_EQ(lines[39 + kMenuMES], "HELLO !!");
  EXPECT_EQ(lines[39 + kMenuPC2], "");
  EXPECT_EQ(lines[39 + kMenuPC3], "");
  EXPECT_EQ(lines[39 + kMenuNAR3], "");
  EXPECT_EQ(lines[39 + kMenuBAT], "0");
}

TEST(ChannelFileWrite, CommasBecomeTabsOnlyWhereTheFormatSays) {
  RadioImage image;
  image.Store(SlotKind::Memory, 5, kMemory5);
  image.Store(SlotKind::Dtmf, 3, "3,123*#,A,B,C");
  image.Store(SlotKind::Call, 2, "2,00440000000,8,0,0,0,0,0,08,08,000,005000000,0,,00445000000,8");
  const std::string text = WriteChannelFileText(image);
  EXPECT_NE(
      text.find(
          "\r\n005\t00145000000\t0\t0\t0\t0\t0\t0\t08\t08\t000\t000600000\t0\t1\t\t\t\tAB\tCD\r\n"),
      std::string::npos);
  EXPECT_NE(text.find("\r\n3\t123*#\tA,B,C\r\n"), std::string::npos);
  EXPECT_NE(
      text.find(
          "\r\n2\t00440000000\t8\t0\t0\t0\t0\t0\t08\t08\t000\t005000000\t0\t\t00445000000\t8\r\n"),
      std::string::npos);
  // The image itself keeps its commas.
  EXPECT_EQ(image.Record(SlotKind::Memory, 5), kMemory5);
}

TEST(ChannelFileWrite, ShortRecordsAreNotWrittenAndMalformedOnesDoNotReopen) {
  RadioImage image = Prepared();
  image.Store(SlotKind::Memory, 7, "007,");
  image.Store(SlotKind::Dtmf, 1, "1");
  image.Store(SlotKind::Dtmf, 2, "2,,");
  const std::string text = WriteChannelFileText(image);
  EXPECT_EQ(text.find("007\t"), std::string::npos);
  const std::size_t dtmf = text.find("__DTMF DATA__");
  EXPECT_EQ(text.substr(dtmf, text.find("__RADIO MENU__") - dtmf), "__DTMF DATA__\r\n2\t\t\r\n");
  RadioImage back = Prepared();
  ASSERT_TRUE(ReadChannelFileText(text, back));
  EXPECT_EQ(back.Record(SlotKind::Memory, 7), "");
  EXPECT_EQ(back.Record(SlotKind::Dtmf, 1), "");
  EXPECT_EQ(back.Record(SlotKind::Dtmf, 2), "2,,");

  // A record no producer makes is written as it stands, and the file then says what is wrong.
  image.Store(SlotKind::Memory, 8, "008,1");
  std::string problem;
  EXPECT_FALSE(ReadChannelFileText(WriteChannelFileText(image), back, &problem));
  EXPECT_EQ(problem, "Line 5: memory channel 008: the record has 2 fields instead of 18.");
}

TEST(ChannelFileRoundTrip, EveryRecordComesBackByteForByte) {
  for (const auto& [type, model] :
       {std::pair{"KK,0F", "ARVEN"}, std::pair{"JJ,01", "CIRRA"}, std::pair{"ME,0B", "BELTO"}}) {
    SCOPED_TRACE(type);
    RadioImage image = MakeNewDocument(MakeDefaultBandPlan(type, model));
    image.SetComment("Field day, 2026 \x8A\xFF");
    image.Store(SlotKind::Memory, 5, kMemory5);
    image.Store(SlotKind::Memory, 0,
                "000,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,,,,,,,,,");
    image.Store(
        SlotKind::Memory, 399,
        "399,00433000000,7,2,1,1,0,0,12,12,050,005000000,0,1,00438000000,7,1,\xBB\xAF,\xCE");
    image.Store(SlotKind::Memory, 421,
                "PR2,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,PRIO");
    image.Store(SlotKind::Dtmf, 0, "00,0123456789*#ABCD,a,b,c,d");
    image.Store(SlotKind::Dtmf, 9, "9,1,");
    image.Store(SlotKind::ProgramVfo, 3, "3,01240,01299");
    image.Store(SlotKind::Vfo, 9, "");  // a radio without this band: stays empty
    image.Menu().Set(kMenuMGL, "0 2     ");
    image.Menu().Set(kMenuMES, "A,B C,D ");
    image.Menu().Set(kMenuCNT, "16");

    const std::string text = WriteChannelFileText(image);
    RadioImage back = image;
    back.Clear();  // as Open starts
    ASSERT_TRUE(ReadChannelFileText(text, back));
    EXPECT_TRUE(back == image);
    EXPECT_EQ(back.Record(SlotKind::Memory, 5), kMemory5);
    EXPECT_EQ(testing::DtmfName(back, 0), "a,b,c,d");
    EXPECT_EQ(back.Menu().Get(kMenuMES), "A,B C,D ");
    EXPECT_EQ(WriteChannelFileText(back), text);
  }
}

TEST(ChannelFileRead, LineEndsAndAMissingFinalLineEndReadAlike) {
  RadioImage image = Prepared();
  image.SetComment("hello");
  image.Store(SlotKind::Memory, 5, kMemory5);
  const std::string crlf = WriteChannelFileText(image);
  std::string lf;
  for (const char c : crlf) {
    if (c != '\r') lf += c;
  }
  for (const std::string& text : {crlf, lf, crlf.substr(0, crlf.size() - 2),
                                  crlf.substr(0, crlf.size() - 1), lf.substr(0, lf.size() - 1)}) {
    RadioImage back = Prepared();
    ASSERT_TRUE(ReadChannelFileText(text, back)) << text.size();
    EXPECT_TRUE(back == image) << text.size();
  }
}

// Of every way to cut a file short, only a cut of its last line end leaves a file that opens;
// everything else names the line where the file breaks off.
TEST(ChannelFileRead, AFileCutShortAnywhereIsRefused) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  image.Store(SlotKind::Memory, 0, "000,00145180000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,");
  const std::string text = WriteChannelFileText(image);
  RadioImage full = Prepared();
  ASSERT_TRUE(ReadChannelFileText(text, full));
  const RadioImage prepared = Prepared();
  RadioImage cut = prepared;
  int accepted = 0;
  for (std::size_t length = 0; length < text.size(); ++length) {
    std::string problem;
    if (ReadChannelFileText(std::string_view(text).substr(0, length), cut, &problem)) {
      ++accepted;
      EXPECT_GE(length, text.size() - 2);
      EXPECT_TRUE(cut == full);
      cut = prepared;
    } else {
      EXPECT_EQ(problem.rfind("Line ", 0), 0u) << length << ": " << problem;
      EXPECT_TRUE(cut == prepared) << length;
    }
  }
  EXPECT_EQ(accepted, 2);

  // The cut that used to send "MW 0,000,0014518,,,,,,,,,,,," to the radio.
  const std::size_t at = text.find("0014518") + 7;
  std::string problem;
  EXPECT_FALSE(ReadChannelFileText(text.substr(0, at), cut, &problem));
  EXPECT_EQ(problem, "Line 5: memory channel 000: the record has 2 fields instead of 18.");
}

// A valid file with one line replaced, inserted (before the given line) or removed.
struct Damage {
  const char* what;
  enum { Replace, Insert, Remove } how;
  std::size_t line;  // 1-based
  std::string text;
  std::string problem;
};

TEST(ChannelFileRead, DamagedFilesAreRefusedNamingTheLineAndTheFault) {
  RadioImage image = Prepared();
  image.SetComment("club");
  image.Store(SlotKind::Memory, 5, kMemory5);
  image.Store(SlotKind::Dtmf, 3, "3,123,A");
  const std::vector<std::string> lines = SplitCrLf(WriteChannelFileText(image));
  ASSERT_EQ(lines[4], Tabbed(kMemory5));
  const std::size_t call = 6;                  // "__CALL DATA__"
  const std::size_t menu = lines.size() - 45;  // "__RADIO MENU__", 1-based
  ASSERT_EQ(lines[call - 1], "__CALL DATA__");
  ASSERT_EQ(lines[menu - 1], "__RADIO MENU__");

  const Damage cases[] = {
      {"foreign text", Damage::Replace, 5, "000\tXYZZY;rm -rf",
       "Line 5: memory channel 000: the record has 2 fields instead of 18."},
      {"unknown label", Damage::Replace, 5, "X1\t" + Tabbed(kMemory5).substr(4),
       "Line 5: \"X1\" is not a memory channel label."},
      {"grid label", Damage::Replace, 5, "Pr1\t" + Tabbed(kMemory5).substr(4),
       "Line 5: \"Pr1\" is not a memory channel label."},
      {"slot twice", Damage::Insert, 6, Tabbed(kMemory5),
       "Line 6: a second line for memory channel 005."},
      {"CALL band", Damage::Insert, call + 1, "7\tx", "Line 7: \"7\" is not a CALL band code."},
      {"VFO band", Damage::Insert, call + 5, "F" + Tabbed(kMemory5).substr(3),
       "Line 11: \"F\" is not a VFO band code."},
      {"marker out of order", Damage::Insert, call, "__VFO DATA__",
       "Line 6: \"__VFO DATA__\" is out of order; \"__CALL DATA__\" comes first."},
      {"marker missing", Damage::Remove, call, "", "Line 6: \"0\" is not a memory channel label."},
      {"no comment marker", Damage::Remove, 2, "", "Line 2: \"__COMMENT__\" is missing."},
      {"second comment", Damage::Insert, 4, "more",
       "Line 4: a second comment line; \"__MEMORY DATA__\" comes first."},
      {"comment with ESC", Damage::Replace, 3, "\x1b]0;owned",
       "Line 3: the comment holds the control character \"\\x1b\"."},
      {"NUL", Damage::Replace, 3, std::string("a\0b", 3), "Line 3: the line holds a NUL byte."},
      {"line of 100", Damage::Replace, 5,
       Tabbed(kMemory5) + std::string(100 - Tabbed(kMemory5).size(), 'x'),
       "Line 5: the line is longer than 99 characters."},
      {"DTMF code", Damage::Replace, menu - 1, "3\t12G\tA",
       "Line " + std::to_string(menu - 1) +
           ": DTMF memory 3: the code \"12G\" is not at most 16 of 0-9, A-D, *, # and blank."},
      {"program VFO", Damage::Replace, menu + 1, "0,00144,0014",
       "Line " + std::to_string(menu + 1) +
           ": program VFO 0: the upper limit \"0014\" is not 5 digits."},
      {"menu value", Damage::Replace, menu + 5, "12",
       "Line " + std::to_string(menu + 5) +
           ": menu value BC: the value \"12\" is longer than one character."},
      {"menu line missing", Damage::Remove, lines.size(), "",
       "Line " + std::to_string(lines.size()) +
           ": the file ends after 44 of the 45 lines of the radio menu."},
      {"menu line extra", Damage::Insert, lines.size() + 1, "0",
       "Line " + std::to_string(lines.size() + 1) +
           ": the file goes on after the last line of the radio menu."},
      {"blank line at the end", Damage::Insert, lines.size() + 1, "",
       "Line " + std::to_string(lines.size() + 1) +
           ": the file goes on after the last line of the radio menu."},
  };
  for (const Damage& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::string> damaged = lines;
    const auto at = damaged.begin() + static_cast<std::ptrdiff_t>(c.line - 1);
    switch (c.how) {
      case Damage::Replace:
        *at = c.text;
        break;
      case Damage::Insert:
        damaged.insert(at, c.text);
        break;
      case Damage::Remove:
        damaged.erase(at);
        break;
    }
    RadioImage read = Prepared();
    std::string problem;
    EXPECT_FALSE(ReadChannelFileText(File(damaged), read, &problem));
    EXPECT_EQ(problem, c.problem);
    EXPECT_TRUE(read == Prepared());
  }
}

TEST(ChannelFileRead, HeaderMustMatchExactly) {
  const std::string rest = File({"__COMMENT__", "x", "__MEMORY DATA__", Tabbed(kMemory5)});
  const char* const badHeaders[] = {"QUENTAR Chanvault for DOVRA ", "quentar Chanvault for DOVRA",
                                    " QUENTAR Chanvault for DOVRA", "QUENTAR Chanvault for DOVR",
                                    "QUENTAR\tChanvault for DOVRA", ""};
  for (const char* header : badHeaders) {
    RadioImage image = Prepared();
    std::string problem;
    EXPECT_FALSE(ReadChannelFileText(File({header}) + rest, image, &problem)) << header;
    EXPECT_EQ(problem, "Line 1: the first line is not \"QUENTAR Chanvault for DOVRA\".");
    EXPECT_TRUE(image == Prepared());
  }
  RadioImage image = Prepared();
  std::string problem;
  EXPECT_FALSE(ReadChannelFileText("", image, &problem));
  EXPECT_EQ(problem, "Line 1: the file is empty.");
  EXPECT_FALSE(ReadChannelFileText(std::string(kChannelFileMaxBytes + 1, '\n'), image, &problem));
  EXPECT_EQ(problem, "The file is larger than 1 MiB.");
  EXPECT_TRUE(image == Prepared());
}

TEST(ChannelFileRead, HeaderIsTheCommentWhenTheFileHasNoCommentLine) {
  RadioImage image = Prepared();
  std::vector<std::string> lines = SplitCrLf(WriteChannelFileText(image));
  ASSERT_EQ(lines[2], "");
  lines.erase(lines.begin() + 2);
  RadioImage read = Prepared();
  read.SetComment("before");
  ASSERT_TRUE(ReadChannelFileText(File(lines), read));
  EXPECT_EQ(read.Comment(), "QUENTAR Chanvault for DOVRA");
  // A tab in the comment reads back as the comma it is written as after that.
  lines.insert(lines.begin() + 2, "a\tb");
  ASSERT_TRUE(ReadChannelFileText(File(lines), read));
  EXPECT_EQ(read.Comment(), "a,b");
  RadioImage reread = Prepared();
  ASSERT_TRUE(ReadChannelFileText(WriteChannelFileText(read), reread));
  EXPECT_TRUE(reread == read);
}

TEST(ChannelFileRead, DataLinesGoToTheSlotTheirFirstFieldNames) {
  const struct {
    SlotKind kind;
    int slot;
    std::string record;
  } cases[] = {
      {SlotKind::Memory, 399, "399" + std::string(kMemory5).substr(3)},
      {SlotKind::Memory, 400, "L0" + std::string(kMemory5).substr(3)},
      {SlotKind::Memory, 419, "U9" + std::string(kMemory5).substr(3)},
      {SlotKind::Memory, 421, "PR2" + std::string(kMemory5).substr(3)},
      {SlotKind::Memory, 431, "I-0" + std::string(kMemory5).substr(3)},
      {SlotKind::Call, 3, "3,01240000000,8,0,0,0,0,0,08,08,000,000000000,0"},
      {SlotKind::Vfo, 10, "A,00179750000,A,0,0,0,0,0,08,08,000,000000000,1,,,,,"},
      {SlotKind::Dtmf, 9, "09,5,"},
      {SlotKind::Dtmf, 0, "0,,NAME"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.record);
    RadioImage image = Prepared();
    image.Store(c.kind, c.slot, c.record);
    RadioImage read = Prepared();
    ASSERT_TRUE(ReadChannelFileText(WriteChannelFileText(image), read));
    EXPECT_TRUE(read == image);
    EXPECT_EQ(read.Record(c.kind, c.slot), c.record);
  }
}

}  // namespace
}  // namespace quorvan
