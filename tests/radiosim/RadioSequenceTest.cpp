// The virtual radio against the program's own read and write sequences: what the radio serves
// must come back byte for byte, and what is written must be what is read back.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "RadioModel.h"
#include "core/model/BandPlan.h"
#include "core/model/RadioForms.h"
#include "core/model/RadioImage.h"
#include "core/rules/DocumentComparison.h"
#include "core/transfer/CheckedWriteSequence.h"
#include "core/transfer/ReadSequence.h"
#include "core/transfer/TransferCommands.h"
#include "core/transfer/WriteSequence.h"
#include "support/CaseNames.h"
#include "support/SlotFields.h"

namespace quorvan {
namespace {

struct Outcome {
  SequenceAction::Kind end;
  int commands;
};

Outcome Exchange(TransferSequence& sequence, RadioModel& radio) {
  SequenceAction action = sequence.Start();
  int commands = 0;
  while (action.kind == SequenceAction::Kind::Send && commands < 5000) {
    ++commands;
    action = sequence.OnReply(radio.Answer(action.command) + "\r");
  }
  return {action.kind, commands};
}

// A document with every kind of record the program builds, in the forms it stores them.
RadioImage RichDocument(const BandPlan& plan) {
  RadioImage image = MakeNewDocument(plan);
  image.Store(SlotKind::Memory, 0, "000,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,");
  image.Store(SlotKind::Memory, 5,
              "005,00145500000,5,2,0,1,0,0,08,10,000,000600000,0,1,00146000000,5,,A,B");
  image.Store(SlotKind::Memory, 399,
              "399,00433000000,8,1,1,0,1,0,12,12,010,005000000,0,0,,,,\xC4\xD6\x8A!");
  image.Store(SlotKind::Memory, 401, "U0,00146000000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,UP");
  image.Store(SlotKind::Memory, 420, "PR1,00144800000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,");
  image.Store(SlotKind::Call, 0,
              "0,00145000000,5,1,0,1,0,0,10,08,000,000600000,0,,00146000000,5,,");
  image.Store(SlotKind::Vfo, 7, "7,00088100000,B,0,0,0,0,0,08,08,000,000000000,1,,,,,");
  image.Store(SlotKind::ProgramVfo, 0, "0,00144,00145");
  image.Store(SlotKind::Dtmf, 0, "00,12*#,HOME,1");
  image.Store(SlotKind::Dtmf, 9, "09,ABCD,");
  image.Menu().Set(kMenuBC, "1");
  image.Menu().Set(kMenuMGL, "0 2  5  ");
  image.Menu().Set(kMenuMES, "\xC4HI");
  image.Menu().Set(kMenuCNT, "16");
  image.Menu().Set(kMenuNAR5, "1");
  return image;
}

struct Market {
  const char* type;
  const char* model;
  const char* identifier;  // what the radio answers to "ID"
};

// A radio never identifies itself as CIRRA; such a plan is served under another identifier.
class RadioSequencePlans : public ::testing::TestWithParam<Market> {
 protected:
  BandPlan Plan() const { return MakeDefaultBandPlan(GetParam().type, GetParam().model); }
  RadioModel Radio(RadioImage image) const {
    RadioModel radio(std::move(image));
    radio.SetFaults({GetParam().identifier, "", {}, {}});
    return radio;
  }
};

TEST_P(RadioSequencePlans, AFullReadReproducesTheRadiosImage) {
  RadioModel radio = Radio(RichDocument(Plan()));
  RadioImage read = MakeNewDocument(MakeDefaultBandPlan("MM,07", "BELTO"));
  read.Store(SlotKind::Memory, 100, "100,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,OLD");
  ReadSequence sequence(read, TransferScope::All);
  const Outcome outcome = Exchange(sequence, radio);
  EXPECT_EQ(outcome.end, SequenceAction::Kind::Finish);
  EXPECT_LE(outcome.commands, 1389);
  EXPECT_EQ(read.Plan().type, radio.Image().Plan().type);
  EXPECT_EQ(read.Plan().model, GetParam().identifier);
  EXPECT_EQ(read.Plan().limits, radio.Image().Plan().limits);
  EXPECT_TRUE(read.Menu() == radio.Image().Menu());
  const SlotKind kinds[] = {SlotKind::Memory, SlotKind::Vfo, SlotKind::Call, SlotKind::Dtmf,
                            SlotKind::ProgramVfo};
  for (const SlotKind kind : kinds) {
    for (int slot = 0; slot < SlotCount(kind); ++slot) {
      EXPECT_EQ(read.Record(kind, slot), radio.Image().Record(kind, slot))
          << "kind " << static_cast<int>(kind) << " slot " << slot;
    }
  }
}

TEST_P(RadioSequencePlans, WhatIsWrittenIsReadBack) {
  const RadioImage document = RichDocument(Plan());
  RadioImage held = MakeNewDocument(Plan());
  held.Store(SlotKind::Memory, 6, "006,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,GONE");
  held.Store(SlotKind::Dtmf, 5, "05,999,GONE");
  RadioModel radio = Radio(held);
  WriteSequence write(document, TransferScope::All);
  EXPECT_EQ(Exchange(write, radio).end, SequenceAction::Kind::Finish);
  EXPECT_EQ(write.RejectedCount(), 0) << write.FirstRejectedCommand();

  RadioImage read = MakeNewDocument(Plan());
  ReadSequence sequence(read, TransferScope::All);
  EXPECT_EQ(Exchange(sequence, radio).end, SequenceAction::Kind::Finish);
  EXPECT_EQ(read.Plan().model, GetParam().identifier);
  read.Plan().model = document.Plan().model;
  EXPECT_TRUE(read == document);
  EXPECT_EQ(read.Record(SlotKind::Memory, 6), "");
  EXPECT_EQ(read.Record(SlotKind::Dtmf, 5), "");
}

// A document as the program holds it may differ from what the radio gives back (an RF power,
// a transmit step without a transmit frequency, a DTMF number in one digit, name bytes the
// radio's coding turns round): taken as the radio gives it back, it compares equal to what the
// virtual radio holds after a write, both as images and item by item.
TEST_P(RadioSequencePlans, WhatTheRadioGivesBackIsTheDocumentAsTheRadioGivesItBack) {
  RadioImage document = RichDocument(Plan());
  const bool japan = Plan().DestinationLetter() == 'J';
  document.Store(SlotKind::Memory, 6,
                 "006,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,0,,5,2,N\xD7");
  document.Store(SlotKind::Memory, 7, "007,00095750000,B,0,0,0,0,0,08,08,000,000000000,2,0,,,,");
  document.Store(SlotKind::Dtmf, 4, "4,*1#,N\xD7");
  document.Store(SlotKind::Dtmf, 5, "5,,NOCODE");
  document.Menu().Set(kMenuMES, "HI\xD7");
  document.SetComment("stays here");
  RadioModel radio = Radio(MakeNewDocument(Plan()));
  WriteSequence write(document, TransferScope::All);
  ASSERT_EQ(Exchange(write, radio).end, SequenceAction::Kind::Finish);
  ASSERT_EQ(write.RejectedCount(), 0) << write.FirstRejectedCommand();

  RadioImage read = document;
  ReadSequence readBack(read, ItemsOfScope(TransferScope::All));
  ASSERT_EQ(Exchange(readBack, radio).end, SequenceAction::Kind::Finish);
  EXPECT_FALSE(read.Record(SlotKind::Memory, 6) == document.Record(SlotKind::Memory, 6))
      << "the forms differ, or this test would show nothing";
  EXPECT_EQ(read.Record(SlotKind::Memory, 7).substr(16, 1), japan ? "A" : "B");
  read.SetComment(document.Comment());
  EXPECT_TRUE(AsRadioGivesBack(read) == AsRadioGivesBack(document));
  ItemSet all = ItemsOfScope(TransferScope::All);
  all.Add({ItemKind::Comment, 0});
  EXPECT_TRUE(CompareRadioItems(document, read, all).empty());
}

INSTANTIATE_TEST_SUITE_P(
    EveryMarket, RadioSequencePlans,
    ::testing::Values(Market{"KK,0F", "ARVEN", "ARVEN"}, Market{"ME,0B", "BELTO", "BELTO"},
                      Market{"JJ,01", "BELTO", "BELTO"}, Market{"MM,07", "BELTO", "BELTO"},
                      Market{"KK,0F", "CIRRA", "ARVEN"}, Market{"JJ,01", "CIRRA", "BELTO"}),
    [](const ::testing::TestParamInfo<Market>& p) {
      return quorvan::testing::CaseName(std::string(p.param.type) + " " + p.param.model, p.index);
    });

TEST(RadioSequenceFaults, ARadioNamedCirraIsAnInvalidRadio) {
  RadioModel radio(MakeNewDocument(MakeDefaultBandPlan("KK,0F", "CIRRA")));
  RadioImage read = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  const RadioImage before = read;
  ReadSequence sequence(read, TransferScope::All);
  EXPECT_EQ(Exchange(sequence, radio).end, SequenceAction::Kind::InvalidRadio);
  EXPECT_TRUE(read == before);
}

TEST(RadioSequenceFaults, AnotherIdentifierIsAnInvalidRadio) {
  RadioModel radio(MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")));
  radio.SetFaults({"ARVEN2", "", {}, {}});
  RadioImage read = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  ReadSequence sequence(read, TransferScope::All);
  EXPECT_EQ(Exchange(sequence, radio).end, SequenceAction::Kind::InvalidRadio);
}

TEST(RadioSequenceFaults, AnotherTypeStopsTheWrite) {
  RadioModel radio(MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")));
  radio.SetFaults({"", "KE,0F", {}, {}});
  const RadioImage document = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  WriteSequence write(document, TransferScope::All);
  const Outcome outcome = Exchange(write, radio);
  EXPECT_EQ(outcome.end, SequenceAction::Kind::InvalidRadio);
  EXPECT_EQ(outcome.commands, 3);
}

// A radio that acknowledges a write without doing it is found by reading back what was written.
TEST(RadioSequenceFaults, ADroppedWriteIsFoundByTheReadBack) {
  const RadioImage baseline = RichDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  RadioImage document = baseline;
  document.Store(SlotKind::Memory, 5,
                 "005,00145500000,5,2,0,1,0,0,08,10,000,000600000,0,1,00146000000,5,,NEW");
  document.Store(SlotKind::Dtmf, 9, "09,ABCD,NAMED");
  RadioModel radio(baseline);
  radio.SetFaults({"", "", {}, {"DMN 09,"}});
  WritePlan plan;
  plan.changes = ChangesToWrite(baseline, document);
  plan.baseline = &baseline;
  plan.readBack = true;
  CheckedWriteSequence write(document, plan);
  EXPECT_EQ(Exchange(write, radio).end, SequenceAction::Kind::Finish);
  EXPECT_EQ(write.RejectedCount(), 0) << "the radio said yes to everything";
  ASSERT_TRUE(write.ReadBackCompleted());
  ASSERT_EQ(write.ReadBackDifferences().size(), 1u);
  EXPECT_EQ(DescribeDifference(write.ReadBackDifferences().front(), "in the file", "in the radio"),
            "DTMF 9: name NAMED in the file, none in the radio");
  EXPECT_FALSE(write.RadioNowHolds().has_value());
  EXPECT_EQ(testing::SlotField(radio.Image(), SlotKind::Memory, 5, ChannelField::Name), "NEW");
}

TEST(RadioSequenceFaults, RefusedWritesAreCounted) {
  RadioModel radio(MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")));
  radio.SetFaults({"", "", {"MNA"}, {}});
  const RadioImage document = RichDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  WriteSequence write(document, TransferScope::Memory);
  EXPECT_EQ(Exchange(write, radio).end, SequenceAction::Kind::Finish);
  EXPECT_GT(write.RejectedCount(), 0);
  EXPECT_EQ(write.FirstRejectedCommand().substr(0, 8), "MNA 000,");
}

}  // namespace
}  // namespace quorvan
