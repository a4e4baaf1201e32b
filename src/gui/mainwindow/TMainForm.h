#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "core/model/AppSettings.h"
#include "core/model/Document.h"
#include "core/rules/EditStepNames.h"
#include "core/transfer/TransferSequence.h"
#include "gui/mainwindow/ClipboardCommands.h"
#include "gui/mainwindow/DocumentLifecycle.h"
#include "gui/mainwindow/MainCommand.h"
#include "gui/mainwindow/MainFormServices.h"

class QAction;
class QGroupBox;
class QLabel;
class QScrollArea;
class QLineEdit;
class QMenu;
class QTabWidget;

namespace quorvan {

class RecoveryKeeper;

class CsvCommands;
class CsvFileDialogs;
class DocumentSignals;
class FindBar;
class GridModel;
class LiveBanner;
class LiveMode;
class HelpTopics;
class GridView;
class PdfFileDialog;
class PortMenu;
class PrinterService;
class RadioCommands;
class RadioMenuPages;
class StatusAnnouncer;
class TAboutBox;
class TSortForm;
class ChangeSelectedDialog;

// The main window: owns the document and shows it in four grids and two menu pages, with the
// file, radio, edit and help commands. The channel editors come in through MainFormServices;
// clipboard commands, menu pages, sorting and printing are parts the window builds itself.
// Every user command changes the document through Document::Change, one undo step each; every
// view follows the document's signals.
class TMainForm : public QMainWindow, private EditCommandHost {
  Q_OBJECT

 public:
  explicit TMainForm(const MainFormServices& services, QWidget* parent = nullptr);
  ~TMainForm() override;

  const RadioImage& Image() const { return document_.Image(); }
  quorvan::Document& Document() { return document_; }
  const quorvan::Document& Document() const { return document_; }
  DocumentLifecycle& Lifecycle() { return *lifecycle_; }
  const QString& CommPort() const;
  Grid ActiveGrid() const override { return activeGrid_; }
  GridView* GridOf(Grid grid) const;
  QString StatusText(int panel) const;
  // What assistive technology was last told without a move of the focus.
  StatusAnnouncer* Announcer() const { return announcer_; }
  QTabWidget* PageControl() const { return pageControl_; }
  QWidget* MenuPage(int number) const;  // 1 or 2: where the menu pages put their controls
  // A menu command, and the tool button that runs it (null for a command without one).
  QAction* Action(MainCommand command) const;
  QAction* ToolButton(MainCommand command) const;
  const ClipboardCommands& Clipboard() const { return *clipboard_; }
  RadioMenuPages* MenuPages() const { return radioMenuPages_; }

  // Start-up file: the command-line arguments joined with single blanks.
  void OpenCommandLine(const QStringList& arguments);
  // At start: offers each document a window that is gone left unsaved, newest first, until one
  // is restored (TMainFormRecovery.cpp).
  void OfferRecovery();
  RecoveryKeeper* Recovery() const { return recovery_; }
  // What the Radio menu's items do.
  void ReadFromRadio(TransferScope scope);
  void WriteToRadio(TransferScope scope);
  void WriteChangesToRadio();
  void VerifyRadio();
  // Radio > Live Mode: turns it on (asking what needs asking) or off (waiting or asking).
  void ToggleLiveMode();
  // Ends live mode before another transfer or another document; false: the user stayed live.
  bool EndLiveMode();
  quorvan::LiveMode& Live() const { return *live_; }
  LiveBanner* LiveBar() const { return liveBanner_; }
  // Cut, Copy, Paste or Delete on the active grid, as the menus and buttons run them.
  void RunEditCommand(EditCommand command);
  // Re-reads the clipboard and enables the edit commands that can act now.
  void UpdateEditCommands();
  void UpdateStatusBar();

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
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // EditCommandHost
  int CurrentGridRow() const override;
  QList<int> SelectedGridRows() const override;
  bool EditingShown() const override;

  void FocusPageControl();
  // Tells assistive technology the selected row of a grid (a find hit, an undone change).
  void AnnounceRow(Grid grid);
  // What every change of the document shows (TMainFormViews.cpp): the changed rows (every row
  // and the band-plan layout for a new document), the comment, the status bar, which commands
  // can act, and after an undo or redo the row it changed.
  void FollowChange(ChangeKind kind, const ImageChanges& changes);
  void RefreshChangedRows(const ImageChanges& changes);
  // The caption with its change mark, and the steps Undo and Redo would take.
  void FollowState();
  void ShowComment();
  // Selects a grid row (scrolled into view), or shows the page of a menu item, that a
  // restored step changed.
  void ShowRestored(const ImageChanges& changes);
  void ShowRow(GridRow row);
  // The band-plan dependent rows, labels and fonts (after a read).
  void ApplyBandPlanLayout();
  // The window's size as far as its screen has room for it, frame included.
  QSize FittedSize(const QSize& wanted) const;
  void FitToScreen();

  // Connects the commands that live in their own classes to the menus.
  void WireEditCommands();
  void WirePlugIns();
  // Live mode's bar, status text and row marks (TMainFormLive.cpp).
  void WireLiveMode();
  void ShowLiveItems(const std::vector<ItemRef>& items);
  void ShowLiveStatus();
  QVariant LiveRowMark(Grid grid, int row, int role) const;
  void OpenEditor(Grid grid, int row);
  // Before a write from a document whose read did not finish: whether to go on anyway.
  bool ConfirmWriteOfIncompleteRead();
  void SortMemoryChannels();
  // Rows of the memory grid (TMainFormRows.cpp), as memory slots.
  QList<int> SelectedMemorySlots() const;
  int CurrentMemorySlot() const;  // -1 unless the memory grid is active and shown
  bool SelectedMemoryBlock(int& first, int& last) const;
  void SelectMemoryBlock(int first, int last);
  void UpdateRowCommands();
  void InsertRow();
  void RemoveRow();
  void MoveRows(int by);
  void ChangeSelected();
  // A cell of the full table edited in place, stored as the memory editor stores it.
  void EditMemoryCell(int row, int column, const QString& text);
  // Commits a cell still open in the memory grid and stores every cell edit not yet stored.
  void StorePendingCells();
  void PrintDocument();
  void ExportPdf();
  void ImportCsv();
  void ExportCsv();
  // Column widths follow what the columns hold; the user may drag them from there.
  void FitColumns();
  // View > All Columns: the memory grid's setting columns, remembered between runs.
  static constexpr std::string_view kAllColumnsKey = "AllColumns";
  void ShowSettingColumns();
  void ShowAllColumns();

  void BuildMenus();
  void BuildRadioMenu();
  void BuildEditMenu();
  void BuildToolBar();
  void BuildPages();
  void BuildStatusBar();
  QGroupBox* BuildGrid(Grid grid, const QString& caption, int visibleRows);
  QAction* AddCommand(QMenu* menu, MainCommand command, const QString& text,
                      const std::function<void()>& handler,
                      const QKeySequence& shortcut = QKeySequence());
  void OnGridEntered(Grid grid);
  void OnGridLeft(Grid grid);
  void OnPageChanged(int index);
  void OnCommentEdited(const QString& text);
  void ShowGridPopup(Grid grid, const QPoint& globalPos);
  void SetStatusTexts(const std::array<QString, 4>& texts);
  // A report whose text can be copied; with an accept text, asks whether to go on.
  bool ShowReport(const QString& title, const QString& text, const QString& acceptText);

  MainFormServices services_;
  AppSettings settings_;
  quorvan::Document document_;
  std::unique_ptr<DocumentSignals> signals_;
  std::unique_ptr<DocumentLifecycle> lifecycle_;
  std::unique_ptr<ClipboardCommands> clipboard_;
  std::unique_ptr<ChannelEditors> editors_;
  std::unique_ptr<CsvCommands> csv_;
  std::unique_ptr<HelpTopics> help_;
  std::unique_ptr<RadioCommands> radio_;
  std::unique_ptr<quorvan::LiveMode> live_;
  LiveBanner* liveBanner_ = nullptr;
  QLabel* liveStatus_ = nullptr;
  // System printers and dialogs, made only when the services bring none.
  std::unique_ptr<PrinterService> ownPrinters_;
  std::unique_ptr<PdfFileDialog> ownPdfDialog_;
  std::unique_ptr<CsvFileDialogs> ownCsvDialogs_;
  PrinterService* printers_ = nullptr;
  PdfFileDialog* pdfDialog_ = nullptr;
  RadioMenuPages* radioMenuPages_ = nullptr;
  TSortForm* sortForm_ = nullptr;
  RecoveryKeeper* recovery_ = nullptr;
  ChangeSelectedDialog* changeSelectedDialog_ = nullptr;
  Grid activeGrid_ = Grid::None;
  bool typingComment_ = false;  // the comment line shows what is being typed already
  struct PendingCell {
    int row;
    int column;
    QString text;
  };
  std::vector<PendingCell> pendingCells_;  // cell edits the store has not taken yet

  QTabWidget* pageControl_ = nullptr;
  QScrollArea* pageScroller_ = nullptr;
  std::array<QWidget*, 2> menuPages_{};
  QLabel* incompleteRead_ = nullptr;  // shown while the document holds a read that did not end
  std::array<GridView*, kGrids.size()> grids_{};
  std::array<GridModel*, kGrids.size()> models_{};
  std::array<QGroupBox*, kGrids.size()> gridBoxes_{};
  std::array<QMenu*, kGrids.size()> popups_{};
  std::array<QLabel*, 4> statusPanels_{};
  StatusAnnouncer* announcer_ = nullptr;
  QLineEdit* comment_ = nullptr;
  QMenu* editMenu_ = nullptr;
  PortMenu* portMenu_ = nullptr;
  TAboutBox* aboutBox_ = nullptr;
  std::array<QAction*, kMainCommandCount> actions_{};
  std::array<QAction*, kMainCommandCount> toolButtons_{};
  FindBar* findBar_ = nullptr;
};

}  // namespace quorvan
