// Commands on rows of the memory grid: insert, remove and move rows, change the selected
// channels at once.
#include <QAction>
#include <QItemSelectionModel>
#include <QStatusBar>

#include "core/messages/Messages.h"
#include "core/model/NameCharset.h"
#include "core/model/NameCodec.h"
#include "core/rules/ChannelSettings.h"
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
  if (activeGrid_ != 1 || !EditingShown()) return chosen;
  for (const int row : SelectedGridRows()) {
    if (row >= 1 && row <= kMemorySlots) chosen << row - 1;
  }
  return chosen;
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
  GridView* view = grids_[0];
  view->SelectGridRow(first + 1);
  QItemSelection block(view->model()->index(first, 0),
                       view->model()->index(last, view->model()->columnCount() - 1));
  view->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
  view->scrollTo(view->currentIndex());
  UpdateRowCommands();
}

void TMainForm::UpdateRowCommands() {
  int first = 0;
  int last = 0;
  const bool block = SelectedMemoryBlock(first, last);
  const QList<int> chosen = SelectedMemorySlots();
  const int current = activeGrid_ == 1 && EditingShown() ? CurrentGridRow() - 1 : -1;
  const bool ordinary = IsOrdinaryMemoryBlock(current, current);
  rowActions_.insert->setEnabled(ordinary);
  rowActions_.remove->setEnabled(ordinary);
  rowActions_.moveUp->setEnabled(block && first > 0);
  rowActions_.moveDown->setEnabled(block && last < kOrdinaryMemorySlots - 1);
  bool used = false;
  for (const int slot : chosen) used = used || !image_.Record(SlotKind::Memory, slot).empty();
  rowActions_.changeSelected->setEnabled(used);
}

void TMainForm::InsertRow() {
  const int slot = CurrentGridRow() - 1;
  if (activeGrid_ != 1 || !EditingShown() || !IsOrdinaryMemoryBlock(slot, slot)) return;
  std::string error;
  if (!InsertMemoryRow(image_, slot, &error)) {
    services_.messages->Information(FromText(error));
    return;
  }
  DocumentChanged("Insert Row at " + Label(slot));
  SelectMemoryBlock(slot, slot);
}

void TMainForm::RemoveRow() {
  const int slot = CurrentGridRow() - 1;
  if (activeGrid_ != 1 || !EditingShown() || !RemoveMemoryRow(image_, slot)) return;
  DocumentChanged("Remove Row " + Label(slot));
  SelectMemoryBlock(slot, slot);
}

void TMainForm::MoveRows(int by) {
  int first = 0;
  int last = 0;
  if (!SelectedMemoryBlock(first, last) || !MoveMemoryRows(image_, first, last, by)) return;
  const std::string rows = first == last ? Label(first) : Label(first) + "-" + Label(last);
  DocumentChanged((by < 0 ? "Move Up " : "Move Down ") + rows);
  SelectMemoryBlock(first + by, last + by);
}

void TMainForm::ChangeSelected() {
  std::vector<int> chosen;
  for (const int slot : SelectedMemorySlots()) {
    if (!image_.Record(SlotKind::Memory, slot).empty()) chosen.push_back(slot);
  }
  if (chosen.empty()) return;
  const std::optional<ChangeSelectedDialog::Choice> choice = changeSelectedDialog_->Run();
  if (!choice) return;
  ChannelSettings settings = choice->settings;
  const char destination = image_.Plan().DestinationLetter();
  if (choice->namePrefixUtf8) {
    const std::optional<std::string> bytes = NameFromUtf8(*choice->namePrefixUtf8, destination);
    if (!bytes || !IsValidName(*bytes, destination)) {
      services_.messages->Information(FromText(kInvalidCharacterMessage));
      return;
    }
    settings.namePrefix = *bytes;
  }
  const SettingsOutcome out = ApplyChannelSettings(image_, chosen, settings);
  if (out.error != EditError::None) {
    services_.messages->Information(FromText(
        out.error == EditError::InvalidOffset ? kInvalidOffsetMessage : kInvalidFrequencyMessage));
    return;
  }
  DocumentChanged("Change Selected (" + std::to_string(out.stored) + " rows)");
  if (out.notes.empty()) return;
  std::string text(kRowsAdjustedMessage);
  for (const SlotNote& note : out.notes) text += "\n" + SlotNoteLine(note);
  services_.messages->Information(QString::fromStdString(text));
}

void TMainForm::EditMemoryCell(int row, int column, const QString& text) {
  const int slot = RowToSlot(image_.Plan(), quorvan::Grid::Memory, row);
  ChannelSettings settings;
  std::string error;
  if (slot < 0 || !ReadMemoryCellEdit(image_, row, column, text.toStdString(), settings, &error)) {
    // The cell keeps the value it had.
    if (!error.empty()) services_.messages->Information(QString::fromStdString(error));
    return;
  }
  const SettingsOutcome out = ApplyChannelSettings(image_, {slot}, settings);
  if (out.error != EditError::None) {
    services_.messages->Information(FromText(
        out.error == EditError::InvalidOffset ? kInvalidOffsetMessage : kInvalidFrequencyMessage));
    return;
  }
  DocumentChanged("Edit " + Label(slot));
  // No box while typing in a table: an adjustment is told in the status bar.
  if (out.notes.empty()) return;
  const SlotNote& note = out.notes.front();
  statusBar()->showMessage(note.skipped ? QString::fromStdString(SlotNoteLine(note))
                                        : FromText(kRoundedMessage));
}

}  // namespace quorvan
