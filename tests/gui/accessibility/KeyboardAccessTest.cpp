// The window and its dialogs driven by the keyboard alone, and what assistive technology is
// told: where the focus goes, which popup opens, what is announced, what fits a small screen.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "app/EditorDialogs.h"
#include "core/rules/GridTexts.h"
#include "gui/bulk/ChangeSelectedDialog.h"
#include "gui/common/ReportDialog.h"
#include "gui/csv/CsvImportDialog.h"
#include "gui/diagnostics/DiagnosticReportDialog.h"
#include "gui/history/HistoryDialog.h"
#include "io/session/TransferRecorder.h"
#include "gui/common/StatusAnnouncer.h"
#include "gui/editors/ChannelGroups.h"
#include "gui/editors/TCallForm.h"
#include "gui/editors/TDtmfForm.h"
#include "gui/editors/TMemoryForm.h"
#include "gui/editors/TVfoForm.h"
#include "gui/help/THelpForm.h"
#include "gui/mainwindow/FindBar.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/MainFormFixture.h"
#include "gui/sort/TSortForm.h"

namespace quorvan {

namespace {

std::string Channel(int slot, const char* hz, const char* name) {
  return QStringLiteral("%1,%2,0,0,0,1,0,0,08,08,000,000600000,0,0,,,,%3")
      .arg(slot, 3, 10, QLatin1Char('0'))
      .arg(QLatin1String(hz), QLatin1String(name))
      .toStdString();
}

// A window on a few channels, shown and active, as the user has it.
struct KeyboardFixture : MainFormFixture {
  ScriptedMessages editorMessages;

  KeyboardFixture() {
    settings.SetValue("Type", "KK,0F");
    adjustServices = [this](MainFormServices& s) {
      s.makeEditors = EditorDialogsFactory(editorMessages);
    };
    Create();
    OpenDocument(*form, [](RadioImage& image) {
      image.Store(SlotKind::Memory, 3, Channel(3, "00146520000", "NATIONAL"));
      image.Store(SlotKind::Memory, 4, Channel(4, "00145500000", "Club"));
    });
    form->show();
    QApplication::setActiveWindow(form.get());
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
  }

  GridView* Memory() const { return form->GridOf(Grid::Memory); }
};

// The Tab order from `start`, as object names, until it comes round to `start` again.
QStringList TabRing(QWidget* start) {
  start->setFocus(Qt::TabFocusReason);
  QStringList ring;
  for (int i = 0; i < 60; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* now = QApplication::focusWidget();
    if (now == nullptr || now == start) break;
    ring << now->objectName();
  }
  return ring;
}

QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text.at(i) != QLatin1Char('&')) continue;
    if (text.at(i + 1) == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return text.at(i + 1).toLower();
  }
  return {};
}

}  // namespace

class KeyboardAccessTest : public QObject {
  Q_OBJECT

 private slots:
  void gridFocusSitsOnTheRowLabelAndSaysTheRow();
  void menuKeyAndShiftF10OpenTheGridPopup_data();
  void menuKeyAndShiftF10OpenTheGridPopup();
  void f10OpensTheMenuBar();
  void mnemonicsOfTheMainWindowAreUnique();
  void altVEntersTheVfoGrid();
  void changesKeepTheCursorsColumnAndFocus();
  void statusMessagesAndFindHitsAreAnnounced();
  void changeSelectedTabsFromEachBoxToItsValues();
  void radioGroupIsEnteredAtTheCheckedButton_data();
  void radioGroupIsEnteredAtTheCheckedButton();
  void reportTabReachesTextAndEveryButton();
  void escapeClosesTheHelpWindow();
  void dialogsFitAScreenAtScaleTwo();
};

void KeyboardAccessTest::gridFocusSitsOnTheRowLabelAndSaysTheRow() {
  KeyboardFixture f;
  GridView* grid = f.Memory();
  grid->setFocus(Qt::TabFocusReason);
  grid->SelectGridRow(4);
  QCOMPARE(grid->currentIndex().column(), static_cast<int>(kLabelColumn));
  // Left does not reach the empty mark column.
  QTest::keyClick(grid, Qt::Key_Left);
  QCOMPARE(grid->currentIndex().column(), static_cast<int>(kLabelColumn));
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
  QVERIFY(table && table->tableInterface());
  QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Memory Channel"));
  const int row = grid->currentIndex().row();
  QCOMPARE(table->tableInterface()->cellAt(row, kLabelColumn)->text(QAccessible::Name),
           QStringLiteral("003, 146.520 MHz, NATIONAL, FM, tone 88.5"));
  // Every column a reader can name, the mark column included.
  for (int c = 0; c < ColumnCount(Grid::Memory); ++c) {
    const QList<QAccessibleInterface*> headers =
        table->tableInterface()->cellAt(row, c)->tableCellInterface()->columnHeaderCells();
    const QString header = headers.isEmpty() ? QString() : headers.first()->text(QAccessible::Name);
    // Made for the asker and kept by no one: handed to the cache to go.
    for (QAccessibleInterface* cell : headers) {
      QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
    }
    QVERIFY2(!header.isEmpty(), qPrintable(QString::number(c)));
  }
  QTest::keyClick(grid, Qt::Key_Down);
  QCOMPARE(table->tableInterface()->cellAt(row + 1, kLabelColumn)->text(QAccessible::Name),
           QStringLiteral("004, 145.500 MHz, Club, FM, tone 88.5"));
}

void KeyboardAccessTest::menuKeyAndShiftF10OpenTheGridPopup_data() {
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<int>("grid");
  QTest::newRow("Menu key, memory") << int(Qt::Key_Menu) << int(Qt::NoModifier) << 1;
  QTest::newRow("Shift+F10, memory") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << 1;
  QTest::newRow("Menu key, DTMF") << int(Qt::Key_Menu) << int(Qt::NoModifier) << 4;
  QTest::newRow("Shift+F10, VFO") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << 2;
}

void KeyboardAccessTest::menuKeyAndShiftF10OpenTheGridPopup() {
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(int, grid);
  KeyboardFixture f;
  GridView* view = f.form->GridOf(static_cast<Grid>(grid));
  view->setFocus(Qt::TabFocusReason);
  QTest::keyClick(view, static_cast<Qt::Key>(key), static_cast<Qt::KeyboardModifiers>(modifiers));
  auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  QVERIFY(popup != nullptr);
  QVERIFY(popup->actions().contains(f.form->Action(MainCommand::EditCopy)));
  popup->close();
  QCOMPARE(f.form->ActiveGrid(), static_cast<Grid>(grid));
}

void KeyboardAccessTest::f10OpensTheMenuBar() {
  KeyboardFixture f;
  f.Memory()->setFocus();
  QTest::keyClick(f.Memory(), Qt::Key_F10);
  QMenuBar* bar = f.form->menuBar();
  QVERIFY(bar->activeAction() != nullptr);
  QCOMPARE(bar->activeAction(), bar->actions().first());
  QWidget* popup = QApplication::activePopupWidget();
  QVERIFY(popup != nullptr);
  QCOMPARE(popup, static_cast<QWidget*>(bar->actions().first()->menu()));
  popup->close();
}

void KeyboardAccessTest::mnemonicsOfTheMainWindowAreUnique() {
  KeyboardFixture f;
  // Everything Alt+letter reaches from the window with each page shown; a hidden page's
  // controls take no keys.
  for (int page = 0; page < f.form->PageControl()->count(); ++page) {
    f.form->PageControl()->setCurrentIndex(page);
    QStringList texts;
    for (QAction* menu : f.form->menuBar()->actions()) texts << menu->text();
    for (int i = 0; i < f.form->PageControl()->count(); ++i) {
      texts << f.form->PageControl()->tabText(i);
    }
    for (QGroupBox* box : f.form->findChildren<QGroupBox*>()) {
      if (box->isVisible()) texts << box->title();
    }
    for (QLabel* label : f.form->findChildren<QLabel*>()) {
      if (label->isVisible() && label->buddy() != nullptr) texts << label->text();
    }
    for (QAbstractButton* button : f.form->findChildren<QAbstractButton*>()) {
      if (button->isVisible()) texts << button->text();
    }
    QHash<QChar, QString> taken;
    for (const QString& text : texts) {
      const QChar key = Mnemonic(text);
      if (key.isNull()) continue;
      QVERIFY2(!taken.contains(key), qPrintable(QStringLiteral("page %1, Alt+%2: %3 and %4")
                                                    .arg(page)
                                                    .arg(key, taken.value(key), text)));
      taken.insert(key, text);
    }
    QVERIFY(taken.contains(QLatin1Char('w')));                 // the View menu's
    if (page == 0) QVERIFY(taken.contains(QLatin1Char('v')));  // the VFO grid's
  }
}

void KeyboardAccessTest::altVEntersTheVfoGrid() {
  KeyboardFixture f;
  f.Memory()->setFocus();
  QTest::keyClick(f.form.get(), Qt::Key_V, Qt::AltModifier);
  QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.form->GridOf(Grid::Vfo)));
  QVERIFY(QApplication::activePopupWidget() == nullptr);
}

void KeyboardAccessTest::changesKeepTheCursorsColumnAndFocus() {
  KeyboardFixture f;
  GridView* grid = f.Memory();
  grid->setFocus();
  grid->SelectGridRow(4);
  QTest::keyClick(grid, Qt::Key_Right);
  QCOMPARE(grid->currentIndex().column(), static_cast<int>(kValueColumn));
  const auto expectKept = [&](const char* what, int gridRow) {
    QVERIFY2(grid->hasFocus(), what);
    QCOMPARE(grid->SelectedGridRow(), gridRow);
    QCOMPARE(grid->currentIndex().column(), static_cast<int>(kValueColumn));
  };
  // As an editor's store, an undo of it, and a document read anew.
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 3, Channel(3, "00146550000", "NATIONAL"));
  });
  expectKept("store", 4);
  f.form->Undo();
  expectKept("undo", 4);
  OpenDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 3, Channel(3, "00147000000", "OTHER"));
  });
  expectKept("open", 4);
}

void KeyboardAccessTest::statusMessagesAndFindHitsAreAnnounced() {
  KeyboardFixture f;
  StatusAnnouncer* announcer = f.form->Announcer();
  QVERIFY(announcer != nullptr);
  QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(announcer);
  QVERIFY(notice != nullptr);
  QCOMPARE(notice->role(), QAccessible::Notification);
  // Any message, whoever shows it.
  f.form->statusBar()->showMessage(QStringLiteral("Written to the radio."));
  QCOMPARE(notice->text(QAccessible::Name), QStringLiteral("Written to the radio."));

  f.form->Action(MainCommand::EditFind)->trigger();
  QLineEdit* field = f.form->Finder()->Field();
  field->setText(QStringLiteral("club"));
  f.form->Action(MainCommand::EditFindNext)->trigger();
  // The focus stays in the find field, so the row found is told.
  QVERIFY(field->hasFocus());
  QCOMPARE(notice->text(QAccessible::Name),
           QStringLiteral("004, 145.500 MHz, Club, FM, tone 88.5"));
  field->setText(QStringLiteral("433"));
  f.form->Action(MainCommand::EditFindNext)->trigger();
  QCOMPARE(notice->text(QAccessible::Name), QStringLiteral("Not found."));
}

void KeyboardAccessTest::changeSelectedTabsFromEachBoxToItsValues() {
  ChangeSelectedDialog dialog;
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  const QStringList ring = TabRing(dialog.findChild<QWidget*>(QStringLiteral("CheckBox_Mode")));
  const QStringList expected{
      "ComboBox_Mode",  "CheckBox_Step",   "ComboBox_Step",  "CheckBox_Shift",
      "ComboBox_Shift", "Edit_Offset",     "CheckBox_Tone",  "ComboBox_ToneKind",
      "CheckBox_Lock",  "ComboBox_Lock",   "CheckBox_Power", "ComboBox_Power",
      "CheckBox_Name",  "Edit_NamePrefix", "Button_OK",      "Button_Cancel"};
  QCOMPARE(ring, expected);
  // The value a box governs is named after it.
  for (const char* name : {"ComboBox_Mode", "ComboBox_Power", "Edit_NamePrefix"}) {
    QWidget* value = dialog.findChild<QWidget*>(QLatin1String(name));
    QVERIFY2(!value->accessibleName().isEmpty(), name);
  }
}

void KeyboardAccessTest::radioGroupIsEnteredAtTheCheckedButton_data() {
  // The buttons: 1 Split Channel, 2 Simplex, 3 Plus Shift, 4 Minus Shift.
  QTest::addColumn<bool>("first");
  QTest::addColumn<QString>("entered");
  QTest::newRow("split") << true << "RadioButton1";
  QTest::newRow("simplex") << false << "RadioButton2";
  QTest::newRow("minus") << false << "RadioButton4";
}

void KeyboardAccessTest::radioGroupIsEnteredAtTheCheckedButton() {
  QFETCH(bool, first);
  QFETCH(QString, entered);
  QWidget window;
  auto* group = new FrequencyGroup(true, 11, &window);
  group->findChild<QRadioButton*>(entered)->setChecked(true);
  window.show();
  QApplication::setActiveWindow(&window);
  QVERIFY(QTest::qWaitForWindowActive(&window));
  const QStringList ring = TabRing(group->findChild<QWidget*>(QStringLiteral("ComboBox2")));
  // Mode, then the offset or transmit field, then the one button of the group, then Reverse.
  QCOMPARE(ring.value(1), entered);
  QCOMPARE(ring.filter(QStringLiteral("RadioButton")).size(), 1);
  // The arrow keys move within the group, and Tab enters it at the new choice.
  QWidget* button = group->findChild<QWidget*>(entered);
  button->setFocus(Qt::TabFocusReason);
  QTest::keyClick(button, first ? Qt::Key_Down : Qt::Key_Up);
  QWidget* moved = QApplication::focusWidget();
  QVERIFY(moved != button);
  QVERIFY(qobject_cast<QRadioButton*>(moved)->isChecked());
  QCOMPARE(TabRing(group->findChild<QWidget*>(QStringLiteral("ComboBox2"))).value(1),
           moved->objectName());
}

void KeyboardAccessTest::reportTabReachesTextAndEveryButton() {
  ReportDialog dialog(QStringLiteral("Report"), QStringLiteral("one\ntwo"),
                      QStringLiteral("&Go On"));
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("ReportText"));
  const QStringList ring = TabRing(text);
  QVERIFY2(ring.size() == 3, qPrintable(ring.join(QLatin1Char(' ')).left(200)));
  QCOMPARE(QSet<QString>(ring.begin(), ring.end()).size(), 3);
  QVERIFY(ring.contains(QStringLiteral("AcceptButton")));
  QVERIFY(ring.contains(QStringLiteral("CopyButton")));
  QCOMPARE(text->accessibleName(), QStringLiteral("Report"));
}

void KeyboardAccessTest::escapeClosesTheHelpWindow() {
  MemorySettingsStore settings;
  THelpForm help(settings, {});
  help.show();
  QApplication::setActiveWindow(&help);
  QVERIFY(QTest::qWaitForWindowActive(&help));
  QVERIFY(help.isVisible());
  QTest::keyClick(&help, Qt::Key_Escape);
  QVERIFY(!help.isVisible());
}

void KeyboardAccessTest::dialogsFitAScreenAtScaleTwo() {
  // A 1600 x 1000 screen at scale 2 offers 800 x 500 of the window's own pixels, less its frame.
  const QSize room(800 - 40, 500 - 80);
  KeyboardFixture f;
  ScriptedMessages messages;
  TransferRecorder recorder;
  QTemporaryDir backups;
  QString longReport;
  for (int line = 1; line <= 200; ++line) {
    longReport += QStringLiteral("Line %1 of a long report, wider than any small screen is, "
                                 "so that it has to wrap or scroll\n")
                      .arg(line);
  }
  struct Window {
    const char* name;
    std::function<QWidget*()> make;
    bool own = true;  // a window of its own, not a page of the main window
  };
  const std::vector<Window> windows{
      {"memory", [&] { return new TMemoryForm(messages, f.form.get()); }},
      {"VFO", [&] { return new TVfoForm(messages, f.form.get()); }},
      {"CALL", [&] { return new TCallForm(messages, f.form.get()); }},
      {"DTMF", [&] { return new TDtmfForm(messages, f.form.get()); }},
      {"change selected", [&] { return new ChangeSelectedDialog(f.form.get()); }},
      {"sort", [&] { return new TSortForm(f.form.get()); }},
      {"CSV import", [&] { return new CsvImportDialog(12, f.form.get()); }},
      {"history",
       [&] {
         return new HistoryDialog(
             HistoryServices{backups.path(), f.form->Image().Plan(), &messages, {}, {}},
             f.form.get());
       }},
      {"report",
       [&] { return new ReportDialog(QStringLiteral("Report"), longReport, QStringLiteral("&Go On"),
                                     f.form.get()); }},
      {"diagnostic report",
       [&] {
         return new DiagnosticReportDialog(
             recorder, messages, [](const QString&) { return QString(); }, f.form.get());
       }},
      {"help", [&] { return new THelpForm(f.settings, {}, f.form.get()); }},
      {"menu page 1", [&] { return f.form->PageControl()->widget(1); }, false},
      {"menu page 2", [&] { return f.form->PageControl()->widget(2); }, false},
  };
  for (const Window& window : windows) {
    QWidget* widget = window.make();
    QVERIFY2(widget, window.name);
    const QSize smallest = widget->minimumSizeHint().expandedTo(widget->minimumSize());
    QVERIFY2(smallest.width() <= room.width() && smallest.height() <= room.height(),
             qPrintable(QStringLiteral("%1 needs %2 x %3")
                            .arg(QLatin1String(window.name))
                            .arg(smallest.width())
                            .arg(smallest.height())));
    if (!window.own) continue;
    // Shown, it is no larger than its screen, and scrolls instead.
    if (widget->parentWidget()) widget->setWindowFlag(Qt::Window);
    widget->show();
    const QSize screen = widget->screen()->availableGeometry().size();
    QVERIFY2(widget->width() <= screen.width() && widget->height() <= screen.height(),
             window.name);
    delete widget;
  }
}

}  // namespace quorvan

QTEST_MAIN(quorvan::KeyboardAccessTest)
#include "KeyboardAccessTest.moc"
