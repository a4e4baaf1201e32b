#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/messages/Messages.h"
#include "core/model/RadioForms.h"
#include "core/transfer/CheckedWriteSequence.h"
#include "core/transfer/ReadSequence.h"
#include "support/SampleImage.h"
#include "support/ScriptedRadio.h"
#include "support/SlotFields.h"

namespace quorvan {
namespace {

using testing::RunExchange;
using testing::RunResult;
using testing::SampleImage;
using testing::ScriptedRadio;
using V = std::vector<std::string>;

constexpr const char* kMain5 = "00146520000,5,1,0,1,0,0,12,12,007,000600000,0,1";
constexpr const char* kPlain = "00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0";
const V kIdentify{"VOX 0", "ID", "TYD"};
const V kMemoryMode{"VMC 0,0", "VMC 1,0"};

V Join(std::initializer_list<V> parts) {
  V all;
  for (const V& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

RadioImage Baseline() { return SampleImage("KK,0F", "ARVEN"); }

// The change set of every kind of item, and exactly the commands the whole write sends for it.
TEST(WriteChanges, SendsTheWholeWritesCommandsForEachChangedItemOnly) {
  const struct {
    const char* what;
    std::function<void(RadioImage&)> change;
    V commands;  // after the identification
  } cases[] = {
      {"split memory renamed",
       [](RadioImage& d) {
         d.Store(SlotKind::Memory, 5, "005," + std::string(kMain5) + ",00147000000,5,,NEW\xC4");
       },
       Join({kMemoryMode,
             {"MW 0,005," + std::string(kMain5), "MW 1,005,00147000000,5", "MNA 005,NEW\x84"}})},
      {"new memory without transmit part",
       [](RadioImage& d) {
         d.Store(SlotKind::Memory, 12, "012," + std::string(kPlain) + ",,,,TWELVE");
       },
       Join({kMemoryMode, {"MW 0,012," + std::string(kPlain), "MNA 012,TWELVE"}})},
      {"emptied memory slots",
       [](RadioImage& d) {
         d.Store(SlotKind::Memory, 431, "");
         d.Store(SlotKind::Memory, 0, "");
       },
       Join({kMemoryMode, {"MW 0,000", "MW 0,I-0"}})},
      {"CALL channel with its transmit part",
       [](RadioImage& d) {
         d.Store(SlotKind::Call, 2,
                 "2,00441000000,8,0,0,0,0,0,08,08,000,005000000,0,,00446000000,8,");
       },
       {"CW 0,00441000000,8,0,0,0,0,0,08,08,000,005000000,0", "CW 1,00446000000,8"}},
      {"VFO and program VFO",
       [](RadioImage& d) {
         d.Store(SlotKind::ProgramVfo, 0, "0,00140,00150");
         d.Store(SlotKind::Vfo, 3, "3,00431000000,8,0,0,0,0,0,08,08,000,005000000,0,,,,,");
       },
       {"VW 3,00431000000,8,0,0,0,0,0,08,08,000,005000000,0", "PV 0,00140,00150"}},
      {"DTMF memories changed and emptied",
       [](RadioImage& d) {
         d.Store(SlotKind::Dtmf, 3, "");
         d.Store(SlotKind::Dtmf, 7, "7,*9#,OFFICE");
       },
       {"DM 03,", "DMN 03,", "DM 7,E9F", "DMN 7,OFFICE"}},
      {"menu values of every kind, in the whole write's order",
       [](RadioImage& d) {
         d.Menu().Set(kMenuBAT, "1");
         d.Menu().Set(kMenuMES, "BYE\xC4");
         d.Menu().Set(kMenuNAR5, "1");
         d.Menu().Set(kMenuPC2, "1");
       },
       {"PC 2,1", "NAR 5,1", "MES BYE\x84", "BAT 1"}},
      {"memory and menu together",
       [](RadioImage& d) {
         d.Menu().Set(kMenuBC, "0");
         d.Store(SlotKind::Memory, 400, "");
       },
       Join({kMemoryMode, {"MW 0,L0", "BC 0"}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RadioImage document = Baseline();
    c.change(document);
    ScriptedRadio radio(Baseline());
    WriteSequence write(document, ChangesToWrite(Baseline(), document));
    const auto result = RunExchange(write, radio);
    EXPECT_EQ(result.end, SequenceAction::Kind::Finish);
    EXPECT_EQ(result.commands, Join({kIdentify, c.commands}));
    EXPECT_EQ(write.RejectedCount(), 0) << write.FirstRejectedCommand();
    EXPECT_EQ(write.ProgressPosition(), write.ProgressMaximum());
    // The radio now holds the document, as a radio gives it back.
    EXPECT_TRUE(AsRadioGivesBack(radio.Image()) == AsRadioGivesBack(document));
  }
}

TEST(WriteChanges, WhatAWriteCannotCarryIsNoChange) {
  RadioImage document = Baseline();
  document.SetComment("field day");
  document.Store(SlotKind::Call, 1, "");  // the write passes an absent CALL channel over
  document.Store(SlotKind::ProgramVfo, 2, "");
  // Differences of form only: an RF power the write does not send, a CALL channel as a whole
  // read puts it together (one field more).
  document.Store(SlotKind::Memory, 5,
                 "005," + std::string(kMain5) + ",00147000000,5,2," +
                     testing::SlotField(document, SlotKind::Memory, 5, ChannelField::Name));
  document.Store(SlotKind::Call, 0, document.Record(SlotKind::Call, 0) + ",");
  ASSERT_FALSE(document.Record(SlotKind::Call, 0) == Baseline().Record(SlotKind::Call, 0));
  EXPECT_TRUE(ChangesToWrite(Baseline(), document).Empty());
  EXPECT_TRUE(ChangesToWrite(Baseline(), Baseline()).Empty());
}

// The items a write replaces, or wrote, read back with the read's commands and identified as
// a write identifies the radio.
TEST(ReadBack, ReadsTheItemsOnlyAndStoresWhatTheRadioHolds) {
  ItemSet items;
  for (const ItemRef item :
       {ItemRef{ItemKind::Menu, kMenuBAT}, ItemRef{ItemKind::Memory, 5},
        ItemRef{ItemKind::Memory, 6}, ItemRef{ItemKind::Dtmf, 3}, ItemRef{ItemKind::Dtmf, 1},
        ItemRef{ItemKind::Call, 2}, ItemRef{ItemKind::ProgramVfo, 0}, ItemRef{ItemKind::Vfo, 10},
        ItemRef{ItemKind::Menu, kMenuPC1}, ItemRef{ItemKind::Menu, kMenuNAR5},
        ItemRef{ItemKind::Menu, kMenuMES}}) {
    items.Add(item);
  }
  ScriptedRadio radio(Baseline());
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  image.Store(SlotKind::Memory, 6, "006," + std::string(kPlain) + ",,,,GONE");
  image.Store(SlotKind::Dtmf, 1, "01,1,GONE");
  image.Plan().limits[0] = "00144,00146";
  ReadSequence read(image, items);
  const auto result = RunExchange(read, radio);
  EXPECT_EQ(result.end, SequenceAction::Kind::Finish);
  EXPECT_EQ(result.commands, (V{"VOX 0", "ID", "TYD", "MR 0,005", "MR 1,005", "MNA 005", "MR 0,006",
                                "CR 2,0", "CR 2,1", "VR A", "PV 0", "DM 01", "DM 03", "DMN 03",
                                "PC 1", "NAR 5", "MES", "BAT"}));
  EXPECT_EQ(read.ProgressPosition(), items.Count());
  EXPECT_EQ(read.ProgressMaximum(), items.Count());
  for (const ItemRef item : items.Items()) {
    EXPECT_EQ(ItemText(image, item), ItemText(Baseline(), item))
        << static_cast<int>(item.kind) << " " << item.index;
  }
  EXPECT_EQ(image.Plan().limits[0], "00144,00146") << "no band lists are read";
  EXPECT_EQ(image.Record(SlotKind::Memory, 7), "") << "nothing else is touched";

  for (const auto& [id, type] :
       {std::pair{"ID ARVEN2", "TYD KK,0F"}, std::pair{"ID ARVEN", "TYD ME,0B"}}) {
    ScriptedRadio other(Baseline());
    other.SetIdReply(id);
    other.SetTypeReply(type);
    RadioImage untouched = image;
    ReadSequence again(untouched, items);
    EXPECT_EQ(RunExchange(again, other).end, SequenceAction::Kind::InvalidRadio) << id << type;
    EXPECT_TRUE(untouched == image);
  }
}

struct CheckedCase {
  const char* what;
  std::function<void(RadioImage&)> changeRadio;  // what happened to the radio since the baseline
  bool force;
  bool readBack;
  std::string drop;  // a command the radio acknowledges without doing it
  V commands;
  bool stopped;
  V changedSinceBaseline;
  V readBackDifferences;
  bool radioHoldsDocument;
  bool knownAfterwards;  // RadioNowHolds()
};

TEST(CheckedWriteSequence, ChecksWhatItReplacesWritesAndReadsBack) {
  const auto changeDocument = [](RadioImage& d) {
    d.Store(SlotKind::Memory, 5, "005," + std::string(kMain5) + ",00147000000,5,,NEW");
    d.Menu().Set(kMenuBAT, "1");
  };
  const V check{"MR 0,005", "MR 1,005", "MNA 005", "BAT"};
  const V write{
      "VMC 0,0",     "VMC 1,0", "MW 0,005," + std::string(kMain5), "MW 1,005,00147000000,5",
      "MNA 005,NEW", "BAT 1"};
  const V readBack{"MR 0,005", "MR 1,005", "MNA 005", "BAT"};
  const auto renamedOnTheRadio = [](RadioImage& r) {
    r.Store(SlotKind::Memory, 5, "005," + std::string(kMain5) + ",00147000000,5,,KEYS");
  };
  const CheckedCase cases[] = {
      {"radio as the baseline says",
       {},
       false,
       true,
       "",
       Join({kIdentify, check, write, readBack}),
       false,
       {},
       {},
       true,
       true},
      {"changed on the radio's keys since",
       renamedOnTheRadio,
       false,
       false,
       "",
       Join({kIdentify, check}),
       true,
       {"memory 005: name A,B\xC3\xA9\xC5\xA1 at the last read or write, KEYS in the radio"},
       {},
       false,
       false},
      {"changed since, written anyway",
       renamedOnTheRadio,
       true,
       false,
       "",
       Join({kIdentify, check, write}),
       false,
       {"memory 005: name A,B\xC3\xA9\xC5\xA1 at the last read or write, KEYS in the radio"},
       {},
       true,
       true},
      // What the radio holds already is not sent again.
      {"already holding what a broken write sent",
       [](RadioImage& r) { r.Menu().Set(kMenuBAT, "1"); },
       false,
       false,
       "",
       Join({kIdentify, check, V(write.begin(), write.end() - 1)}),
       false,
       {},
       {},
       true,
       true},
      {"a write the radio drops",
       {},
       false,
       true,
       "MNA 005,",
       Join({kIdentify, check, write, readBack}),
       false,
       {},
       {"memory 005: name NEW in the document, none in the radio"},
       false,
       false},
  };
  for (const CheckedCase& c : cases) {
    SCOPED_TRACE(c.what);
    const RadioImage baseline = Baseline();
    RadioImage document = baseline;
    changeDocument(document);
    RadioImage held = baseline;
    if (c.changeRadio) c.changeRadio(held);
    ScriptedRadio radio(held);
    if (!c.drop.empty()) radio.Drop(c.drop);

    WritePlan plan;
    plan.changes = ChangesToWrite(baseline, document);
    plan.baseline = &baseline;
    plan.force = c.force;
    plan.readBack = c.readBack;
    CheckedWriteSequence sequence(document, plan);
    const auto result = RunExchange(sequence, radio);
    EXPECT_EQ(result.end, SequenceAction::Kind::Finish);
    EXPECT_EQ(result.commands, c.commands);
    EXPECT_EQ(sequence.StoppedBeforeWriting(), c.stopped);
    EXPECT_EQ(sequence.WriteCompleted(), !c.stopped);
    V changed;
    for (const FieldDifference& d : sequence.ChangedSinceBaseline()) {
      changed.push_back(DescribeDifference(d, kBaselineSide, kRadioSide));
    }
    EXPECT_EQ(changed, c.changedSinceBaseline);
    V differences;
    for (const FieldDifference& d : sequence.ReadBackDifferences()) {
      differences.push_back(DescribeDifference(d, kDocumentSide, kRadioSide));
    }
    EXPECT_EQ(differences, c.readBackDifferences);
    EXPECT_EQ(sequence.ReadBackCompleted(), c.readBack);
    EXPECT_EQ(AsRadioGivesBack(radio.Image()) == AsRadioGivesBack(document), c.radioHoldsDocument);
    // What was overwritten is kept: the baseline with the items as the radio held them.
    EXPECT_TRUE(sequence.ReplacedItemsRead());
    EXPECT_EQ(AsRadioGivesBack(sequence.Replaced()).Record(SlotKind::Memory, 5),
              AsRadioGivesBack(held).Record(SlotKind::Memory, 5));
    EXPECT_EQ(sequence.Replaced().Record(SlotKind::Memory, 0),
              baseline.Record(SlotKind::Memory, 0));
    ASSERT_EQ(sequence.RadioNowHolds().has_value(), c.knownAfterwards);
    if (c.knownAfterwards) {
      EXPECT_TRUE(ImageChanges::Between(*sequence.RadioNowHolds(), document).Empty());
    }
    EXPECT_EQ(sequence.ProgressPosition(), sequence.ProgressMaximum());
  }
}

// A write that did not end left its journal: the radio may hold each of its items as before it,
// as it meant, or partly written. The next write of changes takes any of these without --force,
// and sends only what the radio does not hold as the document has it.
TEST(CheckedWriteSequence, CompletesAWriteThatDidNotEndWhateverPartOfItTheRadioGot) {
  const std::string meant5 =
      "005,00146550000,5,1,0,1,0,0,12,12,007,000600000,0,1,00147500000,5,,NEW";
  const std::string main5 = "005,00146550000,5,1,0,1,0,0,12,12,007,000600000,0,1";
  const RadioImage before = Baseline();
  RadioImage meant = before;
  meant.Store(SlotKind::Memory, 5, meant5);
  meant.Menu().Set(kMenuBAT, "1");
  const std::string beforeName =
      testing::SlotField(before, SlotKind::Memory, 5, ChannelField::Name);
  const V check{"MR 0,005", "MR 1,005", "MNA 005", "BAT"};
  const V write5{"VMC 0,0", "VMC 1,0", "MW 0," + main5.substr(0), "MW 1,005,00147500000,5",
                 "MNA 005,NEW"};
  const struct {
    const char* what;
    std::function<void(RadioImage&)> radioGot;  // of the write, over `before`
    bool beforeKnown;
    V written;  // after the identification and the check
    bool stopped;
  } cases[] = {
      {"nothing of it", {}, true, Join({write5, {"BAT 1"}}), false},
      {"the channel's first command only",
       [&](RadioImage& r) { r.Store(SlotKind::Memory, 5, main5 + ",,,," + beforeName); }, true,
       Join({write5, {"BAT 1"}}), false},
      {"the channel, not the menu value",
       [&](RadioImage& r) { r.Store(SlotKind::Memory, 5, meant5); },
       true,
       {"BAT 1"},
       false},
      {"all of it",
       [&](RadioImage& r) {
         r.Store(SlotKind::Memory, 5, meant5);
         r.Menu().Set(kMenuBAT, "1");
       },
       true,
       {},
       false},
      {"renamed on the radio's keys afterwards",
       [&](RadioImage& r) { r.Store(SlotKind::Memory, 5, main5 + ",00147500000,5,,KEYS"); },
       true,
       {},
       true},
      {"a write of everything: any state is its own",
       [&](RadioImage& r) { r.Store(SlotKind::Memory, 5, main5 + ",00147500000,5,,KEYS"); }, false,
       Join({write5, {"BAT 1"}}), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RadioImage held = before;
    if (c.radioGot) c.radioGot(held);
    ScriptedRadio radio(held);
    WritePlan plan = PlanChanges(meant, meant, true, c.beforeKnown ? &before : nullptr);
    EXPECT_TRUE(plan.changes->Empty()) << "the document is what the write was to leave";
    if (c.beforeKnown) {
      EXPECT_EQ(plan.unsure.Items(),
                (std::vector<ItemRef>{{ItemKind::Memory, 5}, {ItemKind::Menu, kMenuBAT}}));
    }
    int journals = 0;
    plan.keepJournal = [&](const RadioImage*, const RadioImage&, std::string*) {
      ++journals;
      return true;
    };
    CheckedWriteSequence sequence(meant, plan);
    const auto result = RunExchange(sequence, radio);
    if (c.beforeKnown) {
      EXPECT_EQ(result.commands, Join({kIdentify, check, c.written}));
    } else {
      EXPECT_EQ(
          V(result.commands.end() - static_cast<long>(c.written.size()), result.commands.end()),
          c.written)
          << "every item is read, only what differs is written";
    }
    EXPECT_EQ(sequence.StoppedBeforeWriting(), c.stopped);
    EXPECT_EQ(journals, c.written.empty() ? 0 : 1);
    EXPECT_EQ(sequence.RadioNowHolds().has_value(), !c.stopped);
    EXPECT_EQ(AsRadioGivesBack(radio.Image()) == AsRadioGivesBack(meant), !c.stopped);
  }
}

TEST(CheckedWriteSequence, KeepsItsJournalRightBeforeTheFirstChangeOrWritesNothing) {
  const RadioImage baseline = Baseline();
  RadioImage document = baseline;
  document.Menu().Set(kMenuBAT, "1");
  const std::string refusal = "cannot create /b/x: No space left on device";
  for (const bool changes : {true, false}) {
    for (const bool kept : {true, false}) {
      // Kept by the sequence's own call, or elsewhere while the write waits for it.
      for (const bool waits : {false, true}) {
        SCOPED_TRACE(std::string(changes ? "changes" : "whole") + (kept ? ", kept" : ", refused") +
                     (waits ? ", waited for" : ""));
        ScriptedRadio radio(baseline);
        V sentBefore;
        std::optional<RadioImage> target;
        bool withReplaced = false;
        WritePlan plan;
        if (changes) {
          plan = PlanChanges(document, baseline, false, nullptr);
        } else {
          plan.scope = TransferScope::Menu;
          plan.baseline = &baseline;
        }
        V sent;
        if (waits) {
          plan.beginJournal = [&](std::optional<RadioImage> replaced, RadioImage holds) {
            sentBefore = sent;
            target = std::move(holds);
            withReplaced = replaced.has_value();
          };
        } else {
          plan.keepJournal = [&](const RadioImage* replaced, const RadioImage& holds,
                                 std::string* error) {
            sentBefore = sent;
            target = holds;
            withReplaced = replaced != nullptr;
            if (!kept) *error = refusal;
            return kept;
          };
        }
        CheckedWriteSequence sequence(document, plan);
        const auto answer = [&](std::string_view command) {
          sent.emplace_back(command);
          return radio.Answer(command);
        };
        const RunResult first = RunExchange(sequence, answer);
        if (waits) {
          ASSERT_EQ(first.end, SequenceAction::Kind::Wait);
          EXPECT_EQ(sent, sentBefore) << "nothing goes while the journal is being kept";
          EXPECT_EQ(sequence.Resume().kind, SequenceAction::Kind::Wait)
              << "no answer from the journal yet";
          EXPECT_EQ(sequence.OnReply("stray\r").kind, SequenceAction::Kind::Wait);
          EXPECT_EQ(radio.Image().Menu().Get(kMenuBAT), baseline.Menu().Get(kMenuBAT));
          sequence.JournalDone(kept, kept ? std::string() : refusal);
          SequenceAction action = sequence.Resume();
          for (int i = 0; action.kind == SequenceAction::Kind::Send && i < 5000; ++i) {
            action = sequence.OnReply(answer(action.command) + "\r");
          }
          EXPECT_EQ(action.kind, SequenceAction::Kind::Finish);
        }
        EXPECT_EQ(sentBefore, changes ? Join({kIdentify, {"BAT"}}) : kIdentify);
        EXPECT_EQ(withReplaced, changes);
        ASSERT_TRUE(target.has_value());
        EXPECT_TRUE(ImageChanges::Between(*target, document).Empty());
        EXPECT_EQ(sequence.JournalKept(), kept);
        EXPECT_EQ(sequence.StoppedBeforeWriting(), !kept);
        EXPECT_EQ(sequence.JournalRefusal(), kept ? "" : refusal);
        EXPECT_EQ(radio.Image().Menu().Get(kMenuBAT), kept ? "1" : baseline.Menu().Get(kMenuBAT));
      }
    }
  }
  // A radio that is not the document's is never journaled for.
  ScriptedRadio other(baseline);
  other.SetTypeReply("TYD ME,0B");
  WritePlan plan;
  plan.keepJournal = [](const RadioImage*, const RadioImage&, std::string*) -> bool {
    ADD_FAILURE() << "journal kept for a radio of another type";
    return true;
  };
  CheckedWriteSequence sequence(document, plan);
  EXPECT_EQ(RunExchange(sequence, other).end, SequenceAction::Kind::InvalidRadio);
}

TEST(CheckedWriteSequence, AWholeWriteReadsBackEverythingItSent) {
  const RadioImage document = Baseline();
  ScriptedRadio radio(MakeNewDocument(document.Plan()));
  WritePlan plan;
  plan.scope = TransferScope::Menu;
  plan.readBack = true;
  CheckedWriteSequence sequence(document, plan);
  const auto result = RunExchange(sequence, radio);
  EXPECT_EQ(result.end, SequenceAction::Kind::Finish);
  ASSERT_EQ(result.commands.size(), 3u + 2 * kMenuItemCount);
  EXPECT_EQ(result.commands[3], "PC 0,0");
  EXPECT_EQ(result.commands[3 + kMenuItemCount], "PC 0") << "read back without a new ID";
  EXPECT_EQ(result.commands.back(), "BAT");
  EXPECT_TRUE(sequence.ReadBackDifferences().empty());
  EXPECT_EQ(sequence.ProgressMaximum(), 37 + kMenuItemCount);
  EXPECT_FALSE(sequence.RadioNowHolds().has_value()) << "a menu write alone, no baseline";
  plan.baseline = &document;
  CheckedWriteSequence withBaseline(document, plan);
  RunExchange(withBaseline, radio);
  EXPECT_TRUE(withBaseline.RadioNowHolds().has_value());
}

TEST(CheckedWriteSequence, SendsNothingForARadioOrDocumentItMustNotWrite) {
  const RadioImage baseline = Baseline();
  RadioImage document = baseline;
  document.Menu().Set(kMenuBAT, "1");
  RadioImage malformed = document;
  malformed.Store(SlotKind::Memory, 5, "005,0014652");
  const struct {
    const char* what;
    const RadioImage& document;
    const char* id;
    const char* type;
    SequenceAction::Kind end;
    V commands;
  } cases[] = {
      {"another model",
       document,
       "ID ARVEN2",
       "TYD KK,0F",
       SequenceAction::Kind::InvalidRadio,
       {"VOX 0", "ID"}},
      {"another type", document, "ID ARVEN", "TYD KE,0F", SequenceAction::Kind::InvalidRadio,
       kIdentify},
      {"a malformed record",
       malformed,
       "ID ARVEN",
       "TYD KK,0F",
       SequenceAction::Kind::MalformedRecord,
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScriptedRadio radio(baseline);
    radio.SetIdReply(c.id);
    radio.SetTypeReply(c.type);
    WritePlan plan;
    plan.changes = ChangesToWrite(baseline, c.document);
    plan.baseline = &baseline;
    plan.readBack = true;
    CheckedWriteSequence sequence(c.document, plan);
    const auto result = RunExchange(sequence, radio);
    EXPECT_EQ(result.end, c.end);
    EXPECT_EQ(result.commands, c.commands);
    EXPECT_FALSE(sequence.ReplacedItemsRead());
    EXPECT_FALSE(sequence.RadioNowHolds().has_value());
    EXPECT_TRUE(radio.Image() == baseline);
  }
}

TEST(CheckedWriteSequence, CancelWhileCheckingWritesNothing) {
  const RadioImage baseline = Baseline();
  RadioImage document = baseline;
  document.Menu().Set(kMenuBAT, "1");
  WritePlan plan;
  plan.changes = ChangesToWrite(baseline, document);
  plan.baseline = &baseline;
  CheckedWriteSequence sequence(document, plan);
  ScriptedRadio radio(baseline);
  EXPECT_EQ(sequence.Start().command, "VOX 0");
  EXPECT_EQ(sequence.OnReply("VOX 0\r").command, "ID");
  EXPECT_EQ(sequence.OnReply("ID ARVEN\r").command, "TYD");
  EXPECT_EQ(sequence.OnReply("TYD KK,0F\r").command, "BAT");
  sequence.Cancel();
  EXPECT_EQ(sequence.OnReply("BAT 0\r").kind, SequenceAction::Kind::Finish);
  EXPECT_TRUE(sequence.CancelRequested());
  EXPECT_FALSE(sequence.WriteCompleted());
  EXPECT_FALSE(sequence.ReplacedItemsRead());
  EXPECT_EQ(sequence.OnReply("BAT 0\r").kind, SequenceAction::Kind::Finish);
}

}  // namespace
}  // namespace quorvan
