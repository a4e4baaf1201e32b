// The main window's connections to the command classes that plug into it.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <algorithm>
#include <string>

#include "core/rules/GridTexts.h"
#include "gui/bulk/ChangeSelectedDialog.h"
#include "gui/common/ReportDialog.h"
#include "gui/csv/CsvCommands.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/menupages/RadioMenuPages.h"
#include "gui/printing/PdfExport.h"
#include "gui/printing/PrintCommand.h"
#include "gui/sort/TSortForm.h"

namespace quorvan {

void TMainForm::WireEditCommands() {
  EditControls controls;
  controls.cut = Action(QStringLiteral("EditCut"));
  controls.paste = Action(QStringLiteral("EditPaste"));
  controls.remove = Action(QStringLiteral("EditDelete"));
  controls.cutButton = Action(QStringLiteral("ToolCut"));
  controls.pasteButton = Action(QStringLiteral("ToolPaste"));
  EditCommandHost& host = *this;
  clipboard_ = std::make_unique<ClipboardCommands>(image_, host, *services_.messages,
                                                   *QGuiApplication::clipboard(), controls);
}

int TMainForm::CurrentGridRow() const {
  const GridView* grid = Grid(activeGrid_);
  return grid ? grid->SelectedGridRow() : 0;
}

QList<int> TMainForm::SelectedGridRows() const {
  const GridView* grid = Grid(activeGrid_);
  if (!grid) return {};
  QList<int> rows;
  for (const QModelIndex& index : grid->selectionModel()->selectedRows()) {
    rows << index.row() + 1;
  }
  if (rows.isEmpty()) rows << grid->SelectedGridRow();
  std::sort(rows.begin(), rows.end());
  return rows;
}

bool TMainForm::EditingShown() const { return pageControl_->currentIndex() == 0; }

void TMainForm::WirePlugIns() {
  if (services_.makeEditors) editors_ = services_.makeEditors(this);
  if (editors_) {
    // Every record an editor stores is one undo step, whichever way the store came about.
    editors_->SetStoredHook([this] {
      RowsChanged("Edit");
      RefreshView();
    });
    // Undo and Redo work while an editor is open, and it then shows the restored record.
    editors_->ShareCommands({undoAction_, redoAction_});
  }

  radioMenuPages_ =
      new RadioMenuPages(image_.Menu(), *services_.messages, MenuPage(1), MenuPage(2));
  radioMenuPages_->setParent(this);
  connect(radioMenuPages_, &RadioMenuPages::MenuEdited, this, &TMainForm::MenuItemChanged);

  sortForm_ = new TSortForm(this);
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
      image_, *services_.messages, *csvDialogs,
      [this](const QString& report) { ShowReport(tr("Import CSV"), report, {}); });
}

void TMainForm::OpenEditor(int grid, int row) {
  if (!editors_) return;
  const auto kind = static_cast<quorvan::Grid>(grid);
  const int slot = RowToSlot(image_.Plan(), kind, row);
  if (slot < 0) return;
  // Each store was a step of its own already; a failed store changed nothing.
  editors_->Edit(kind, slot, image_);
}

void TMainForm::SortMemoryChannels() {
  if (!sortForm_->Run(image_)) return;
  DocumentChanged(sortForm_->ChosenKey() == SortKey::Frequency ? "Sort by Frequency"
                                                               : "Sort by Memory Name");
}

void TMainForm::PrintDocument() {
  PrintCommand(*services_.messages, *printers_).Print(image_, lifecycle_->Caption());
}

void TMainForm::ExportPdf() {
  PdfExport(*services_.messages, *pdfDialog_)
      .Export(image_, lifecycle_->Caption(),
              SuggestedPdfName(lifecycle_->DocumentName(), lifecycle_->Folder()));
}

void TMainForm::ImportCsv() {
  FocusPageControl();
  const int selectedSlot =
      RowToSlot(image_.Plan(), quorvan::Grid::Memory,
                Grid(static_cast<int>(quorvan::Grid::Memory))->SelectedGridRow());
  // By Location or in file order, every row the import stores is one step to undo.
  if (!csv_->ImportCsv(lifecycle_->Folder(), selectedSlot)) return;
  const int rows = csv_->ImportedRows();
  DocumentChanged("Import CSV (" + std::to_string(rows) + (rows == 1 ? " row)" : " rows)"));
}

void TMainForm::ExportCsv() { csv_->ExportCsv(lifecycle_->Folder()); }

}  // namespace quorvan
