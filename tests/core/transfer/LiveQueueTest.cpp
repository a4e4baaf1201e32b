#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/transfer/LiveQueue.h"

namespace quorvan {
namespace {

using State = LiveItemState;

ItemRef Mem(int slot) { return {ItemKind::Memory, slot}; }
ItemRef Menu(int item) { return {ItemKind::Menu, item}; }
const ItemRef kComment{ItemKind::Comment, 0};

std::vector<ItemRef> ItemsOf(const ItemSet& set) { return set.Items(); }

// Steps go out one at a time in the order they were made; an item changed again while it waits
// goes with its first step only; one changed again while on its way goes again later.
TEST(LiveQueue, SendsStepsInOrderAndEachWaitingItemOnce) {
  const struct {
    const char* what;
    std::vector<std::vector<ItemRef>> before;  // steps made before the first is taken
    std::vector<std::vector<ItemRef>> during;  // steps made while the first is on its way
    std::vector<std::vector<ItemRef>> sent;    // what each TakeNext hands out, in order
  } cases[] = {
      {"one step", {{Mem(5)}}, {}, {{Mem(5)}}},
      {"steps keep their order",
       {{Mem(9)}, {Mem(2)}, {Menu(3)}},
       {},
       {{Mem(9)}, {Mem(2)}, {Menu(3)}}},
      {"an item changed twice while waiting is sent once, in its first step",
       {{Mem(1), Mem(2)}, {Mem(2)}, {Mem(2), Mem(3)}},
       {},
       {{Mem(1), Mem(2)}, {Mem(3)}}},
      {"the comment is never sent", {{kComment}, {kComment, Mem(4)}}, {}, {{Mem(4)}}},
      {"an item changed while on its way is sent again",
       {{Mem(7)}},
       {{Mem(7)}, {Mem(7), Mem(8)}},
       {{Mem(7)}, {Mem(7)}, {Mem(8)}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    LiveQueue queue;
    for (const auto& step : c.before) queue.AddStep(step);
    std::vector<std::vector<ItemRef>> sent;
    ItemSet first = queue.TakeNext();
    EXPECT_TRUE(queue.TakeNext().Empty()) << "a second step while one is on its way";
    for (const auto& step : c.during) queue.AddStep(step);
    while (!first.Empty()) {
      sent.push_back(ItemsOf(first));
      queue.Finish(first);
      first = queue.TakeNext();
    }
    EXPECT_EQ(sent, c.sent);
    EXPECT_TRUE(queue.Settled());
    EXPECT_EQ(LiveStatusText(queue), "Live: radio holds the document.");
  }
}

// Each item's state on its way, and what a failure does to the rest of the queue.
TEST(LiveQueue, TracksEachItemAndPausesOnAFailure) {
  LiveQueue queue;
  EXPECT_EQ(queue.StateOf(Mem(1)), std::nullopt);
  queue.AddStep({Mem(1), Mem(2)});
  queue.AddStep({Mem(3)});
  EXPECT_EQ(queue.StateOf(Mem(1)), State::Pending);
  EXPECT_EQ(LiveStatusText(queue), "Live: sending 3 items...");

  EXPECT_EQ(queue.TakeNext().Count(), 2);
  EXPECT_EQ(queue.StateOf(Mem(2)), State::Sent);
  EXPECT_EQ(queue.StateOf(Mem(3)), State::Pending);

  ItemSet confirmed;
  confirmed.Add(Mem(1));
  EXPECT_FALSE(queue.Finish(confirmed));
  EXPECT_EQ(queue.StateOf(Mem(1)), State::Confirmed);
  EXPECT_EQ(queue.StateOf(Mem(2)), State::Failed);
  EXPECT_TRUE(queue.Paused());
  EXPECT_EQ(queue.FailedItems(), std::vector<ItemRef>{Mem(2)});
  EXPECT_TRUE(queue.TakeNext().Empty()) << "paused: nothing more goes out";
  EXPECT_EQ(LiveStatusText(queue), "Live paused: 2 items not confirmed.");

  // Edits go on while paused; Resume sends everything not confirmed as one step.
  queue.AddStep({Mem(4)});
  queue.Resume();
  EXPECT_FALSE(queue.Paused());
  EXPECT_EQ(queue.StateOf(Mem(2)), State::Pending);
  const ItemSet resumed = queue.TakeNext();
  EXPECT_EQ(ItemsOf(resumed), (std::vector<ItemRef>{Mem(2), Mem(3), Mem(4)}));
  EXPECT_TRUE(queue.Finish(resumed));
  EXPECT_TRUE(queue.Settled());
  EXPECT_EQ(queue.StateOf(Mem(4)), State::Confirmed);
}

// An item changed again while on its way keeps waiting whatever the older send found.
TEST(LiveQueue, AnItemChangedOnItsWayStaysPending) {
  for (const bool confirmedOld : {true, false}) {
    SCOPED_TRACE(confirmedOld ? "old state confirmed" : "old state failed");
    LiveQueue queue;
    queue.AddStep({Mem(6)});
    const ItemSet sent = queue.TakeNext();
    queue.AddStep({Mem(6)});
    queue.Finish(confirmedOld ? sent : ItemSet());
    EXPECT_EQ(queue.StateOf(Mem(6)), State::Pending);
    EXPECT_EQ(queue.UnsentCount(), 1);
  }
}

TEST(LiveQueue, ClearForgetsEverything) {
  LiveQueue queue;
  queue.AddStep({Mem(1)});
  queue.TakeNext();
  queue.Finish({});
  queue.Clear();
  EXPECT_TRUE(queue.Settled());
  EXPECT_EQ(queue.StateOf(Mem(1)), std::nullopt);
  EXPECT_TRUE(queue.TakeNext().Empty());
}

}  // namespace
}  // namespace quorvan
