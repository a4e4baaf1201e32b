// The main window: start-up, port menu, grids, status bar, page change and the Radio menu.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include "core/rules/GridTexts.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/MainFormFixture.h"
#include "gui/mainwindow/TSetupForm.h"
#include "io/serial/SerialPortNames.h"

namespace quorvan {

namespace {

QPoint RowCentre(GridView* grid, int modelRow) {
  return QPoint(40, grid->rowViewportPosition(modelRow) + grid->rowHeight(modelRow) / 2);
}

void ClickRow(GridView* grid, int gridRow) {
  grid->scrollTo(grid->model()->index(gridRow - 1, 1));
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, RowCentre(grid, gridRow - 1));
}

void CloseAnyPopup() {
  while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

// One message: the fixed text unchanged, then a line of detail that names the port's device
// (what it says of it depends on this machine's devices).
bool IsTextThenDeviceLine(const QStringList& texts, const QString& fixedText,
                          const QString& portName) {
  const QString device = SystemPortLocation(portName);
  const bool shaped = texts.size() == 1 && texts.first().startsWith(fixedText + "\n") &&
                      texts.first().mid(fixedText.size() + 1).section('\n', 0, 0).contains(device);
  if (!shaped) qWarning() << texts << "is not" << fixedText << "with a line naming" << device;
  return shaped;
}

}  // namespace

class MainFormTest : public QObject {
  Q_OBJECT

 private slots:
  void startUpWithEmptyStoreAsksSetupOnce_data();
  void startUpWithEmptyStoreAsksSetupOnce();
  void startUpWithFilledStoreKeepsStoredChoices();
  void setupAsksItsQuestionAboveTheChoices();
  void portMenuAcceptsValidAndRefusesInvalidPorts();
  void portMenuListsSystemPortsUsbFirstAndTypedDevices();
  void findRadioChoosesTheFoundPortAsTheMenuWould();
  void presetPortIsUsedButNotStored();
  void rightButtonSelectsRowUnderPointerOfScrolledGrid();
  void editorOpensOnDoubleClickEnterAndDtmfCharacters();
  void statusBarDescribesSelectedRow_data();
  void statusBarDescribesSelectedRow();
  void statusBarShowsDtmfNameAndProgrammableVfo();
  void menuPagesEmptyStatusAndDisableEditing();
  void readRefusedPortOrCancelledPromptChangesNothing();
  void completedReadStoresPlanMarksModifiedAndKeepsBackup();
  void cancelledReadStillLeavesRadioDocument();
  void readAfterYesWithUnfinishedSaveDoesNotRun();
  void writeChecksPortAndAsks();
  void destroyingWithFocusedGridIsSafe();
};

void MainFormTest::setupAsksItsQuestionAboveTheChoices() {
  TSetupForm setup;
  setup.show();
  QVERIFY(QTest::qWaitForWindowExposed(&setup));
  auto* question = setup.findChild<QLabel*>(QStringLiteral("SetupQuestion"));
  QVERIFY(question);
  QCOMPARE(question->text(), QStringLiteral("Which radio do you have?"));
  const QList<QRadioButton*> choices = setup.findChildren<QRadioButton*>();
  QVERIFY(!choices.isEmpty());
  for (const QRadioButton* choice : choices) {
    QVERIFY(question->mapTo(&setup, QPoint(0, question->height())).y() <=
            choice->mapTo(&setup, QPoint(0, 0)).y());
  }
}

void MainFormTest::startUpWithEmptyStoreAsksSetupOnce_data() {
  QTest::addColumn<int>("choice");
  QTest::addColumn<QString>("type");
  QTest::addColumn<QString>("model");
  QTest::addColumn<int>("callRows");
  QTest::newRow("usa") << 0 << "KK,0F"
                       << "ARVEN" << 3;
  QTest::newRow("europe") << 1 << "ME,0B"
                          << "BELTO" << 2;
  QTest::newRow("japan") << 2 << "JJ,01"
                         << "BELTO" << 2;
  QTest::newRow("general") << 3 << "MM,07"
                           << "BELTO" << 2;
}

void MainFormTest::startUpWithEmptyStoreAsksSetupOnce() {
  QFETCH(int, choice);
  QFETCH(QString, type);
  QFETCH(QString, model);
  QFETCH(int, callRows);
  MainFormFixture f;
  f.setupChoice = choice;
  f.Create();
  QCOMPARE(f.setupShown, 1);
  QCOMPARE(QString::fromStdString(f.settings.Value("Type")), type);
  QCOMPARE(QString::fromStdString(f.settings.Value("Model")), model);
  QCOMPARE(QString::fromStdString(f.settings.Value("CommPort")), QStringLiteral("COM1"));
  QCOMPARE(ShownTitle(*f.form), QStringLiteral("Quorvan [Untitled]"));
  QVERIFY(!f.form->Document().Modified());
  QVERIFY(PortItem(*f.form, "Com1")->isChecked());
  QCOMPARE(f.form->GridOf(Grid::Call)->model()->rowCount(), callRows);
  QCOMPARE(f.form->GridOf(Grid::Memory)->model()->rowCount(), 432);
  QCOMPARE(f.form->GridOf(Grid::Dtmf)->model()->rowCount(), 10);
  QVERIFY(f.messages.shown.isEmpty());
}

void MainFormTest::startUpWithFilledStoreKeepsStoredChoices() {
  MainFormFixture f;
  f.settings.SetValue("Type", "KK,0F");
  f.settings.SetValue("Model", "CIRRA");
  f.settings.SetValue("CommPort", "COM3");
  const QString folder = f.Path(QStringLiteral("files/"));
  QDir().mkpath(folder);
  f.settings.SetValue("Path", folder.toStdString());
  f.Create();
  QCOMPARE(f.setupShown, 0);
  QVERIFY(PortItem(*f.form, "Com3")->isChecked());
  QVERIFY(!PortItem(*f.form, "Com1")->isChecked());
  QCOMPARE(f.form->CommPort(), QStringLiteral("COM3"));
  QCOMPARE(f.form->GridOf(Grid::Vfo)->model()->rowCount(), 15);  // CIRRA adds the A_1200MHz row
  f.form->Action(MainCommand::FileOpen)->trigger();
  QCOMPARE(f.files.openFolders, QStringList{folder});
}

void MainFormTest::portMenuAcceptsValidAndRefusesInvalidPorts() {
  MainFormFixture f;
  f.Create();
  PortItem(*f.form, "Com2")->trigger();
  QVERIFY(PortItem(*f.form, "Com2")->isChecked());
  QVERIFY(!PortItem(*f.form, "Com1")->isChecked());
  QCOMPARE(f.settings.Value("CommPort"), std::string("COM2"));

  f.transfers.validPorts.removeAll(QStringLiteral("COM3"));
  PortItem(*f.form, "Com3")->trigger();
  QVERIFY(IsTextThenDeviceLine(f.messages.Texts(), "COM3 is invalid.\nPlease check comport status.",
                               QStringLiteral("COM3")));
  QCOMPARE(f.messages.shown.first().icon, MessageIcon::Warning);
  QVERIFY(!PortItem(*f.form, "Com3")->isChecked());
  QVERIFY(PortItem(*f.form, "Com2")->isChecked());
  QCOMPARE(f.form->CommPort(), QStringLiteral("COM2"));
  QCOMPARE(f.settings.Value("CommPort"), std::string("COM2"));
}

void MainFormTest::portMenuListsSystemPortsUsbFirstAndTypedDevices() {
  MainFormFixture f;
  f.systemPorts = {{"Built-in (/dev/ttyS0)", "/dev/ttyS0", false},
                   {"USB serial (/dev/ttyUSB0)", "/dev/ttyUSB0", true}};
  f.Create();
  auto* menu = f.form->findChild<QMenu*>(QStringLiteral("PortSelect"));
  QVERIFY(menu);
  emit menu->aboutToShow();
  QStringList texts;
  for (QAction* a : menu->actions()) texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
  QCOMPARE(texts, (QStringList{"Com&1", "Com&2", "Com&3", "Com&4", "-", "USB serial (/dev/ttyUSB0)",
                               "Built-in (/dev/ttyS0)", "Other...", "&Find Radio"}));

  f.transfers.validPorts << QStringLiteral("/dev/ttyUSB0") << QStringLiteral("/dev/pts/7");
  menu->actions().at(5)->trigger();
  QCOMPARE(f.settings.Value("CommPort"), std::string("/dev/ttyUSB0"));
  QVERIFY(!PortItem(*f.form, "Com1")->isChecked());

  f.typedDevice = QStringLiteral("/dev/pts/7");
  f.form->findChild<QAction*>(QStringLiteral("PortOther"))->trigger();
  QCOMPARE(f.form->CommPort(), QStringLiteral("/dev/pts/7"));
  QCOMPARE(f.settings.Value("CommPort"), std::string("/dev/pts/7"));

  // At the next start the typed device is ticked again.
  f.form.reset();
  f.Create();
  menu = f.form->findChild<QMenu*>(QStringLiteral("PortSelect"));
  emit menu->aboutToShow();
  QStringList checked;
  for (QAction* a : menu->actions()) {
    if (a->isChecked()) checked << a->text();
  }
  QCOMPARE(checked, QStringList{"/dev/pts/7"});
}

// The port a search found goes through the port test like any other choice; a search that
// found nothing, or was closed, changes nothing. Without a search the items are off.
void MainFormTest::findRadioChoosesTheFoundPortAsTheMenuWould() {
  MainFormFixture f;
  f.Create();
  QVERIFY(!PortItem(*f.form, "PortFindRadio")->isEnabled());
  QVERIFY(!f.form->Action(MainCommand::HelpDiagnosticReport)->isEnabled());

  QStringList found{QString(), "/dev/pts/4", "/dev/pts/5"};
  int reportsShown = 0;
  f.adjustServices = [&](MainFormServices& services) {
    services.findRadio = [&] { return found.takeFirst(); };
    services.showDiagnosticReport = [&] { ++reportsShown; };
  };
  f.Create();
  f.transfers.validPorts << QStringLiteral("/dev/pts/4");
  QAction* find = PortItem(*f.form, "PortFindRadio");
  QVERIFY(find->isEnabled());
  find->trigger();
  QCOMPARE(f.form->CommPort(), QStringLiteral("COM1"));
  QVERIFY(f.messages.shown.isEmpty());
  find->trigger();
  QCOMPARE(f.form->CommPort(), QStringLiteral("/dev/pts/4"));
  QCOMPARE(f.settings.Value("CommPort"), std::string("/dev/pts/4"));
  QVERIFY(!find->isChecked());
  // Gone again by the time it is chosen: refused as a chosen item is, the old port stays.
  find->trigger();
  QCOMPARE(f.form->CommPort(), QStringLiteral("/dev/pts/4"));
  QCOMPARE(f.messages.shown.size(), 1);
  QVERIFY(f.messages.shown.first().text.startsWith(
      "/dev/pts/5 is invalid.\nPlease check comport status.\n"));

  f.form->Action(MainCommand::HelpDiagnosticReport)->trigger();
  QCOMPARE(reportsShown, 1);
}

void MainFormTest::presetPortIsUsedButNotStored() {
  MainFormFixture f;
  f.settings.SetValue("Type", "KK,0F");
  f.settings.SetValue("CommPort", "COM2");
  f.Create(QStringLiteral("/dev/pts/9"));
  QCOMPARE(f.form->CommPort(), QStringLiteral("/dev/pts/9"));
  QCOMPARE(f.settings.Value("CommPort"), std::string("COM2"));
  f.transfers.validPorts << QStringLiteral("/dev/pts/9");
  f.form->ReadFromRadio(TransferScope::All);
  QCOMPARE(f.transfers.reads.size(), 1);
  QCOMPARE(f.transfers.ports.first(), QStringLiteral("/dev/pts/9"));
}

void MainFormTest::rightButtonSelectsRowUnderPointerOfScrolledGrid() {
  MainFormFixture f;
  f.Create();
  f.form->show();
  GridView* grid = f.form->GridOf(Grid::Memory);
  grid->scrollTo(grid->model()->index(200, 1), QAbstractItemView::PositionAtTop);
  const int top = grid->rowAt(0);
  QVERIFY(top > 100);

  QTest::mousePress(grid->viewport(), Qt::RightButton, {}, RowCentre(grid, top + 3));
  CloseAnyPopup();
  QCOMPARE(grid->SelectedGridRow(), top + 3 + 1);
  QCOMPARE(f.form->ActiveGrid(), Grid::Memory);

  QTest::mousePress(grid->horizontalHeader(), Qt::RightButton, {}, QPoint(40, 5));
  CloseAnyPopup();
  QCOMPARE(grid->SelectedGridRow(), top + 1);

  // Below the last row of a short grid nothing outside the grid gets selected.
  GridView* call = f.form->GridOf(Grid::Call);
  ClickRow(call, 2);
  QTest::mousePress(call->viewport(), Qt::RightButton, {},
                    QPoint(40, call->viewport()->height() - 1));
  CloseAnyPopup();
  QVERIFY(call->SelectedGridRow() >= 1 && call->SelectedGridRow() <= call->model()->rowCount());
  QCOMPARE(f.form->ActiveGrid(), Grid::Call);
}

void MainFormTest::editorOpensOnDoubleClickEnterAndDtmfCharacters() {
  // Editors that only note which grid and slot they were opened on.
  struct NotingEditors : ChannelEditors {
    explicit NotingEditors(QList<QPair<Grid, int>>& opened) : opened_(opened) {}
    void Edit(Grid grid, int slot) override { opened_.append({grid, slot + 1}); }
    QList<QPair<Grid, int>>& opened_;
  };
  QList<QPair<Grid, int>> opened;  // grid and the row of the slot it was opened on
  MainFormFixture f;
  f.adjustServices = [&opened](MainFormServices& services) {
    services.makeEditors = [&opened](QWidget*, Document&, DocumentSignals&) {
      return std::make_unique<NotingEditors>(opened);
    };
  };
  f.Create();
  f.form->show();

  GridView* memory = f.form->GridOf(Grid::Memory);
  ClickRow(memory, 5);
  QTest::keyClick(memory, Qt::Key_A);
  QVERIFY(opened.isEmpty());
  QTest::keyClick(memory, Qt::Key_Return);
  QCOMPARE(opened, (QList<QPair<Grid, int>>{{Grid::Memory, 5}}));

  GridView* dtmf = f.form->GridOf(Grid::Dtmf);
  ClickRow(dtmf, 3);
  QTest::keyClick(dtmf, Qt::Key_A);
  QTest::keyClick(dtmf, Qt::Key_7);
  QTest::keyClick(dtmf, Qt::Key_Enter);
  QCOMPARE(opened.mid(1),
           (QList<QPair<Grid, int>>{{Grid::Dtmf, 3}, {Grid::Dtmf, 3}, {Grid::Dtmf, 3}}));

  GridView* vfo = f.form->GridOf(Grid::Vfo);
  vfo->scrollToTop();
  QTest::mouseDClick(vfo->viewport(), Qt::LeftButton, {}, RowCentre(vfo, 1));
  QCOMPARE(opened.last(), (QPair<Grid, int>{Grid::Vfo, 2}));
}

void MainFormTest::statusBarDescribesSelectedRow_data() {
  QTest::addColumn<QString>("record");
  QTest::addColumn<QStringList>("panels");
  QTest::newRow("offset plus tone")
      << "000,00145000000,0,1,0,1,0,0,08,00,000,000600000,0,0,,,0,HOME"
      << QStringList{"Offset : 0.60MHz", "+", "T : 88.5Hz", ""};
  QTest::newRow("split dcs reverse")
      << "000,00145000000,0,0,1,0,0,1,00,00,000,000000000,0,0,00146000000,0,0,"
      << QStringList{"Tx Frequency : 146.000MHz", "+-", "DCS : 023", ""};
  QTest::newRow("minus reverse ctcss")
      << "000,00145000000,0,2,1,0,1,0,00,12,000,005000000,0,0,,,0,"
      << QStringList{"Offset : 5.00MHz", "- R", "CT : 100.0Hz", ""};
  QTest::newRow("simplex") << "000,00145000000,0,0,0,0,0,0,00,00,000,000600000,0,0,,,0,"
                           << QStringList{"", "", "", ""};
}

void MainFormTest::statusBarDescribesSelectedRow() {
  QFETCH(QString, record);
  QFETCH(QStringList, panels);
  MainFormFixture f;
  f.Create();
  f.form->show();
  ChangeDocument(*f.form, [&record](RadioImage& image) {
    image.Store(SlotKind::Memory, 7, record.toStdString());
  });
  QCOMPARE(f.form->StatusText(0), QString());  // no grid entered yet
  ClickRow(f.form->GridOf(Grid::Memory), 8);
  QStringList shown;
  for (int p = 0; p < 4; ++p) shown << f.form->StatusText(p);
  QCOMPARE(shown, panels);
}

void MainFormTest::statusBarShowsDtmfNameAndProgrammableVfo() {
  MainFormFixture f;
  f.Create();
  f.form->show();
  ChangeDocument(*f.form,
                 [](RadioImage& image) { image.Store(SlotKind::Dtmf, 3, "03,12*#,HOME"); });
  ClickRow(f.form->GridOf(Grid::Dtmf), 4);
  QCOMPARE(f.form->StatusText(0), QStringLiteral("Name : HOME"));
  QCOMPARE(f.form->GridOf(Grid::Dtmf)->model()->index(3, 2).data().toString(),
           QStringLiteral("12*#"));
  ClickRow(f.form->GridOf(Grid::Dtmf), 1);
  QCOMPARE(f.form->StatusText(0), QString());

  ClickRow(f.form->GridOf(Grid::Vfo), 1);
  QVERIFY2(QRegularExpression(QStringLiteral("^Programmable VFO : \\d+-\\d+$"))
               .match(f.form->StatusText(3))
               .hasMatch(),
           qPrintable(f.form->StatusText(3)));
  ClickRow(f.form->GridOf(Grid::Vfo), 6);  // a B-band row has no programmable range
  QCOMPARE(f.form->StatusText(3), QString());
}

void MainFormTest::menuPagesEmptyStatusAndDisableEditing() {
  MainFormFixture f;
  f.Create();
  f.form->show();
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 0,
                "000,00145000000,0,1,0,1,0,0,08,00,000,000600000,0,0,,,0,HOME");
  });
  QApplication::setActiveWindow(f.form.get());  // focus moves between grids as with a desktop
  ClickRow(f.form->GridOf(Grid::Memory), 1);
  QCOMPARE(f.form->StatusText(1), QStringLiteral("+"));
  QVERIFY(f.form->GridOf(Grid::Memory)->parentWidget()->font().bold());  // the group box caption
  QVERIFY(!f.form->GridOf(Grid::Memory)->font().bold());                 // but not the grid's rows
  ClickRow(f.form->GridOf(Grid::Vfo), 1);
  QVERIFY(!f.form->GridOf(Grid::Memory)->parentWidget()->font().bold());
  ClickRow(f.form->GridOf(Grid::Memory), 1);

  f.form->PageControl()->setCurrentIndex(1);
  for (int p = 0; p < 4; ++p) QCOMPARE(f.form->StatusText(p), QString());
  auto* editMenu = f.form->findChild<QMenu*>(QStringLiteral("EditMenu"));
  QVERIFY(!editMenu->menuAction()->isEnabled());
  for (const MainCommand c :
       {MainCommand::EditCut, MainCommand::EditCopy, MainCommand::EditPaste}) {
    QVERIFY2(!f.form->ToolButton(c)->isEnabled(), CommandName(c));
  }
  // A change off the Memory page leaves the panels alone.
  ChangeDocument(*f.form, [](RadioImage& image) { image.Store(SlotKind::Memory, 0, ""); });
  QCOMPARE(f.form->StatusText(1), QString());
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 0,
                "000,00145000000,0,2,0,0,0,0,08,00,000,000600000,0,0,,,0,HOME");
  });

  f.form->PageControl()->setCurrentIndex(0);
  QVERIFY(editMenu->menuAction()->isEnabled());
  QVERIFY(f.form->ToolButton(MainCommand::EditCut)->isEnabled());
  QVERIFY(f.form->ToolButton(MainCommand::EditCopy)->isEnabled());
  QCOMPARE(f.form->StatusText(1), QStringLiteral("-"));
}

void MainFormTest::readRefusedPortOrCancelledPromptChangesNothing() {
  MainFormFixture f;
  f.Create();
  f.transfers.validPorts.clear();
  f.form->Action(MainCommand::ReadAll)->trigger();
  QVERIFY(IsTextThenDeviceLine(f.messages.Texts(),
                               "COM port is invalid.\nPlease check comport status.",
                               QStringLiteral("COM1")));
  QVERIFY(f.transfers.reads.isEmpty());

  f.transfers.validPorts << QStringLiteral("COM1");
  f.form->Document().SetModified(true);
  f.messages.answers = {Answer::Cancel};
  f.form->Action(MainCommand::ReadMemory)->trigger();
  QVERIFY(f.transfers.reads.isEmpty());
  QCOMPARE(ShownTitle(*f.form), QStringLiteral("Quorvan [Untitled]*"));
  QVERIFY(f.form->Document().Modified());
}

void MainFormTest::completedReadStoresPlanMarksModifiedAndKeepsBackup() {
  MainFormFixture f;
  f.Create();
  const BandPlan radioPlan = MakeDefaultBandPlan("ME,0B", "BELTO");
  RadioImage held = MakeNewDocument(radioPlan);
  held.Store(SlotKind::Memory, 0, "000,00145000000,0,0,0,0,0,0,08,00,000,000600000,0,0,,,0,RPT");
  f.transfers.radio = testing::ScriptedRadio(held);
  f.form->ToolButton(MainCommand::ReadAll)->trigger();
  QCOMPARE(f.transfers.reads.size(), 1);
  QCOMPARE(f.transfers.reads.first().back(), std::string("BAT"));  // a read of scope All
  QCOMPARE(ShownTitle(*f.form), QStringLiteral("Quorvan [Radio]*"));
  QCOMPARE(f.form->Lifecycle().DocumentName(), QStringLiteral("Untitled"));
  QVERIFY(f.form->Document().Modified());
  QCOMPARE(f.settings.Value("Type"), std::string("ME,0B"));
  QCOMPARE(f.settings.Value("Model"), std::string("BELTO"));
  QCOMPARE(f.settings.Value("Limit1"), std::string());
  QCOMPARE(f.settings.Value("Limit10"), std::string("00174,00230"));
  QCOMPARE(f.form->GridOf(Grid::Vfo)->model()->rowCount(), DataRowCount(radioPlan, Grid::Vfo));
  QCOMPARE(f.form->GridOf(Grid::Memory)->model()->index(0, 3).data().toString(),
           QStringLiteral("RPT"));
  const QStringList backups =
      QDir(f.Path(QStringLiteral("backups"))).entryList({QStringLiteral("*-BELTO-ME0B.qvx")});
  QCOMPARE(backups.size(), 1);
}

void MainFormTest::cancelledReadStillLeavesRadioDocument() {
  MainFormFixture f;
  f.Create();
  f.transfers.cancelAfter = 6;
  f.form->Action(MainCommand::ReadMenu)->trigger();
  QCOMPARE(f.transfers.reads.first().back(), std::string("PC 0"));  // the menu comes first
  QCOMPARE(ShownTitle(*f.form), QStringLiteral("Quorvan [Radio]*"));
  QVERIFY(f.form->Document().Modified());
  QVERIFY(!QDir(f.Path(QStringLiteral("backups"))).exists());
}

void MainFormTest::readAfterYesWithUnfinishedSaveDoesNotRun() {
  MainFormFixture f;
  f.Create();
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 1, "001,00146000000,0,0,0,0,0,0,08,00,000,000600000,0,0,,,0,");
  });
  f.messages.answers = {Answer::Yes};
  f.files.names = {QString()};  // the save dialog is cancelled
  f.form->ReadFromRadio(TransferScope::All);
  QVERIFY(f.transfers.reads.isEmpty());
  QVERIFY(f.form->Document().Modified());
  QCOMPARE(ShownTitle(*f.form), QStringLiteral("Quorvan [Untitled]*"));
  QVERIFY(!f.form->Image().Record(SlotKind::Memory, 1).empty());
}

void MainFormTest::writeChecksPortAndAsks() {
  MainFormFixture f;
  f.Create();
  f.transfers.validPorts.clear();
  f.form->ToolButton(MainCommand::WriteAll)->trigger();
  QVERIFY(IsTextThenDeviceLine(f.messages.Texts(),
                               "COM port is invalid.\nPlease check and try again.",
                               QStringLiteral("COM1")));

  f.transfers.validPorts << QStringLiteral("COM1");
  f.messages.shown.clear();
  f.messages.answers = {Answer::No, Answer::Yes};
  f.form->Action(MainCommand::WriteMemory)->trigger();
  QVERIFY(f.transfers.writes.isEmpty());
  f.form->Action(MainCommand::WriteMemory)->trigger();
  QCOMPARE(f.transfers.writes.size(), 1);
  QCOMPARE(f.transfers.writes.first().back(), std::string("DMN 09,"));  // the memories only
  QCOMPARE(f.messages.shown.first().text,
           QStringLiteral("Do you want to write the data to the radio?"));
  QCOMPARE(f.messages.shown.first().icon, MessageIcon::Question);
  QVERIFY(!f.form->Document().Modified());
}

void MainFormTest::destroyingWithFocusedGridIsSafe() {
  MainFormFixture f;
  f.Create();
  f.form->show();
  QApplication::setActiveWindow(f.form.get());
  f.form->GridOf(Grid::Vfo)->setFocus();
  QVERIFY(f.form->GridOf(Grid::Vfo)->hasFocus());
  QCOMPARE(f.form->ActiveGrid(), Grid::Vfo);
  f.form.reset();  // the grid's focus-out and the tabs' removal come after the members are gone
  QVERIFY(!f.form);
}

}  // namespace quorvan

int RunMainFormTests(int argc, char** argv) {
  quorvan::MainFormTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "MainFormTest.moc"
