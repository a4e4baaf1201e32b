#include "core/transfer/LiveQueue.h"

#include "core/messages/MessagePatterns.h"
#include "core/messages/Messages.h"

namespace quorvan {

void LiveQueue::AddStep(const ImageChanges& changes) {
  std::vector<ItemRef> items;
  items.reserve(changes.Size());
  for (const ItemChange& change : changes.Items()) items.push_back(change.item);
  AddStep(items);
}

void LiveQueue::AddStep(const std::vector<ItemRef>& items) {
  ItemSet step;
  for (const ItemRef item : items) {
    if (item.kind == ItemKind::Comment) continue;
    if (inFlight_.Contains(item)) changedInFlight_.Add(item);
    // Waiting already: its step sends the latest text.
    if (Waiting(item)) continue;
    step.Add(item);
    states_[item] = LiveItemState::Pending;
  }
  if (!step.Empty()) steps_.push_back(step);
}

bool LiveQueue::Waiting(ItemRef item) const {
  for (const ItemSet& step : steps_) {
    if (step.Contains(item)) return true;
  }
  return false;
}

ItemSet LiveQueue::TakeNext() {
  if (paused_ || Sending() || steps_.empty()) return {};
  inFlight_ = steps_.front();
  steps_.pop_front();
  changedInFlight_ = ItemSet();
  for (const ItemRef item : inFlight_.Items()) states_[item] = LiveItemState::Sent;
  return inFlight_;
}

bool LiveQueue::Finish(const ItemSet& confirmed) {
  bool allConfirmed = true;
  for (const ItemRef item : inFlight_.Items()) {
    const bool ok = confirmed.Contains(item);
    allConfirmed = allConfirmed && ok;
    if (changedInFlight_.Contains(item)) continue;  // a later step sends it again
    states_[item] = ok ? LiveItemState::Confirmed : LiveItemState::Failed;
  }
  inFlight_ = ItemSet();
  changedInFlight_ = ItemSet();
  if (!allConfirmed) paused_ = true;
  return allConfirmed;
}

void LiveQueue::Resume() {
  if (Sending()) return;
  ItemSet step;
  for (const auto& [item, state] : states_) {
    if (state == LiveItemState::Failed || state == LiveItemState::Pending) {
      step.Add(item);
      if (state == LiveItemState::Failed) states_[item] = LiveItemState::Pending;
    }
  }
  steps_.clear();
  if (!step.Empty()) steps_.push_back(step);
  paused_ = false;
}

void LiveQueue::Clear() {
  steps_.clear();
  inFlight_ = ItemSet();
  changedInFlight_ = ItemSet();
  states_.clear();
  paused_ = false;
}

int LiveQueue::UnsentCount() const {
  int count = 0;
  for (const auto& [item, state] : states_) {
    if (state == LiveItemState::Pending || state == LiveItemState::Sent) ++count;
  }
  return count;
}

std::vector<ItemRef> LiveQueue::FailedItems() const {
  std::vector<ItemRef> failed;
  for (const auto& [item, state] : states_) {
    if (state == LiveItemState::Failed) failed.push_back(item);
  }
  return failed;
}

std::optional<LiveItemState> LiveQueue::StateOf(ItemRef item) const {
  const auto found = states_.find(item);
  if (found == states_.end()) return std::nullopt;
  return found->second;
}

std::string LiveStatusText(const LiveQueue& queue, const CatalogueLookup& lookup) {
  const auto counted = [&](const char* one, const char* many, int count) {
    return FillIn(LookUp(lookup, count == 1 ? one : many), {std::to_string(count)});
  };
  if (queue.Paused()) {
    const int notConfirmed = static_cast<int>(queue.FailedItems().size()) + queue.UnsentCount();
    return counted(pattern::kLivePausedOne, pattern::kLivePausedMany, notConfirmed);
  }
  if (queue.Settled()) return LookUp(lookup, kLiveSettledStatus.data());
  return counted(pattern::kLiveSendingOne, pattern::kLiveSendingMany, queue.UnsentCount());
}

}  // namespace quorvan
