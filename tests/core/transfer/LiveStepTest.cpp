#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/model/MenuSettings.h"
#include "core/transfer/LiveStep.h"
#include "support/SampleImage.h"
#include "support/ScriptedRadio.h"

namespace quorvan {
namespace {

using testing::RunExchange;
using testing::SampleImage;
using testing::ScriptedRadio;

constexpr const char* kMemory5 =
    "005,00146520000,5,1,0,1,0,0,12,12,007,000600000,0,1,00147000000,5,,NEW";
const ItemRef kMem5{ItemKind::Memory, 5};
const ItemRef kBat{ItemKind::Menu, kMenuBAT};

ItemSet Set(std::initializer_list<ItemRef> items) {
  ItemSet set;
  for (const ItemRef item : items) set.Add(item);
  return set;
}

// One step of live mode against a radio that holds the baseline, or does something else with
// it: what comes back confirmed, and why the rest does not.
TEST(LiveStep, ConfirmsWhatTheRadioGivesBackAndTellsWhyTheRestIsNot) {
  const struct {
    const char* what;
    ItemSet step;
    std::function<void(ScriptedRadio&)> radio;
    int cutAfter;  // the line fails once this many commands were answered; -1: never
    ItemSet confirmed;
    std::string problem;  // a part of it
    bool sends;
  } cases[] = {
      {"both items of the step", Set({kMem5, kBat}), {}, -1, Set({kMem5, kBat}), "", true},
      {"only the step's items are written", Set({kBat}), {}, -1, Set({kBat}), "", true},
      {"a step the radio holds already sends nothing",
       Set({{ItemKind::Memory, 9}}),
       {},
       -1,
       Set({{ItemKind::Memory, 9}}),
       "",
       false},
      {"a refused command", Set({kMem5, kBat}), [](ScriptedRadio& r) { r.Refuse("BAT 1"); }, -1,
       Set({kMem5}), "did not accept \"BAT 1\"", true},
      {"a dropped command caught by the read-back", Set({kMem5, kBat}),
       [](ScriptedRadio& r) { r.Drop("MNA 005,"); }, -1, Set({kBat}), "gave back otherwise", true},
      {"the line cut while writing", Set({kMem5, kBat}), {}, 9, Set({}), "cable", true},
      {"changed on the radio's keys", Set({kMem5}),
       [](ScriptedRadio& r) { r.Answer("MNA 005,KEYS"); }, -1, Set({}), "no longer holds", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const RadioImage baseline = SampleImage("KK,0F", "ARVEN");
    RadioImage document = baseline;
    document.Store(SlotKind::Memory, 5, kMemory5);
    document.Menu().Set(kMenuBAT, "1");
    ScriptedRadio radio(baseline);
    if (c.radio) c.radio(radio);

    // As live mode sends it: the step's items alone.
    const RadioImage sent = ItemsOnly(document, c.step);
    const WritePlan plan = PlanLiveStep(sent, baseline, false, nullptr, c.step);
    CheckedWriteSequence write(sent, plan);
    bool ended = true;
    if (c.sends) {
      int answered = 0;
      const testing::RunResult run = RunExchange(write, [&](std::string_view command) {
        if (c.cutAfter >= 0 && answered >= c.cutAfter) {
          ended = false;
          write.Cancel();
          return std::string("?");
        }
        ++answered;
        return radio.Answer(command);
      });
      EXPECT_FALSE(run.commands.empty());
    } else {
      EXPECT_TRUE(plan.changes->Empty());
    }
    const LiveStepOutcome outcome =
        JudgeLiveStep(c.step, plan, write, ended, ended ? "" : "Check the cable.");
    EXPECT_EQ(outcome.confirmed.Items(), c.confirmed.Items());
    if (c.problem.empty()) {
      EXPECT_EQ(outcome.problem, "");
    } else {
      EXPECT_NE(outcome.problem.find(c.problem), std::string::npos) << outcome.problem;
    }
    if (c.confirmed == c.step) {
      for (const ItemRef item : c.step.Items()) {
        EXPECT_EQ(ItemText(radio.Image(), item), ItemText(document, item));
      }
    }
  }
}

TEST(LiveStep, PausedTextNamesTheItemsAndWhatToDo) {
  const struct {
    std::vector<ItemRef> items;
    const char* names;
  } cases[] = {
      {{kMem5}, "memory channel 005."},
      {{kMem5, kBat}, "memory channel 005 and menu value BAT."},
      {{{ItemKind::Memory, 1},
        {ItemKind::Memory, 2},
        {ItemKind::Memory, 3},
        {ItemKind::Memory, 4},
        {ItemKind::Memory, 5},
        {ItemKind::Memory, 6},
        {ItemKind::Vfo, 2}},
       "memory channel 005 and 2 more."},
  };
  for (const auto& c : cases) {
    const std::string text = LivePausedText(c.items, "Timeout.");
    EXPECT_NE(text.find(c.names), std::string::npos) << text;
    EXPECT_NE(text.find("Timeout."), std::string::npos) << text;
    EXPECT_NE(text.find("Resume"), std::string::npos) << text;
  }
}

// In another language the list, the item names and the sentences around them are looked up.
TEST(LiveStep, PausedTextIsPutTogetherInTheReadersLanguage) {
  const CatalogueLookup language = [](const char* text) -> std::string {
    const std::map<std::string, std::string> texts{
        {"Live mode is paused: the radio may not hold %1.", "PAUSE[%1]"},
        {"%1, %2", "%2 / %1"},
        {"%1 and %2", "%2 + %1"},
        {"memory channel %1", "M%1"},
        {"menu value %1", "m:%1"}};
    const auto found = texts.find(text);
    return found == texts.end() ? std::string("?") : found->second;
  };
  EXPECT_EQ(LivePausedText({kMem5, {ItemKind::Memory, 7}, kBat}, "why", language),
            "PAUSE[m:BAT + M007 / M005] why\n?");
}

}  // namespace
}  // namespace quorvan
