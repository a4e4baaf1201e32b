// Every kind of change through the window and its undo and redo, new documents reaching every
// view, the history's clean state and resets, the growing window and its remembered place, the
// tool buttons and Find.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QtTest>
#include <functional>
#include <optional>

#include "app/EditorDialogs.h"
#include "core/files/DocumentFile.h"
#include "core/model/WindowSizeSetting.h"
#include "core/rules/MemoryColumns.h"
#include "gui/csv/CsvCommands.h"
#include "gui/mainwindow/FindBar.h"
#include "gui/mainwindow/GridModel.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/MainFormFixture.h"
#include "gui/mainwindow/ToolIcons.h"
#include "gui/mainwindow/WindowSteps.h"

namespace quorvan {

namespace {

using testing::AnswerModal;
using testing::Channel;
using testing::Child;
using testing::Enter;
using testing::EnterRows;
using testing::PutOnClipboard;
using testing::ScriptedCsvDialogs;

// A window with the real editors, opened on a file that holds a few channels.
struct HistoryFixture : MainFormFixture {
  ScriptedMessages editorMessages;
  ScriptedCsvDialogs csv;
  QString report;
  QString opened;

  HistoryFixture() {
    settings.SetValue("Type", "KK,0F");
    adjustServices = [this](MainFormServices& s) {
      s.makeEditors = EditorDialogsFactory(editorMessages);
      s.csvDialogs = &csv;
      s.showReport = [this](const QString&, const QString& text, const QString&) {
        report = text;
        return false;
      };
    };
    Create();
    RadioImage image = form->Image();
    image.Store(SlotKind::Memory, 3, Channel(3, "00146520000", "SIMPLEX"));
    image.Store(SlotKind::Memory, 4, Channel(4, "00145500000", "Club"));
    image.Store(SlotKind::Memory, 9, Channel(9, "00144390000", "APRS"));
    image.Store(SlotKind::Dtmf, 2, "02,123,HOME");
    image.SetComment("start");
    opened = Path(QStringLiteral("start.qvx"));
    if (!SaveDocumentFile(opened.toStdString(), image, nullptr)) qFatal("cannot write a file");
    form->OpenCommandLine({opened});
  }

  // The document as Save would write it.
  QByteArray Saved(const QString& name) {
    const QString path = Path(name);
    if (!SaveDocumentFile(path.toStdString(), form->Image(), nullptr)) return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QString UndoText() const { return form->Action(MainCommand::EditUndo)->text(); }
  void Trigger(MainCommand command) { form->Action(command)->trigger(); }
  void Press(MainCommand command) { form->ToolButton(command)->trigger(); }
};

using Change = std::function<void(HistoryFixture&)>;

// Where a change shows: a cell of a grid, or a control of the window by its object name.
struct Spot {
  Grid grid = Grid::None;
  int row = 0;  // grid row
  int column = 0;
  const char* control = nullptr;
};

Spot Cell(Grid grid, int row, int column) { return {grid, row, column, nullptr}; }
Spot Control(const char* name) { return {Grid::None, 0, 0, name}; }

// What the window shows at the spot.
QString Shown(TMainForm& form, const Spot& spot) {
  if (spot.grid != Grid::None) {
    const QAbstractItemModel* model = form.GridOf(spot.grid)->model();
    return model->index(ModelRowOfGridRow(spot.row), spot.column).data().toString();
  }
  QWidget* widget = form.findChild<QWidget*>(QString::fromLatin1(spot.control));
  if (!widget) qFatal("no control %s", spot.control);
  if (auto* check = qobject_cast<QCheckBox*>(widget)) {
    return check->isChecked() ? QStringLiteral("ticked") : QStringLiteral("clear");
  }
  if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
  if (auto* list = qobject_cast<QComboBox*>(widget)) return list->currentText();
  if (auto* slider = qobject_cast<QSlider*>(widget)) return QString::number(slider->value());
  for (const QRadioButton* button : widget->findChildren<QRadioButton*>()) {
    if (button->isChecked()) return button->text();
  }
  return QStringLiteral("nothing chosen");
}

// The grid rows a grid's model told its view to show again, since the last Clear.
class ToldRows {
 public:
  explicit ToldRows(const QAbstractItemModel* model) {
    QObject::connect(
        model, &QAbstractItemModel::dataChanged, &context_,
        [this](const QModelIndex& first, const QModelIndex& last) {
          spans_.append({GridRowOfModelRow(first.row()), GridRowOfModelRow(last.row())});
        });
    QObject::connect(model, &QAbstractItemModel::modelReset, &context_, [this] { all_ = true; });
  }
  bool Told(int row) const {
    if (all_) return true;
    for (const auto& [first, last] : spans_) {
      if (row >= first && row <= last) return true;
    }
    return false;
  }
  void Clear() {
    spans_.clear();
    all_ = false;
  }

 private:
  QObject context_;
  QList<std::pair<int, int>> spans_;
  bool all_ = false;
};

}  // namespace

class MainFormHistoryTest : public QObject {
  Q_OBJECT

 private slots:
  void everyKindOfChangeUndoesAndRedoesByteForByte_data();
  void everyKindOfChangeUndoesAndRedoesByteForByte();
  void everyNewDocumentReachesEveryView_data();
  void everyNewDocumentReachesEveryView();
  void modifiedAndTheChangeMarkFollowTheSavedState();
  void newOpenAndReadStartAFreshHistoryAndWriteDoesNot();
  void changesThatStoreNothingMakeNoStep();
  void undoWhileAnEditorIsOpenShowsTheRestoredRecord();
  void historyKeepsTheNewestThousandSteps();
  void memoryGridTakesTheRoomOfAGrowingWindow();
  void placeIsRememberedUnlessItIsOffEveryScreen_data();
  void placeIsRememberedUnlessItIsOffEveryScreen();
  void toolButtonsHaveIconsAndNameTheirShortcut();
  void findSelectsMatchingChannelsAndWraps();
};

// Every kind of change the user makes: each is exactly one step, marks the document
// modified, shows at once where it changed, and undo and redo give back the file byte for
// byte, shown again where it changed.
void MainFormHistoryTest::everyKindOfChangeUndoesAndRedoesByteForByte_data() {
  QTest::addColumn<Change>("change");
  QTest::addColumn<QString>("undoText");
  QTest::addColumn<Spot>("spot");  // where the change shows
  QTest::addColumn<Grid>("grid");  // the grid whose row the undo selects, if any
  QTest::addColumn<int>("row");
  const auto memoryName = [](int row) { return Cell(Grid::Memory, row, kNameColumn); };
  QTest::newRow("paste") << Change([](HistoryFixture& f) {
    PutOnClipboard(Channel(3, "00146520000", "SIMPLEX"));
    Enter(*f.form, Grid::Memory, 13);
    f.form->UpdateEditCommands();
    f.Trigger(MainCommand::EditPaste);
  }) << "&Undo Paste into 012"
                         << memoryName(13) << Grid::Memory << 13;
  QTest::newRow("paste of several rows") << Change([](HistoryFixture& f) {
    PutOnClipboard(Channel(3, "00146520000", "SIMPLEX") + '\0' + Channel(4, "00145500000", "Club"));
    Enter(*f.form, Grid::Memory, 13);
    f.form->UpdateEditCommands();
    f.Trigger(MainCommand::EditPaste);
  }) << "&Undo Paste into (2 rows)" << memoryName(14)
                                         << Grid::Memory << 13;
  QTest::newRow("cut of several rows") << Change([](HistoryFixture& f) {
    EnterRows(*f.form, 4, 5);
    f.Trigger(MainCommand::EditCut);
  }) << "&Undo Cut (2 rows)" << memoryName(5)
                                       << Grid::Memory << 4;
  QTest::newRow("cut") << Change([](HistoryFixture& f) {
    Enter(*f.form, Grid::Memory, 5);
    f.Press(MainCommand::EditCut);
  }) << "&Undo Cut 004" << memoryName(5)
                       << Grid::Memory << 5;
  QTest::newRow("delete of several rows is one step") << Change([](HistoryFixture& f) {
    GridView* grid = f.form->GridOf(Grid::Memory);
    Enter(*f.form, Grid::Memory, 4);
    grid->selectionModel()->select(
        QItemSelection(grid->model()->index(3, 0), grid->model()->index(9, 3)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    f.Trigger(MainCommand::EditDelete);
  }) << "&Undo Delete (3 rows)" << memoryName(10) << Grid::Memory
                                                      << 4;
  QTest::newRow("delete of a DTMF memory") << Change([](HistoryFixture& f) {
    Enter(*f.form, Grid::Dtmf, 3);
    f.Trigger(MainCommand::EditDelete);
  }) << "&Undo Delete DTMF 2" << Cell(Grid::Dtmf, 3, kValueColumn)
                                           << Grid::Dtmf << 3;
  QTest::newRow("insert row") << Change([](HistoryFixture& f) {
    Enter(*f.form, Grid::Memory, 5);
    f.Trigger(MainCommand::EditInsertRow);
  }) << "&Undo Insert Row at 004"
                              << memoryName(5) << Grid::Memory << 5;
  QTest::newRow("remove row") << Change([](HistoryFixture& f) {
    Enter(*f.form, Grid::Memory, 4);
    f.Trigger(MainCommand::EditRemoveRow);
  }) << "&Undo Remove Row 003" << memoryName(4)
                              << Grid::Memory << 4;
  QTest::newRow("move rows") << Change([](HistoryFixture& f) {
    EnterRows(*f.form, 4, 5);
    f.Trigger(MainCommand::EditMoveDown);
  }) << "&Undo Move Down 003-004"
                             << memoryName(4) << Grid::Memory << 4;
  QTest::newRow("change selected") << Change([](HistoryFixture& f) {
    EnterRows(*f.form, 4, 6);  // slot 5 is empty and stays so
    AnswerModal(
        [](QWidget* d) {
          Child<QAbstractButton>(d, "CheckBox_Mode")->click();
          Child<QComboBox>(d, "ComboBox_Mode")->setCurrentIndex(2);
          Child<QAbstractButton>(d, "Button_OK")->click();
        },
        [&] { f.Trigger(MainCommand::EditChangeSelected); });
  }) << "&Undo Change Selected (2 rows)"
                                   << Cell(Grid::Memory, 5, kModeColumn) << Grid::Memory << 4;
  QTest::newRow("cell of the full table") << Change([](HistoryFixture& f) {
    f.Trigger(MainCommand::ViewAllColumns);
    QAbstractItemModel* model = f.form->GridOf(Grid::Memory)->model();
    QVERIFY(model->setData(model->index(3, kNameColumn), QStringLiteral("CELL")));
    QTest::qWait(0);  // stored once the cell's editor has closed
  }) << "&Undo Edit 003" << memoryName(4) << Grid::Memory
                                          << 4;
  QTest::newRow("sort") << Change([](HistoryFixture& f) {
    AnswerModal(
        [](QWidget* d) {
          Child<QAbstractButton>(d, "RadioButton_Name")->click();
          Child<QAbstractButton>(d, "Button_Sort")->click();
        },
        [&] { f.Trigger(MainCommand::EditSort); });
  }) << "&Undo Sort by Memory Name"
                        << memoryName(1) << Grid::Memory << 1;
  QTest::newRow("csv import") << Change([](HistoryFixture& f) {
    f.csv.openName = QStringLiteral(QUORVAN_CSV_DATA_DIR "/dualband-repeaters.csv");
    f.Trigger(MainCommand::FileImportCsv);
  }) << "&Undo Import CSV (%1 rows)"  // as many as the report says
                              << memoryName(1) << Grid::Memory << 1;
  QTest::newRow("csv import in file order") << Change([](HistoryFixture& f) {
    f.form->GridOf(Grid::Memory)->SelectGridRow(381);
    f.csv.inFileOrder = true;
    f.csv.openName = QStringLiteral(QUORVAN_CSV_DATA_DIR "/dualband-repeaters.csv");
    f.Trigger(MainCommand::FileImportCsv);
  }) << "&Undo Import CSV (%1 rows)" << memoryName(381)
                                            << Grid::Memory << 381;
  QTest::newRow("memory editor") << Change([](HistoryFixture& f) {
    AnswerModal(
        [](QWidget* d) {
          auto* rx = Child<QLineEdit>(d, "Edit1");
          rx->selectAll();
          QTest::keyClicks(rx, "145.5");
          Child<QAbstractButton>(d, "Button2")->click();
        },
        [&] { emit f.form->GridOf(Grid::Memory)->EditorRequested(Grid::Memory, 21); });
  }) << "&Undo Edit 020" << Cell(Grid::Memory, 21, kValueColumn)
                                 << Grid::Memory << 21;
  // The range and the frequency of one OK are one step.
  QTest::newRow("VFO editor with its range") << Change([](HistoryFixture& f) {
    AnswerModal(
        [](QWidget* d) {
          auto* lower = Child<QLineEdit>(d, "Edit3");
          lower->selectAll();
          QTest::keyClicks(lower, "145");
          auto* rx = Child<QLineEdit>(d, "Edit1");
          rx->selectAll();
          QTest::keyClicks(rx, "146");
          Child<QAbstractButton>(d, "Button2")->click();
        },
        [&] { emit f.form->GridOf(Grid::Vfo)->EditorRequested(Grid::Vfo, 1); });
    QCOMPARE(std::string(f.form->Image().ProgramVfo(0).Lower()), std::string("00145"));
  }) << "&Undo Edit VFO A_144MHz" << Cell(Grid::Vfo, 1, kValueColumn)
                                             << Grid::Vfo << 1;
  QTest::newRow("CALL editor") << Change([](HistoryFixture& f) {
    AnswerModal(
        [](QWidget* d) {
          auto* rx = Child<QLineEdit>(d, "Edit1");
          rx->selectAll();
          QTest::keyClicks(rx, "145");
          Child<QAbstractButton>(d, "Button2")->click();
        },
        [&] { emit f.form->GridOf(Grid::Call)->EditorRequested(Grid::Call, 1); });
  }) << "&Undo Edit CALL 144MHz"
                               << Cell(Grid::Call, 1, kValueColumn) << Grid::Call << 1;
  QTest::newRow("DTMF editor") << Change([](HistoryFixture& f) {
    AnswerModal(
        [](QWidget* d) {
          auto* code = Child<QLineEdit>(d, "Edit1");
          code->selectAll();
          QTest::keyClicks(code, "999");
          Child<QAbstractButton>(d, "Button2")->click();
        },
        [&] { emit f.form->GridOf(Grid::Dtmf)->EditorRequested(Grid::Dtmf, 3); });
  }) << "&Undo Edit DTMF 2" << Cell(Grid::Dtmf, 3, kValueColumn)
                               << Grid::Dtmf << 3;
  QTest::newRow("menu check box") << Change([](HistoryFixture& f) {
    f.form->findChild<QCheckBox*>(QStringLiteral("CheckBox_Lock"))->click();
  }) << "&Undo Change Lock" << Control("CheckBox_Lock")
                                  << Grid::None << 0;
  QTest::newRow("menu choice of buttons") << Change([](HistoryFixture& f) {
    f.form->findChild<QRadioButton*>(QStringLiteral("RadioGroup_Battery_1"))->click();
  }) << "&Undo Change Battery" << Control("RadioGroup_Battery")
                                          << Grid::None << 0;
  QTest::newRow("menu list") << Change([](HistoryFixture& f) {
    auto* list = f.form->findChild<QComboBox*>(QStringLiteral("ComboBox_Save"));
    list->setCurrentIndex(7);
    emit list->activated(7);
  }) << "&Undo Change Battery Saver"
                             << Control("ComboBox_Save") << Grid::None << 0;
  QTest::newRow("menu slider") << Change([](HistoryFixture& f) {
    auto* balance = f.form->findChild<QSlider*>(QStringLiteral("TrackBer_Bal"));
    QTest::keyClick(balance, Qt::Key_End);
  }) << "&Undo Change Balance" << Control("TrackBer_Bal")
                               << Grid::None << 0;
  QTest::newRow("menu group link") << Change([](HistoryFixture& f) {
    f.form->findChild<QCheckBox*>(QStringLiteral("CheckBox_3"))->click();
  }) << "&Undo Change Memory Group Link"
                                   << Control("CheckBox_3") << Grid::None << 0;
  QTest::newRow("typing a power-on message is one step") << Change([](HistoryFixture& f) {
    auto* message = f.form->findChild<QLineEdit*>(QStringLiteral("Edit_Pom"));
    message->setFocus();
    QTest::keyClick(message, Qt::Key_Backspace);
    QTest::keyClicks(message, "?");
  }) << "&Undo Change Power on Message" << Control("Edit_Pom")
                                                         << Grid::None << 0;
  QTest::newRow("typing a comment is one step") << Change([](HistoryFixture& f) {
    auto* comment = f.form->findChild<QLineEdit*>(QStringLiteral("Edit2"));
    comment->setFocus();
    QTest::keyClicks(comment, " of the field day");
  }) << "&Undo Edit Comment" << Control("Edit2") << Grid::None
                                                << 0;
}

void MainFormHistoryTest::everyKindOfChangeUndoesAndRedoesByteForByte() {
  QFETCH(Change, change);
  QFETCH(QString, undoText);  // copied: the CSV row fills in its count
  QFETCH(Spot, spot);
  QFETCH(Grid, grid);
  QFETCH(int, row);
  HistoryFixture f;
  f.form->show();
  QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
  const QByteArray before = f.Saved("before.qvx");
  const QString shownBefore = Shown(*f.form, spot);
  std::optional<ToldRows> told;
  if (spot.grid != Grid::None) told.emplace(f.form->GridOf(spot.grid)->model());
  // The view was told of the change where it shows, not only asked afterwards.
  const auto toldHere = [&] {
    const bool was = !told || told->Told(spot.row);
    if (told) told->Clear();
    return was;
  };

  change(f);
  const QByteArray after = f.Saved("after.qvx");
  QVERIFY(after != before);
  if (undoText.contains(QStringLiteral("%1"))) undoText = undoText.arg(f.report.section(' ', 0, 0));
  QCOMPARE(f.UndoText(), undoText);
  QCOMPARE(f.form->Document().History().StepCount(), std::size_t{1});
  QVERIFY(f.form->Document().Modified());
  QVERIFY(ShownTitle(*f.form).endsWith('*'));
  const QString shownAfter = Shown(*f.form, spot);
  QVERIFY2(shownAfter != shownBefore, qPrintable(shownAfter));
  QVERIFY(toldHere());

  f.Press(MainCommand::EditUndo);
  QCOMPARE(f.Saved("undone.qvx"), before);
  QVERIFY(!f.form->Document().Modified());
  QCOMPARE(f.form->Action(MainCommand::EditRedo)->text(),
           QStringLiteral("&Redo") + undoText.mid(5));
  if (grid != Grid::None) {
    QCOMPARE(f.form->ActiveGrid(), grid);
    QCOMPARE(f.form->GridOf(grid)->SelectedGridRow(), row);
  }
  QCOMPARE(Shown(*f.form, spot), shownBefore);
  QVERIFY(toldHere());
  // The views show the restored document: the comment line and the memory grid's cells.
  QCOMPARE(f.form->findChild<QLineEdit*>(QStringLiteral("Edit2"))->text(),
           QString::fromStdString(f.form->Image().Comment()));
  QCOMPARE(Shown(*f.form, Cell(Grid::Memory, 4, kNameColumn)), QStringLiteral("SIMPLEX"));

  f.Press(MainCommand::EditRedo);
  QCOMPARE(f.Saved("redone.qvx"), after);
  QVERIFY(f.form->Document().Modified());
  QVERIFY(!f.form->Action(MainCommand::EditRedo)->isEnabled());
  QCOMPARE(Shown(*f.form, spot), shownAfter);
  QVERIFY(toldHere());
}

// Open, New and a read replace the document: every view shows the new one, and there is no
// step to undo.
void MainFormHistoryTest::everyNewDocumentReachesEveryView_data() {
  QTest::addColumn<Change>("replace");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<bool>("modified");
  QTest::addColumn<QString>("name");  // memory channel 003
  QTest::addColumn<QString>("lock");
  QTest::addColumn<QString>("comment");
  QTest::newRow("open") << Change([](HistoryFixture& f) {
    RadioImage image = f.form->Image();
    image.Store(SlotKind::Memory, 3, Channel(3, "00146520000", "OTHER"));
    image.Menu().Set(kMenuLK, "1");
    image.SetComment("other");
    f.files.names = {f.Path(QStringLiteral("other.qvx"))};
    QVERIFY(SaveDocumentFile(f.files.names.front().toStdString(), image, nullptr));
    f.Trigger(MainCommand::FileOpen);
  }) << "Quorvan [%1/other.qvx]"
                        << false << "OTHER"
                        << "ticked"
                        << "other";
  QTest::newRow("new") << Change([](HistoryFixture& f) { f.Trigger(MainCommand::FileNew); })
                       << "Quorvan [Untitled]" << false << ""
                       << "clear"
                       << "";
  // The radio keeps no comment: the document's stays.
  QTest::newRow("read") << Change([](HistoryFixture& f) {
    RadioImage held = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
    held.Store(SlotKind::Memory, 3, Channel(3, "00146520000", "RADIO"));
    held.Menu().Set(kMenuLK, "1");
    f.transfers.radio = testing::ScriptedRadio(held);
    f.Trigger(MainCommand::ReadAll);
  }) << "Quorvan [Radio]*"
                        << true << "RADIO"
                        << "ticked"
                        << "start";
}

void MainFormHistoryTest::everyNewDocumentReachesEveryView() {
  QFETCH(Change, replace);
  QFETCH(QString, caption);
  QFETCH(bool, modified);
  QFETCH(QString, name);
  QFETCH(QString, lock);
  QFETCH(QString, comment);
  HistoryFixture f;
  Enter(*f.form, Grid::Memory, 5);
  f.Trigger(MainCommand::EditCut);  // a step the new document must not offer to undo
  ToldRows told(f.form->GridOf(Grid::Memory)->model());
  f.messages.answers = {Answer::No};  // the cut is not saved
  replace(f);
  QCOMPARE(ShownTitle(*f.form), caption.arg(f.dir.path()));
  QCOMPARE(f.form->Document().Modified(), modified);
  QVERIFY(!f.form->Document().History().CanUndo());
  // Of a read only the read itself can be undone; of the others nothing.
  const bool read = f.form->Document().FromRadio();
  QCOMPARE(f.form->Action(MainCommand::EditUndo)->isEnabled(), read);
  QCOMPARE(f.form->Action(MainCommand::EditUndo)->text(),
           read ? QStringLiteral("&Undo Read") : QStringLiteral("&Undo"));
  QVERIFY(told.Told(4));
  QCOMPARE(Shown(*f.form, Cell(Grid::Memory, 4, kNameColumn)), name);
  QCOMPARE(Shown(*f.form, Control("CheckBox_Lock")), lock);
  QCOMPARE(Shown(*f.form, Control("Edit2")), comment);
}

void MainFormHistoryTest::modifiedAndTheChangeMarkFollowTheSavedState() {
  HistoryFixture f;
  const QString caption = QStringLiteral("Quorvan [") + f.opened + ']';
  QCOMPARE(ShownTitle(*f.form), caption);
  QVERIFY(!f.form->Action(MainCommand::EditUndo)->isEnabled());
  QVERIFY(!f.form->ToolButton(MainCommand::EditUndo)->isEnabled());

  Enter(*f.form, Grid::Memory, 5);
  f.form->Action(MainCommand::EditCut)->trigger();
  QCOMPARE(ShownTitle(*f.form), caption + '*');
  QCOMPARE(f.form->ToolButton(MainCommand::EditUndo)->toolTip(),
           QStringLiteral("Undo Cut 004 (Ctrl+Z)"));
  f.form->Action(MainCommand::EditUndo)->trigger();
  QCOMPARE(ShownTitle(*f.form), caption);
  QVERIFY(!f.form->Document().Modified());
  QVERIFY(f.form->close());  // nothing to save: no prompt
  QCOMPARE(f.messages.shown.size(), 0);

  f.form->Action(MainCommand::EditRedo)->trigger();
  QVERIFY(f.form->Document().Modified());
  f.form->Action(MainCommand::FileSave)->trigger();  // saved with the cut
  QCOMPARE(ShownTitle(*f.form), caption);
  f.form->Action(MainCommand::EditUndo)->trigger();  // away from the saved state again
  QCOMPARE(ShownTitle(*f.form), caption + '*');
  f.messages.answers = {Answer::Cancel};
  QVERIFY(!f.form->close());
  QCOMPARE(f.messages.shown.size(), 1);
  f.form->Action(MainCommand::EditRedo)->trigger();
  QVERIFY(!f.form->Document().Modified());
}

void MainFormHistoryTest::newOpenAndReadStartAFreshHistoryAndWriteDoesNot() {
  HistoryFixture f;
  const auto cut = [&f] {
    Enter(*f.form, Grid::Memory, 5);
    f.form->Action(MainCommand::EditCut)->trigger();
    QVERIFY(f.form->Document().History().CanUndo());
  };
  cut();
  f.messages.answers = {Answer::Yes};  // write to the radio
  f.form->Action(MainCommand::WriteAll)->trigger();
  QCOMPARE(f.transfers.writes.size(), 1);
  QVERIFY(f.form->Document().History().CanUndo());

  f.messages.answers = {Answer::No};
  f.form->Action(MainCommand::FileNew)->trigger();
  QVERIFY(!f.form->Document().History().CanUndo());
  QVERIFY(!f.form->Document().Modified());

  f.form->OpenCommandLine({f.opened});
  cut();
  f.messages.answers = {Answer::No};
  f.files.names = {f.opened};
  f.form->Action(MainCommand::FileOpen)->trigger();
  QVERIFY(!f.form->Document().History().CanUndo());

  cut();
  f.messages.answers = {Answer::No};
  f.form->Action(MainCommand::ReadAll)->trigger();
  QCOMPARE(f.transfers.reads.size(), 1);
  QVERIFY(!f.form->Document().History().CanUndo());
  // A read is saved nowhere: modified whatever is done or undone after it.
  QVERIFY(f.form->Document().Modified());
  Enter(*f.form, Grid::Memory, 5);
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 4, Channel(4, "00145500000", "Club"));
  });
  f.form->Action(MainCommand::EditUndo)->trigger();
  QVERIFY(f.form->Document().Modified());
}

void MainFormHistoryTest::changesThatStoreNothingMakeNoStep() {
  HistoryFixture f;
  // "Invalid function.": Cut on the VFO grid.
  Enter(*f.form, Grid::Vfo, 1);
  f.form->RunEditCommand(EditCommand::Cut);
  QCOMPARE(f.messages.Texts(), QStringList{"Invalid function."});
  // A store the editor refuses.
  AnswerModal(
      [](QWidget* d) {
        auto* rx = Child<QLineEdit>(d, "Edit1");
        rx->selectAll();
        QTest::keyClicks(rx, "1.2.3");
        Child<QAbstractButton>(d, "Button2")->click();  // refused: the dialog stays
        Child<QAbstractButton>(d, "Button1")->click();
      },
      [&] { emit f.form->GridOf(Grid::Memory)->EditorRequested(Grid::Memory, 4); });
  QVERIFY(f.editorMessages.Texts().contains("Invalid Frequency.\nPlease check and try again."));
  // A menu page shown again and a Copy change nothing either.
  Enter(*f.form, Grid::Memory, 4);
  f.form->Action(MainCommand::EditCopy)->trigger();
  f.form->PageControl()->setCurrentIndex(1);
  f.form->PageControl()->setCurrentIndex(0);
  QVERIFY(!f.form->Document().History().CanUndo());
  QVERIFY(!f.form->Document().Modified());
}

void MainFormHistoryTest::undoWhileAnEditorIsOpenShowsTheRestoredRecord() {
  HistoryFixture f;
  PutOnClipboard(Channel(0, "00147000000", "PASTED"));
  Enter(*f.form, Grid::Memory, 5);
  f.form->UpdateEditCommands();
  f.form->Action(MainCommand::EditPaste)->trigger();
  QString shownAfterPaste;
  QString shownAfterUndo;
  AnswerModal(
      [&](QWidget* d) {
        auto* rx = Child<QLineEdit>(d, "Edit1");
        shownAfterPaste = rx->text();
        // The window's command reaches the open editor, as Ctrl+Z does there.
        QVERIFY(d->actions().contains(f.form->Action(MainCommand::EditUndo)));
        f.form->Action(MainCommand::EditUndo)->trigger();
        shownAfterUndo = rx->text();
        Child<QAbstractButton>(d, "Button1")->click();
      },
      [&] { emit f.form->GridOf(Grid::Memory)->EditorRequested(Grid::Memory, 5); });
  QCOMPARE(shownAfterPaste, QStringLiteral("147.000"));
  QCOMPARE(shownAfterUndo, QStringLiteral("145.500"));
  QCOMPARE(f.form->GridOf(Grid::Memory)->model()->index(4, 2).data().toString(),
           QStringLiteral("145.500"));
}

void MainFormHistoryTest::historyKeepsTheNewestThousandSteps() {
  HistoryFixture f;
  auto* lock = f.form->findChild<QCheckBox*>(QStringLiteral("CheckBox_Lock"));
  const bool was = lock->isChecked();
  for (int n = 0; n < 1001; ++n) lock->click();  // each click is a step of its own
  QCOMPARE(f.form->Document().History().StepCount(), std::size_t{1000});
  for (int n = 0; n < 1000; ++n) f.form->Action(MainCommand::EditUndo)->trigger();
  QVERIFY(!f.form->Action(MainCommand::EditUndo)->isEnabled());
  QCOMPARE(lock->isChecked(), !was);  // the first click went with the oldest step
  QVERIFY(f.form->Document().Modified());
}

void MainFormHistoryTest::memoryGridTakesTheRoomOfAGrowingWindow() {
  HistoryFixture f;
  f.form->show();
  QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
  const QSize opened = f.form->size();
  const QSize memory = f.form->GridOf(Grid::Memory)->size();
  const QSize vfo = f.form->GridOf(Grid::Vfo)->size();
  f.form->resize(opened + QSize(300, 200));
  // The width goes to the memory grid; the height to it and to the small lists beside it.
  QTRY_COMPARE(f.form->GridOf(Grid::Memory)->size(), memory + QSize(300, 200));
  QCOMPARE(f.form->GridOf(Grid::Vfo)->width(), vfo.width());
  QVERIFY(f.form->GridOf(Grid::Vfo)->height() > vfo.height());

  // Columns are at least as wide as their contents and can be dragged wider.
  GridView* grid = f.form->GridOf(Grid::Memory);
  for (int c = 0; c < 3; ++c) {
    QVERIFY(grid->columnWidth(c) >= grid->horizontalHeader()->sectionSizeHint(c));
    QCOMPARE(grid->horizontalHeader()->sectionResizeMode(c), QHeaderView::Interactive);
  }
}

void MainFormHistoryTest::placeIsRememberedUnlessItIsOffEveryScreen_data() {
  QTest::addColumn<QString>("stored");
  QTest::addColumn<bool>("restored");
  QTest::addColumn<bool>("maximized");
  QTest::newRow("on the screen") << "40,30,700x600" << true << false;
  QTest::newRow("maximized") << "40,30,700x600,maximized" << true << true;
  QTest::newRow("off every screen") << "5000,4000,900x700" << false << false;
  QTest::newRow("left of every screen") << "-5000,30,900x700" << false << false;
  QTest::newRow("not a place") << "forty,30,900x700" << false << false;
}

void MainFormHistoryTest::placeIsRememberedUnlessItIsOffEveryScreen() {
  QFETCH(QString, stored);
  QFETCH(bool, restored);
  QFETCH(bool, maximized);
  MainFormFixture f;
  f.settings.SetValue(kMainWindowGeometrySetting, stored.toStdString());
  f.Create();
  QCOMPARE(f.form->RestoreGeometry(), restored);
  f.form->show();
  QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
  QCOMPARE(f.form->isMaximized(), maximized);
  if (restored && !maximized) QCOMPARE(f.form->geometry(), QRect(40, 30, 700, 600));

  // Closing keeps where the window is now, and a new window goes back there.
  f.form->setWindowState(Qt::WindowNoState);
  f.form->setGeometry(60, 50, 720, 620);
  QTRY_COMPARE(f.form->geometry(), QRect(60, 50, 720, 620));
  QVERIFY(f.form->close());
  QCOMPARE(QString::fromStdString(f.settings.Value(kMainWindowGeometrySetting)),
           QStringLiteral("60,50,720x620"));
}

void MainFormHistoryTest::toolButtonsHaveIconsAndNameTheirShortcut() {
  MainFormFixture f;
  f.Create();
  struct Tip {
    MainCommand command;
    const char* name;
    const char* tip;
  };
  const QList<Tip> tips{
      {MainCommand::FileNew, "ToolNew", "New (Ctrl+N)"},
      {MainCommand::FileOpen, "ToolOpen", "Open (Ctrl+O)"},
      {MainCommand::FileSave, "ToolSave", "Save (Ctrl+S)"},
      {MainCommand::FilePrint, "ToolPrint", "Print"},
      {MainCommand::ReadAll, "ToolRead", "Read"},
      {MainCommand::WriteAll, "ToolWrite", "Write"},
      {MainCommand::EditCut, "ToolCut", "Cut (Ctrl+X)"},
      {MainCommand::EditCopy, "ToolCopy", "Copy (Ctrl+C)"},
      {MainCommand::EditPaste, "ToolPaste", "Paste (Ctrl+V)"},
      {MainCommand::EditUndo, "ToolUndo", "Undo (Ctrl+Z)"},
      {MainCommand::EditRedo, "ToolRedo", "Redo (Ctrl+Y)"},
  };
  auto* bar = f.form->findChild<QToolBar*>(QStringLiteral("ToolBar1"));
  QList<QAction*> buttons;
  for (QAction* a : bar->actions()) {
    if (!a->isSeparator()) buttons << a;
  }
  QCOMPARE(buttons.size(), tips.size());
  for (int i = 0; i < tips.size(); ++i) {
    QCOMPARE(buttons[i], f.form->ToolButton(tips[i].command));
    QCOMPARE(buttons[i]->objectName(), QString::fromLatin1(tips[i].name));
    QCOMPARE(buttons[i]->toolTip(), QString::fromLatin1(tips[i].tip));
    QVERIFY2(!buttons[i]->icon().isNull(), tips[i].name);
  }
  // Without a theme the drawings stand in, and no two commands look alike.
  const QList<ToolPicture> pictures{ToolPicture::New,   ToolPicture::Open, ToolPicture::Save,
                                    ToolPicture::Print, ToolPicture::Read, ToolPicture::Write,
                                    ToolPicture::Cut,   ToolPicture::Copy, ToolPicture::Paste,
                                    ToolPicture::Undo,  ToolPicture::Redo};
  QList<QImage> drawn;
  for (const ToolPicture p : pictures) {
    const QImage image = DrawnToolIcon(p).pixmap(16, 16).toImage();
    QVERIFY(!drawn.contains(image));
    drawn << image;
  }
  QVERIFY(ThemeIconName(ToolPicture::Read).isEmpty());
  QCOMPARE(ThemeIconName(ToolPicture::Cut), QStringLiteral("edit-cut"));
}

void MainFormHistoryTest::findSelectsMatchingChannelsAndWraps() {
  HistoryFixture f;
  f.form->PageControl()->setCurrentIndex(1);
  f.form->Action(MainCommand::EditFind)->trigger();
  QCOMPARE(f.form->PageControl()->currentIndex(), 0);
  QVERIFY(f.form->Finder()->isVisibleTo(f.form.get()));
  QLineEdit* field = f.form->Finder()->Field();

  struct Step {
    const char* typed;
    int row;  // the memory grid row selected afterwards; 0: "Not found."
  };
  const QList<Step> steps{{"club", 5}, {"CLUB", 5},  {"145.5", 5}, {"14", 10},
                          {"14", 4},   {"14", 5},    {"1", 10},    {"146.52", 4},
                          {"433", 0},  {"APRS", 10}, {"", 10}};
  for (const Step& step : steps) {
    field->setText(QString::fromLatin1(step.typed));
    f.form->Action(MainCommand::EditFindNext)->trigger();
    if (step.row == 0) {
      QCOMPARE(f.form->statusBar()->currentMessage(), QStringLiteral("Not found."));
    } else {
      QCOMPARE(f.form->ActiveGrid(), Grid::Memory);
      QCOMPARE(f.form->GridOf(Grid::Memory)->SelectedGridRow(), step.row);
      QVERIFY(f.form->statusBar()->currentMessage().isEmpty());
    }
  }
  QCOMPARE(f.form->StatusText(0), QString());
}

}  // namespace quorvan

QTEST_MAIN(quorvan::MainFormHistoryTest)
#include "MainFormHistoryTest.moc"
