#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "core/transfer/ReadSequence.h"
#include "support/SampleImage.h"
#include "support/ScriptedRadio.h"

namespace quorvan {
namespace {

using testing::MenuCommandOrder;
using testing::RunExchange;
using testing::SampleImage;
using testing::ScriptedRadio;

std::string Printed(const char* format, int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, format, value);
  return buf;
}

// A radio of the given plan with nothing stored in it.
ScriptedRadio EmptyRadio(std::string_view type = "KK,0F") {
  RadioImage image;
  image.Plan() = MakeDefaultBandPlan(type, "ARVEN");
  ApplyMenuDefaults(image.Menu(), image.Plan());
  return ScriptedRadio(image);
}

// What a read of an empty radio sends: one "MR 0," per slot, one "CR n,0" per CALL channel.
std::vector<std::string> EmptyRadioCommands(TransferScope scope) {
  std::vector<std::string> commands = {"VOX 0", "ID", "TYD", "FL 0", "FL 1"};
  if (scope != TransferScope::Menu) {
    for (int slot = 0; slot < kMemorySlots; ++slot)
      commands.push_back("MR 0," + MemoryChannelLabel(slot));
    for (int n = 0; n < 4; ++n) commands.push_back(Printed("CR %d,0", n));
    for (int n = 0; n < 15; ++n) commands.push_back(Printed("VR %X", n));
    for (int n = 0; n < 4; ++n) commands.push_back(Printed("PV %d", n));
    for (int n = 0; n < 10; ++n) commands.push_back(Printed("DM %02d", n));
  }
  if (scope != TransferScope::Memory) {
    for (int n = 0; n < 4; ++n) commands.push_back(Printed("PC %d", n));
    for (int n : {0, 1, 2, 3, 5}) commands.push_back(Printed("NAR %d", n));
    for (const std::string& menu : MenuCommandOrder()) commands.push_back(menu);
  }
  return commands;
}

TEST(ReadSequence, CommandOrderAndProgressByScope) {
  const struct {
    TransferScope scope;
    int maximum;
    int finalPosition;
  } kCases[] = {{TransferScope::All, 498, 505},
                {TransferScope::Memory, 461, 464},
                {TransferScope::Menu, 37, 41}};
  for (const auto& c : kCases) {
    RadioImage image;
    ScriptedRadio radio = EmptyRadio();
    ReadSequence read(image, c.scope);
    const auto result = RunExchange(read, radio);
    EXPECT_EQ(result.commands, EmptyRadioCommands(c.scope));
    EXPECT_EQ(result.end, SequenceAction::Kind::Finish);
    EXPECT_EQ(read.ProgressMaximum(), c.maximum);
    EXPECT_EQ(read.ProgressPosition(), c.finalPosition);
  }
}

TEST(ReadSequence, LabelsOfTheSpecialSlots) {
  RadioImage image;
  ScriptedRadio radio = EmptyRadio();
  ReadSequence read(image, TransferScope::Memory);
  const auto commands = RunExchange(read, radio).commands;
  const std::pair<int, const char*> kCases[] = {
      {7, "MR 0,007"},   {400, "MR 0,L0"},  {401, "MR 0,U0"},  {419, "MR 0,U9"}, {420, "MR 0,PR1"},
      {421, "MR 0,PR2"}, {422, "MR 0,I-1"}, {430, "MR 0,I-9"}, {431, "MR 0,I-0"}};
  for (const auto& [slot, command] : kCases) EXPECT_EQ(commands.at(5 + slot), command);
}

TEST(ReadSequence, FullReadReproducesTheRadio) {
  for (const auto& [type, model] : {std::pair{"KK,0F", "ARVEN"}, std::pair{"JJ,01", "BELTO"}}) {
    const RadioImage expected = SampleImage(type, model);
    ScriptedRadio radio(expected);
    RadioImage image = MakeNewDocument(MakeDefaultBandPlan("MM,07", "BELTO"));
    image.Store(SlotKind::Memory, 10, "010,junk");
    ReadSequence read(image, TransferScope::All);
    EXPECT_EQ(RunExchange(read, radio).end, SequenceAction::Kind::Finish);
    EXPECT_TRUE(image == expected) << type;
    EXPECT_EQ(image.Plan().type, type);
    EXPECT_EQ(image.Plan().limits, expected.Plan().limits);
  }
}

TEST(ReadSequence, ResetsOnlyWhatTheScopeReads) {
  const struct {
    TransferScope scope;
    bool memoryKept;
    bool menuKept;
  } kCases[] = {{TransferScope::All, false, false},
                {TransferScope::Memory, false, true},
                {TransferScope::Menu, true, false}};
  for (const auto& c : kCases) {
    RadioImage image;
    image.Store(SlotKind::Memory, 10, "010,junk");
    image.Menu().Set(kMenuBAL, "4");
    ScriptedRadio radio = EmptyRadio();
    ReadSequence read(image, c.scope);
    RunExchange(read, radio);
    EXPECT_EQ(image.Record(SlotKind::Memory, 10).empty(), !c.memoryKept);
    EXPECT_EQ(image.Menu().Get(kMenuBAL), c.menuKept ? "4" : "2");
  }
}

TEST(ReadSequence, InvalidIdentificationLeavesTheImageUntouched) {
  for (const char* reply : {"ID ARVEN2", "?", "ID ", "ID BELT", "", "ID arven"}) {
    RadioImage image = SampleImage("MM,07", "BELTO");
    const RadioImage before = image;
    ScriptedRadio radio = EmptyRadio();
    radio.SetIdReply(reply);
    ReadSequence read(image, TransferScope::All);
    const auto result = RunExchange(read, radio);
    EXPECT_EQ(result.end, SequenceAction::Kind::InvalidRadio) << reply;
    EXPECT_EQ(result.commands, (std::vector<std::string>{"VOX 0", "ID"}));
    EXPECT_TRUE(image == before) << reply;
  }
  RadioImage image;
  ScriptedRadio radio = EmptyRadio();
  radio.SetIdReply("ID BELTO");
  ReadSequence read(image, TransferScope::Menu);
  EXPECT_EQ(RunExchange(read, radio).end, SequenceAction::Kind::Finish);
  EXPECT_EQ(image.Plan().model, "BELTO");
}

TEST(ReadSequence, BroadcastFixAppliesToJapaneseBroadcastPresetsOnly) {
  const struct {
    const char* type;
    int slot;
    const char* frequency;
    char step;
    char stored;
  } kCases[] = {
      {"JJ,01", 5, "00095750000", 'B', 'A'},   {"JJ,01", 400, "00101750000", 'B', 'A'},
      {"JJ,01", 431, "00107750000", 'B', 'A'}, {"JJ,01", 420, "00095750000", 'B', 'A'},
      {"JJ,01", 5, "00095750000", '8', '8'},   {"JJ,01", 5, "00095760000", 'B', 'B'},
      {"KK,0F", 5, "00095750000", 'B', 'B'},   {"ME,0B", 431, "00107750000", 'B', 'B'},
  };
  for (const auto& c : kCases) {
    RadioImage radioImage;
    radioImage.Plan() = MakeDefaultBandPlan(c.type, "BELTO");
    radioImage.Store(SlotKind::Memory, c.slot,
                     MemoryChannelLabel(c.slot) + "," + c.frequency + "," + c.step +
                         ",0,0,0,0,0,08,08,000,000000000,1,0,,,,TV");
    ScriptedRadio radio(radioImage);
    RadioImage image;
    ReadSequence read(image, TransferScope::Memory);
    RunExchange(read, radio);
    EXPECT_EQ(image.Field(SlotKind::Memory, c.slot, 2), std::string(1, c.stored))
        << c.type << " slot " << c.slot;
    EXPECT_EQ(image.Field(SlotKind::Memory, c.slot, 1), c.frequency);
  }
}

// Replies the sample radio would not give, put in by hand for single commands.
testing::Responder Patched(ScriptedRadio& radio, std::map<std::string, std::string> patches) {
  return [&radio, patches](std::string_view command) {
    const auto it = patches.find(std::string(command));
    return it != patches.end() ? it->second : radio.Answer(command);
  };
}

TEST(ReadSequence, AssemblesRecordsFromTheirReplies) {
  for (const char* type : {"KK,0F", "JJ,01"}) {
    const bool japan = type[1] == 'J';
    ScriptedRadio radio = EmptyRadio(type);
    const std::string rawName =
        "\x97\x9E\xA0\xF7\xFE\x80\x9F"
        "A";
    const std::string decoded =
        "\x9A\x8A\x8C\x9C\x9F\xC0\xDF"
        "A";
    RadioImage image;
    ReadSequence read(image, TransferScope::All);
    RunExchange(
        read,
        Patched(radio, {{"MR 0,000", "MR 0,000,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0"},
                        {"MR 1,000", "MR 1,000"},
                        {"MNA 000", "MNA 000," + rawName},
                        {"MR 0,L0", "MR 0,L0,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0"},
                        {"MR 1,L0", "MR 1,L0,1"},
                        {"MNA L0", "MNA L0,LOW"},
                        {"DM 00", "DM 00,12EF"},
                        {"DMN 00", "DMN 00," + rawName},
                        {"DM 01", "DM 01,"},
                        {"MES", "MES " + rawName}}));
    const std::string name = japan ? rawName : decoded;
    EXPECT_EQ(image.Record(SlotKind::Memory, 0),
              "000,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,," + name);
    EXPECT_EQ(image.Field(SlotKind::Memory, 400, 14), "");
    EXPECT_EQ(image.Field(SlotKind::Memory, 400, 17), "LOW");
    EXPECT_EQ(image.Record(SlotKind::Dtmf, 0), "00,12*#," + name);
    EXPECT_EQ(image.Record(SlotKind::Dtmf, 1), "");
    EXPECT_EQ(image.Menu().Get(kMenuMES), name);
  }
}

TEST(ReadSequence, CancelFinishesAtTheNextReplyWithoutSending) {
  RadioImage image = SampleImage("KK,0F", "ARVEN");
  const RadioImage before = image;
  ReadSequence read(image, TransferScope::All);
  EXPECT_EQ(read.Start().command, "VOX 0");
  EXPECT_EQ(read.StepCode(), 202);
  EXPECT_EQ(read.OnReply("VOX 0\r").command, "ID");
  EXPECT_EQ(read.LastCommand(), "ID");
  read.Cancel();
  EXPECT_TRUE(read.CancelRequested());
  EXPECT_EQ(read.OnReply("ID ARVEN\r").kind, SequenceAction::Kind::Finish);
  EXPECT_EQ(read.StepCode(), 999);
  EXPECT_TRUE(image == before);
  EXPECT_EQ(read.OnReply("ID ARVEN\r").kind, SequenceAction::Kind::Finish);
}

TEST(ReadSequence, HostileRepliesStayWithinEveryBuffer) {
  const std::string kGarbage[] = {
      std::string(5000, '7'), std::string(300, '\0') + "MR 0,000,1,2,3", std::string(40, '\r'), "",
      std::string("MR 0,\x80\x9F\xFF,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,") + "\r\r\r"};
  for (const std::string& garbage : kGarbage) {
    ScriptedRadio radio = EmptyRadio();
    RadioImage image;
    ReadSequence read(image, TransferScope::All);
    const auto result = RunExchange(read, [&](std::string_view command) {
      return command == "ID" ? radio.Answer(command) : garbage;
    });
    EXPECT_EQ(result.end, SequenceAction::Kind::Finish);
    for (int slot = 0; slot < kMemorySlots; ++slot) {
      EXPECT_LE(image.Record(SlotKind::Memory, slot).size(), kChannelRecordCapacity);
    }
    for (int n = 0; n < kDtmfSlots; ++n) {
      EXPECT_LE(image.Record(SlotKind::Dtmf, n).size(), kDtmfCapacity);
    }
    EXPECT_LE(image.Plan().type.size(), kTypeCapacity);
  }
}

TEST(ReadSequence, RepliesBeforeStartFinish) {
  RadioImage image;
  const RadioImage before = image;
  ReadSequence read(image, TransferScope::All);
  EXPECT_EQ(read.OnReply("ID ARVEN\r").kind, SequenceAction::Kind::Finish);
  EXPECT_TRUE(image == before);
}

}  // namespace
}  // namespace quorvan
