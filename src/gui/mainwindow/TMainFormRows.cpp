// Commands on rows of the memory grid: insert, remove and move rows, change the selected
// channels at once.
#include <QAction>
#include <QStatusBar>

#include "core/messages/Messages.h"
#include "core/model/NameCharset.h"
#include "core/model/NameCodec.h"
#include "core/rules/ChannelSettings.h"
#include "core/rules/EditStepNames.h"
#include "core/rules/GridTexts.h"
#include "core/rules/MemoryCellEdit.h"
#include "core/rules/MemoryRows.h"
#include "gui/bulk/ChangeSelectedDialog.h"
#include "gui/common/MessageService.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/TMainForm.h"

namespace quorvan {

namespace {

QString FromText(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Label(int slot) { return MemoryChannelLabel(slot); }

}  // namespace

QList<int> TMainForm::SelectedMemorySlots() const {
  QList<int> chosen;
  if (activeGrid_ != Grid::Memory || !EditingShown()) return chosen;
  for (const int row : SelectedGridRows()) {
    const int slot = RowToSlot(Image().Plan(), Grid::Memory, row);
    if (slot >= 0) chosen << slot;
  }
  return chosen;
}

int TMainForm::CurrentMemorySlot() const {
  if (activeGrid_ != Grid::Memory || !EditingShown()) return -1;
  return RowToSlot(Image().Plan(), Grid::Memory, CurrentGridRow());
}

bool TMainForm::SelectedMemoryBlock(int& first, int& last) const {
  const QList<int> chosen = SelectedMemorySlots();
  if (chosen.isEmpty()) return false;
  first = chosen.front();
  last = chosen.back();
  // Rows move only as one unbroken block.
  return last - first + 1 == chosen.size() && IsOrdinaryMemoryBlock(first, last);
}

void TMainForm::SelectMemoryBlock(int first, int last) {
  const BandPlan& plan = Image().Plan();
  GridOf(Grid::Memory)
      ->SelectGridRows(SlotToRow(plan, Grid::Memory, first), SlotToRow(plan, Grid::Memory, last));
  UpdateRowCommands();
}

void TMainForm::UpdateRowCommands() {
  int first = 0;
  int last = 0;
  const bool block = SelectedMemoryBlock(first, last);
  const QList<int> chosen = SelectedMemorySlots();
  const int current = CurrentMemorySlot();
  const bool ordinary = IsOrdinaryMemoryBlock(current, current);
  Action(MainCommand::EditInsertRow)->setEnabled(ordinary);
  Action(MainCommand::EditRemoveRow)->setEnabled(ordinary);
  Action(MainCommand::EditMoveUp)->setEnabled(block && first > 0);
  Action(MainCommand::EditMoveDown)->setEnabled(block && last < kOrdinaryMemorySlots - 1);
  bool used = false;
  for (const int slot : chosen) used = used || !Image().Record(SlotKind::Memory, slot).empty();
  Action(MainCommand::EditChangeSelected)->setEnabled(used);
}

void TMainForm::InsertRow() {
  const int slot = CurrentMemorySlot();
  if (!IsOrdinaryMemoryBlock(slot, slot)) return;
  std::string error;
  bool inserted = false;
  document_.Change("Insert Row at " + Label(slot),
                   [&](RadioImage& image) { inserted = InsertMemoryRow(image, slot, &error); });
  if (!inserted) {
    services_.messages->Information(FromText(error));
    return;
  }
  SelectMemoryBlock(slot, slot);
}

void TMainForm::RemoveRow() {
  const int slot = CurrentMemorySlot();
  if (slot < 0) return;
  bool removed = false;
  document_.Change("Remove Row " + Label(slot),
                   [&](RadioImage& image) { removed = RemoveMemoryRow(image, slot); });
  if (removed) SelectMemoryBlock(slot, slot);
}

void TMainForm::MoveRows(int by) {
  int first = 0;
  int last = 0;
  if (!SelectedMemoryBlock(first, last)) return;
  const std::string rows = first == last ? Label(first) : Label(first) + "-" + Label(last);
  bool moved = false;
  document_.Change((by < 0 ? "Move Up " : "Move Down ") + rows,
                   [&](RadioImage& image) { moved = MoveMemoryRows(image, first, last, by); });
  if (moved) SelectMemoryBlock(first + by, last + by);
}

void TMainForm::ChangeSelected() {
  std::vector<int> chosen;
  for (const int slot : SelectedMemorySlots()) {
    if (!Image().Record(SlotKind::Memory, slot).empty()) chosen.push_back(slot);
  }
  if (chosen.empty()) return;
  const std::optional<ChangeSelectedDialog::Choice> choice = changeSelectedDialog_->Run();
  if (!choice) return;
  ChannelSettings settings = choice->settings;
  const char destination = Image().Plan().DestinationLetter();
  if (choice->namePrefixUtf8) {
    const std::optional<std::string> bytes = NameFromUtf8(*choice->namePrefixUtf8, destination);
    if (!bytes || !IsValidName(*bytes, destination)) {
      services_.messages->Information(FromText(kInvalidCharacterMessage));
      return;
    }
    settings.namePrefix = *bytes;
  }
  SettingsOutcome out;
  document_.Change([&out](const ImageChanges&) { return ChangeSelectedStepName(out.stored); },
                   [&](RadioImage& image) { out = ApplyChannelSettings(image, chosen, settings); });
  if (out.error != EditError::None) {
    services_.messages->Information(FromText(
        out.error == EditError::InvalidOffset ? kInvalidOffsetMessage : kInvalidFrequencyMessage));
    return;
  }
  if (out.notes.empty()) return;
  std::string text(kRowsAdjustedMessage);
  for (const SlotNote& note : out.notes) text += "\n" + SlotNoteLine(note);
  services_.messages->Information(QString::fromStdString(text));
}

void TMainForm::StorePendingCells() {
  GridOf(Grid::Memory)->CommitOpenCell();
  std::vector<PendingCell> cells;
  cells.swap(pendingCells_);
  for (const PendingCell& cell : cells) EditMemoryCell(cell.row, cell.column, cell.text);
}

void TMainForm::EditMemoryCell(int row, int column, const QString& text) {
  const int slot = RowToSlot(Image().Plan(), Grid::Memory, row);
  ChannelSettings settings;
  std::string error;
  if (slot < 0 || !ReadMemoryCellEdit(Image(), row, column, text.toStdString(), settings, &error)) {
    // The cell keeps the value it had.
    if (!error.empty()) services_.messages->Information(QString::fromStdString(error));
    return;
  }
  SettingsOutcome out;
  document_.Change("Edit " + Label(slot),
                   [&](RadioImage& image) { out = ApplyChannelSettings(image, {slot}, settings); });
  if (out.error != EditError::None) {
    services_.messages->Information(FromText(
        out.error == EditError::InvalidOffset ? kInvalidOffsetMessage : kInvalidFrequencyMessage));
    return;
  }
  // No box while typing in a table: an adjustment is told in the status bar.
  if (out.notes.empty()) return;
  const SlotNote& note = out.notes.front();
  statusBar()->showMessage(note.skipped ? QString::fromStdString(SlotNoteLine(note))
                                        : FromText(kRoundedMessage));
}

}  // namespace quorvan
