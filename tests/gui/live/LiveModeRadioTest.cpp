// Live mode end to end: the window's own serial component against the virtual radio on a
// pseudo-terminal, 50 cell edits in quick succession, then a whole read that must give back the
// document.
#include <QAbstractItemModel>
#include <QAction>
#include <QElapsedTimer>
#include <QtTest>

#include "core/files/DocumentFile.h"
#include "core/model/ChannelRecord.h"
#include "core/model/RadioForms.h"
#include "core/rules/GridTexts.h"
#include "core/transfer/ReadSequence.h"
#include "gui/live/LiveMode.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/MainFormFixture.h"
#include "gui/transfer/ModalTransferDialogs.h"
#include "gui/transfer/TReadForm.h"
#include "gui/transfer/TWriteForm.h"
#include "support/E2eProcess.h"

namespace quorvan {

namespace {

constexpr int kEdits = 50;
constexpr int kQueueGuardMs = 120000;  // a stuck queue fails the test; not a timing check

std::string Channel(int slot, const char* name) {
  return MemoryChannelLabel(slot) + ",00145" + std::to_string(100 + slot) +
         "000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,," + name;
}

}  // namespace

class LiveModeRadioTest : public QObject {
  Q_OBJECT

 private slots:
  void quickCellEditsAllReachTheRadio();
};

void LiveModeRadioTest::quickCellEditsAllReachTheRadio() {
  QTemporaryDir dir;
  RadioImage served = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  for (int slot = 0; slot < kEdits; ++slot)
    served.Store(SlotKind::Memory, slot, Channel(slot, "OLD"));
  const QString file = dir.filePath(QStringLiteral("served.qvx"));
  QVERIFY(SaveDocumentFile(file.toStdString(), served, nullptr));
  testing::VirtualRadio radio({QStringLiteral("--file"), file});
  QVERIFY(!radio.Device().isEmpty());

  MainFormFixture f;
  f.settings.SetValue("Type", "KK,0F");
  TReadForm read(f.messages);
  TWriteForm write(f.messages);
  ModalTransferDialogs transfers(read, write);
  f.adjustServices = [&](MainFormServices& s) { s.transfers = &transfers; };
  f.Create(radio.Device());
  f.form->Action(MainCommand::ReadAll)->trigger();
  f.form->Action(MainCommand::RadioLiveMode)->trigger();
  QVERIFY2(f.form->Live().Active(), qPrintable(f.messages.Texts().join('|')));

  f.form->Action(MainCommand::ViewAllColumns)->trigger();
  QAbstractItemModel* model = f.form->GridOf(Grid::Memory)->model();
  for (int slot = 0; slot < kEdits; ++slot) {
    const QString name = QStringLiteral("LIVE%1").arg(slot, 2, 10, QLatin1Char('0'));
    QVERIFY(model->setData(model->index(slot, kNameColumn), name));
    QTest::qWait(5);  // a quick typist
  }
  QElapsedTimer guard;
  guard.start();
  while (!f.form->Live().Settled() && !f.form->Live().Paused() && guard.elapsed() < kQueueGuardMs) {
    QTest::qWait(20);
  }
  QVERIFY2(f.form->Live().Settled(), qPrintable(f.form->Live().PausedText()));
  for (int slot = 0; slot < kEdits; ++slot) {
    QCOMPARE(f.form->Live().StateOf({ItemKind::Memory, slot}), LiveItemState::Confirmed);
  }
  f.form->Action(MainCommand::RadioLiveMode)->trigger();
  QVERIFY(!f.form->Live().Active());

  // The radio read back whole holds the document, every edit in its place.
  RadioImage received = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  ReadSequence whole(received, TransferScope::All);
  QVERIFY(read.Run(whole, radio.Device()));
  RadioImage expected = AsRadioGivesBack(f.form->Image());
  received = AsRadioGivesBack(received);
  received.SetComment(expected.Comment());
  QVERIFY(received == expected);
  QCOMPARE(std::string(ChannelRecord::Parse(
               received.Record(SlotKind::Memory, kEdits - 1))[ChannelField::Name]),
           std::string("LIVE49"));
  QVERIFY2(f.messages.shown.isEmpty(), qPrintable(f.messages.Texts().join('|')));
}

}  // namespace quorvan

QTEST_MAIN(quorvan::LiveModeRadioTest)
#include "LiveModeRadioTest.moc"
