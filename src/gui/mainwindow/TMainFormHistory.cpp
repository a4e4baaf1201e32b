// The main window's Undo and Redo, and Find.
#include <QAction>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>

#include "core/messages/Messages.h"
#include "core/model/NameCodec.h"
#include "core/rules/FindChannel.h"
#include "core/rules/RowAnnouncement.h"
#include "gui/common/MessageService.h"
#include "gui/common/StatusAnnouncer.h"
#include "gui/mainwindow/FindBar.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/menupages/RadioMenuPages.h"

namespace quorvan {

void TMainForm::Undo() { document_.Undo(); }

void TMainForm::Redo() { document_.Redo(); }

void TMainForm::ShowRestored(const ImageChanges& changes) {
  const GridRow row = FirstChangedRow(Image().Plan(), changes);
  if (row.grid != Grid::None) {
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
  GridView* view = GridOf(row.grid);
  if (!view) return;
  if (pageControl_->currentIndex() != 0) pageControl_->setCurrentIndex(0);
  view->SelectGridRow(row.row);
  view->scrollTo(view->currentIndex());
  OnGridEntered(row.grid);
  // The focus stays where it was (the find field): the row is told instead.
  if (!view->hasFocus()) AnnounceRow(row.grid);
}

void TMainForm::AnnounceRow(Grid grid) {
  const GridView* view = GridOf(grid);
  if (!view) return;
  announcer_->Announce(
      QString::fromStdString(NameToUtf8(RowAnnouncement(Image(), grid, view->SelectedGridRow()),
                                        Image().Plan().DestinationLetter())));
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
  const char destination = Image().Plan().DestinationLetter();
  const std::optional<std::string> name = NameFromUtf8(typed.toStdString(), destination);
  const FindQuery query =
      MakeFindQuery(typed.trimmed().toStdString(), name && !name->empty() ? &*name : nullptr);
  // From the row after the selected one; before any row was chosen, from the first.
  const BandPlan& plan = Image().Plan();
  GridView* memory = GridOf(Grid::Memory);
  const int after = memory->currentIndex().isValid()
                        ? RowToSlot(plan, Grid::Memory, memory->SelectedGridRow())
                        : -1;
  const int slot = FindMemoryChannel(Image(), query, after);
  if (slot < 0) {
    statusBar()->showMessage(MessageText(kNotFoundMessage));
    return;
  }
  ShowRow({Grid::Memory, SlotToRow(plan, Grid::Memory, slot)});
}

}  // namespace quorvan
