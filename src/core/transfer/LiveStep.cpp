#include "core/transfer/LiveStep.h"

#include <algorithm>

#include "core/messages/MessagePatterns.h"
#include "core/messages/Messages.h"
#include "core/model/RecordForm.h"
#include "core/transfer/TransferCommands.h"

namespace quorvan {

namespace {

std::string ItemName(ItemRef item, const CatalogueLookup& lookup) {
  switch (item.kind) {
    case ItemKind::Memory:
      return RecordItemName(SlotKind::Memory, item.index, lookup);
    case ItemKind::Vfo:
      return RecordItemName(SlotKind::Vfo, item.index, lookup);
    case ItemKind::Call:
      return RecordItemName(SlotKind::Call, item.index, lookup);
    case ItemKind::Dtmf:
      return RecordItemName(SlotKind::Dtmf, item.index, lookup);
    case ItemKind::ProgramVfo:
      return RecordItemName(SlotKind::ProgramVfo, item.index, lookup);
    case ItemKind::Menu:
      return MenuItemName(item.index, lookup);
    case ItemKind::Comment:
      break;
  }
  return LookUp(lookup, pattern::kCommentItem);
}

// Named in full up to this many; beyond, a count of the rest.
constexpr std::size_t kNamedItems = 5;

}  // namespace

RadioImage ItemsOnly(const RadioImage& image, const ItemSet& items) {
  RadioImage only;
  only.Plan() = image.Plan();
  for (const ItemRef item : items.Items()) StoreItem(only, item, ItemText(image, item));
  return only;
}

WritePlan PlanLiveStep(const RadioImage& document, const RadioImage& baseline, bool journal,
                       const RadioImage* replaced, const ItemSet& step) {
  WritePlan plan;
  plan.baseline = &baseline;
  // The step's items alone are compared: the rest of the document is no part of this step.
  plan.changes = ChangesToWrite(ItemsOnly(baseline, step), ItemsOnly(document, step));
  if (journal) {
    plan.unsure = ItemsOfJournal(baseline, replaced);
    plan.unsureBefore = replaced;
  }
  plan.readBack = true;
  return plan;
}

LiveStepOutcome JudgeLiveStep(const ItemSet& step, const WritePlan& plan,
                              const CheckedWriteSequence& write, bool exchangeEnded,
                              const std::string& lineProblem) {
  LiveStepOutcome outcome;
  const bool nothingToSend = plan.changes->Empty() && plan.unsure.Empty();
  if (nothingToSend) {
    outcome.confirmed = step;
    return outcome;
  }
  if (!exchangeEnded) {
    outcome.problem = lineProblem.empty() ? std::string(kLiveExchangeNotEnded) : lineProblem;
    return outcome;
  }
  if (!write.JournalRefusal().empty()) {
    outcome.problem = FillIn(pattern::kLiveJournalNotKept, {write.JournalRefusal()});
    return outcome;
  }
  if (write.StoppedBeforeWriting()) {
    outcome.problem = kLiveRadioChanged;
    return outcome;
  }
  if (!write.ReadBackCompleted()) {
    outcome.problem = kLiveNotReadBack;
    return outcome;
  }
  ItemSet differing;
  for (const FieldDifference& difference : write.ReadBackDifferences()) {
    differing.Add(difference.item);
  }
  for (const ItemRef item : step.Items()) {
    if (!differing.Contains(item)) outcome.confirmed.Add(item);
  }
  if (!differing.Empty()) {
    outcome.problem = write.RejectedCount() > 0
                          ? FillIn(pattern::kLiveNotAccepted, {write.FirstRejectedCommand()})
                          : std::string(kLiveReadBackDiffers);
  }
  return outcome;
}

std::string LivePausedText(const std::vector<ItemRef>& items, const std::string& problem,
                           const CatalogueLookup& lookup) {
  const std::size_t named = std::min(items.size(), kNamedItems);
  std::string list;
  for (std::size_t i = 0; i < named; ++i) {
    const std::string name = ItemName(items[i], lookup);
    if (i == 0) {
      list = name;
    } else {
      const bool last = i + 1 == items.size();
      list = FillIn(LookUp(lookup, last ? pattern::kListLast : pattern::kListNext), {list, name});
    }
  }
  if (items.size() > kNamedItems) {
    list = FillIn(LookUp(lookup, pattern::kListMore),
                  {list, std::to_string(items.size() - kNamedItems)});
  }
  std::string text = FillIn(LookUp(lookup, pattern::kLivePausedBanner), {list});
  if (!problem.empty()) text += " " + problem;
  return text + "\n" + LookUp(lookup, kLiveResumeAdvice.data());
}

}  // namespace quorvan
