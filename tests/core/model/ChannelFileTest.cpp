#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/ChannelFile.h"
#include "core/model/RadioImage.h"

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

TEST(ChannelFileWrite, ShortRecordsAreNotWritten) {
  RadioImage image = Prepared();
  image.Store(SlotKind::Memory, 7, "007,");
  image.Store(SlotKind::Memory, 8, "008,1");
  image.Store(SlotKind::Dtmf, 1, "1");
  image.Store(SlotKind::Dtmf, 2, "2,");
  image.Store(SlotKind::Vfo, 4, "4,1");
  const std::string text = WriteChannelFileText(image);
  EXPECT_EQ(text.find("007\t"), std::string::npos);
  EXPECT_NE(text.find("\r\n008\t1\r\n"), std::string::npos);
  const std::size_t dtmf = text.find("__DTMF DATA__");
  EXPECT_EQ(text.substr(dtmf, text.find("__RADIO MENU__") - dtmf), "__DTMF DATA__\r\n2\t\r\n");

  RadioImage back = Prepared();
  ASSERT_TRUE(ReadChannelFileText(text, back));
  EXPECT_EQ(back.Record(SlotKind::Memory, 7), "");
  EXPECT_EQ(back.Record(SlotKind::Memory, 8), "008,1");
  EXPECT_EQ(back.Record(SlotKind::Dtmf, 1), "");
  EXPECT_EQ(back.Record(SlotKind::Dtmf, 2), "2,");
  // The 4-character VFO record is dropped; the default stays.
  EXPECT_EQ(back.Record(SlotKind::Vfo, 4), Prepared().Record(SlotKind::Vfo, 4));
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
    image.Menu().Set(kMenuMGL, "0 2     ");
    image.Menu().Set(kMenuMES, "A,B C,D ");
    image.Menu().Set(kMenuCNT, "16");

    const std::string text = WriteChannelFileText(image);
    RadioImage back = Prepared(type, model);
    ASSERT_TRUE(ReadChannelFileText(text, back));
    EXPECT_TRUE(back == image);
    EXPECT_EQ(back.Record(SlotKind::Memory, 5), kMemory5);
    EXPECT_EQ(back.Field(SlotKind::Dtmf, 0, 2), "a,b,c,d");
    EXPECT_EQ(back.Menu().Get(kMenuMES), "A,B C,D ");
    EXPECT_EQ(WriteChannelFileText(back), text);
  }
}

TEST(ChannelFileRead, LineEndsAndMissingFinalLineEndReadAlike) {
  const std::vector<std::string> lines = {"QUENTAR Chanvault for DOVRA", "__COMMENT__", "hello",
                                          "__MEMORY DATA__", Tabbed(kMemory5)};
  RadioImage crlf = Prepared();
  RadioImage lf = Prepared();
  RadioImage unterminated = Prepared();
  ASSERT_TRUE(ReadChannelFileText(File(lines), crlf));
  ASSERT_TRUE(ReadChannelFileText(File(lines, "\n"), lf));
  std::string text = File(lines);
  text.resize(text.size() - 2);
  ASSERT_TRUE(ReadChannelFileText(text, unterminated));
  EXPECT_EQ(crlf.Record(SlotKind::Memory, 5), kMemory5);
  EXPECT_EQ(crlf.Comment(), "hello");
  EXPECT_TRUE(crlf == lf);
  EXPECT_TRUE(crlf == unterminated);
}

TEST(ChannelFileRead, HeaderMustMatchExactly) {
  const std::string rest = File({"__COMMENT__", "x", "__MEMORY DATA__", Tabbed(kMemory5)});
  const char* const badHeaders[] = {"QUENTAR Chanvault for DOVRA ", "quentar Chanvault for DOVRA",
                                    " QUENTAR Chanvault for DOVRA", "QUENTAR Chanvault for DOVR",
                                    "QUENTAR\tChanvault for DOVRA", ""};
  for (const char* header : badHeaders) {
    RadioImage image = Prepared();
    EXPECT_FALSE(ReadChannelFileText(File({header}) + rest, image)) << "[" << header << "]";
    EXPECT_TRUE(image == Prepared());
  }
  RadioImage image = Prepared();
  EXPECT_FALSE(ReadChannelFileText("", image));
  EXPECT_TRUE(image == Prepared());
}

TEST(ChannelFileRead, HeaderIsTheCommentUntilACommentLineFollows) {
  RadioImage image = Prepared();
  image.SetComment("before");
  ASSERT_TRUE(ReadChannelFileText(
      File({"QUENTAR Chanvault for DOVRA", "__COMMENT__", "__MEMORY DATA__"}), image));
  EXPECT_EQ(image.Comment(), "QUENTAR Chanvault for DOVRA");

  // A comment on line 2 reads as it will after being written back on line 3.
  ASSERT_TRUE(ReadChannelFileText(File({"QUENTAR Chanvault for DOVRA", "a\tb"}), image));
  EXPECT_EQ(image.Comment(), "a,b");
  RadioImage reread = Prepared();
  ASSERT_TRUE(ReadChannelFileText(WriteChannelFileText(image), reread));
  EXPECT_EQ(reread.Comment(), image.Comment());
  ASSERT_TRUE(ReadChannelFileText(File({"QUENTAR Chanvault for DOVRA", "a\tb", "c\td"}), image));
  EXPECT_EQ(image.Comment(), "c,d");
}

struct SlotCase {
  const char* section;
  std::string line;
  SlotKind kind;
  int slot;  // -1: the line is dropped
};

TEST(ChannelFileRead, DataLinesGoToTheSlotTheirFirstFieldNames) {
  const SlotCase cases[] = {
      {"__MEMORY DATA__", "005\tX", SlotKind::Memory, 5},
      {"__MEMORY DATA__", "399\tX", SlotKind::Memory, 399},
      {"__MEMORY DATA__", "L0\tX", SlotKind::Memory, 400},
      {"__MEMORY DATA__", "U9\tX", SlotKind::Memory, 419},
      {"__MEMORY DATA__", "PR1\tX", SlotKind::Memory, 420},
      {"__MEMORY DATA__", "PR2\tX", SlotKind::Memory, 421},
      {"__MEMORY DATA__", "I-1\tX", SlotKind::Memory, 422},
      {"__MEMORY DATA__", "I-0\tX", SlotKind::Memory, 431},
      {"__MEMORY DATA__", "X1\tX", SlotKind::Memory, 400},
      {"__MEMORY DATA__", "pr1\tX", SlotKind::Memory, 400},
      {"__MEMORY DATA__", "431\tX", SlotKind::Memory, 431},
      {"__MEMORY DATA__", "432\tX", SlotKind::Memory, -1},
      {"__MEMORY DATA__", "99999999999999999999\tX", SlotKind::Memory, -1},
      {"__CALL DATA__", "3\tX", SlotKind::Call, 3},
      {"__CALL DATA__", "4\tX", SlotKind::Call, -1},
      {"__CALL DATA__", "x\tX", SlotKind::Call, 0},
      {"__VFO DATA__", "1\tX", SlotKind::Vfo, 1},
      {"__VFO DATA__", "9\tX", SlotKind::Vfo, 9},
      {"__VFO DATA__", "A\tX", SlotKind::Vfo, 10},
      {"__VFO DATA__", "E\tX", SlotKind::Vfo, 14},
      {"__VFO DATA__", "F\tX", SlotKind::Vfo, 0},
      {"__VFO DATA__", "a\tX", SlotKind::Vfo, 0},
      {"__DTMF DATA__", "00\tX", SlotKind::Dtmf, 0},
      {"__DTMF DATA__", "9\tX", SlotKind::Dtmf, 9},
      {"__DTMF DATA__", "09", SlotKind::Dtmf, 9},
      {"__DTMF DATA__", "10\tX", SlotKind::Dtmf, -1},
      {"__DTMF DATA__", "x\tX", SlotKind::Dtmf, -1},
  };
  for (const SlotCase& c : cases) {
    SCOPED_TRACE(c.line);
    RadioImage image = Prepared();
    const RadioImage before = image;
    ASSERT_TRUE(
        ReadChannelFileText(File({"QUENTAR Chanvault for DOVRA", c.section, c.line}), image));
    RadioImage expected = before;
    expected.SetComment("QUENTAR Chanvault for DOVRA");
    std::string stored = c.line;
    for (char& ch : stored) {
      if (ch == '\t') ch = ',';
    }
    if (c.slot >= 0) expected.Store(c.kind, c.slot, stored);
    EXPECT_TRUE(image == expected);
    if (c.slot >= 0) {
      EXPECT_EQ(image.Record(c.kind, c.slot), stored);
    }
  }
}

TEST(ChannelFileRead, MenuLinesFillProgramVfosThenItemsAndExtraLinesAreDropped) {
  std::vector<std::string> lines = {"QUENTAR Chanvault for DOVRA",
                                    "__RADIO MENU__",
                                    "0,00144,00147",
                                    "",
                                    "2,00430,00439",
                                    "3,01240,01299"};
  for (int item = 0; item < kMenuItemCount; ++item) lines.push_back(item == kMenuCNT ? "16" : "1");
  lines.push_back("extra");
  lines.push_back("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF");
  RadioImage image = Prepared();
  ASSERT_TRUE(ReadChannelFileText(File(lines), image));
  EXPECT_EQ(image.Record(SlotKind::ProgramVfo, 0), "0,00144,00147");
  EXPECT_EQ(image.Record(SlotKind::ProgramVfo, 1), "");
  EXPECT_EQ(image.Record(SlotKind::ProgramVfo, 3), "3,01240,01299");
  EXPECT_EQ(image.Menu().Get(kMenuBC), "1");
  EXPECT_EQ(image.Menu().Get(kMenuCNT), "16");
  EXPECT_EQ(image.Menu().Get(kMenuBAT), "1");

  // A short menu section leaves the remaining items at their defaults; the marker restarts it.
  RadioImage partial = Prepared();
  ASSERT_TRUE(ReadChannelFileText(File({"QUENTAR Chanvault for DOVRA", "__RADIO MENU__", "x",
                                        "__RADIO MENU__", "0,00140,00150", "", "", "", "1"}),
                                  partial));
  EXPECT_EQ(partial.Record(SlotKind::ProgramVfo, 0), "0,00140,00150");
  EXPECT_EQ(partial.Menu().Get(kMenuBC), "1");
  EXPECT_EQ(partial.Menu().Get(kMenuBAL), "2");
  EXPECT_EQ(partial.Menu().Get(kMenuMES), "HELLO !!");
}

TEST(ChannelFileRead, OversizedOrBinaryInputIsRejectedAndTheImageKept) {
  const std::string head = File(
      {"QUENTAR Chanvault for DOVRA", "__COMMENT__", "ok", "__MEMORY DATA__", Tabbed(kMemory5)});
  const std::string menuHead = head + File({"__RADIO MENU__", "", "", "", ""});
  std::string menuUpToMes = menuHead;
  for (int item = 0; item < kMenuMES; ++item) menuUpToMes += "\r\n";
  const std::string longMemory = "006" + std::string(96, 'x');  // 99 characters

  const struct {
    const char* what;
    std::string text;
    bool accepted;
  } cases[] = {
      {"memory line of 99", head + File({longMemory}), true},
      {"memory line of 100", head + File({longMemory + "x"}), false},
      {"line of 100 in an ignored slot", head + File({"500" + std::string(97, 'x')}), false},
      {"comment of 50", File({"QUENTAR Chanvault for DOVRA", std::string(50, 'c')}), true},
      {"comment of 51", File({"QUENTAR Chanvault for DOVRA", std::string(51, 'c')}), false},
      {"DTMF of 29", head + File({"__DTMF DATA__", "1\t" + std::string(27, '1')}), true},
      {"DTMF of 30", head + File({"__DTMF DATA__", "1\t" + std::string(28, '1')}), false},
      {"program VFO of 14", head + File({"__RADIO MENU__", "0,00144,001470"}), true},
      {"program VFO of 15", head + File({"__RADIO MENU__", "0,00144,0014700"}), false},
      {"one-character item of 2", menuHead + File({"01"}), false},
      {"MES of 8", menuUpToMes + File({"12345678"}), true},
      {"MES of 9", menuUpToMes + File({"123456789"}), false},
      {"NUL byte", head + std::string("007\t\0x\r\n", 8), false},
      {"NUL in the header", std::string("QUENTAR Chanvault for DOVRA\0\r\n", 30), false},
      {"more than 1 MiB", head + std::string(kChannelFileMaxBytes, '\n'), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RadioImage image = Prepared();
    EXPECT_EQ(ReadChannelFileText(c.text, image), c.accepted);
    if (c.accepted) {
      EXPECT_FALSE(image == Prepared());
    } else {
      EXPECT_TRUE(image == Prepared());  // nothing read before the fault is kept either
    }
  }
}

}  // namespace
}  // namespace quorvan
