// The main window's connections to the command classes that plug into it.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QStatusBar>
#include <QTabWidget>
#include <string>

#include "core/rules/GridTexts.h"
#include "gui/bulk/ChangeSelectedDialog.h"
#include "gui/common/ReportDialog.h"
#include "gui/csv/CsvCommands.h"
#include "gui/document/RecoveryKeeper.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/menupages/RadioMenuPages.h"
#include "gui/printing/PdfExport.h"
#include "gui/printing/PrintCommand.h"
#include "gui/sort/TSortForm.h"

namespace quorvan {

void TMainForm::WireEditCommands() {
  EditControls controls;
  controls.cut = Action(MainCommand::EditCut);
  controls.paste = Action(MainCommand::EditPaste);
  controls.remove = Action(MainCommand::EditDelete);
  controls.cutButton = ToolButton(MainCommand::EditCut);
  controls.pasteButton = ToolButton(MainCommand::EditPaste);
  EditCommandHost& host = *this;
  clipboard_ = std::make_unique<ClipboardCommands>(document_, host, *services_.messages,
                                                   *QGuiApplication::clipboard(), controls);
}

int TMainForm::CurrentGridRow() const {
  const GridView* grid = GridOf(activeGrid_);
  return grid ? grid->SelectedGridRow() : 0;
}

QList<int> TMainForm::SelectedGridRows() const {
  const GridView* grid = GridOf(activeGrid_);
  return grid ? grid->SelectedGridRows() : QList<int>();
}

bool TMainForm::EditingShown() const { return pageControl_->currentIndex() == 0; }

void TMainForm::WirePlugIns() {
  if (services_.makeEditors) editors_ = services_.makeEditors(this, document_, *signals_);
  if (editors_) {
    // Undo and Redo work while an editor is open, and it then shows the restored record.
    editors_->ShareCommands({Action(MainCommand::EditUndo), Action(MainCommand::EditRedo)});
  }

  radioMenuPages_ =
      new RadioMenuPages(document_, *signals_, *services_.messages, MenuPage(1), MenuPage(2));
  radioMenuPages_->setParent(this);

  sortForm_ = new TSortForm(this);
  if (!services_.recoveryFolder.isEmpty()) {
    recovery_ = new RecoveryKeeper(document_, *signals_, services_.recoveryFolder, this);
  }
  changeSelectedDialog_ = new ChangeSelectedDialog(this);

  printers_ = services_.printers;
  if (!printers_) {
    ownPrinters_ = std::make_unique<SystemPrinterService>(this);
    printers_ = ownPrinters_.get();
  }
  pdfDialog_ = services_.pdfDialog;
  if (!pdfDialog_) {
    ownPdfDialog_ = std::make_unique<NativePdfFileDialog>(this);
    pdfDialog_ = ownPdfDialog_.get();
  }

  CsvFileDialogs* csvDialogs = services_.csvDialogs;
  if (!csvDialogs) {
    ownCsvDialogs_ = std::make_unique<NativeCsvFileDialogs>(this);
    csvDialogs = ownCsvDialogs_.get();
  }
  csv_ = std::make_unique<CsvCommands>(
      document_, *services_.messages, *csvDialogs,
      [this](const QString& report) { ShowReport(tr("Import CSV"), report, {}); },
      [this](const QString& text) { statusBar()->showMessage(text); });
}

void TMainForm::OpenEditor(Grid grid, int row) {
  if (!editors_) return;
  // The editor shows the record as stored now, with the cell just typed in it.
  StorePendingCells();
  const int slot = RowToSlot(Image().Plan(), grid, row);
  if (slot < 0) return;
  editors_->Edit(grid, slot);
}

void TMainForm::SortMemoryChannels() { sortForm_->Run(document_); }

void TMainForm::PrintDocument() {
  PrintCommand(*services_.messages, *printers_).Print(Image(), lifecycle_->PrintoutCaption());
}

void TMainForm::ExportPdf() {
  PdfExport(*services_.messages, *pdfDialog_)
      .Export(Image(), lifecycle_->PrintoutCaption(),
              SuggestedPdfName(lifecycle_->DocumentName(), lifecycle_->Folder()));
}

void TMainForm::ImportCsv() {
  FocusPageControl();
  const int selectedSlot =
      RowToSlot(Image().Plan(), Grid::Memory, GridOf(Grid::Memory)->SelectedGridRow());
  csv_->ImportCsv(lifecycle_->Folder(), selectedSlot);
}

void TMainForm::ExportCsv() { csv_->ExportCsv(lifecycle_->Folder()); }

}  // namespace quorvan
