// Radio > History through the window against a scripted radio: the list, the differences of two
// entries, a restore as a write of changes, a pin, Open, and a damaged backup never used.
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <fstream>

#include "core/files/BackupPins.h"
#include "core/model/RadioForms.h"
#include "gui/history/HistoryDialog.h"
#include "gui/mainwindow/MainFormFixture.h"
#include "support/SampleImage.h"

namespace quorvan {

namespace {

// Memory channel 10 as one of the writes left it.
std::string Channel10(const std::string& name) {
  return "010,00145100000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,," + name;
}

struct HistoryFixture : MainFormFixture {
  HistoryFixture() {
    adjustServices = [](MainFormServices& s) {
      s.showReport = [](const QString&, const QString&, const QString&) { return false; };
    };
    transfers.radio = testing::ScriptedRadio(testing::SampleImage("KK,0F", "ARVEN"));
    Create();
  }

  // Write > Changes of the document with memory channel 10 named so, answered Yes.
  void WriteChannel10(const std::string& name) {
    ChangeDocument(*form,
                   [&](RadioImage& image) { image.Store(SlotKind::Memory, 10, Channel10(name)); });
    messages.answers = {Answer::Yes};
    form->Action(MainCommand::WriteChanges)->trigger();
  }

  // Opens Radio > History and hands the dialog to `check`; the dialog is closed afterwards
  // whatever `check` found.
  void WithHistory(const std::function<void(HistoryDialog&)>& check) {
    bool shown = false;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<HistoryDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      shown = true;
      check(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    form->Action(MainCommand::RadioHistory)->trigger();
    QVERIFY(shown);
  }

  static QString Cell(HistoryDialog& dialog, int number, int column) {
    const QTreeWidgetItem* item = dialog.List()->topLevelItem(number - 1);
    return item ? item->text(column) : QString();
  }
};

constexpr int kKindColumn = 2;
constexpr int kPinnedColumn = 3;
constexpr int kChangesColumn = 4;

}  // namespace

class HistoryDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void threeWritesThenTheFirstStateIsRestoredPinnedAndOpened();
  void aDamagedBackupIsListedButNeverUsed();
};

void HistoryDialogTest::threeWritesThenTheFirstStateIsRestoredPinnedAndOpened() {
  HistoryFixture f;
  const RadioImage sample = testing::SampleImage("KK,0F", "ARVEN");
  f.form->Action(MainCommand::ReadAll)->trigger();
  for (const char* name : {"ONE", "TWO", "THREE"}) f.WriteChannel10(name);
  QCOMPARE(f.transfers.writes.size(), 3);

  f.WithHistory([&](HistoryDialog& d) {
    QCOMPARE(d.List()->topLevelItemCount(), 7);
    QCOMPARE(HistoryFixture::Cell(d, 1, kKindColumn), QStringLiteral("Written"));
    QCOMPARE(HistoryFixture::Cell(d, 1, kChangesColumn), QStringLiteral("1 memory channel"));
    QCOMPARE(HistoryFixture::Cell(d, 2, kKindColumn), QStringLiteral("Replaced"));
    QCOMPARE(HistoryFixture::Cell(d, 2, kChangesColumn), QStringLiteral("No change"));
    QCOMPARE(HistoryFixture::Cell(d, 7, kKindColumn), QStringLiteral("Read"));
    QCOMPARE(HistoryFixture::Cell(d, 7, kChangesColumn), QStringLiteral("No earlier state"));

    // Two entries: what the older held, then the newer.
    d.SelectNumbers({1, 7});
    QVERIFY(!d.RestoreButton()->isEnabled());
    QCOMPARE(d.DetailText(),
             QStringLiteral("memory 010: channel empty in entry 7, 145.100 THREE in entry 1\n"));

    // Restore: one item differs, asked with the state's time, written as a write of changes.
    d.SelectNumbers({7});
    QVERIFY(d.RestoreButton()->isEnabled());
    f.messages.shown.clear();
    f.messages.answers = {Answer::Yes};
    d.RestoreButton()->click();
    QCOMPARE(f.messages.shown.size(), 1);
    QVERIFY2(f.messages.shown.first().text.startsWith(
                 QStringLiteral("Restore the radio to its state of ")) &&
                 f.messages.shown.first().text.contains(QStringLiteral(
                     "? 1 item differs from what it holds now.\nCompared with what the radio "
                     "held after the write of ")),
             qPrintable(f.messages.shown.first().text));
    QCOMPARE(f.transfers.writes.size(), 4);
    QCOMPARE(f.transfers.writes.last().back(), std::string("MW 0,010"));
    QVERIFY(AsRadioGivesBack(f.transfers.radio.Image()) == AsRadioGivesBack(sample));
    // What it replaced and what it wrote are entries now.
    QCOMPARE(d.List()->topLevelItemCount(), 9);

    // A pin stays on the oldest, in the list and beside the backup.
    d.SelectNumbers({9});
    QCOMPARE(d.PinButton()->text(), QStringLiteral("&Pin"));
    d.PinButton()->click();
    QCOMPARE(HistoryFixture::Cell(d, 9, kPinnedColumn), QStringLiteral("Pinned"));
    QCOMPARE(d.PinButton()->text(), QStringLiteral("Un&pin"));
    QVERIFY(QFile::exists(f.Path(QStringLiteral("backups/")) +
                          QString::fromStdString(PinFileName(d.Entries()[8].name.fileName))));

    // Open: the unsaved document is asked about, then the state becomes it.
    d.SelectNumbers({7});
    f.messages.shown.clear();
    f.messages.answers = {Answer::No};
    d.OpenButton()->click();
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown.first().kind, QStringLiteral("yesnocancel"));
    QVERIFY(!d.isVisible());
  });
  QCOMPARE(f.form->Image().Record(SlotKind::Memory, 10), Channel10("ONE"));
  QVERIFY(f.form->Document().FromRadio());
  QCOMPARE(f.messages.unexpectedQuestions, 0);
}

void HistoryDialogTest::aDamagedBackupIsListedButNeverUsed() {
  HistoryFixture f;
  f.form->Action(MainCommand::ReadAll)->trigger();
  const QString damaged = f.Path(QStringLiteral("backups/20200101T000000Z-9999-ARVEN-KK0F.qvx"));
  std::ofstream(QFile::encodeName(damaged).toStdString()) << "QUENTAR\r\n";

  f.WithHistory([&](HistoryDialog& d) {
    QCOMPARE(d.List()->topLevelItemCount(), 2);
    QCOMPARE(HistoryFixture::Cell(d, 1, kChangesColumn), QStringLiteral("Damaged"));
    QCOMPARE(HistoryFixture::Cell(d, 2, kChangesColumn), QStringLiteral("No earlier state"));
    d.SelectNumbers({1});
    QVERIFY(!d.OpenButton()->isEnabled());
    QVERIFY(!d.RestoreButton()->isEnabled());
    QVERIFY(d.PinButton()->isEnabled());
    QVERIFY2(d.DetailText().startsWith(
                 QStringLiteral("This backup is damaged and cannot be used.\n") + damaged),
             qPrintable(d.DetailText()));
    d.SelectNumbers({1, 2});
    QVERIFY(d.DetailText().startsWith(QStringLiteral("This backup is damaged")));
    // Restoring the read cannot pass over the damaged newest backup for it.
    d.SelectNumbers({2});
    f.messages.shown.clear();
    d.RestoreButton()->click();
    QCOMPARE(f.messages.shown.size(), 1);
    QVERIFY2(f.messages.shown.first().text.startsWith(
                 QStringLiteral("The newest backup of this radio cannot be read: ")),
             qPrintable(f.messages.shown.first().text));
    QCOMPARE(f.transfers.writes.size(), 0);
  });
}

}  // namespace quorvan

QTEST_MAIN(quorvan::HistoryDialogTest)
#include "HistoryDialogTest.moc"
