#include "core/transfer/LiveStep.h"

#include "core/model/RecordForm.h"
#include "core/transfer/TransferCommands.h"

namespace quorvan {

namespace {

std::string ItemName(ItemRef item) {
  switch (item.kind) {
    case ItemKind::Memory:
      return RecordItemName(SlotKind::Memory, item.index);
    case ItemKind::Vfo:
      return RecordItemName(SlotKind::Vfo, item.index);
    case ItemKind::Call:
      return RecordItemName(SlotKind::Call, item.index);
    case ItemKind::Dtmf:
      return RecordItemName(SlotKind::Dtmf, item.index);
    case ItemKind::ProgramVfo:
      return RecordItemName(SlotKind::ProgramVfo, item.index);
    case ItemKind::Menu:
      return MenuItemName(item.index);
    case ItemKind::Comment:
      break;
  }
  return "the comment";
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
    outcome.problem =
        lineProblem.empty() ? "The exchange with the radio did not end." : lineProblem;
    return outcome;
  }
  if (!write.JournalRefusal().empty()) {
    outcome.problem = "The journal of the write could not be kept: " + write.JournalRefusal() +
                      " Nothing was sent.";
    return outcome;
  }
  if (write.StoppedBeforeWriting()) {
    outcome.problem =
        "The radio no longer holds what it held when live mode began. Nothing was sent.";
    return outcome;
  }
  if (!write.ReadBackCompleted()) {
    outcome.problem = "The items sent were not read back.";
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
                          ? "The radio did not accept \"" + write.FirstRejectedCommand() + "\"."
                          : "The radio gave back otherwise what was sent.";
  }
  return outcome;
}

std::string LivePausedText(const std::vector<ItemRef>& items, const std::string& problem) {
  std::string text = "Live mode is paused: the radio may not hold ";
  for (std::size_t i = 0; i < items.size() && i < kNamedItems; ++i) {
    if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
    text += ItemName(items[i]);
  }
  if (items.size() > kNamedItems) {
    text += " and " + std::to_string(items.size() - kNamedItems) + " more";
  }
  text += ".";
  if (!problem.empty()) text += " " + problem;
  text +=
      "\nThe document keeps every edit. Check the cable and the radio, then choose Resume: it "
      "reads what the radio holds and sends what it lacks.";
  return text;
}

}  // namespace quorvan
