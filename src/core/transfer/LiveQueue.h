#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/messages/Translatable.h"
#include "core/model/ImageChanges.h"
#include "core/model/ItemSet.h"

namespace quorvan {

// Where an item changed in live mode stands on its way to the radio.
enum class LiveItemState {
  Pending,    // changed, waiting for its turn
  Sent,       // being written and read back
  Confirmed,  // the radio gave it back as the document holds it
  Failed,     // refused, given back otherwise, or the line failed while it was on its way
};

// The items live mode still has to bring to the radio, step by step in the order the steps
// were made. An item changed again while it waits is sent once, in its first step, with the text
// the document holds when that step is sent; one changed again while it is being sent waits for
// a later step. A step whose items do not all come back confirmed pauses the queue: nothing more
// is sent until Resume(), which sends every item not confirmed at once.
class LiveQueue {
 public:
  // The items of one step of the document. The comment is left out: the radio holds none.
  void AddStep(const ImageChanges& changes);
  void AddStep(const std::vector<ItemRef>& items);

  // The next step to send, its items marked Sent; empty while a step is being sent, while
  // paused, or with nothing waiting.
  ItemSet TakeNext();
  // The step being sent ended; of its items, `confirmed` came back as sent, the others failed.
  // False (and paused) when one failed.
  bool Finish(const ItemSet& confirmed);

  // Every item not confirmed (failed or waiting) becomes one step, and sending goes on.
  void Resume();
  // Forgets every item and state (live mode ends).
  void Clear();

  bool Sending() const { return !inFlight_.Empty(); }
  bool Paused() const { return paused_; }
  // Nothing waiting, nothing on its way, nothing failed: the radio holds the document.
  bool Settled() const { return steps_.empty() && inFlight_.Empty() && !paused_; }
  // Items waiting or on their way, and items that failed.
  int UnsentCount() const;
  std::vector<ItemRef> FailedItems() const;

  // None for an item that has not changed since live mode began.
  std::optional<LiveItemState> StateOf(ItemRef item) const;

 private:
  bool Waiting(ItemRef item) const;

  std::deque<ItemSet> steps_;
  ItemSet inFlight_;
  ItemSet changedInFlight_;  // changed again while on its way: a later step sends it
  std::map<ItemRef, LiveItemState> states_;
  bool paused_ = false;
};

// What the status bar tells in live mode: "Live: radio holds the document.", "Live: sending 3
// items..." or "Live paused: 2 items not confirmed.".
std::string LiveStatusText(const LiveQueue& queue, const CatalogueLookup& lookup = nullptr);

}  // namespace quorvan
