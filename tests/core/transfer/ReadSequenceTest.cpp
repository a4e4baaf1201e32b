#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "core/model/EscapedText.h"
#include "core/model/RecordForm.h"
#include "core/transfer/ReadSequence.h"
#include "support/SampleImage.h"
#include "support/ScriptedRadio.h"
#include "support/SlotFields.h"

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

// The message tells what the radio answered, whole (the header the read cuts off included), as
// a message may quote it: escaped and cut.
TEST(ReadSequence, InvalidIdentificationLeavesTheImageUntouched) {
  const struct {
    const char* reply;
    const char* detail;
  } cases[] = {
      {"ID ARVEN2", "The radio answered \"ID ARVEN2\"."},
      {"?", "The radio answered \"?\"."},
      {"ID ", "The radio answered \"ID \"."},
      {"ID BELT", "The radio answered \"ID BELT\"."},
      {"", "The radio answered \"\"."},
      {"ID arven", "The radio answered \"ID arven\"."},
      {"ID \x07\xff", "The radio answered \"ID \\x07\\xff\"."},
      {"ID ARVENARVENARVENARVENARVEN", "The radio answered \"ID ARVENARVENARVENARVENA...\"."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply);
    RadioImage image = SampleImage("MM,07", "BELTO");
    const RadioImage before = image;
    ScriptedRadio radio = EmptyRadio();
    radio.SetIdReply(c.reply);
    ReadSequence read(image, TransferScope::All);
    const auto result = RunExchange(read, radio);
    EXPECT_EQ(result.end, SequenceAction::Kind::InvalidRadio);
    EXPECT_EQ(result.message, c.detail);
    EXPECT_EQ(result.commands, (std::vector<std::string>{"VOX 0", "ID"}));
    EXPECT_TRUE(image == before);
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
    EXPECT_EQ(testing::SlotField(image, SlotKind::Memory, c.slot, ChannelField::Step),
              std::string(1, c.stored))
        << c.type << " slot " << c.slot;
    EXPECT_EQ(testing::SlotField(image, SlotKind::Memory, c.slot, ChannelField::Frequency),
              c.frequency);
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
    EXPECT_EQ(testing::SlotField(image, SlotKind::Memory, 400, ChannelField::TxFrequency), "");
    EXPECT_EQ(testing::SlotField(image, SlotKind::Memory, 400, ChannelField::Name), "LOW");
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

TEST(ReadSequence, HostileRepliesStayWithinEveryBufferAndStoreNothingMalformed) {
  const std::string kGarbage[] = {
      std::string(5000, '7'), std::string(300, '\0') + "MR 0,000,1,2,3", std::string(40, '\r'), "",
      std::string("MR 0,\x80\x9F\xFF,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,") + "\r\r\r"};
  for (const std::string& garbage : kGarbage) {
    ScriptedRadio radio = EmptyRadio();
    RadioImage image;
    ReadSequence read(image, TransferScope::All);
    const auto result = RunExchange(read, [&](std::string_view command) {
      return command == "ID" || command == "TYD" ? radio.Answer(command) : garbage;
    });
    EXPECT_TRUE(result.end == SequenceAction::Kind::Finish ||
                result.end == SequenceAction::Kind::MalformedRecord);
    for (int slot = 0; slot < kMemorySlots; ++slot) {
      EXPECT_LE(image.Record(SlotKind::Memory, slot).size(), kChannelRecordCapacity);
    }
    for (int n = 0; n < kDtmfSlots; ++n) {
      EXPECT_LE(image.Record(SlotKind::Dtmf, n).size(), kDtmfCapacity);
    }
    EXPECT_LE(image.Plan().type.size(), kTypeCapacity);
    const auto bad = FirstMalformedItem(image, true, true);
    EXPECT_FALSE(bad.has_value()) << bad->item << ": " << bad->problem;
  }
}

// A read into a document of no known plan gives, once the unread part is completed, what a
// read into a document of the radio's own plan gives, whatever the scope.
TEST(ReadSequence, UnreadPartsOfADocumentWithoutPlanBecomeTheRadiosDefaults) {
  for (const char* type : {"ME,0B", "JJ,01", "KK,0F"}) {
    for (const TransferScope scope :
         {TransferScope::All, TransferScope::Memory, TransferScope::Menu}) {
      SCOPED_TRACE(std::string(type) + " scope " + std::to_string(static_cast<int>(scope)));
      const RadioImage held = SampleImage(type, "BELTO");
      ScriptedRadio radio(held);
      RadioImage known = MakeNewDocument(held.Plan());
      ReadSequence readKnown(known, scope);
      ASSERT_EQ(RunExchange(readKnown, radio).end, SequenceAction::Kind::Finish);

      RadioImage unknown = MakeNewDocument(BandPlan{});
      ReadSequence readUnknown(unknown, scope);
      ASSERT_EQ(RunExchange(readUnknown, radio).end, SequenceAction::Kind::Finish);
      CompleteUnreadParts(unknown, scope);
      EXPECT_TRUE(unknown == known);
      EXPECT_EQ(unknown.Plan().type, type);
    }
  }
}

// The type code decides the band plan and is kept in the settings: a reply that is not one is
// an invalid radio, and nothing of the read is stored.
TEST(ReadSequence, TypeReplyMustBeATypeCode) {
  const struct {
    const char* reply;
    bool valid;
  } cases[] = {
      {"TYD KK,0F", true},        {"TYD MK,01", true},  {"TYD JJ,01", true},
      {"TYD AX,9z", true},        {"N", false},         {"TYD ", false},
      {"TYD ZZ,99", false},       {"TYD KK,0", false},  {"TYD KK,0F ", false},
      {"TYD kk,0F", false},       {"TYD KK 0F", false}, {"TYD K1,0F", false},
      {"TYD KK,\x1b\x5b", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply);
    RadioImage image = SampleImage("MM,07", "BELTO");
    const RadioImage before = image;
    ScriptedRadio radio = EmptyRadio();
    radio.SetTypeReply(c.reply);
    ReadSequence read(image, TransferScope::All);
    const auto result = RunExchange(read, radio);
    if (c.valid) {
      EXPECT_EQ(result.end, SequenceAction::Kind::Finish);
      EXPECT_EQ(image.Plan().type, std::string(c.reply).substr(4));
      EXPECT_EQ(image.Plan().model, "ARVEN");
    } else {
      EXPECT_EQ(result.end, SequenceAction::Kind::InvalidRadio);
      EXPECT_EQ(result.message, "The radio answered " + QuotedForMessage(c.reply) + ".");
      EXPECT_EQ(result.commands, (std::vector<std::string>{"VOX 0", "ID", "TYD"}));
      EXPECT_TRUE(image == before);
    }
  }
}

// A radio that sends a malformed record is broken: the read stops, names the record, and the
// document never holds it (so it saves, opens again and writes as it stands).
TEST(ReadSequence, AMalformedRecordStopsTheReadBeforeItIsStored) {
  const std::string plain = "00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0";
  // The read stops at the reply that completes the record (its last command).
  const struct {
    const char* command;
    std::string reply;
    const char* last;
    SlotKind kind;
    int slot;
    std::string problem;
  } cases[] = {
      {"MR 0,007", "MR 0,007,0014518", "MNA 007", SlotKind::Memory, 7,
       "memory channel 007: the record has 6 fields instead of 18"},
      {"MR 0,006", "MR 0,007," + plain, "MNA 006", SlotKind::Memory, 6,
       "memory channel 006: the label \"007\" does not name this channel"},
      {"MNA 000", "MNA 000,NINE CHAR", "MNA 000", SlotKind::Memory, 0,
       "memory channel 000: the name \"NINE CHAR\" is longer than 8 characters"},
      {"CR 1,0", "CR 1,0,00223000000,7,0,0,0,0,0,08,08,000,001600000,0,X", "CR 1,1", SlotKind::Call,
       1, "CALL channel 1: the lockout \"X\" should be empty"},
      {"VR 3", "VR 3,00144000000,0,0,0,0,0,0,08,08,000,000600000,0,1", "VR 3", SlotKind::Vfo, 3,
       "VFO 3: the record has 19 fields instead of 18"},
      {"PV 1", "PV 1,00216", "PV 1", SlotKind::ProgramVfo, 1,
       "program VFO 1: the record has 2 fields instead of 3"},
      {"DMN 02", "DMN 02,\x1b]0;x", "DMN 02", SlotKind::Dtmf, 2,
       "DTMF memory 2: the record holds the control character \"\\x1b\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    ScriptedRadio radio = EmptyRadio();
    if (c.kind == SlotKind::Memory) {
      radio = ScriptedRadio(SampleImage("KK,0F", "ARVEN"));
    }
    RadioImage image;
    ReadSequence read(image, TransferScope::All);
    const auto result =
        RunExchange(read, Patched(radio, {{c.command, c.reply}, {"DM 02", "DM 02,123"}}));
    EXPECT_EQ(result.end, SequenceAction::Kind::MalformedRecord);
    EXPECT_EQ(result.commands.back(), c.last);
    EXPECT_EQ(result.message, "The radio sent a malformed record for " + c.problem +
                                  ".\nPlease check the radio and try again.");
    EXPECT_EQ(image.Record(c.kind, c.slot), "");
    EXPECT_FALSE(FirstMalformedItem(image, true, true).has_value());
  }

  // Menu values alike.
  ScriptedRadio radio = EmptyRadio();
  RadioImage image;
  ReadSequence read(image, TransferScope::Menu);
  const auto result = RunExchange(read, Patched(radio, {{"MES", "MES HI\tTHERE"}}));
  EXPECT_EQ(result.end, SequenceAction::Kind::MalformedRecord);
  EXPECT_EQ(result.message,
            "The radio sent a malformed record for menu value MES: the value holds the control "
            "character \"\\x09\".\nPlease check the radio and try again.");
  EXPECT_EQ(image.Menu().Get(kMenuMES), "HELLO !!");
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
