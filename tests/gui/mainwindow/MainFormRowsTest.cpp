// Insert, remove and move memory rows, Change Selected and the full channel table, through the
// window.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>
#include <algorithm>

#include "core/rules/MemoryColumns.h"
#include "gui/mainwindow/ChannelEditors.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/MainFormFixture.h"

namespace quorvan {

namespace {

std::string Channel(int slot, const char* hz, const char* name) {
  return MemoryChannelLabel(slot) + "," + hz + ",0,0,0,0,0,0,08,08,000,000600000,0,0,,,," + name;
}

// Grid rows first..last selected, the grid entered, as a click and a shift-click do.
void SelectRows(TMainForm& form, int first, int last) {
  GridView* view = form.GridOf(Grid::Memory);
  view->SelectGridRow(first);
  emit view->Entered(Grid::Memory);
  const QAbstractItemModel* model = view->model();
  view->selectionModel()->select(
      QItemSelection(model->index(first - 1, 0), model->index(last - 1, model->columnCount() - 1)),
      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QString Name(TMainForm& form, int slot) {
  return QString::fromStdString(
      std::string(form.Image().Channel(SlotKind::Memory, slot)[ChannelField::Name]));
}

// Editors that note the record of each slot they open on, as stored when they open.
struct NotingEditors : ChannelEditors {
  NotingEditors(Document& document, QStringList& shown) : document_(document), shown_(shown) {}
  void Edit(Grid, int slot) override {
    shown_ << QString::fromStdString(document_.Image().Record(SlotKind::Memory, slot));
  }
  Document& document_;
  QStringList& shown_;
};

struct RowsFixture : MainFormFixture {
  QStringList editorShowed;  // what each memory editor opened found stored

  // The window shown and active, with View > All Columns on.
  bool ShowFullTable() {
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) return false;
    form->Action(MainCommand::ViewAllColumns)->trigger();
    return true;
  }

  RowsFixture() {
    settings.SetValue("Type", "KK,0F");
    adjustServices = [this](MainFormServices& services) {
      services.makeEditors = [this](QWidget*, Document& document, DocumentSignals&) {
        return std::make_unique<NotingEditors>(document, editorShowed);
      };
    };
    Create();
    OpenDocument(*form, [](RadioImage& image) {
      image.Store(SlotKind::Memory, 3, Channel(3, "00145510000", "A"));
      image.Store(SlotKind::Memory, 4, Channel(4, "00146520000", "B"));
      image.Store(SlotKind::Memory, 400, Channel(400, "00144000000", "EDGE"));
    });
  }
};

}  // namespace

class MainFormRowsTest : public QObject {
  Q_OBJECT

 private slots:
  void rowCommandsFollowTheSelection_data();
  void rowCommandsFollowTheSelection();
  void insertWithTheLastSlotInUseMovesNothing();
  void altDownMovesTheBlockAndTheSelectionFollows();
  void changeSelectedListsTheAdjustedRows();
  void allColumnsIsOffUntilChosenAndRemembered();
  void cellsAreEditedInPlace_data();
  void cellsAreEditedInPlace();
  void editorOpenedOverAnOpenCellShowsTheCellStored();
  void rowKeysActOnlyWhileTheGridHasFocus_data();
  void rowKeysActOnlyWhileTheGridHasFocus();
};

void MainFormRowsTest::rowCommandsFollowTheSelection_data() {
  QTest::addColumn<int>("first");  // grid rows
  QTest::addColumn<int>("last");
  QTest::addColumn<bool>("insertRemove");
  QTest::addColumn<bool>("up");
  QTest::addColumn<bool>("down");
  QTest::addColumn<bool>("changeSelected");
  QTest::newRow("first slot") << 1 << 1 << true << false << true << false;
  QTest::newRow("used block") << 4 << 5 << true << true << true << true;
  QTest::newRow("last ordinary slot") << 400 << 400 << true << true << false << false;
  QTest::newRow("block reaching a scan edge") << 400 << 401 << true << false << false << true;
  QTest::newRow("scan edge") << 401 << 401 << false << false << false << true;
}

void MainFormRowsTest::rowCommandsFollowTheSelection() {
  QFETCH(int, first);
  QFETCH(int, last);
  RowsFixture f;
  SelectRows(*f.form, first, last);
  QFETCH(bool, insertRemove);
  QFETCH(bool, up);
  QFETCH(bool, down);
  QFETCH(bool, changeSelected);
  QCOMPARE(f.form->Action(MainCommand::EditInsertRow)->isEnabled(), insertRemove);
  QCOMPARE(f.form->Action(MainCommand::EditRemoveRow)->isEnabled(), insertRemove);
  QCOMPARE(f.form->Action(MainCommand::EditMoveUp)->isEnabled(), up);
  QCOMPARE(f.form->Action(MainCommand::EditMoveDown)->isEnabled(), down);
  QCOMPARE(f.form->Action(MainCommand::EditChangeSelected)->isEnabled(), changeSelected);
}

void MainFormRowsTest::insertWithTheLastSlotInUseMovesNothing() {
  RowsFixture f;
  OpenDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 399, Channel(399, "00145000000", "LAST"));
  });
  const RadioImage before = f.form->Image();
  SelectRows(*f.form, 4, 4);
  f.form->Action(MainCommand::EditInsertRow)->trigger();
  QCOMPARE(f.messages.Texts(), QStringList{QStringLiteral("The last memory channel is in use.")});
  QVERIFY(f.form->Image() == before);
  QVERIFY(!f.form->Document().Modified());
}

void MainFormRowsTest::altDownMovesTheBlockAndTheSelectionFollows() {
  RowsFixture f;
  f.form->show();
  f.form->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
  GridView* grid = f.form->GridOf(Grid::Memory);
  grid->setFocus();
  SelectRows(*f.form, 4, 5);
  QTest::keyClick(grid, Qt::Key_Down, Qt::AltModifier);
  QTest::keyClick(grid, Qt::Key_Down, Qt::AltModifier);
  QCOMPARE(Name(*f.form, 5), QStringLiteral("A"));
  QCOMPARE(Name(*f.form, 6), QStringLiteral("B"));
  QCOMPARE(f.form->Image().Channel(SlotKind::Memory, 6)[ChannelField::Id], std::string_view("006"));
  QVERIFY(f.form->Image().Record(SlotKind::Memory, 3).empty());
  QCOMPARE(f.form->Document().History().StepCount(), std::size_t{2});
  QList<int> selected;
  for (const QModelIndex& index : grid->selectionModel()->selectedRows()) selected << index.row();
  std::sort(selected.begin(), selected.end());
  QCOMPARE(selected, (QList<int>{5, 6}));
}

void MainFormRowsTest::changeSelectedListsTheAdjustedRows() {
  RowsFixture f;
  const RadioImage before = f.form->Image();
  SelectRows(*f.form, 3, 5);  // slot 2 is empty and is left alone
  QObject guard;
  QTimer::singleShot(0, &guard, [] {
    QWidget* d = QApplication::activeModalWidget();
    if (!d) return;
    d->findChild<QAbstractButton*>(QStringLiteral("CheckBox_Step"))->click();
    d->findChild<QComboBox*>(QStringLiteral("ComboBox_Step"))->setCurrentIndex(5);  // 12.5 kHz
    d->findChild<QAbstractButton*>(QStringLiteral("Button_OK"))->click();
  });
  f.form->Action(MainCommand::EditChangeSelected)->trigger();
  // Neither frequency is on the 12.5 kHz step: both keep frequency and step.
  QCOMPARE(f.messages.Texts(),
           QStringList{
               QStringLiteral("These rows were adjusted or skipped:\n"
                              "slot 003: 145.510 MHz is not on the 12.5 kHz step; left at 5 kHz\n"
                              "slot 004: 146.520 MHz is not on the 12.5 kHz step; left at 5 kHz")});
  QVERIFY(f.form->Image() == before);
  QVERIFY(!f.form->Document().Modified());
}

void MainFormRowsTest::allColumnsIsOffUntilChosenAndRemembered() {
  RowsFixture f;
  GridView* grid = f.form->GridOf(Grid::Memory);
  const auto shownColumns = [grid] {
    int shown = 0;
    for (int c = 0; c < grid->model()->columnCount(); ++c) shown += grid->isColumnHidden(c) ? 0 : 1;
    return shown;
  };
  QCOMPARE(shownColumns(), 4);
  f.form->Action(MainCommand::ViewAllColumns)->trigger();
  QCOMPARE(shownColumns(), 11);
  QCOMPARE(grid->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Shift"));
  QCOMPARE(grid->model()->index(3, 7).data().toString(), QStringLiteral("FM"));  // slot 3
  QCOMPARE(f.settings.Value("AllColumns"), std::string("1"));

  // The next window starts with the choice.
  f.Create();
  QCOMPARE(f.form->Action(MainCommand::ViewAllColumns)->isChecked(), true);
  QVERIFY(!f.form->GridOf(Grid::Memory)->isColumnHidden(10));
}

void MainFormRowsTest::cellsAreEditedInPlace_data() {
  QTest::addColumn<int>("slot");
  QTest::addColumn<int>("column");
  QTest::addColumn<QString>("typed");  // typed into a line, or picked from a list
  QTest::addColumn<int>("finish");     // Qt::Key_Return or Qt::Key_Escape
  QTest::addColumn<QString>("record");
  QTest::addColumn<QString>("status");
  QTest::addColumn<QString>("message");
  const QString a = QString::fromStdString(Channel(3, "00145510000", "A"));
  QTest::newRow("name") << 3 << 3 << "CLUB" << int(Qt::Key_Return)
                        << "003,00145510000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,CLUB"
                        << ""
                        << "";
  QTest::newRow("step the frequency is not on changes nothing")
      << 3 << 8 << "12.5kHz" << int(Qt::Key_Return) << a
      << "slot 003: 145.510 MHz is not on the 12.5 kHz step; left at 5 kHz"
      << "";
  QTest::newRow("invalid frequency keeps the old value")
      << 3 << 2 << "145..5" << int(Qt::Key_Return) << a << ""
      << "Invalid Frequency.\nPlease check and try again.";
  QTest::newRow("Esc abandons") << 3 << 3 << "CLUB" << int(Qt::Key_Escape) << a << ""
                                << "";
  QTest::newRow("frequency of an empty row")
      << 10 << 2 << "147.3" << int(Qt::Key_Return)
      << "010,00147300000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,"
      << ""
      << "";
  QTest::newRow("empty row gets the editor's defaults")
      << 10 << 7 << "AM" << int(Qt::Key_Return)
      << "010,00144000000,0,0,0,0,0,0,08,08,000,000600000,2,0,,,,"
      << ""
      << "";
}

void MainFormRowsTest::cellsAreEditedInPlace() {
  QFETCH(int, slot);
  QFETCH(int, column);
  QFETCH(QString, typed);
  QFETCH(int, finish);
  QFETCH(QString, record);
  QFETCH(QString, status);
  QFETCH(QString, message);
  RowsFixture f;
  const QString was = QString::fromStdString(f.form->Image().Record(SlotKind::Memory, slot));
  QVERIFY(f.ShowFullTable());
  GridView* grid = f.form->GridOf(Grid::Memory);
  SelectRows(*f.form, slot + 1, slot + 1);
  grid->setFocus();
  grid->setCurrentIndex(grid->model()->index(slot, column));
  QTest::keyClick(grid, Qt::Key_F2);
  QWidget* editor = QApplication::focusWidget();
  QVERIFY(editor && editor != grid);
  if (auto* list = qobject_cast<QComboBox*>(editor)) {
    list->setCurrentIndex(list->findText(typed));
  } else {
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, typed);
  }
  QTest::keyClick(editor, static_cast<Qt::Key>(finish));
  QTest::qWait(0);
  QCoreApplication::processEvents();
  QCOMPARE(QString::fromStdString(f.form->Image().Record(SlotKind::Memory, slot)), record);
  QCOMPARE(f.form->statusBar()->currentMessage(), status);
  QCOMPARE(f.messages.Texts(), message.isEmpty() ? QStringList() : QStringList{message});
  const bool stored = record != was;
  QCOMPARE(f.form->Document().History().StepCount(), std::size_t{stored ? 1u : 0u});
  // Enter ends the cell and nothing else: no editor opens to store its own view over it.
  QCOMPARE(f.editorShowed, QStringList());
}

// A cell still open when an editor is asked for (a double-click on its row) is stored first,
// so the editor shows it.
void MainFormRowsTest::editorOpenedOverAnOpenCellShowsTheCellStored() {
  RowsFixture f;
  QVERIFY(f.ShowFullTable());
  GridView* grid = f.form->GridOf(Grid::Memory);
  grid->setFocus();
  grid->setCurrentIndex(grid->model()->index(10, kNameColumn));
  QTest::keyClick(grid, Qt::Key_F2);
  QWidget* editor = QApplication::focusWidget();
  QVERIFY(editor && editor != grid);
  QTest::keyClicks(editor, QStringLiteral("NET"));
  emit grid->EditorRequested(Grid::Memory, 11);
  QCOMPARE(
      f.editorShowed,
      QStringList{QStringLiteral("010,00144000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,NET")});
  QCoreApplication::processEvents();
  QCOMPARE(f.form->Document().History().StepCount(), std::size_t{1});
}

void MainFormRowsTest::rowKeysActOnlyWhileTheGridHasFocus_data() {
  QTest::addColumn<QString>("focus");  // "grid", "list cell" or "comment"
  QTest::addColumn<bool>("moves");
  QTest::newRow("grid") << "grid" << true;
  QTest::newRow("list cell opens its list") << "list cell" << false;
  QTest::newRow("comment line") << "comment" << false;
}

void MainFormRowsTest::rowKeysActOnlyWhileTheGridHasFocus() {
  QFETCH(QString, focus);
  QFETCH(bool, moves);
  RowsFixture f;
  QVERIFY(f.ShowFullTable());
  GridView* grid = f.form->GridOf(Grid::Memory);
  grid->setFocus();
  SelectRows(*f.form, 4, 4);
  QWidget* target = grid;
  if (focus == QLatin1String("list cell")) {
    grid->setCurrentIndex(grid->model()->index(3, kModeColumn));
    QTest::keyClick(grid, Qt::Key_F2);
    target = QApplication::focusWidget();
    QVERIFY(qobject_cast<QComboBox*>(target));
  } else if (focus == QLatin1String("comment")) {
    target = f.form->findChild<QWidget*>(QStringLiteral("Edit2"));
    target->setFocus();
  }
  QTest::keyClick(target, Qt::Key_Down, Qt::AltModifier);
  QCOMPARE(Name(*f.form, 3), moves ? QStringLiteral("B") : QStringLiteral("A"));
  QCOMPARE(f.form->Document().History().StepCount(), std::size_t{moves ? 1u : 0u});
  if (auto* list = qobject_cast<QComboBox*>(target)) {
    QVERIFY(list->view()->isVisible());
    list->hidePopup();
  }
}

}  // namespace quorvan

QTEST_MAIN(quorvan::MainFormRowsTest)
#include "MainFormRowsTest.moc"
