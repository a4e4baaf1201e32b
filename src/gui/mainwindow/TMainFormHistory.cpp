// The main window's undo steps, Undo and Redo, and Find.
#include <QAction>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>

#include "core/messages/Messages.h"
#include "core/model/NameCodec.h"
#include "core/rules/FindChannel.h"
#include "gui/common/MessageService.h"
#include "gui/mainwindow/FindBar.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/menupages/RadioMenuPages.h"

namespace quorvan {

namespace {

// Menu texts show "&" as a mnemonic; a step name shows it as itself.
QString MenuText(const QString& text) {
  QString escaped = text;
  return escaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void ShowStep(QAction* menuItem, QAction* button, const QString& command, const QString& step) {
  const QString shortcut = menuItem->shortcut().toString(QKeySequence::NativeText);
  menuItem->setText(step.isEmpty() ? command : command + ' ' + MenuText(step));
  menuItem->setEnabled(!step.isEmpty());
  QString tip = command;
  tip.remove(QLatin1Char('&'));
  if (!step.isEmpty()) tip += ' ' + step;
  button->setToolTip(tip + QStringLiteral(" (") + shortcut + ')');
  button->setEnabled(!step.isEmpty());
}

}  // namespace

void TMainForm::DocumentChanged(const std::string& stepName) {
  lifecycle_->RecordChange(stepName);
  RefreshView();
}

void TMainForm::RowsChanged(const char* verb) {
  lifecycle_->RecordChange([this, verb](const ImageChanges& changes) {
    return RowStepName(verb, image_.Plan(), changes);
  });
}

void TMainForm::MenuItemChanged(int item) {
  // Typing a power-on message or sliding the balance is one step until the focus moves on.
  const bool continuous = item == kMenuMES || item == kMenuBAL;
  lifecycle_->RecordChange("Change " + radioMenuPages_->ItemCaption(item).toStdString(),
                           continuous ? "menu " + std::to_string(item) : std::string());
}

void TMainForm::ShowHistory(const QString& undoName, const QString& redoName) {
  ShowStep(undoAction_, undoButton_, QStringLiteral("&Undo"), undoName);
  ShowStep(redoAction_, redoButton_, QStringLiteral("&Redo"), redoName);
}

void TMainForm::Undo() { ShowRestored(lifecycle_->Undo()); }

void TMainForm::Redo() { ShowRestored(lifecycle_->Redo()); }

void TMainForm::ShowRestored(const ImageChanges& changes) {
  if (changes.Empty()) return;
  if (editors_) editors_->ShowRestored(changes);
  const GridRow row = FirstChangedRow(image_.Plan(), changes);
  if (row.grid != quorvan::Grid::None) {
    ShowRow(row);
    return;
  }
  for (const ItemChange& c : changes.Items()) {
    if (c.item.kind != ItemKind::Menu) continue;
    const int page = radioMenuPages_->PageOfItem(c.item.index);
    if (page > 0) pageControl_->setCurrentIndex(page);
    return;
  }
}

void TMainForm::ShowRow(GridRow row) {
  const int number = static_cast<int>(row.grid);
  GridView* view = Grid(number);
  if (!view) return;
  if (pageControl_->currentIndex() != 0) pageControl_->setCurrentIndex(0);
  view->SelectGridRow(row.row);
  view->scrollTo(view->currentIndex());
  OnGridEntered(number);
}

void TMainForm::OpenFind() {
  if (pageControl_->currentIndex() != 0) pageControl_->setCurrentIndex(0);
  findBar_->Open();
}

void TMainForm::FindNext() {
  const QString typed = findBar_->Text();
  if (typed.trimmed().isEmpty()) {
    OpenFind();
    return;
  }
  if (pageControl_->currentIndex() != 0) pageControl_->setCurrentIndex(0);
  const char destination = image_.Plan().DestinationLetter();
  const std::optional<std::string> name = NameFromUtf8(typed.toStdString(), destination);
  const FindQuery query =
      MakeFindQuery(typed.trimmed().toStdString(), name && !name->empty() ? &*name : nullptr);
  // From the row after the selected one; before any row was chosen, from the first.
  GridView* memory = Grid(1);
  const int after = memory->currentIndex().isValid() ? memory->SelectedGridRow() - 1 : -1;
  const int slot = FindMemoryChannel(image_, query, after);
  if (slot < 0) {
    statusBar()->showMessage(MessageText(kNotFoundMessage));
    return;
  }
  ShowRow({quorvan::Grid::Memory, slot + 1});
}

}  // namespace quorvan
