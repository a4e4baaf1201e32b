#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

#include "core/model/AppSettings.h"
#include "core/model/RadioImage.h"
#include "core/rules/EditStepNames.h"
#include "core/transfer/TransferSequence.h"
#include "gui/mainwindow/ClipboardCommands.h"
#include "gui/mainwindow/DocumentLifecycle.h"
#include "gui/mainwindow/MainFormServices.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTabWidget;

namespace quorvan {

class CsvCommands;
class CsvFileDialogs;
class FindBar;
class GridModel;
class HelpTopics;
class GridView;
class PdfFileDialog;
class PortMenu;
class PrinterService;
class RadioCommands;
class RadioMenuPages;
class TAboutBox;
class TSortForm;
class ChangeSelectedDialog;

// The main window: owns the document and shows it in four grids and two menu pages, with the
// file, radio, edit and help commands. The channel editors come in through MainFormServices;
// clipboard commands, menu pages, sorting and printing are parts the window builds itself.
// Every user command that changes the document ends as one step of the undo history.
class TMainForm : public QMainWindow, private DocumentHost, private EditCommandHost {
  Q_OBJECT

 public:
  static constexpr int kGridCount = 4;

  explicit TMainForm(const MainFormServices& services, QWidget* parent = nullptr);
  ~TMainForm() override;

  RadioImage& Image() { return image_; }
  DocumentLifecycle& Document() { return *lifecycle_; }
  const QString& CommPort() const;
  int ActiveGrid() const { return activeGrid_; }
  GridView* Grid(int number) const;
  QString StatusText(int panel) const;
  QTabWidget* PageControl() const { return pageControl_; }
  QWidget* MenuPage(int number) const;  // 1 or 2: where the menu pages put their controls
  QAction* Action(const QString& objectName) const;
  const ClipboardCommands& Clipboard() const { return *clipboard_; }
  RadioMenuPages* MenuPages() const { return radioMenuPages_; }

  // Start-up file: the command-line arguments joined with single blanks.
  void OpenCommandLine(const QStringList& arguments);
  // What the Radio menu's items do.
  void ReadFromRadio(TransferScope scope);
  void WriteToRadio(TransferScope scope);
  void WriteChangesToRadio();
  void VerifyRadio();
  // Cut, Copy, Paste or Delete on the active grid, as the menus and buttons run them.
  void RunEditCommand(EditCommand command);
  // Re-reads the clipboard and enables the edit commands that can act now.
  void UpdateEditCommands();
  // Fills every grid, the menu pages and the status bar from the image.
  void RefreshView() override;
  void UpdateStatusBar();
  // The band-plan dependent rows, labels and fonts (after a read changed the plan).
  void ApplyBandPlanLayout();

  // Edit > Undo and Redo: the document, every view of it and an open editor show the state
  // before (after) the step, and the row it changed is selected.
  void Undo();
  void Redo();
  // Edit > Find...: shows the find bar. Find Next: selects the next memory channel that
  // matches it, or tells "Not found." in the status bar.
  void OpenFind();
  void FindNext();
  FindBar* Finder() const { return findBar_; }

  // Shows the window where it was last closed when that place is on a screen (true), else
  // leaves its placing to the caller (false).
  bool RestoreGeometry();
  void SaveGeometry();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // DocumentHost
  void FocusPageControl() override;
  void SetCaption(const QString& caption, bool modified) override;
  void ShowComment() override;
  void ShowHistory(const QString& undoName, const QString& redoName) override;
  // EditCommandHost
  int ActiveGridNumber() const override { return activeGrid_; }
  int CurrentGridRow() const override;
  QList<int> SelectedGridRows() const override;
  bool EditingShown() const override;

  // Connects the commands that live in their own classes to the menus and hooks.
  void WireEditCommands();
  void WirePlugIns();
  void OpenEditor(int grid, int row);
  void SortMemoryChannels();
  // Rows of the memory grid (TMainFormRows.cpp).
  QList<int> SelectedMemorySlots() const;
  bool SelectedMemoryBlock(int& first, int& last) const;
  void SelectMemoryBlock(int first, int last);
  void UpdateRowCommands();
  void InsertRow();
  void RemoveRow();
  void MoveRows(int by);
  void ChangeSelected();
  // A cell of the full table edited in place, stored as the memory editor stores it.
  void EditMemoryCell(int row, int column, const QString& text);
  void PrintDocument();
  void ExportPdf();
  void ImportCsv();
  void ExportCsv();
  // Every change by the user ends the same way: one undo step, then the view shows it.
  void DocumentChanged(const std::string& stepName);
  // A step that acts on rows, named after them: "Paste into 012", "Delete (3 rows)".
  void RowsChanged(const char* verb);
  void MenuItemChanged(int item);
  // Selects a grid row (scrolled into view), or shows the page of a menu item, that a
  // restored step changed.
  void ShowRestored(const ImageChanges& changes);
  void ShowRow(GridRow row);
  // Column widths follow what the columns hold; the user may drag them from there.
  void FitColumns();
  // View > All Columns: the memory grid's setting columns, remembered between runs.
  static constexpr std::string_view kAllColumnsKey = "AllColumns";
  void ShowSettingColumns();
  void ShowAllColumns();

  void BuildMenus();
  void BuildToolBar();
  void BuildPages();
  void BuildStatusBar();
  QGroupBox* BuildGrid(int number, const QString& caption, int visibleRows);
  QAction* AddCommand(QMenu* menu, const QString& text, const QString& name,
                      const std::function<void()>& handler,
                      const QKeySequence& shortcut = QKeySequence());
  void OnGridEntered(int grid);
  void OnGridLeft(int grid);
  void OnPageChanged(int index);
  void OnCommentEdited(const QString& text);
  void ShowGridPopup(int grid, const QPoint& globalPos);
  void SetStatusTexts(const std::array<QString, 4>& texts);
  // A report whose text can be copied; with an accept text, asks whether to go on.
  bool ShowReport(const QString& title, const QString& text, const QString& acceptText);

  MainFormServices services_;
  RadioImage image_;
  AppSettings settings_;
  std::unique_ptr<DocumentLifecycle> lifecycle_;
  std::unique_ptr<ClipboardCommands> clipboard_;
  std::unique_ptr<ChannelEditors> editors_;
  std::unique_ptr<CsvCommands> csv_;
  std::unique_ptr<HelpTopics> help_;
  std::unique_ptr<RadioCommands> radio_;
  // System printers and dialogs, made only when the services bring none.
  std::unique_ptr<PrinterService> ownPrinters_;
  std::unique_ptr<PdfFileDialog> ownPdfDialog_;
  std::unique_ptr<CsvFileDialogs> ownCsvDialogs_;
  PrinterService* printers_ = nullptr;
  PdfFileDialog* pdfDialog_ = nullptr;
  RadioMenuPages* radioMenuPages_ = nullptr;
  TSortForm* sortForm_ = nullptr;
  ChangeSelectedDialog* changeSelectedDialog_ = nullptr;
  int activeGrid_ = 0;

  QTabWidget* pageControl_ = nullptr;
  std::array<QWidget*, 2> menuPages_{};
  std::array<GridView*, kGridCount> grids_{};
  std::array<GridModel*, kGridCount> models_{};
  std::array<QGroupBox*, kGridCount> gridBoxes_{};
  std::array<QMenu*, kGridCount> popups_{};
  std::array<QLabel*, 4> statusPanels_{};
  QLineEdit* comment_ = nullptr;
  QMenu* editMenu_ = nullptr;
  PortMenu* portMenu_ = nullptr;
  TAboutBox* aboutBox_ = nullptr;
  std::array<QAction*, 4> editActions_{};      // Cut, Copy, Paste, Delete
  std::array<QAction*, 3> editToolButtons_{};  // Cut, Copy, Paste
  struct RowActions {
    QAction* insert = nullptr;
    QAction* remove = nullptr;
    QAction* moveUp = nullptr;
    QAction* moveDown = nullptr;
    QAction* changeSelected = nullptr;
  } rowActions_;
  QAction* allColumnsAction_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QAction* undoButton_ = nullptr;
  QAction* redoButton_ = nullptr;
  FindBar* findBar_ = nullptr;
};

}  // namespace quorvan
