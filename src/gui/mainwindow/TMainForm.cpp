#include "gui/mainwindow/TMainForm.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/model/NameCodec.h"
#include "core/rules/GridTexts.h"
#include "core/rules/MemoryCellEdit.h"
#include "core/rules/MemoryColumns.h"
#include "core/rules/StatusTexts.h"
#include "gui/common/DisplayFonts.h"
#include "gui/csv/CsvCommands.h"
#include "gui/help/HelpTopics.h"
#include "gui/mainwindow/ChoiceCellDelegate.h"
#include "gui/mainwindow/CommentValidator.h"
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

const std::array<GridLayoutInfo, TMainForm::kGridCount> kGridLayouts{{
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

}  // namespace

TMainForm::TMainForm(const MainFormServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
  setObjectName(QStringLiteral("MainForm"));
  setFont(QFont(QStringLiteral("Times New Roman")));
  settings_ = LoadAppSettings(*services_.settings, services_.chooseSetupIndex,
                              services_.workingDirectory.toStdString());
  image_ = MakeNewDocument(settings_.plan);
  DocumentHost& host = *this;
  lifecycle_ = std::make_unique<DocumentLifecycle>(image_, host, *services_.messages,
                                                   *services_.fileDialogs, *services_.settings,
                                                   QString::fromStdString(settings_.path));

  BuildMenus();
  BuildToolBar();
  BuildPages();
  BuildStatusBar();
  WireEditCommands();
  WirePlugIns();
  portMenu_->ShowChosen(services_.presetPort.isEmpty() ? QString::fromStdString(settings_.commPort)
                                                       : services_.presetPort);
  aboutBox_ = new TAboutBox(this);

  setAcceptDrops(true);
  ApplyBandPlanLayout();
  RefreshView();
  lifecycle_->StartHistory(true);
  // The window opens at the size of its layout, which is also the smallest it gets; the memory
  // grid takes whatever it grows by.
  resize(minimumSizeHint());
  // Typing into a field is one undo step until the focus moves on.
  connect(qApp, &QApplication::focusChanged, this, [this] { lifecycle_->EndTyping(); });
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
}

const QString& TMainForm::CommPort() const { return portMenu_->CommPort(); }

GridView* TMainForm::Grid(int number) const {
  return number >= 1 && number <= kGridCount ? grids_[static_cast<std::size_t>(number - 1)]
                                             : nullptr;
}

QWidget* TMainForm::MenuPage(int number) const {
  return number == 1 || number == 2 ? menuPages_[static_cast<std::size_t>(number - 1)] : nullptr;
}

QString TMainForm::StatusText(int panel) const {
  return panel >= 0 && panel < 4 ? statusPanels_[static_cast<std::size_t>(panel)]->text()
                                 : QString();
}

QAction* TMainForm::Action(const QString& objectName) const {
  return findChild<QAction*>(objectName);
}

QAction* TMainForm::AddCommand(QMenu* menu, const QString& text, const QString& name,
                               const std::function<void()>& handler, const QKeySequence& shortcut) {
  QAction* action = menu->addAction(text);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  if (handler) connect(action, &QAction::triggered, this, [handler] { handler(); });
  return action;
}

void TMainForm::BuildMenus() {
  QMenu* file = menuBar()->addMenu(tr("&File"));
  AddCommand(
      file, tr("&New"), QStringLiteral("FileNew"), [this] { lifecycle_->New(); },
      QKeySequence(Qt::CTRL | Qt::Key_N));
  AddCommand(
      file, tr("&Open..."), QStringLiteral("FileOpen"), [this] { lifecycle_->Open(); },
      QKeySequence(Qt::CTRL | Qt::Key_O));
  AddCommand(
      file, tr("&Save"), QStringLiteral("FileSave"), [this] { lifecycle_->Save(); },
      QKeySequence(Qt::CTRL | Qt::Key_S));
  AddCommand(file, tr("Save &As..."), QStringLiteral("FileSaveAs"),
             [this] { lifecycle_->SaveAs(); });
  file->addSeparator();
  AddCommand(file, tr("Import CSV..."), QStringLiteral("FileImportCsv"), [this] { ImportCsv(); });
  AddCommand(file, tr("Export CSV..."), QStringLiteral("FileExportCsv"), [this] { ExportCsv(); });
  file->addSeparator();
  AddCommand(file, tr("&Print..."), QStringLiteral("FilePrint"), [this] { PrintDocument(); });
  AddCommand(file, tr("Export PDF..."), QStringLiteral("FileExportPdf"), [this] { ExportPdf(); });
  file->addSeparator();
  AddCommand(file, tr("E&xit"), QStringLiteral("FileExit"), [this] { close(); });

  QMenu* radio = menuBar()->addMenu(tr("&Radio"));
  const std::array<std::pair<const char*, TransferScope>, 3> scopes{
      {{"&All", TransferScope::All},
       {"&Memory", TransferScope::Memory},
       {"M&enu", TransferScope::Menu}}};
  const std::array<const char*, 3> scopeNames{"All", "Memory", "Menu"};
  radio_ = std::make_unique<RadioCommands>(
      image_, *services_.messages, *services_.transfers, *services_.settings,
      services_.backupFolder,
      [this](const QString& title, const QString& text, const QString& acceptText) {
        return ShowReport(title, text, acceptText);
      });
  QMenu* read = radio->addMenu(tr("&Read"));
  QMenu* write = radio->addMenu(tr("&Write"));
  write->setObjectName(QStringLiteral("RadioWrite"));
  for (std::size_t i = 0; i < scopes.size(); ++i) {
    const TransferScope scope = scopes[i].second;
    AddCommand(read, tr(scopes[i].first), QStringLiteral("Read") + QLatin1String(scopeNames[i]),
               [this, scope] { ReadFromRadio(scope); });
    AddCommand(write, tr(scopes[i].first), QStringLiteral("Write") + QLatin1String(scopeNames[i]),
               [this, scope] { WriteToRadio(scope); });
  }
  QAction* writeChanges = AddCommand(write, tr("&Changes"), QStringLiteral("WriteChanges"),
                                     [this] { WriteChangesToRadio(); });
  // Only what the radio is known to hold can be written over by its differences.
  connect(write, &QMenu::aboutToShow, this,
          [this, writeChanges] { writeChanges->setEnabled(radio_->HasBaseline()); });
  AddCommand(radio, tr("&Verify"), QStringLiteral("RadioVerify"), [this] { VerifyRadio(); });
  QAction* verifyAfter =
      AddCommand(radio, tr("Verify &After Writing"), QStringLiteral("VerifyAfterWriting"), {});
  verifyAfter->setCheckable(true);
  verifyAfter->setChecked(radio_->VerifyAfterWriting());
  connect(verifyAfter, &QAction::toggled, this,
          [this](bool on) { radio_->SetVerifyAfterWriting(on); });
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

  editMenu_ = menuBar()->addMenu(tr("&Edit"));
  editMenu_->setObjectName(QStringLiteral("EditMenu"));
  undoAction_ = AddCommand(
      editMenu_, tr("&Undo"), QStringLiteral("EditUndo"), [this] { Undo(); },
      QKeySequence(Qt::CTRL | Qt::Key_Z));
  redoAction_ = AddCommand(
      editMenu_, tr("&Redo"), QStringLiteral("EditRedo"), [this] { Redo(); },
      QKeySequence(Qt::CTRL | Qt::Key_Y));
  redoAction_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  // The Edit menu is off while a menu page shows, where undo still has changes to take back.
  addAction(undoAction_);
  addAction(redoAction_);
  editMenu_->addSeparator();
  const std::array<std::tuple<const char*, const char*, EditCommand, QKeySequence>, 4> edits{{
      {"Cu&t", "EditCut", EditCommand::Cut, QKeySequence(Qt::CTRL | Qt::Key_X)},
      {"&Copy", "EditCopy", EditCommand::Copy, QKeySequence(Qt::CTRL | Qt::Key_C)},
      {"&Paste", "EditPaste", EditCommand::Paste, QKeySequence(Qt::CTRL | Qt::Key_V)},
      {"&Delete", "EditDelete", EditCommand::Delete, QKeySequence(Qt::CTRL | Qt::Key_Delete)},
  }};
  for (std::size_t i = 0; i < edits.size(); ++i) {
    const EditCommand command = std::get<2>(edits[i]);
    editActions_[i] = AddCommand(
        editMenu_, tr(std::get<0>(edits[i])), QString::fromLatin1(std::get<1>(edits[i])),
        [this, command] { RunEditCommand(command); }, std::get<3>(edits[i]));
  }
  editMenu_->addSeparator();
  rowActions_.insert = AddCommand(editMenu_, tr("&Insert Row"), QStringLiteral("EditInsertRow"),
                                  [this] { InsertRow(); });
  rowActions_.remove = AddCommand(editMenu_, tr("Remove Row"), QStringLiteral("EditRemoveRow"),
                                  [this] { RemoveRow(); });
  rowActions_.moveUp = AddCommand(
      editMenu_, tr("Move &Up"), QStringLiteral("EditMoveUp"), [this] { MoveRows(-1); },
      QKeySequence(Qt::ALT | Qt::Key_Up));
  rowActions_.moveDown = AddCommand(
      editMenu_, tr("Move Do&wn"), QStringLiteral("EditMoveDown"), [this] { MoveRows(1); },
      QKeySequence(Qt::ALT | Qt::Key_Down));
  rowActions_.changeSelected =
      AddCommand(editMenu_, tr("Change &Selected..."), QStringLiteral("EditChangeSelected"),
                 [this] { ChangeSelected(); });
  editMenu_->addSeparator();
  AddCommand(
      editMenu_, tr("&Find..."), QStringLiteral("EditFind"), [this] { OpenFind(); },
      QKeySequence(Qt::CTRL | Qt::Key_F));
  AddCommand(
      editMenu_, tr("Find &Next"), QStringLiteral("EditFindNext"), [this] { FindNext(); },
      QKeySequence(Qt::Key_F3));
  editMenu_->addSeparator();
  AddCommand(editMenu_, tr("Memory channel &Sort..."), QStringLiteral("EditSort"),
             [this] { SortMemoryChannels(); });

  QMenu* view = menuBar()->addMenu(tr("&View"));
  allColumnsAction_ = AddCommand(view, tr("All &Columns"), QStringLiteral("ViewAllColumns"),
                                 [this] { ShowAllColumns(); });
  allColumnsAction_->setCheckable(true);
  allColumnsAction_->setChecked(services_.settings->Value(kAllColumnsKey) == "1");

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  help_ = std::make_unique<HelpTopics>(*this, *services_.settings, *services_.messages,
                                       services_.guideCandidates, services_.openExternalUrl);
  AddCommand(
      help, tr("&Help Topics"), QStringLiteral("HelpTopics"), [this] { help_->Show(); },
      QKeySequence(Qt::Key_F1));
  AddCommand(help, tr("&Diagnostic Report..."), QStringLiteral("HelpDiagnosticReport"),
             services_.showDiagnosticReport)
      ->setEnabled(static_cast<bool>(services_.showDiagnosticReport));
  help->addSeparator();
  AddCommand(help, tr("&About..."), QStringLiteral("HelpAbout"), [this] { aboutBox_->exec(); });
}

void TMainForm::BuildToolBar() {
  QToolBar* bar = addToolBar(QStringLiteral("ToolBar1"));
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setMovable(false);
  bar->setIconSize(QSize(16, 16));
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  struct Button {
    const char* hint;
    const char* target;  // the menu command the button runs
    ToolPicture picture;
  };
  const std::array<Button, 11> buttons{{
      {"New", "FileNew", ToolPicture::New},
      {"Open", "FileOpen", ToolPicture::Open},
      {"Save", "FileSave", ToolPicture::Save},
      {"Print", "FilePrint", ToolPicture::Print},
      {"Read", "ReadAll", ToolPicture::Read},
      {"Write", "WriteAll", ToolPicture::Write},
      {"Cut", "EditCut", ToolPicture::Cut},
      {"Copy", "EditCopy", ToolPicture::Copy},
      {"Paste", "EditPaste", ToolPicture::Paste},
      {"Undo", "EditUndo", ToolPicture::Undo},
      {"Redo", "EditRedo", ToolPicture::Redo},
  }};
  for (const Button& b : buttons) {
    QAction* target = Action(QString::fromLatin1(b.target));
    const QString hint = tr(b.hint);
    QAction* button = bar->addAction(ToolIcon(b.picture), hint);
    button->setObjectName(QStringLiteral("Tool") + hint);
    button->setToolTip(ToolTip(hint, target));
    connect(button, &QAction::triggered, target, &QAction::trigger);
  }
  editToolButtons_ = {Action(QStringLiteral("ToolCut")), Action(QStringLiteral("ToolCopy")),
                      Action(QStringLiteral("ToolPaste"))};
  undoButton_ = Action(QStringLiteral("ToolUndo"));
  redoButton_ = Action(QStringLiteral("ToolRedo"));
  // Grouping like the original toolbar: file, radio, edit, then undo.
  bar->insertSeparator(Action(QStringLiteral("ToolRead")));
  bar->insertSeparator(Action(QStringLiteral("ToolCut")));
  bar->insertSeparator(undoButton_);
}

QGroupBox* TMainForm::BuildGrid(int number, const QString& caption, int visibleRows) {
  const auto i = static_cast<std::size_t>(number - 1);
  const auto grid = static_cast<quorvan::Grid>(number);
  auto* box = new QGroupBox(caption);
  box->setObjectName(QStringLiteral("GroupBox%1").arg(number));
  QStringList headers;
  for (int c = 0; c < ColumnCount(grid); ++c) {
    headers << QString::fromLatin1(HeaderText(grid, c).data(),
                                   static_cast<int>(HeaderText(grid, c).size()));
  }
  // The memory grid holds the setting columns too; All Columns shows them.
  if (grid == quorvan::Grid::Memory) {
    for (int c = kShiftColumn; c < kAllMemoryColumns; ++c) {
      const std::string_view header = MemorySettingHeader(c);
      headers << QString::fromLatin1(header.data(), static_cast<int>(header.size()));
    }
  }
  models_[i] = new GridModel(
      headers, [this, grid] { return DataRowCount(image_.Plan(), grid); },
      [this, grid](int row, int column) {
        if (column >= kShiftColumn) {
          return QString::fromStdString(MemorySettingText(image_, row, column));
        }
        return Display(CellText(image_, grid, row, column), image_.Plan().DestinationLetter());
      },
      this);
  auto* view = new GridView(number, box);
  view->setModel(models_[i]);
  view->SetAnyCharacterOpensEditor(number == 4);
  // Delete clears every selected row of the grids it acts on.
  if (number == 1 || number == 4) view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  // The memory grid grows with the window; the other three keep their size.
  view->SetVisibleRows(visibleRows, number == 1);
  grids_[i] = view;
  if (number == 1) {
    view->setItemDelegate(new ChoiceCellDelegate(view));
    models_[i]->SetEditing(
        [this](int, int column) {
          return allColumnsAction_->isChecked() && IsEditableMemoryColumn(column);
        },
        [this](int row, int column) {
          QStringList items;
          for (const std::string& choice : MemoryColumnChoices(image_, row, column)) {
            items << QString::fromStdString(choice);
          }
          return items;
        },
        [this](int row, int column, const QString& text) {
          // Stored once the cell editor has closed: the store refreshes the whole grid.
          QTimer::singleShot(0, this,
                             [this, row, column, text] { EditMemoryCell(row, column, text); });
        });
    ShowSettingColumns();
  }
  connect(view, &GridView::Entered, this, &TMainForm::OnGridEntered);
  connect(view, &GridView::Left, this, &TMainForm::OnGridLeft);
  connect(view, &GridView::EditorRequested, this, [this](int g, int row) { OpenEditor(g, row); });
  connect(view, &GridView::PopupRequested, this, &TMainForm::ShowGridPopup);
  connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this, number] {
    if (activeGrid_ == number) UpdateStatusBar();
  });

  popups_[i] = new QMenu(this);
  const bool cutAndDelete = number == 1 || number == 4;
  if (cutAndDelete) popups_[i]->addAction(editActions_[0]);
  popups_[i]->addAction(editActions_[1]);
  popups_[i]->addAction(editActions_[2]);
  if (cutAndDelete) popups_[i]->addAction(editActions_[3]);
  if (number == 1) {
    popups_[i]->addSeparator();
    popups_[i]->addActions({rowActions_.insert, rowActions_.remove, rowActions_.moveUp,
                            rowActions_.moveDown, rowActions_.changeSelected});
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
      if (activeGrid_ == 1) UpdateRowCommands();
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
  for (int n = 1; n <= kGridCount; ++n) {
    const GridLayoutInfo& grid = kGridLayouts[static_cast<std::size_t>(n - 1)];
    QGroupBox* box = BuildGrid(n, QString::fromLatin1(grid.caption), grid.visibleRows);
    if (n == 1) {
      grids->addWidget(box, 1);
    } else {
      smallGrids->addWidget(box, 0, Qt::AlignTop);
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
      new CommentValidator([this] { return image_.Plan().DestinationLetter(); }, comment_));
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
  setCentralWidget(central);
}

void TMainForm::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(true);
  const std::array<int, 4> widths{170, 50, 90, 50};
  for (std::size_t p = 0; p < statusPanels_.size(); ++p) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(p));
    panel->setFixedWidth(widths[p]);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    if (p == 1) panel->setAlignment(Qt::AlignCenter);
    bar->addWidget(panel);
    statusPanels_[p] = panel;
  }
}

void TMainForm::ApplyBandPlanLayout() {
  QFont names = DestinationFont(image_.Plan(), font());
  QFont plain = font();
  // The weight is set explicitly so the bold caption of a focused box does not reach its grid.
  names.setBold(false);
  plain.setBold(false);
  for (GridView* grid : grids_) grid->setFont(plain);
  grids_[0]->setFont(names);
  statusBar()->setFont(names);
  for (QLabel* panel : statusPanels_) panel->setFont(names);
  comment_->setFont(names);
  for (GridModel* model : models_) model->Refresh();
  FitColumns();
}

void TMainForm::ShowSettingColumns() {
  const bool shown = allColumnsAction_->isChecked();
  for (int c = kShiftColumn; c < kAllMemoryColumns; ++c) grids_[0]->setColumnHidden(c, !shown);
  // In the full table F2 or typing edits the current cell in place.
  grids_[0]->setEditTriggers(shown ? QAbstractItemView::EditKeyPressed |
                                         QAbstractItemView::AnyKeyPressed
                                   : QAbstractItemView::NoEditTriggers);
}

void TMainForm::ShowAllColumns() {
  ShowSettingColumns();
  FitColumns();
  services_.settings->SetValue(kAllColumnsKey, allColumnsAction_->isChecked() ? "1" : "0");
}

void TMainForm::FitColumns() {
  for (std::size_t i = 0; i < grids_.size(); ++i) {
    GridView* view = grids_[i];
    const int columns = view->FitColumns(kGridLayouts[i].widths);
    const int width = columns + 2 * view->frameWidth() +
                      view->verticalScrollBar()->sizeHint().width() + (i == 0 ? 20 : 30);
    if (i == 0) {
      view->setMinimumWidth(width);
    } else {
      view->setFixedWidth(width);
    }
  }
}

void TMainForm::RefreshView() {
  for (GridModel* model : models_) model->Refresh();
  radioMenuPages_->ShowMenu(image_.Menu(), image_.Plan());
  UpdateStatusBar();
}

void TMainForm::SetStatusTexts(const std::array<QString, 4>& texts) {
  for (std::size_t p = 0; p < statusPanels_.size(); ++p) statusPanels_[p]->setText(texts[p]);
}

void TMainForm::UpdateStatusBar() {
  if (pageControl_->currentIndex() != 0) return;
  statusBar()->clearMessage();
  const StatusPanels texts = StatusBarTexts(image_, static_cast<quorvan::Grid>(activeGrid_),
                                            activeGrid_ ? Grid(activeGrid_)->SelectedGridRow() : 0);
  std::array<QString, 4> shown;
  for (std::size_t p = 0; p < shown.size(); ++p) {
    shown[p] = Display(texts[p], image_.Plan().DestinationLetter());
  }
  SetStatusTexts(shown);
}

void TMainForm::OnGridEntered(int grid) {
  activeGrid_ = grid;
  // Find and Undo make a grid the active one without its focus, so no Left came for the last.
  for (QGroupBox* box : gridBoxes_) {
    QFont font = box->font();
    font.setBold(box == gridBoxes_[static_cast<std::size_t>(grid - 1)]);
    box->setFont(font);
  }
  UpdateEditCommands();
  UpdateStatusBar();
}

void TMainForm::OnGridLeft(int grid) {
  QGroupBox* box = gridBoxes_[static_cast<std::size_t>(grid - 1)];
  QFont normal = box->font();
  normal.setBold(false);
  box->setFont(normal);
}

void TMainForm::OnPageChanged(int index) {
  const bool memoryPage = index == 0;
  editMenu_->menuAction()->setEnabled(memoryPage);
  editToolButtons_[0]->setEnabled(memoryPage);
  editToolButtons_[1]->setEnabled(memoryPage);
  if (memoryPage) {
    UpdateEditCommands();
    UpdateStatusBar();
  } else {
    editToolButtons_[2]->setEnabled(false);
    SetStatusTexts({});
  }
}

void TMainForm::ShowGridPopup(int grid, const QPoint& globalPos) {
  popups_[static_cast<std::size_t>(grid - 1)]->popup(globalPos);
}

void TMainForm::RunEditCommand(EditCommand command) {
  clipboard_->Run(command);
  switch (command) {
    case EditCommand::Cut:
      RowsChanged("Cut");
      break;
    case EditCommand::Paste:
      RowsChanged("Paste into");
      break;
    case EditCommand::Delete:
      RowsChanged("Delete");
      break;
    case EditCommand::Copy:
      break;
  }
}

void TMainForm::UpdateEditCommands() {
  clipboard_->UpdateEditCommands();
  UpdateRowCommands();
}

}  // namespace quorvan
