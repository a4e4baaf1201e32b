#include "gui/mainwindow/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/model/NameCodec.h"
#include "core/rules/GridTexts.h"
#include "core/rules/MemoryCellEdit.h"
#include "core/rules/MemoryColumns.h"
#include "core/rules/RowAnnouncement.h"
#include "core/rules/StatusTexts.h"
#include "gui/common/AccessibleNames.h"
#include "gui/common/DisplayFonts.h"
#include "gui/common/StatusAnnouncer.h"
#include "gui/csv/CsvCommands.h"
#include "gui/document/DocumentSignals.h"
#include "gui/help/HelpTopics.h"
#include "gui/history/HistoryDialog.h"
#include "gui/mainwindow/ChoiceCellDelegate.h"
#include "gui/mainwindow/CommentValidator.h"
#include "gui/live/LiveMode.h"
#include "gui/mainwindow/FindBar.h"
#include "gui/mainwindow/GridModel.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/PortMenu.h"
#include "gui/mainwindow/TAboutBox.h"
#include "gui/mainwindow/ToolIcons.h"
#include "gui/menupages/RadioMenuPages.h"
#include "gui/printing/PdfExport.h"
#include "gui/printing/PrintCommand.h"
#include "gui/transfer/RadioCommands.h"
#include "gui/transfer/TransferDialogs.h"

namespace quorvan {

namespace {

QString Display(const std::string& bytes, char destination) {
  return QString::fromStdString(NameToUtf8(bytes, destination));
}

struct GridLayoutInfo {
  const char* caption;
  QList<int> widths;  // the narrowest each column gets
  int visibleRows;
};

const std::array<GridLayoutInfo, kGrids.size()> kGridLayouts{{
    {"&Memory Channel", {10, 27, 89, 98}, 15},
    {"&VFO", {10, 73, 73}, 4},
    {"&CALL Channel", {10, 74, 103}, 3},
    {"&DTMF Memory", {10, 23, 155}, 5},
}};

// "Cut (Ctrl+X)": what a tool button's tip says, the command and its first shortcut.
QString ToolTip(const QString& command, const QAction* target) {
  QString text = command;
  text.remove(QLatin1Char('&'));
  const QKeySequence key = target ? target->shortcut() : QKeySequence();
  if (!key.isEmpty()) text += QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + ')';
  return text;
}

// A status panel as wide as its text, and never narrower than its width in the layout of the
// panels while the window has room; short of room it may give way, so the window still fits.
class StatusPanel : public QLabel {
 public:
  StatusPanel(int width, QWidget* parent) : QLabel(parent), width_(width) { setMinimumWidth(1); }
  QSize sizeHint() const override {
    const QSize text = QLabel::sizeHint();
    return {std::max(width_, text.width()), text.height()};
  }
  QSize minimumSizeHint() const override { return {1, QLabel::minimumSizeHint().height()}; }

 private:
  int width_;
};

}  // namespace

TMainForm::TMainForm(const MainFormServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName(QStringLiteral("MainForm"));
  setFont(QFont(QStringLiteral("Times New Roman")));
  settings_ = LoadAppSettings(*services_.settings, services_.chooseSetupIndex,
                              services_.workingDirectory.toStdString());
  document_.New(MakeNewDocument(settings_.plan));
  signals_ = std::make_unique<DocumentSignals>(document_);
  lifecycle_ = std::make_unique<DocumentLifecycle>(
      document_, [this] { FocusPageControl(); }, *services_.messages, *services_.fileDialogs,
      *services_.settings, QString::fromStdString(settings_.path));

  BuildMenus();
  BuildToolBar();
  BuildPages();
  BuildStatusBar();
  WireEditCommands();
  WirePlugIns();
  WireLiveMode();
  portMenu_->ShowChosen(services_.presetPort.isEmpty() ? QString::fromStdString(settings_.commPort)
                                                       : services_.presetPort);
  aboutBox_ = new TAboutBox(this);

  setAcceptDrops(true);
  ApplyBandPlanLayout();
  UpdateStatusBar();
  FollowState();
  connect(signals_.get(), &DocumentSignals::Changed, this, &TMainForm::FollowChange);
  connect(signals_.get(), &DocumentSignals::StateChanged, this, &TMainForm::FollowState);
  // The window opens at the size its layout needs, as far as the screen has room; smaller, the
  // page scrolls. The memory grid takes most of what it grows by.
  FitToScreen();
  // Typing into a field is one undo step until the focus moves on.
  connect(qApp, &QApplication::focusChanged, this, [this] { document_.EndTyping(); });
  // Coming back from another program may have changed the clipboard.
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
    if (s == Qt::ApplicationActive) UpdateEditCommands();
  });
}

TMainForm::~TMainForm() {
  // The base class destroys the widgets after this object's members are gone; a grid losing
  // the focus or a page control losing its pages then must not call back into this object.
  const QList<QObject*> children = findChildren<QObject*>();
  for (QObject* child : children) QObject::disconnect(child, nullptr, this, nullptr);
  QObject::disconnect(qApp, nullptr, this, nullptr);
  // Nor may the comment line check its text, or a grid ask for its cells, in the document.
  comment_->setValidator(nullptr);
  for (GridView* grid : grids_) grid->setModel(nullptr);
}

const QString& TMainForm::CommPort() const { return portMenu_->CommPort(); }

GridView* TMainForm::GridOf(Grid grid) const {
  return grid == Grid::None ? nullptr : grids_[GridIndex(grid)];
}

QWidget* TMainForm::MenuPage(int number) const {
  return number == 1 || number == 2 ? menuPages_[static_cast<std::size_t>(number - 1)] : nullptr;
}

QString TMainForm::StatusText(int panel) const {
  return panel >= 0 && panel < 4 ? statusPanels_[static_cast<std::size_t>(panel)]->text()
                                 : QString();
}

QAction* TMainForm::Action(MainCommand command) const { return actions_[CommandIndex(command)]; }

QAction* TMainForm::ToolButton(MainCommand command) const {
  return toolButtons_[CommandIndex(command)];
}

QAction* TMainForm::AddCommand(QMenu* menu, MainCommand command, const QString& text,
                               const std::function<void()>& handler, const QKeySequence& shortcut) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromLatin1(CommandName(command)));
  action->setShortcut(shortcut);
  if (handler) connect(action, &QAction::triggered, this, [handler] { handler(); });
  actions_[CommandIndex(command)] = action;
  return action;
}

void TMainForm::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  AddCommand(
      file, MainCommand::FileNew, tr("&New"), [this] { lifecycle_->New(); },
      QKeySequence(Qt::CTRL | Qt::Key_N));
  AddCommand(
      file, MainCommand::FileOpen, tr("&Open..."), [this] { lifecycle_->Open(); },
      QKeySequence(Qt::CTRL | Qt::Key_O));
  AddCommand(
      file, MainCommand::FileSave, tr("&Save"), [this] { lifecycle_->Save(); },
      QKeySequence(Qt::CTRL | Qt::Key_S));
  AddCommand(file, MainCommand::FileSaveAs, tr("Save &As..."), [this] { lifecycle_->SaveAs(); });
  file->addSeparator();
  AddCommand(file, MainCommand::FileImportCsv, tr("Import CSV..."), [this] { ImportCsv(); });
  AddCommand(file, MainCommand::FileExportCsv, tr("Export CSV..."), [this] { ExportCsv(); });
  file->addSeparator();
  AddCommand(file, MainCommand::FilePrint, tr("&Print..."), [this] { PrintDocument(); });
  AddCommand(file, MainCommand::FileExportPdf, tr("Export PDF..."), [this] { ExportPdf(); });
  file->addSeparator();
  AddCommand(file, MainCommand::FileExit, tr("E&xit"), [this] { close(); });

  BuildRadioMenu();
  BuildEditMenu();

  // Alt+V is the VFO grid's.
  QMenu* view = menuBar()->addMenu(tr("Vie&w"));
  QAction* allColumns = AddCommand(view, MainCommand::ViewAllColumns, tr("All &Columns"),
                                   [this] { ShowAllColumns(); });
  allColumns->setCheckable(true);
  allColumns->setChecked(services_.settings->Value(kAllColumnsKey) == "1");

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help_ = std::make_unique<HelpTopics>(*this, *services_.settings, *services_.messages,
                                       services_.guideCandidates, services_.openExternalUrl);
  AddCommand(
      help, MainCommand::HelpTopics, tr("&Help Topics"), [this] { help_->Show(); },
      QKeySequence(Qt::Key_F1));
  AddCommand(help, MainCommand::HelpDiagnosticReport, tr("&Diagnostic Report..."),
             services_.showDiagnosticReport)
      ->setEnabled(static_cast<bool>(services_.showDiagnosticReport));
  help->addSeparator();
  AddCommand(help, MainCommand::HelpAbout, tr("&About..."), [this] { aboutBox_->exec(); });

  // F10 opens the menu bar at its first menu, as desktops do.
  auto* menuKey = new QShortcut(QKeySequence(Qt::Key_F10), this);
  connect(menuKey, &QShortcut::activated, this, [this] {
    const QList<QAction*> menus = menuBar()->actions();
    if (!menus.isEmpty()) menuBar()->setActiveAction(menus.first());
  });
}

void TMainForm::BuildRadioMenu() {
  QMenu* radio = menuBar()->addMenu(tr("&Radio"));
  struct Scope {
    const char* caption;
    TransferScope scope;
    MainCommand read;
    MainCommand write;
  };
  const std::array<Scope, 3> scopes{{
      {"&All", TransferScope::All, MainCommand::ReadAll, MainCommand::WriteAll},
      {"&Memory", TransferScope::Memory, MainCommand::ReadMemory, MainCommand::WriteMemory},
      {"M&enu", TransferScope::Menu, MainCommand::ReadMenu, MainCommand::WriteMenu},
  }};
  radio_ = std::make_unique<RadioCommands>(
      document_.Image(), *services_.messages, *services_.transfers, *services_.settings,
      services_.backupFolder,
      [this](const QString& title, const QString& text, const QString& acceptText) {
        return ShowReport(title, text, acceptText);
      });
  QMenu* read = radio->addMenu(tr("&Read"));
  QMenu* write = radio->addMenu(tr("&Write"));
  write->setObjectName(QStringLiteral("RadioWrite"));
  for (const Scope& s : scopes) {
    const TransferScope scope = s.scope;
    AddCommand(read, s.read, tr(s.caption), [this, scope] { ReadFromRadio(scope); });
    AddCommand(write, s.write, tr(s.caption), [this, scope] { WriteToRadio(scope); });
  }
  QAction* writeChanges = AddCommand(write, MainCommand::WriteChanges, tr("&Changes"),
                                     [this] { WriteChangesToRadio(); });
  // Only what the radio is known to hold can be written over by its differences.
  connect(write, &QMenu::aboutToShow, this,
          [this, writeChanges] { writeChanges->setEnabled(radio_->HasBaseline()); });
  AddCommand(radio, MainCommand::RadioVerify, tr("&Verify"), [this] { VerifyRadio(); });
  AddCommand(
      radio, MainCommand::RadioLiveMode, tr("&Live Mode"), [this] { ToggleLiveMode(); },
      QKeySequence(Qt::CTRL | Qt::Key_L))
      ->setCheckable(true);
  QAction* verifyAfter =
      AddCommand(radio, MainCommand::VerifyAfterWriting, tr("Verify &After Writing"), {});
  verifyAfter->setCheckable(true);
  verifyAfter->setChecked(radio_->VerifyAfterWriting());
  connect(verifyAfter, &QAction::toggled, this,
          [this](bool on) { radio_->SetVerifyAfterWriting(on); });
  AddCommand(radio, MainCommand::RadioHistory, tr("&History..."), [this] {
    HistoryServices history{services_.backupFolder, Image().Plan(), services_.messages, {}, {}};
    // An entry opened is what the radio held, saved nowhere yet: as a read leaves it.
    history.open = [this](RadioImage state) {
      if (!lifecycle_->ConfirmDiscard()) return false;
      lifecycle_->TakeRead(std::move(state));
      return true;
    };
    history.restore = [this](const RadioImage& state, const HistoryEntry& entry) {
      if (EndLiveMode()) radio_->Restore(state, entry.name.kind, entry.name.when, CommPort());
    };
    HistoryDialog(std::move(history), this).exec();
  });
  radio->addSeparator();
  QMenu* ports = radio->addMenu(tr("&Port Select"));
  ports->setObjectName(QStringLiteral("PortSelect"));
  portMenu_ =
      new PortMenu(ports, *services_.messages,
                   {[this](const QString& port) { return services_.transfers->CheckPort(port); },
                    services_.listPorts, services_.askDevicePath, services_.findRadio},
                   this);
  connect(portMenu_, &PortMenu::PortChosen, this,
          [this](const QString& port) { SavePort(*services_.settings, port.toStdString()); });
}

void TMainForm::BuildEditMenu() {
  editMenu_ = menuBar()->addMenu(tr("&Edit"));
  editMenu_->setObjectName(QStringLiteral("EditMenu"));
  QAction* undo = AddCommand(
      editMenu_, MainCommand::EditUndo, tr("&Undo"), [this] { Undo(); },
      QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = AddCommand(
      editMenu_, MainCommand::EditRedo, tr("&Redo"), [this] { Redo(); },
      QKeySequence(Qt::CTRL | Qt::Key_Y));
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  // The Edit menu is off while a menu page shows, where undo still has changes to take back.
  addAction(undo);
  addAction(redo);
  editMenu_->addSeparator();
  struct Edit {
    const char* caption;
    MainCommand command;
    EditCommand edit;
    QKeySequence shortcut;
  };
  const std::array<Edit, 4> edits{{
      {"Cu&t", MainCommand::EditCut, EditCommand::Cut, QKeySequence(Qt::CTRL | Qt::Key_X)},
      {"&Copy", MainCommand::EditCopy, EditCommand::Copy, QKeySequence(Qt::CTRL | Qt::Key_C)},
      {"&Paste", MainCommand::EditPaste, EditCommand::Paste, QKeySequence(Qt::CTRL | Qt::Key_V)},
      {"&Delete", MainCommand::EditDelete, EditCommand::Delete,
       QKeySequence(Qt::CTRL | Qt::Key_Delete)},
  }};
  for (const Edit& e : edits) {
    const EditCommand command = e.edit;
    AddCommand(
        editMenu_, e.command, tr(e.caption), [this, command] { RunEditCommand(command); },
        e.shortcut);
  }
  editMenu_->addSeparator();
  AddCommand(editMenu_, MainCommand::EditInsertRow, tr("&Insert Row"), [this] { InsertRow(); });
  AddCommand(editMenu_, MainCommand::EditRemoveRow, tr("Remove Row"), [this] { RemoveRow(); });
  AddCommand(
      editMenu_, MainCommand::EditMoveUp, tr("Move &Up"), [this] { MoveRows(-1); },
      QKeySequence(Qt::ALT | Qt::Key_Up));
  AddCommand(
      editMenu_, MainCommand::EditMoveDown, tr("Move Do&wn"), [this] { MoveRows(1); },
      QKeySequence(Qt::ALT | Qt::Key_Down));
  AddCommand(editMenu_, MainCommand::EditChangeSelected, tr("Change &Selected..."),
             [this] { ChangeSelected(); });
  editMenu_->addSeparator();
  AddCommand(
      editMenu_, MainCommand::EditFind, tr("&Find..."), [this] { OpenFind(); },
      QKeySequence(Qt::CTRL | Qt::Key_F));
  AddCommand(
      editMenu_, MainCommand::EditFindNext, tr("Find &Next"), [this] { FindNext(); },
      QKeySequence(Qt::Key_F3));
  editMenu_->addSeparator();
  AddCommand(editMenu_, MainCommand::EditSort, tr("Memory channel &Sort..."),
             [this] { SortMemoryChannels(); });
}

void TMainForm::BuildToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("ToolBar1"));
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setMovable(false);
  bar->setIconSize(QSize(16, 16));
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  struct Button {
    const char* hint;
    MainCommand target;  // the menu command the button runs
    ToolPicture picture;
    bool separatorBefore;  // grouping like the original toolbar: file, radio, edit, then undo
  };
  const std::array<Button, 11> buttons{{
      {"New", MainCommand::FileNew, ToolPicture::New, false},
      {"Open", MainCommand::FileOpen, ToolPicture::Open, false},
      {"Save", MainCommand::FileSave, ToolPicture::Save, false},
      {"Print", MainCommand::FilePrint, ToolPicture::Print, false},
      {"Read", MainCommand::ReadAll, ToolPicture::Read, true},
      {"Write", MainCommand::WriteAll, ToolPicture::Write, false},
      {"Cut", MainCommand::EditCut, ToolPicture::Cut, true},
      {"Copy", MainCommand::EditCopy, ToolPicture::Copy, false},
      {"Paste", MainCommand::EditPaste, ToolPicture::Paste, false},
      {"Undo", MainCommand::EditUndo, ToolPicture::Undo, true},
      {"Redo", MainCommand::EditRedo, ToolPicture::Redo, false},
  }};
  for (const Button& b : buttons) {
    QAction* target = Action(b.target);
    if (b.separatorBefore) bar->addSeparator();
    const QString hint = tr(b.hint);
    QAction* button = bar->addAction(ToolIcon(b.picture), hint);
    // Named after the untranslated hint: a translation must not rename the button.
    button->setObjectName(QStringLiteral("Tool") + QLatin1String(b.hint));
    button->setToolTip(ToolTip(hint, target));
    connect(button, &QAction::triggered, target, &QAction::trigger);
    toolButtons_[CommandIndex(b.target)] = button;
  }
}

QGroupBox* TMainForm::BuildGrid(Grid grid, const QString& caption, int visibleRows) {
  const std::size_t i = GridIndex(grid);
  auto* box = new QGroupBox(caption);
  box->setObjectName(QStringLiteral("GroupBox%1").arg(static_cast<int>(grid)));
  QStringList headers;
  for (int c = 0; c < ColumnCount(grid); ++c) {
    headers << QString::fromLatin1(HeaderText(grid, c).data(),
                                   static_cast<int>(HeaderText(grid, c).size()));
  }
  // The memory grid holds the setting columns too; All Columns shows them.
  if (grid == Grid::Memory) {
    for (int c = kShiftColumn; c < kAllMemoryColumns; ++c) {
      const std::string_view header = MemorySettingHeader(c);
      headers << QString::fromLatin1(header.data(), static_cast<int>(header.size()));
    }
  }
  models_[i] = new GridModel(
      headers, [this, grid] { return DataRowCount(Image().Plan(), grid); },
      [this, grid](int row, int column) {
        if (column >= kShiftColumn) {
          return QString::fromStdString(MemorySettingText(Image(), row, column));
        }
        return Display(CellText(Image(), grid, row, column), Image().Plan().DestinationLetter());
      },
      this);
  auto* view = new GridView(grid, box);
  view->setModel(models_[i]);
  NameControl(view, caption);
  QStringList spokenHeaders;
  spokenHeaders << (grid == Grid::Memory ? tr("Lockout") : tr("Mark"));
  models_[i]->SetSpoken(
      [this, grid](int row) {
        return Display(RowAnnouncement(Image(), grid, row), Image().Plan().DestinationLetter());
      },
      kLabelColumn, spokenHeaders);
  view->SetAnyCharacterOpensEditor(grid == Grid::Dtmf);
  // Delete clears every selected row of the grids it acts on.
  const bool cutAndDelete = grid == Grid::Memory || grid == Grid::Dtmf;
  if (cutAndDelete) view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // Every grid grows with the window: the memory grid without end, the others up to their rows.
  view->SetVisibleRows(visibleRows, true);
  grids_[i] = view;
  if (grid == Grid::Memory) {
    view->setItemDelegate(new ChoiceCellDelegate(view));
    models_[i]->SetEditing(
        [this](int, int column) {
          return Action(MainCommand::ViewAllColumns)->isChecked() && IsEditableMemoryColumn(column);
        },
        [this](int row, int column) {
          QStringList items;
          for (const std::string& choice : MemoryColumnChoices(Image(), row, column)) {
            items << QString::fromStdString(choice);
          }
          return items;
        },
        [this](int row, int column, const QString& text) {
          // Stored once the cell editor has closed, so the row shows what the store kept;
          // anything that reads the document first stores it at once (StorePendingCells).
          pendingCells_.push_back({row, column, text});
          QTimer::singleShot(0, this, [this] { StorePendingCells(); });
        });
    ShowSettingColumns();
  }
  connect(view, &GridView::Entered, this, &TMainForm::OnGridEntered);
  connect(view, &GridView::Left, this, &TMainForm::OnGridLeft);
  connect(view, &GridView::EditorRequested, this, &TMainForm::OpenEditor);
  connect(view, &GridView::PopupRequested, this, &TMainForm::ShowGridPopup);
  connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this, grid] {
    if (activeGrid_ == grid) UpdateStatusBar();
  });

  popups_[i] = new QMenu(this);
  if (cutAndDelete) popups_[i]->addAction(Action(MainCommand::EditCut));
  popups_[i]->addAction(Action(MainCommand::EditCopy));
  popups_[i]->addAction(Action(MainCommand::EditPaste));
  if (cutAndDelete) popups_[i]->addAction(Action(MainCommand::EditDelete));
  if (grid == Grid::Memory) {
    popups_[i]->addSeparator();
    for (const MainCommand row :
         {MainCommand::EditInsertRow, MainCommand::EditRemoveRow, MainCommand::EditMoveUp,
          MainCommand::EditMoveDown, MainCommand::EditChangeSelected}) {
      popups_[i]->addAction(Action(row));
    }
    // The row keys move rows only while the grid itself has the focus: in the comment line, the
    // find bar or a cell being edited the keys are theirs.
    for (const MainCommand move : {MainCommand::EditMoveUp, MainCommand::EditMoveDown}) {
      Action(move)->setShortcutContext(Qt::WidgetShortcut);
      view->addAction(Action(move));
    }
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
      if (activeGrid_ == Grid::Memory) UpdateRowCommands();
    });
  }

  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(view);
  gridBoxes_[i] = box;
  return box;
}

void TMainForm::BuildPages() {
  auto* central = new QWidget(this);
  pageControl_ = new QTabWidget(central);
  pageControl_->setObjectName(QStringLiteral("PageControl1"));
  auto* memoryPage = new QWidget;
  memoryPage->setObjectName(QStringLiteral("TabSheet1"));
  auto* grids = new QHBoxLayout(memoryPage);
  auto* smallGrids = new QVBoxLayout;
  for (const Grid grid : kGrids) {
    const GridLayoutInfo& layout = kGridLayouts[GridIndex(grid)];
    QGroupBox* box = BuildGrid(grid, QString::fromLatin1(layout.caption), layout.visibleRows);
    if (grid == Grid::Memory) {
      grids->addWidget(box, 1);
    } else {
      // The small lists grow too, up to every row they have.
      smallGrids->addWidget(box, layout.visibleRows);
    }
  }
  smallGrids->addStretch(1);
  grids->addLayout(smallGrids);
  pageControl_->addTab(memoryPage, QStringLiteral("Memor&y"));
  const std::array<const char*, 2> menuCaptions{"Menu &1", "Menu &2"};
  for (std::size_t p = 0; p < menuPages_.size(); ++p) {
    menuPages_[p] = new QWidget;
    menuPages_[p]->setObjectName(QStringLiteral("TabSheet%1").arg(p + 2));
    pageControl_->addTab(menuPages_[p], QString::fromLatin1(menuCaptions[p]));
  }
  connect(pageControl_, &QTabWidget::currentChanged, this, &TMainForm::OnPageChanged);

  auto* commentLabel = new QLabel(tr("Comment"), central);
  comment_ = new QLineEdit(central);
  comment_->setObjectName(QStringLiteral("Edit2"));
  comment_->setMaxLength(static_cast<int>(kCommentCapacity));
  comment_->setValidator(
      new CommentValidator([this] { return Image().Plan().DestinationLetter(); }, comment_));
  commentLabel->setBuddy(comment_);
  connect(comment_, &QLineEdit::textEdited, this, &TMainForm::OnCommentEdited);

  auto* commentRow = new QHBoxLayout;
  commentRow->addWidget(commentLabel);
  commentRow->addWidget(comment_, 1);
  findBar_ = new FindBar(central);
  connect(findBar_, &FindBar::FindNextRequested, this, &TMainForm::FindNext);

  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(pageControl_, 1);
  layout->addWidget(findBar_);
  layout->addLayout(commentRow);
  // A screen smaller than the page (or a large scale) scrolls it instead of pushing the window
  // off the screen.
  pageScroller_ = new QScrollArea(this);
  pageScroller_->setObjectName(QStringLiteral("PageScroller"));
  pageScroller_->setFrameShape(QFrame::NoFrame);
  pageScroller_->setWidgetResizable(true);
  pageScroller_->setWidget(central);
  setCentralWidget(pageScroller_);
}

void TMainForm::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(true);
  const std::array<int, 4> widths{170, 50, 90, 50};
  for (std::size_t p = 0; p < statusPanels_.size(); ++p) {
    auto* panel = new StatusPanel(widths[p], bar);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(p));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    if (p == 1) panel->setAlignment(Qt::AlignCenter);
    bar->addWidget(panel);
    statusPanels_[p] = panel;
  }
  announcer_ = new StatusAnnouncer(bar);
  incompleteRead_ = new QLabel(bar);
  incompleteRead_->setObjectName(QStringLiteral("IncompleteRead"));
  incompleteRead_->hide();
  bar->addPermanentWidget(incompleteRead_);
}

QSize TMainForm::FittedSize(const QSize& wanted) const {
  const QScreen* shownOn = screen();
  if (!shownOn) return wanted;
  return wanted.boundedTo(shownOn->availableGeometry().size() - (frameGeometry().size() - size()));
}

void TMainForm::FitToScreen() {
  // What the page needs unscrolled, with the bars around it.
  // The page's own layout does not see the grids' widths set after it was built; the pages do.
  const QWidget* content = pageScroller_->widget();
  const QMargins margins = content->layout()->contentsMargins();
  const QSize page = content->sizeHint()
                         .expandedTo(pageControl_->sizeHint().grownBy(margins))
                         .expandedTo(content->minimumSizeHint());
  const QSize bars = minimumSizeHint() - pageScroller_->minimumSizeHint();
  const int width =
      std::max({page.width(), statusBar()->sizeHint().width(),
                findChild<QToolBar*>(QStringLiteral("ToolBar1"))->sizeHint().width()});
  resize(FittedSize(QSize(width, bars.height() + page.height())));
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The frame the window system puts around the window is known only now.
  if (!isMaximized() && !isFullScreen()) resize(FittedSize(size()));
}

void TMainForm::ApplyBandPlanLayout() {
  QFont names = DestinationFont(Image().Plan(), font());
  QFont plain = font();
  // The weight is set explicitly so the bold caption of a focused box does not reach its grid.
  names.setBold(false);
  plain.setBold(false);
  for (GridView* grid : grids_) grid->setFont(plain);
  GridOf(Grid::Memory)->setFont(names);
  statusBar()->setFont(names);
  for (QLabel* panel : statusPanels_) panel->setFont(names);
  comment_->setFont(names);
  for (GridModel* model : models_) model->Refresh();
  FitColumns();
}

void TMainForm::ShowSettingColumns() {
  const bool shown = Action(MainCommand::ViewAllColumns)->isChecked();
  GridView* memory = GridOf(Grid::Memory);
  for (int c = kShiftColumn; c < kAllMemoryColumns; ++c) memory->setColumnHidden(c, !shown);
  // In the full table F2 or typing edits the current cell in place.
  memory->setEditTriggers(shown
                              ? QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed
                              : QAbstractItemView::NoEditTriggers);
}

void TMainForm::ShowAllColumns() {
  ShowSettingColumns();
  FitColumns();
  services_.settings->SetValue(kAllColumnsKey,
                               Action(MainCommand::ViewAllColumns)->isChecked() ? "1" : "0");
}

void TMainForm::FitColumns() {
  for (const Grid grid : kGrids) {
    GridView* view = GridOf(grid);
    const bool memory = grid == Grid::Memory;
    const int columns = view->FitColumns(kGridLayouts[GridIndex(grid)].widths);
    const int width = columns + 2 * view->frameWidth() +
                      view->verticalScrollBar()->sizeHint().width() + (memory ? 20 : 30);
    if (memory) {
      view->setMinimumWidth(width);
    } else {
      view->setFixedWidth(width);
    }
  }
}

void TMainForm::SetStatusTexts(const std::array<QString, 4>& texts) {
  for (std::size_t p = 0; p < statusPanels_.size(); ++p) statusPanels_[p]->setText(texts[p]);
}

void TMainForm::UpdateStatusBar() {
  if (pageControl_->currentIndex() != 0) return;
  statusBar()->clearMessage();
  const GridView* active = GridOf(activeGrid_);
  const StatusPanels texts =
      StatusBarTexts(Image(), activeGrid_, active ? active->SelectedGridRow() : 0);
  std::array<QString, 4> shown;
  for (std::size_t p = 0; p < shown.size(); ++p) {
    shown[p] = Display(texts[p], Image().Plan().DestinationLetter());
  }
  SetStatusTexts(shown);
}

void TMainForm::OnGridEntered(Grid grid) {
  activeGrid_ = grid;
  // Find and Undo make a grid the active one without its focus, so no Left came for the last.
  for (QGroupBox* box : gridBoxes_) {
    const bool bold = box == gridBoxes_[GridIndex(grid)];
    if (box->font().bold() == bold) continue;  // a font change reaches every cell of the grid
    QFont font = box->font();
    font.setBold(bold);
    box->setFont(font);
  }
  UpdateEditCommands();
  UpdateStatusBar();
}

void TMainForm::OnGridLeft(Grid grid) {
  QGroupBox* box = gridBoxes_[GridIndex(grid)];
  QFont normal = box->font();
  normal.setBold(false);
  box->setFont(normal);
}

void TMainForm::OnPageChanged(int index) {
  const bool memoryPage = index == 0;
  editMenu_->menuAction()->setEnabled(memoryPage);
  ToolButton(MainCommand::EditCut)->setEnabled(memoryPage);
  ToolButton(MainCommand::EditCopy)->setEnabled(memoryPage);
  if (memoryPage) {
    UpdateEditCommands();
    UpdateStatusBar();
  } else {
    ToolButton(MainCommand::EditPaste)->setEnabled(false);
    SetStatusTexts({});
  }
}

void TMainForm::ShowGridPopup(Grid grid, const QPoint& globalPos) {
  popups_[GridIndex(grid)]->popup(globalPos);
}

void TMainForm::RunEditCommand(EditCommand command) { clipboard_->Run(command); }

void TMainForm::UpdateEditCommands() {
  clipboard_->UpdateEditCommands();
  UpdateRowCommands();
}

}  // namespace quorvan
