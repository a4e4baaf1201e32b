#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "core/transfer/WriteSequence.h"
#include "support/SampleImage.h"
#include "support/ScriptedRadio.h"

namespace quorvan {
namespace {

using testing::RunExchange;
using testing::SampleImage;
using testing::ScriptedRadio;

constexpr const char* kPlain = "00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0";

// The list each command belongs to, so that runs of one list collapse to one entry.
std::string ListOf(const std::string& command) {
  const std::string head(command.substr(0, command.find(' ')));
  if (head == "MW" || head == "MNA") return "memory";
  if (head == "CW" || head == "VW" || head == "PV" || head == "PC" || head == "NAR") return head;
  if (head == "DM" || head == "DMN") return "DTMF";
  if (head == "VOX" || head == "ID" || head == "TYD" || head == "VMC") return head;
  return "menu";
}

std::vector<std::string> Lists(const std::vector<std::string>& commands) {
  std::vector<std::string> lists;
  for (const std::string& command : commands) {
    const std::string list = ListOf(command);
    if (lists.empty() || lists.back() != list) lists.push_back(list);
  }
  return lists;
}

// The commands sent right after the first one that starts with `prefix`.
std::vector<std::string> After(const std::vector<std::string>& commands, const std::string& prefix,
                               std::size_t count) {
  const auto it = std::find_if(commands.begin(), commands.end(), [&](const std::string& c) {
    return c.compare(0, prefix.size(), prefix) == 0;
  });
  if (it == commands.end()) return {"(not sent: " + prefix + ")"};
  return std::vector<std::string>(it, std::min(it + static_cast<long>(count), commands.end()));
}

testing::RunResult WriteToRadio(const RadioImage& image, TransferScope scope = TransferScope::All) {
  ScriptedRadio radio(MakeNewDocument(image.Plan()));
  WriteSequence write(image, scope);
  return RunExchange(write, radio);
}

TEST(WriteSequence, ListOrderAndProgressByScope) {
  using V = std::vector<std::string>;
  const struct {
    TransferScope scope;
    V lists;
    int maximum;
    int finalPosition;
  } kCases[] = {
      {TransferScope::All,
       V{"VOX", "ID", "TYD", "VMC", "memory", "CW", "VW", "PV", "DTMF", "PC", "NAR", "menu"}, 498,
       504},
      {TransferScope::Memory, V{"VOX", "ID", "TYD", "VMC", "memory", "CW", "VW", "PV", "DTMF"}, 461,
       463},
      {TransferScope::Menu, V{"VOX", "ID", "TYD", "PC", "NAR", "menu"}, 37, 41},
  };
  const RadioImage image = SampleImage("KK,0F", "ARVEN");
  for (const auto& c : kCases) {
    ScriptedRadio radio(image);
    WriteSequence write(image, c.scope);
    const auto result = RunExchange(write, radio);
    EXPECT_EQ(Lists(result.commands), c.lists);
    EXPECT_EQ(result.end, SequenceAction::Kind::Finish);
    EXPECT_EQ(write.ProgressMaximum(), c.maximum);
    EXPECT_EQ(write.ProgressPosition(), c.finalPosition);
    if (c.scope != TransferScope::Menu) {
      EXPECT_EQ(After(result.commands, "VMC", 3),
                (V{"VMC 0,0", "VMC 1,0", "MW 0,000," + std::string(kPlain)}));
    }
  }
}

TEST(WriteSequence, MemorySkipRules) {
  using V = std::vector<std::string>;
  RadioImage image = SampleImage("KK,0F", "ARVEN");
  image.Store(SlotKind::Memory, 6, "006," + std::string(kPlain) + ",,,,ABC");
  const auto commands = WriteToRadio(image).commands;
  const struct {
    const char* first;
    V expected;
  } kCases[] = {
      {"MW 0,000,", V{"MW 0,000," + std::string(kPlain), "MNA 000,REPEAT", "MW 0,001"}},
      {"MW 0,005,",
       V{"MW 0,005,00146520000,5,1,0,1,0,0,12,12,007,000600000,0,1", "MW 1,005,00147000000,5",
         "MNA 005,A,B\xE9\x97", "MW 0,006," + std::string(kPlain)}},
      {"MW 0,006,", V{"MW 0,006," + std::string(kPlain), "MNA 006,ABC", "MW 0,007"}},
      {"MW 0,007", V{"MW 0,007", "MW 0,008"}},
      {"MW 0,012", V{"MW 0,012", "MW 0,013"}},
      {"MW 0,L0,", V{"MW 0,L0," + std::string(kPlain), "MNA L0,", "MW 0,U0," + std::string(kPlain),
                     "MW 1,U0,00146000000,5", "MNA U0,UP"}},
      {"MW 0,I-0", V{"MW 0,I-0," + std::string(kPlain), "MNA I-0,I0",
                     "CW 0,00144000000,0,0,0,0,0,0,08,08,000,000600000,0"}},
  };
  for (const auto& c : kCases) EXPECT_EQ(After(commands, c.first, c.expected.size()), c.expected);
}

TEST(WriteSequence, ListSkipRules) {
  using V = std::vector<std::string>;
  RadioImage image = SampleImage("KK,0F", "ARVEN");
  // The transmit step of "CW 1" is the receive step (field 2), not field 15.
  image.Store(SlotKind::Call, 2, "2,00440000000,8,0,0,0,0,0,08,08,000,005000000,0,,00445000000,5,");
  image.Store(SlotKind::Call, 3, "3,01240000000,8,0,0,0,0,0,08,08,000,012000000,0,,,,");
  for (int vfo = 12; vfo <= 14; ++vfo) image.Store(SlotKind::Vfo, vfo, "");
  image.Store(SlotKind::Dtmf, 4, "4,*1#,NOTE");
  const auto commands = WriteToRadio(image).commands;
  const struct {
    const char* first;
    V expected;
  } kCases[] = {
      {"CW 0,00440000000",
       V{"CW 0,00440000000,8,0,0,0,0,0,08,08,000,005000000,0", "CW 1,00445000000,8",
         "CW 0,01240000000,8,0,0,0,0,0,08,08,000,012000000,0",
         "VW 0,00144000000,0,0,0,0,0,0,08,08,000,000600000,0"}},
      {"VW B,", V{"VW B,00223000000,7,0,0,0,0,0,08,08,000,001600000,0", "PV 0,00137,00173"}},
      {"PV 2", V{"PV 2,00410,00469", "DM 00,12EF"}},
      {"DM 00", V{"DM 00,12EF", "DMN 00,HOME", "DM 01,", "DMN 01,", "DM 02,", "DMN 02,",
                  "DM 03,0123456789ABCDEF", "DMN 03,A,B\xE9\x97", "DM 4,E1F", "DMN 4,NOTE"}},
  };
  for (const auto& c : kCases) EXPECT_EQ(After(commands, c.first, c.expected.size()), c.expected);
  EXPECT_EQ(std::count_if(commands.begin(), commands.end(),
                          [](const std::string& c) { return c.compare(0, 3, "PV ") == 0; }),
            3);  // program VFO 3 is absent without the 1200 MHz band
}

TEST(WriteSequence, MenuValuesAndNameCoding) {
  using V = std::vector<std::string>;
  for (const char* type : {"KK,0F", "JJ,01"}) {
    const bool japan = type[1] == 'J';
    const RadioImage image = SampleImage(type, "BELTO");
    const auto commands = WriteToRadio(image, TransferScope::Menu).commands;
    EXPECT_EQ(After(commands, "PC 0", 9),
              (V{"PC 0,0", "PC 1,0", "PC 2,", "PC 3,", "NAR 0,0", japan ? "NAR 1," : "NAR 1,0",
                 "NAR 2,0", "NAR 3,", "NAR 5,0"}));
    EXPECT_EQ(After(commands, "MES", 1)[0], japan ? "MES \xCA\xDB\xB0 !!" : "MES HI \x84\x96\xA0");
    EXPECT_EQ(After(commands, "MGL", 1)[0], "MGL 0 2     ");
    EXPECT_EQ(commands.back(), "BAT 0");
  }
}

// A radio the write does not take is an invalid radio, and the message says what it answered,
// or its type against the document's with their markets.
TEST(WriteSequence, IdentificationAndTypeChecks) {
  const std::string kForThis = "; this document is for KK,0F (U.S.A./Canada).";
  const struct {
    const char* id;
    const char* type;
    std::string detail;  // empty: the write runs to its end
  } kCases[] = {
      {"ID ARVEN", "TYD KK,0F", ""},
      {"ID BELTO", "TYD KK,99", ""},
      {"ARVEN", "TYD KK,0F", "The radio answered \"ARVEN\"."},
      {"ID ARVEN2", "TYD KK,0F", "The radio answered \"ID ARVEN2\"."},
      {"?", "TYD KK,0F", "The radio answered \"?\"."},
      {"ID ARVEN           xx", "TYD KK,0F", "The radio answered \"ID ARVEN           xx\"."},
      {"ID \x1b[2J", "TYD KK,0F", "The radio answered \"ID \\x1b[2J\"."},
      {"ID ARVEN", "TYD KE,0F", "The radio reports type KE,0F (Europe)" + kForThis},
      {"ID ARVEN", "TYD EK,0F", "The radio reports type EK,0F (U.S.A./Canada)" + kForThis},
      {"ID ARVEN", "TYD JJ,01", "The radio reports type JJ,01 (Japan)" + kForThis},
      {"ID ARVEN", "TYD MX,01", "The radio reports type MX,01" + kForThis},
      {"ID ARVEN", "TYD K", "The radio answered \"TYD K\"."},
      // The reply must be a type code, not just begin with the right two letters.
      {"ID ARVEN", "TYD KK,0", "The radio answered \"TYD KK,0\"."},
      {"ID ARVEN", "TYD KK,0F ", "The radio answered \"TYD KK,0F \"."},
      {"ID ARVEN", "TYD KK;0F", "The radio answered \"TYD KK;0F\"."},
      {"ID ARVEN", "XYZ KK,0F", "The radio answered \"XYZ KK,0F\"."},
  };
  const RadioImage image = SampleImage("KK,0F", "ARVEN");
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.id) + " / " + c.type);
    ScriptedRadio radio(image);
    radio.SetIdReply(c.id);
    radio.SetTypeReply(c.type);
    WriteSequence write(image, TransferScope::All);
    const auto result = RunExchange(write, radio);
    EXPECT_EQ(result.end,
              c.detail.empty() ? SequenceAction::Kind::Finish : SequenceAction::Kind::InvalidRadio);
    EXPECT_EQ(result.message, c.detail);
    if (!c.detail.empty()) {
      EXPECT_LE(result.commands.size(), 3u) << "nothing of the image may be sent";
    }
  }
}

TEST(WriteSequence, CountsRefusedCommandsAndGoesOn) {
  const RadioImage image = SampleImage("KK,0F", "ARVEN");
  const std::size_t cleanLength = WriteToRadio(image).commands.size();
  const struct {
    std::vector<std::string> refused;
    int count;
    std::string first;
  } kCases[] = {
      {{}, 0, ""},
      {{"MW 0,005", "BC"}, 2, "MW 0,005,00146520000,5,1,0,1,0,0,12,12,007,000600000,0,1"},
      {{"VOX"}, 1, "VOX 0"},
      {{"DMN", "MNA"}, 10 + 16, "MNA 000,REPEAT"},  // 7 sample channels, 9 I channels
  };
  for (const auto& c : kCases) {
    ScriptedRadio radio(image);
    for (const std::string& prefix : c.refused) radio.Refuse(prefix);
    WriteSequence write(image, TransferScope::All);
    const auto result = RunExchange(write, radio);
    EXPECT_EQ(result.end, SequenceAction::Kind::Finish);
    EXPECT_EQ(result.commands.size(), cleanLength);
    EXPECT_EQ(write.RejectedCount(), c.count);
    EXPECT_EQ(write.FirstRejectedCommand(), c.first);
  }
}

TEST(WriteSequence, HostileRepliesNeitherStopNorSteerTheWrite) {
  const RadioImage image = SampleImage("KK,0F", "ARVEN");
  const auto clean = WriteToRadio(image).commands;
  for (const std::string& garbage :
       {std::string(5000, 'M'), std::string(20, '\0'), std::string(""), std::string("\r\r\r")}) {
    ScriptedRadio radio(image);
    WriteSequence write(image, TransferScope::All);
    const auto result = RunExchange(write, [&](std::string_view command) {
      return command == "ID" || command == "TYD" ? radio.Answer(command) : garbage;
    });
    EXPECT_EQ(result.commands, clean);
    EXPECT_EQ(write.RejectedCount(), static_cast<int>(clean.size()) - 2);
  }
}

// However the document was made, a write whose records or menu values in its scope are not
// well formed sends nothing at all and names the first one.
TEST(WriteSequence, MalformedDocumentsAreRefusedBeforeAnythingIsSent) {
  const struct {
    const char* what;
    TransferScope scope;
    std::function<void(RadioImage&)> damage;
    std::string message;  // "" when the write goes on
  } cases[] = {
      {"cut channel", TransferScope::All,
       [](RadioImage& i) { i.Store(SlotKind::Memory, 0, "000,0014518"); },
       "Nothing was written to the radio: memory channel 000 is malformed; the record has 2 "
       "fields instead of 18.\nPlease check and try again."},
      {"command in a name", TransferScope::Memory,
       [](RadioImage& i) {
         i.Store(SlotKind::Memory, 9, "009," + std::string(kPlain) + ",,,,A\rVOX 1");
       },
       "Nothing was written to the radio: memory channel 009 is malformed; the record holds "
       "the control character \"\\x0d\".\nPlease check and try again."},
      {"DTMF code", TransferScope::All,
       [](RadioImage& i) { i.Store(SlotKind::Dtmf, 4, "4,*1#X,NOTE"); },
       "Nothing was written to the radio: DTMF memory 4 is malformed; the code \"*1#X\" is not "
       "at most 16 of 0-9, A-D, *, # and blank.\nPlease check and try again."},
      {"menu value", TransferScope::Menu, [](RadioImage& i) { i.Menu().Set(kMenuMES, "HI\n"); },
       "Nothing was written to the radio: menu value MES is malformed; the value holds the "
       "control character \"\\x0a\".\nPlease check and try again."},
      {"menu value, memories only", TransferScope::Memory,
       [](RadioImage& i) { i.Menu().Set(kMenuMES, "HI\n"); }, ""},
      {"channel, menu only", TransferScope::Menu,
       [](RadioImage& i) { i.Store(SlotKind::Memory, 0, "000,0014518"); }, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RadioImage image = SampleImage("KK,0F", "ARVEN");
    c.damage(image);
    const auto result = WriteToRadio(image, c.scope);
    if (c.message.empty()) {
      EXPECT_EQ(result.end, SequenceAction::Kind::Finish);
      EXPECT_GT(result.commands.size(), 40u);
    } else {
      EXPECT_EQ(result.end, SequenceAction::Kind::MalformedRecord);
      EXPECT_EQ(result.commands, std::vector<std::string>{});
      EXPECT_EQ(result.message, c.message);
    }
  }
}

TEST(WriteSequence, CancelFinishesAtTheNextReply) {
  const RadioImage image = SampleImage("KK,0F", "ARVEN");
  WriteSequence write(image, TransferScope::All);
  write.Start();
  EXPECT_EQ(write.OnReply("VOX 0\r").command, "ID");
  EXPECT_EQ(write.OnReply("ID ARVEN\r").command, "TYD");
  EXPECT_EQ(write.OnReply("TYD KK,0F\r").command, "VMC 0,0");
  write.Cancel();
  EXPECT_EQ(write.OnReply("VMC\r").kind, SequenceAction::Kind::Finish);
  EXPECT_EQ(write.StepCode(), 999);
  EXPECT_EQ(write.OnReply("VMC\r").kind, SequenceAction::Kind::Finish);
}

}  // namespace
}  // namespace quorvan
