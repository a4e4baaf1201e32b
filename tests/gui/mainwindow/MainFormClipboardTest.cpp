// Cut, Copy, Paste and Delete through the window and the application's clipboard.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QTabWidget>
#include <QtTest>

#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/MainFormFixture.h"

namespace quorvan {

namespace {

const QString kFormat = QStringLiteral("application/x-qrvx-clip");

struct Channel {
  QString label = QStringLiteral("010");
  QString frequency = QStringLiteral("00146520000");
  QString step = QStringLiteral("0");
  QString shift = QStringLiteral("0");
  QString offset = QStringLiteral("000600000");
  QString mode = QStringLiteral("0");
  QString lockout = QStringLiteral("0");
  QString name;
};

// A memory record as the radio writes it.
QByteArray Text(const Channel& c) {
  return (c.label + "," + c.frequency + "," + c.step + "," + c.shift + ",0,1,0,0,12,08,000," +
          c.offset + "," + c.mode + "," + c.lockout + ",,,," + c.name)
      .toLatin1();
}

QByteArray ChannelOn(const QString& frequency, const QString& step = "0",
                     const QString& mode = "0") {
  Channel c;
  c.frequency = frequency;
  c.step = step;
  c.mode = mode;
  return Text(c);
}

const QByteArray kDtmfText = "03,12345*#,HOME";

// What another running copy of the program would leave on the clipboard.
void PutOnClipboard(const QByteArray& text) {
  auto* data = new QMimeData;
  data->setData(kFormat, text + '\0');
  QGuiApplication::clipboard()->setMimeData(data);
}

QByteArray ClipboardPayload() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasFormat(kFormat) ? data->data(kFormat) : QByteArray();
}

int RowOfLabel(TMainForm& form, Grid grid, const QString& label) {
  const QAbstractItemModel* model = form.GridOf(grid)->model();
  for (int r = 0; r < model->rowCount(); ++r) {
    if (model->index(r, 1).data().toString() == label) return r + 1;
  }
  return -1;
}

// Selecting a row and entering its grid, as a click does.
void Enter(TMainForm& form, Grid grid, int row) {
  GridView* view = form.GridOf(grid);
  view->SelectGridRow(row);
  emit view->Entered(grid);
}

void EnterLabel(TMainForm& form, Grid grid, const QString& label) {
  const int row = RowOfLabel(form, grid, label);
  QVERIFY2(row > 0, qPrintable(label));
  Enter(form, grid, row);
}

void SelectRows(TMainForm& form, Grid grid, int first, int last) {
  GridView* view = form.GridOf(grid);
  view->SelectGridRow(first);
  emit view->Entered(grid);
  const QAbstractItemModel* model = view->model();
  view->selectionModel()->select(
      QItemSelection(model->index(first - 1, 0), model->index(last - 1, model->columnCount() - 1)),
      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QString Memory(TMainForm& form, int slot) {
  return QString::fromStdString(form.Image().Record(SlotKind::Memory, slot));
}

QString Dtmf(TMainForm& form, int slot) {
  return QString::fromStdString(form.Image().Record(SlotKind::Dtmf, slot));
}

}  // namespace

class MainFormClipboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QGuiApplication::clipboard()->clear(); }

  void pasteAvailabilityOnEveryGrid_data();
  void pasteAvailabilityOnEveryGrid();
  void pasteIsOffAtStartAndBeforeAnyGrid();
  void pasteRebuildsTheRecordOnScanEdgeAndInfoChannels();
  void cutAndDeleteAvailabilityOnInfoChannels_data();
  void cutAndDeleteAvailabilityOnInfoChannels();
  void cutEmptiesTheRowAndMakesItPasteable();
  void copyPlacesOnlyTheRecordAndKeepsTheDocumentClean();
  void deleteClearsEverySelectedRow();
  void deleteSkipsProtectedInfoChannelsInASelection();
  void invalidFunctionOnVfoCallAndBeforeAnyGrid();
  void overlongClipboardTextIsIgnored();
  void applicationActivationRereadsTheClipboard();
  void menuPagesKeepEditingOff();
  void shortcutInGridCopiesTheRecord();
  void severalRowsTravelTogetherAndPasteIntoFollowingSlots();
};

void MainFormClipboardTest::pasteAvailabilityOnEveryGrid_data() {
  QTest::addColumn<int>("setup");  // 0 KK ARVEN, 1 ME BELTO, 2 JJ BELTO
  QTest::addColumn<QByteArray>("clipboard");
  QTest::addColumn<Grid>("grid");
  QTest::addColumn<QString>("label");
  QTest::addColumn<QString>("programRange");  // A_144MHz range; empty keeps the default
  QTest::addColumn<bool>("available");

  const QByteArray at146 = ChannelOn("00146520000");
  const QByteArray text29(29, '1');
  QTest::newRow("memory row, channel") << 0 << at146 << Grid::Memory << "000" << QString() << true;
  QTest::newRow("memory row, out of every band")
      << 0 << ChannelOn("01300500000") << Grid::Memory << "000" << QString() << false;
  QTest::newRow("memory row, DTMF text")
      << 0 << kDtmfText << Grid::Memory << "000" << QString() << false;
  QTest::newRow("memory row, 29 characters")
      << 0 << text29 << Grid::Memory << "000" << QString() << false;
  QTest::newRow("A VFO on its step") << 0 << at146 << Grid::Vfo << "A_144MHz" << QString() << true;
  QTest::newRow("A VFO off its step")
      << 0 << ChannelOn("00146512500", "0") << Grid::Vfo << "A_144MHz" << QString() << false;
  QTest::newRow("A VFO, AM") << 0 << ChannelOn("00146520000", "0", "2") << Grid::Vfo << "A_144MHz"
                             << QString() << false;
  QTest::newRow("A VFO, top of program range")
      << 0 << ChannelOn("00145990000", "4") << Grid::Vfo << "A_144MHz"
      << "0,00144,00145" << true;
  QTest::newRow("A VFO, above program range") << 0 << at146 << Grid::Vfo << "A_144MHz"
                                              << "0,00144,00145" << false;
  QTest::newRow("A VFO of another band")
      << 0 << at146 << Grid::Vfo << "A_440MHz" << QString() << false;
  QTest::newRow("B VFO outside its band")
      << 0 << at146 << Grid::Vfo << "B_AM" << QString() << false;
  QTest::newRow("B VFO inside its band, any step")
      << 0 << ChannelOn("00146512500", "0", "2") << Grid::Vfo << "B_144MHz" << QString() << true;
  QTest::newRow("VFO row, DTMF text")
      << 0 << kDtmfText << Grid::Vfo << "B_AM" << QString() << false;
  QTest::newRow("CALL of the band") << 0 << at146 << Grid::Call << "144MHz" << QString() << true;
  QTest::newRow("CALL of another band")
      << 0 << at146 << Grid::Call << "440MHz" << QString() << false;
  QTest::newRow("CALL Japan 430") << 2 << ChannelOn("00435000000") << Grid::Call << "430MHz"
                                  << QString() << true;
  QTest::newRow("DTMF row, DTMF text") << 1 << kDtmfText << Grid::Dtmf << "3" << QString() << true;
  QTest::newRow("DTMF row, channel") << 1 << at146 << Grid::Dtmf << "3" << QString() << false;
  QTest::newRow("DTMF row, 29 characters")
      << 1 << text29 << Grid::Dtmf << "3" << QString() << false;
}

void MainFormClipboardTest::pasteAvailabilityOnEveryGrid() {
  QFETCH(int, setup);
  QFETCH(QByteArray, clipboard);
  QFETCH(Grid, grid);
  QFETCH(QString, label);
  QFETCH(QString, programRange);
  QFETCH(bool, available);
  MainFormFixture f;
  f.setupChoice = setup;
  f.Create();
  if (!programRange.isEmpty()) {
    OpenDocument(*f.form, [&programRange](RadioImage& image) {
      image.Store(SlotKind::ProgramVfo, 0, programRange.toStdString());
    });
  }
  PutOnClipboard(clipboard);
  EnterLabel(*f.form, grid, label);
  QCOMPARE(f.form->Action(MainCommand::EditPaste)->isEnabled(), available);
  QCOMPARE(f.form->ToolButton(MainCommand::EditPaste)->isEnabled(), available);

  // Paste stores exactly when it was offered, and only then marks the document.
  const RadioImage before = f.form->Image();
  f.form->Action(MainCommand::EditPaste)->trigger();
  QCOMPARE(f.form->Image() != before, available);
  QCOMPARE(f.form->Document().Modified(), available);
}

void MainFormClipboardTest::pasteIsOffAtStartAndBeforeAnyGrid() {
  MainFormFixture f;
  f.Create();
  f.form->UpdateEditCommands();
  QVERIFY(!f.form->Action(MainCommand::EditPaste)->isEnabled());

  PutOnClipboard(ChannelOn("00146520000"));
  f.form->UpdateEditCommands();
  QVERIFY(!f.form->Action(MainCommand::EditPaste)->isEnabled());
  const RadioImage before = f.form->Image();
  f.form->RunEditCommand(EditCommand::Paste);
  QVERIFY(f.form->Image() == before);
  QVERIFY(!f.form->Document().Modified());
}

void MainFormClipboardTest::pasteRebuildsTheRecordOnScanEdgeAndInfoChannels() {
  MainFormFixture f;
  f.Create();  // KK: shift 3 is not carried over
  Channel c;
  c.shift = "3";
  c.lockout = "1";
  c.offset = "";
  c.name = "REPEATER12";
  PutOnClipboard(Text(c));

  EnterLabel(*f.form, Grid::Memory, "L3");
  QVERIFY(f.form->Action(MainCommand::EditPaste)->isEnabled());
  f.form->Action(MainCommand::EditPaste)->trigger();
  QCOMPARE(Memory(*f.form, 406),
           QStringLiteral("L3,00146520000,0,0,0,1,0,0,12,08,000,000000000,0,0,,,,REPEATER"));
  QCOMPARE(f.form->GridOf(Grid::Memory)->model()->index(406, 2).data().toString().isEmpty(), false);

  EnterLabel(*f.form, Grid::Memory, "045");
  f.form->Action(MainCommand::EditPaste)->trigger();
  QCOMPARE(Memory(*f.form, 45),
           QStringLiteral("045,00146520000,0,0,0,1,0,0,12,08,000,000000000,0,1,,,,REPEATER"));

  // The information channel keeps its own identifier.
  EnterLabel(*f.form, Grid::Memory, "I-2");
  QVERIFY(f.form->Action(MainCommand::EditPaste)->isEnabled());
  f.form->Action(MainCommand::EditPaste)->trigger();
  QVERIFY(Memory(*f.form, 423).startsWith(QStringLiteral("I-2,00146520000,")));
}

void MainFormClipboardTest::cutAndDeleteAvailabilityOnInfoChannels_data() {
  QTest::addColumn<int>("setup");
  QTest::addColumn<QString>("label");
  QTest::addColumn<bool>("available");
  QTest::newRow("USA PR2") << 0 << "Pr2" << true;
  QTest::newRow("USA I-1") << 0 << "I-1" << false;
  QTest::newRow("USA I-0") << 0 << "I-0" << false;
  QTest::newRow("Japan I-5") << 2 << "I-5" << false;
  QTest::newRow("Europe I-1") << 1 << "I-1" << true;
  QTest::newRow("general I-0") << 3 << "I-0" << true;
}

void MainFormClipboardTest::cutAndDeleteAvailabilityOnInfoChannels() {
  QFETCH(int, setup);
  QFETCH(QString, label);
  QFETCH(bool, available);
  MainFormFixture f;
  f.setupChoice = setup;
  f.Create();
  const int row = RowOfLabel(*f.form, Grid::Memory, label);
  OpenDocument(*f.form, [row](RadioImage& image) {
    image.Store(SlotKind::Memory, row - 1, ChannelOn("00146520000").toStdString());
  });
  EnterLabel(*f.form, Grid::Memory, label);
  QCOMPARE(f.form->Action(MainCommand::EditCut)->isEnabled(), available);
  QCOMPARE(f.form->Action(MainCommand::EditDelete)->isEnabled(), available);
  QCOMPARE(f.form->ToolButton(MainCommand::EditCut)->isEnabled(), available);
  // Not offered means not done, even when reached by the shortcut's command.
  const RadioImage before = f.form->Image();
  f.form->RunEditCommand(EditCommand::Delete);
  QCOMPARE(f.form->Image() == before, !available);
}

void MainFormClipboardTest::cutEmptiesTheRowAndMakesItPasteable() {
  MainFormFixture f;
  f.Create();
  Channel c;
  c.label = "007";
  OpenDocument(*f.form, [&c](RadioImage& image) {
    image.Store(SlotKind::Memory, 7, Text(c).toStdString());
  });
  Enter(*f.form, Grid::Memory, 8);
  QVERIFY(!f.form->Action(MainCommand::EditPaste)->isEnabled());
  f.form->ToolButton(MainCommand::EditCut)->trigger();
  QVERIFY(Memory(*f.form, 7).isEmpty());
  QVERIFY(f.form->GridOf(Grid::Memory)->model()->index(7, 2).data().toString().isEmpty());
  QCOMPARE(ClipboardPayload(), Text(c) + '\0');
  QVERIFY(f.form->Document().Modified());
  QVERIFY(f.form->Action(MainCommand::EditPaste)->isEnabled());

  f.form->Action(MainCommand::EditPaste)->trigger();
  QCOMPARE(Memory(*f.form, 7), QString::fromLatin1(Text(c)));
}

void MainFormClipboardTest::copyPlacesOnlyTheRecordAndKeepsTheDocumentClean() {
  MainFormFixture f;
  f.Create();
  EnterLabel(*f.form, Grid::Call, "144MHz");
  f.form->Action(MainCommand::EditCopy)->trigger();
  const QByteArray call = QByteArray::fromStdString(f.form->Image().Record(SlotKind::Call, 0));
  QVERIFY(!call.isEmpty());
  QCOMPARE(ClipboardPayload(), call + '\0');
  QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList{kFormat});
  QVERIFY(!f.form->Document().Modified());
  // A copied channel record suits the channel grids, not the DTMF grid.
  QVERIFY(f.form->Action(MainCommand::EditPaste)->isEnabled());
  Enter(*f.form, Grid::Dtmf, 1);
  QVERIFY(!f.form->Action(MainCommand::EditPaste)->isEnabled());

  OpenDocument(*f.form, [](RadioImage& image) { image.Store(SlotKind::Dtmf, 2, "02,123,CLUB"); });
  Enter(*f.form, Grid::Dtmf, 3);
  f.form->Action(MainCommand::EditCopy)->trigger();
  QCOMPARE(ClipboardPayload(), QByteArray("02,123,CLUB") + '\0');
  QVERIFY(f.form->Action(MainCommand::EditPaste)->isEnabled());
  Enter(*f.form, Grid::Dtmf, 6);
  f.form->Action(MainCommand::EditPaste)->trigger();
  QCOMPARE(Dtmf(*f.form, 5), QStringLiteral("05,123,CLUB"));
  Enter(*f.form, Grid::Memory, 1);
  QVERIFY(!f.form->Action(MainCommand::EditPaste)->isEnabled());
}

void MainFormClipboardTest::deleteClearsEverySelectedRow() {
  MainFormFixture f;
  f.Create();
  OpenDocument(*f.form, [](RadioImage& image) {
    for (int slot = 1; slot <= 6; ++slot) {
      image.Store(SlotKind::Memory, slot, ChannelOn("00146520000").toStdString());
    }
    for (int slot = 0; slot < 4; ++slot) image.Store(SlotKind::Dtmf, slot, "0,1,A");
  });
  const QByteArray clipboardBefore = ClipboardPayload();

  SelectRows(*f.form, Grid::Memory, 3, 5);  // slots 2 to 4
  f.form->Action(MainCommand::EditDelete)->trigger();
  QStringList kept;
  for (int slot = 1; slot <= 6; ++slot) kept << (Memory(*f.form, slot).isEmpty() ? "-" : "x");
  QCOMPARE(kept, (QStringList{"x", "-", "-", "-", "x", "x"}));
  QVERIFY(f.form->Document().Modified());
  QCOMPARE(ClipboardPayload(), clipboardBefore);

  SelectRows(*f.form, Grid::Dtmf, 2, 3);
  f.form->Action(MainCommand::EditDelete)->trigger();
  QCOMPARE((QStringList{Dtmf(*f.form, 0), Dtmf(*f.form, 1), Dtmf(*f.form, 2), Dtmf(*f.form, 3)}),
           (QStringList{"0,1,A", "", "", "0,1,A"}));
}

void MainFormClipboardTest::deleteSkipsProtectedInfoChannelsInASelection() {
  MainFormFixture f;
  f.Create();  // KK
  OpenDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 421, ChannelOn("00146520000").toStdString());
  });
  const std::string info = f.form->Image().Record(SlotKind::Memory, 422);
  QVERIFY(!info.empty());
  SelectRows(*f.form, Grid::Memory, 422, 424);
  f.form->RunEditCommand(EditCommand::Delete);
  QVERIFY(Memory(*f.form, 421).isEmpty());
  QCOMPARE(f.form->Image().Record(SlotKind::Memory, 422), info);
}

void MainFormClipboardTest::invalidFunctionOnVfoCallAndBeforeAnyGrid() {
  MainFormFixture f;
  f.Create();
  f.form->RunEditCommand(EditCommand::Cut);
  EnterLabel(*f.form, Grid::Vfo, "A_144MHz");
  QVERIFY(!f.form->Action(MainCommand::EditCut)->isEnabled());
  QVERIFY(!f.form->Action(MainCommand::EditDelete)->isEnabled());
  f.form->RunEditCommand(EditCommand::Delete);
  EnterLabel(*f.form, Grid::Call, "144MHz");
  f.form->RunEditCommand(EditCommand::Cut);
  QCOMPARE(f.messages.Texts(), QStringList(3, QStringLiteral("Invalid function.")));
  for (const auto& shown : f.messages.shown) QCOMPARE(shown.icon, MessageIcon::Information);
  // Nothing was changed, so nothing asks to be saved.
  QVERIFY(!f.form->Document().Modified());
  QVERIFY(ClipboardPayload().isEmpty());
}

void MainFormClipboardTest::overlongClipboardTextIsIgnored() {
  MainFormFixture f;
  f.Create();
  PutOnClipboard(kDtmfText);
  Enter(*f.form, Grid::Dtmf, 1);
  QVERIFY(f.form->Action(MainCommand::EditPaste)->isEnabled());

  PutOnClipboard(QByteArray(100, '7'));
  Enter(*f.form, Grid::Dtmf, 2);
  QCOMPARE(QString::fromStdString(f.form->Clipboard().Buffer().Text()),
           QString::fromLatin1(kDtmfText));
  f.form->Action(MainCommand::EditPaste)->trigger();
  QCOMPARE(Dtmf(*f.form, 1), QStringLiteral("01,12345*#,HOME"));

  PutOnClipboard(QByteArray(99, '7'));
  Enter(*f.form, Grid::Dtmf, 2);
  QCOMPARE(f.form->Clipboard().Buffer().Text(), std::string(99, '7'));
  QVERIFY(!f.form->Action(MainCommand::EditPaste)->isEnabled());
}

void MainFormClipboardTest::applicationActivationRereadsTheClipboard() {
  MainFormFixture f;
  f.Create();
  Enter(*f.form, Grid::Dtmf, 1);
  QVERIFY(!f.form->Action(MainCommand::EditPaste)->isEnabled());
  PutOnClipboard(kDtmfText);
  QVERIFY(!f.form->Action(MainCommand::EditPaste)->isEnabled());
  emit qApp->applicationStateChanged(Qt::ApplicationActive);
  QVERIFY(f.form->Action(MainCommand::EditPaste)->isEnabled());

  // Another program taking the clipboard leaves the last record pasteable.
  QGuiApplication::clipboard()->setText(QStringLiteral("plain text"));
  emit qApp->applicationStateChanged(Qt::ApplicationActive);
  QVERIFY(f.form->Action(MainCommand::EditPaste)->isEnabled());
}

void MainFormClipboardTest::menuPagesKeepEditingOff() {
  MainFormFixture f;
  f.Create();
  PutOnClipboard(kDtmfText);
  Enter(*f.form, Grid::Dtmf, 1);
  QVERIFY(f.form->ToolButton(MainCommand::EditPaste)->isEnabled());
  f.form->PageControl()->setCurrentIndex(1);
  emit qApp->applicationStateChanged(Qt::ApplicationActive);
  QVERIFY(!f.form->ToolButton(MainCommand::EditPaste)->isEnabled());
  QVERIFY(!f.form->ToolButton(MainCommand::EditCut)->isEnabled());
  const RadioImage before = f.form->Image();
  f.form->RunEditCommand(EditCommand::Paste);
  QVERIFY(f.form->Image() == before);

  f.form->PageControl()->setCurrentIndex(0);
  QVERIFY(f.form->ToolButton(MainCommand::EditPaste)->isEnabled());
  QVERIFY(f.form->ToolButton(MainCommand::EditCut)->isEnabled());
}

void MainFormClipboardTest::shortcutInGridCopiesTheRecord() {
  MainFormFixture f;
  f.Create();
  f.form->show();
  f.form->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
  OpenDocument(*f.form, [](RadioImage& image) { image.Store(SlotKind::Dtmf, 0, "00,999,NET"); });
  GridView* grid = f.form->GridOf(Grid::Dtmf);
  grid->setFocus();
  grid->SelectGridRow(1);
  QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(ClipboardPayload(), QByteArray("00,999,NET") + '\0');
}

void MainFormClipboardTest::severalRowsTravelTogetherAndPasteIntoFollowingSlots() {
  MainFormFixture f;
  f.settings.SetValue("Type", "KK,0F");
  f.Create();
  Channel c;
  QList<QByteArray> records;
  for (const int slot : {2, 3, 5}) {
    c.label = QString::fromStdString(MemoryChannelLabel(slot));
    c.name = QStringLiteral("N%1").arg(slot);
    records << Text(c);
  }
  OpenDocument(*f.form, [&records](RadioImage& image) {
    for (const QByteArray& record : records) {
      image.Store(SlotKind::Memory, MemorySlotOfLabel(record.left(3).toStdString()),
                  record.toStdString());
    }
  });
  const std::string edge = f.form->Image().Record(SlotKind::Memory, 400);
  // Slots 1 to 6: the empty rows at either end are left out, the one inside is kept.
  SelectRows(*f.form, Grid::Memory, 2, 7);
  f.form->Action(MainCommand::EditCopy)->trigger();
  QCOMPARE(ClipboardPayload(), records[0] + '\0' + records[1] + '\0' + '\0' + records[2] + '\0');

  Enter(*f.form, Grid::Memory, 397);  // slot 396: the last channel lands on 399, nothing past it
  f.form->Action(MainCommand::EditPaste)->trigger();
  QCOMPARE(Memory(*f.form, 396).section(',', 0, 0), QStringLiteral("396"));
  QCOMPARE(Memory(*f.form, 396).section(',', 17), QStringLiteral("N2"));
  QCOMPARE(Memory(*f.form, 399).section(',', 17), QStringLiteral("N5"));
  QCOMPARE(f.form->Image().Record(SlotKind::Memory, 400), edge);
  QVERIFY(f.messages.Texts().isEmpty());

  Enter(*f.form, Grid::Memory, 398);  // slot 397: the last row has no slot left
  f.form->Action(MainCommand::EditPaste)->trigger();
  QCOMPARE(f.messages.Texts(),
           QStringList{QStringLiteral("These rows were not pasted:\n"
                                      "row 4 (005) does not fit after the last slot")});
  QCOMPARE(f.form->Image().Record(SlotKind::Memory, 400), edge);
}

}  // namespace quorvan

QTEST_MAIN(quorvan::MainFormClipboardTest)
#include "MainFormClipboardTest.moc"
