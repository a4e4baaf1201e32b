// The Radio menu's write of changes, its verify and Verify After Writing, through the window
// against a scripted radio: what is sent, what is asked and shown, which backups are kept.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QtTest>
#include <deque>

#include "core/model/RadioForms.h"
#include "gui/mainwindow/MainFormFixture.h"
#include "support/SampleImage.h"
#include "support/SlotFields.h"

namespace quorvan {

namespace {

constexpr const char* kMain5 = "00146520000,5,1,0,1,0,0,12,12,007,000600000,0,1";

struct Report {
  QString title;
  QString text;
  QString acceptText;
};

// A window whose radio holds the sample document, and whose reports are recorded and answered
// from a queue (Cancel when it runs dry).
struct RadioFixture : MainFormFixture {
  QList<Report> reports;
  std::deque<bool> goOn;

  RadioFixture() {
    adjustServices = [this](MainFormServices& s) {
      s.showReport = [this](const QString& title, const QString& text, const QString& accept) {
        reports.append({title, text, accept});
        if (goOn.empty()) return false;
        const bool answer = goOn.front();
        goOn.pop_front();
        return answer;
      };
    };
    transfers.radio = testing::ScriptedRadio(testing::SampleImage("KK,0F", "ARVEN"));
    Create();
  }

  bool WriteChangesEnabled() {
    QMenu* write = form->findChild<QMenu*>(QStringLiteral("RadioWrite"));
    emit write->aboutToShow();
    return form->Action(MainCommand::WriteChanges)->isEnabled();
  }
  QStringList Backups(const QString& pattern) const {
    return QDir(Path(QStringLiteral("backups"))).entryList({pattern}, QDir::Files, QDir::Name);
  }
  // The document's memory channel 5 renamed and its battery type changed: two changed items.
  void ChangeTwoItems() {
    quorvan::ChangeDocument(*form, [](RadioImage& image) {
      image.Store(SlotKind::Memory, 5, "005," + std::string(kMain5) + ",00147000000,5,,NEW");
      image.Menu().Set(kMenuBAT, "1");
    });
  }
  bool RadioHoldsDocument() const {
    return AsRadioGivesBack(transfers.radio.Image()) == AsRadioGivesBack(form->Image());
  }
};

// A message that begins so (the rest names a date).
bool Begins(const QStringList& texts, const QString& start) {
  return texts.size() == 1 && texts.first().startsWith(start);
}
const QString kNothingChanged =
    QStringLiteral("Nothing has changed since the last read or write of this radio (");

std::vector<std::string> From(const std::vector<std::string>& commands, std::size_t first) {
  return {commands.begin() + static_cast<long>(std::min(first, commands.size())), commands.end()};
}

}  // namespace

class MainFormRadioTest : public QObject {
  Q_OBJECT

 private slots:
  void writeChangesNeedsWhatTheRadioHeldAndSendsOnlyChanges();
  void radioChangedSinceStopsTheWriteUntilWrittenAnyway();
  void brokenWriteIsCompletedByTheNextWriteOfChanges();
  void aNewestBackupThatCannotBeTakenStopsTheWrite();
  void verifyAndVerifyAfterWriting();
  void aReadIsUndoneWholeAndAnUnfinishedOneAsksBeforeAWrite_data();
  void aReadIsUndoneWholeAndAnUnfinishedOneAsksBeforeAWrite();
};

void MainFormRadioTest::aReadIsUndoneWholeAndAnUnfinishedOneAsksBeforeAWrite_data() {
  QTest::addColumn<int>("cancelAfter");  // commands sent before Cancel; -1: the read ends
  QTest::addColumn<int>("write");        // MainCommand of the write tried after the read
  QTest::newRow("complete, Write All") << -1 << int(MainCommand::WriteAll);
  QTest::newRow("cancelled, Write All") << 40 << int(MainCommand::WriteAll);
  QTest::newRow("cancelled, Write Changes") << 40 << int(MainCommand::WriteChanges);
}

void MainFormRadioTest::aReadIsUndoneWholeAndAnUnfinishedOneAsksBeforeAWrite() {
  QFETCH(int, cancelAfter);
  QFETCH(int, write);
  RadioFixture f;
  // A named, changed document before the read; the read's own question is answered No.
  const QString path = f.Path(QStringLiteral("club.qvx"));
  OpenDocument(*f.form, [](RadioImage&) {});
  f.form->Document().MarkSaved(path.toStdString());
  quorvan::ChangeDocument(*f.form, [](RadioImage& image) { image.SetComment("before"); });
  const RadioImage before = f.form->Image();
  const QString caption = ShownTitle(*f.form);
  f.messages.answers = {Answer::No, Answer::No};  // to "Data is changed." before each read
  // Write Changes needs an earlier read of the radio.
  if (write == int(MainCommand::WriteChanges)) f.form->Action(MainCommand::ReadAll)->trigger();
  f.transfers.cancelAfter = cancelAfter;
  f.form->Action(MainCommand::ReadAll)->trigger();
  const bool finished = cancelAfter < 0;
  QVERIFY(f.form->Document().FromRadio());
  auto* incomplete = f.form->findChild<QLabel*>(QStringLiteral("IncompleteRead"));
  QCOMPARE(incomplete->isVisibleTo(f.form.get()), !finished);
  if (!finished) {
    QVERIFY2(incomplete->text().startsWith(QStringLiteral("Incomplete read: ")),
             qPrintable(incomplete->text()));
    // Asked first; No sends nothing.
    f.messages.shown.clear();
    f.messages.answers = {Answer::No};
    const int writes = f.transfers.writes.size();
    f.form->Action(static_cast<MainCommand>(write))->trigger();
    QCOMPARE(f.messages.shown.size(), 1);
    QVERIFY2(f.messages.Texts().first().startsWith(
                 QStringLiteral("This document holds a read that did not finish: ")),
             qPrintable(f.messages.Texts().first()));
    QVERIFY(f.messages.Texts().first().endsWith(
        QStringLiteral(" items were not read from the radio. Write anyway?")));
    QCOMPARE(f.transfers.writes.size(), writes);
  }

  QCOMPARE(f.form->Action(MainCommand::EditUndo)->text(), QStringLiteral("&Undo Read"));
  f.form->Action(MainCommand::EditUndo)->trigger();
  if (write == int(MainCommand::WriteChanges)) {
    // The earlier read comes back first, as it was; one more Undo reaches the file.
    QVERIFY(f.form->Document().FromRadio());
    QVERIFY(!incomplete->isVisibleTo(f.form.get()));
    f.form->Action(MainCommand::EditUndo)->trigger();
  }
  QVERIFY(f.form->Image() == before);
  QCOMPARE(QString::fromStdString(f.form->Document().Name()), path);
  QVERIFY(!f.form->Document().FromRadio());
  QVERIFY(f.form->Document().Modified());
  QCOMPARE(ShownTitle(*f.form), caption);
  QVERIFY(!incomplete->isVisibleTo(f.form.get()));
  // The edit before the read is the next step back.
  f.form->Action(MainCommand::EditUndo)->trigger();
  QVERIFY(!f.form->Document().Modified());
}

void MainFormRadioTest::writeChangesNeedsWhatTheRadioHeldAndSendsOnlyChanges() {
  RadioFixture f;
  QVERIFY(!f.WriteChangesEnabled());
  f.form->Action(MainCommand::ReadAll)->trigger();
  QCOMPARE(f.Backups("*-ARVEN-KK0F.qvx").size(), 1);
  QVERIFY(f.WriteChangesEnabled());

  f.form->Action(MainCommand::WriteChanges)->trigger();
  QVERIFY2(Begins(f.messages.Texts(), kNothingChanged), qPrintable(f.messages.Texts().join('|')));
  QVERIFY(f.transfers.writes.isEmpty());

  f.ChangeTwoItems();
  const bool modified = f.form->Document().Modified();
  f.messages.shown.clear();
  f.messages.answers = {Answer::No, Answer::Yes};
  f.form->Action(MainCommand::WriteChanges)->trigger();
  QVERIFY2(
      Begins(f.messages.Texts(),
             QStringLiteral("Write 2 changed items to the radio?\nCompared with what the radio "
                            "held after the read of ")),
      qPrintable(f.messages.Texts().join('|')));
  QCOMPARE(f.messages.shown.first().icon, MessageIcon::Question);
  QVERIFY(f.transfers.writes.isEmpty());
  f.form->Action(MainCommand::WriteChanges)->trigger();
  QCOMPARE(f.transfers.writes.size(), 1);
  QCOMPARE(f.transfers.writes.first(),
           (std::vector<std::string>{"VOX 0", "ID", "TYD", "MR 0,005", "MR 1,005", "MNA 005", "BAT",
                                     "VMC 0,0", "VMC 1,0", "MW 0,005," + std::string(kMain5),
                                     "MW 1,005,00147000000,5", "MNA 005,NEW", "BAT 1"}));
  QVERIFY(f.RadioHoldsDocument());
  QCOMPARE(f.Backups("*-replaced.qvx").size(), 1);
  QCOMPARE(f.Backups("*-written.qvx").size(), 1);
  QVERIFY2(f.reports.isEmpty(), "nothing to report without Verify After Writing");
  // A write leaves the document, its state and its history as they were.
  QCOMPARE(f.form->Document().Modified(), modified);
  QVERIFY(f.form->Document().History().CanUndo());

  // What was written is now what the radio held.
  f.messages.shown.clear();
  f.form->Action(MainCommand::WriteChanges)->trigger();
  QVERIFY2(Begins(f.messages.Texts(), kNothingChanged), qPrintable(f.messages.Texts().join('|')));

  // Nothing to send proves nothing: with Verify After Writing the radio is compared.
  f.form->Action(MainCommand::VerifyAfterWriting)->setChecked(true);
  f.form->Action(MainCommand::WriteChanges)->trigger();
  QCOMPARE(f.transfers.reads.size(), 2);
  QCOMPARE(f.reports.size(), 1);
  QCOMPARE(f.reports.first().text, QStringLiteral("The radio holds this document."));
}

void MainFormRadioTest::radioChangedSinceStopsTheWriteUntilWrittenAnyway() {
  RadioFixture f;
  f.form->Action(MainCommand::ReadAll)->trigger();
  f.ChangeTwoItems();
  // Renamed on the radio's own keys after the read.
  RadioImage keyed = testing::SampleImage("KK,0F", "ARVEN");
  keyed.Store(SlotKind::Memory, 5, "005," + std::string(kMain5) + ",00147000000,5,,KEYS");
  f.transfers.radio = testing::ScriptedRadio(keyed);

  f.messages.answers = {Answer::Yes};
  f.goOn = {false};
  f.form->Action(MainCommand::WriteChanges)->trigger();
  QCOMPARE(f.transfers.writes.size(), 1);
  QCOMPARE(f.transfers.writes.first().back(), std::string("BAT"));  // read, nothing written
  QCOMPARE(f.reports.size(), 1);
  QCOMPARE(f.reports.first().acceptText, QStringLiteral("Write Anyway"));
  QCOMPARE(f.reports.first().text,
           QString::fromUtf8("The radio was changed since it was last read or written:\n"
                             "memory 005: name A,B\xC3\xA9\xC5\xA1 at the last read or write, KEYS "
                             "in the radio\n\nNothing was written to the radio."));
  QCOMPARE(testing::SlotField(f.transfers.radio.Image(), SlotKind::Memory, 5, ChannelField::Name),
           std::string("KEYS"));
  QCOMPARE(f.Backups("*-replaced.qvx").size(), 1);  // what the radio held is kept all the same
  QVERIFY(f.Backups("*-written.qvx").isEmpty());

  f.reports.clear();
  f.messages.answers = {Answer::Yes};
  f.goOn = {true};
  f.form->Action(MainCommand::WriteChanges)->trigger();
  QCOMPARE(f.transfers.writes.size(), 3);
  QCOMPARE(f.transfers.writes.last().back(), std::string("BAT 1"));
  QCOMPARE(f.reports.size(), 1);
  QVERIFY(f.RadioHoldsDocument());
  QCOMPARE(f.Backups("*-written.qvx").size(), 1);
}

void MainFormRadioTest::brokenWriteIsCompletedByTheNextWriteOfChanges() {
  RadioFixture f;
  f.form->Action(MainCommand::ReadAll)->trigger();
  f.ChangeTwoItems();
  f.messages.answers = {Answer::Yes, Answer::Yes, Answer::Yes};
  // The line goes once the channel is written, before the menu value.
  f.transfers.failAfter = 12;
  f.form->Action(MainCommand::WriteChanges)->trigger();
  QCOMPARE(f.transfers.writes.first().back(), std::string("MNA 005,NEW"));
  QVERIFY(f.Backups("*-written.qvx").isEmpty());
  QCOMPARE(f.Backups("*-pending.qvx").size(), 1);
  QCOMPARE(f.messages.Texts().last(),
           QStringLiteral("The write did not end; the next write of changes completes it."));
  QVERIFY(!f.RadioHoldsDocument());

  // Its items are read; only what the radio lacks is sent.
  f.messages.shown.clear();
  f.form->Action(MainCommand::WriteChanges)->trigger();
  QVERIFY2(
      f.messages.Texts().first().contains(QStringLiteral("\nCompared with what the write of ")),
      qPrintable(f.messages.Texts().join('|')));
  QCOMPARE(f.transfers.writes.size(), 2);
  QCOMPARE(From(f.transfers.writes.last(), 7), std::vector<std::string>{"BAT 1"});
  QVERIFY(f.reports.isEmpty());
  QVERIFY(f.RadioHoldsDocument());
  QCOMPARE(f.Backups("*-written.qvx").size(), 1);

  // A line gone in the middle of a channel leaves it as neither side had it; that is one of the
  // states the write can leave, so the next write completes it without asking.
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 5,
                testing::SampleImage("KK,0F", "ARVEN").Record(SlotKind::Memory, 5));
  });
  // The line goes after the receive part: the transmit part is gone, the name not yet sent.
  f.transfers.failAfter = 9;
  f.messages.answers = {Answer::Yes, Answer::Yes};
  f.form->Action(MainCommand::WriteChanges)->trigger();
  QCOMPARE(f.transfers.writes.last().back().substr(0, 8), std::string("MW 0,005"));
  QVERIFY(!f.RadioHoldsDocument());
  f.form->Action(MainCommand::WriteChanges)->trigger();
  QVERIFY(f.reports.isEmpty());
  QVERIFY(f.RadioHoldsDocument());
  QCOMPARE(f.messages.unexpectedQuestions, 0);
}

void MainFormRadioTest::aNewestBackupThatCannotBeTakenStopsTheWrite() {
  RadioFixture f;
  f.form->Action(MainCommand::ReadAll)->trigger();
  f.ChangeTwoItems();
  const QStringList reads = f.Backups("*-ARVEN-KK0F.qvx");
  QCOMPARE(reads.size(), 1);
  QFile read(f.Path(QStringLiteral("backups/") + reads.first()));
  QVERIFY(read.open(QIODevice::WriteOnly | QIODevice::Truncate));
  read.write("QUENTAR Chanvault for DOVRA\r\n");
  read.close();
  QVERIFY(f.WriteChangesEnabled());
  f.form->Action(MainCommand::WriteChanges)->trigger();
  QCOMPARE(f.messages.shown.size(), 1);
  QCOMPARE(f.messages.shown.first().kind, QStringLiteral("warning"));
  QVERIFY2(
      f.messages.Texts().first().startsWith(
          QStringLiteral("The newest backup of this radio cannot be read: ") + read.fileName()),
      qPrintable(f.messages.Texts().first()));
  QVERIFY(f.messages.Texts().first().endsWith(
      QStringLiteral("\nNothing was sent. Read the radio once.")));
  QVERIFY(f.transfers.writes.isEmpty());
}

void MainFormRadioTest::verifyAndVerifyAfterWriting() {
  RadioFixture f;
  f.form->Action(MainCommand::ReadAll)->trigger();
  f.form->Action(MainCommand::RadioVerify)->trigger();
  QCOMPARE(f.transfers.reads.size(), 2);
  QCOMPARE(f.reports.size(), 1);
  QCOMPARE(f.reports.first().title, QStringLiteral("Verify"));
  QCOMPARE(f.reports.first().text, QStringLiteral("The radio holds this document."));
  QVERIFY(f.reports.first().acceptText.isEmpty());

  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Dtmf, 3, "03,0123456789ABCD*#,OTHER");
  });
  f.form->Action(MainCommand::RadioVerify)->trigger();
  QCOMPARE(f.reports.last().text,
           QStringLiteral("The radio does not hold this document:\n"
                          "DTMF 3: name OTHER in the document, A,B\u00E9\u0161 in the radio\n"));

  // Remembered in the settings, and shown checked by the next window.
  QAction* verifyAfter = f.form->Action(MainCommand::VerifyAfterWriting);
  QVERIFY(verifyAfter->isCheckable());
  QVERIFY(!verifyAfter->isChecked());
  verifyAfter->setChecked(true);
  QCOMPARE(f.settings.Value("VerifyAfterWriting"), std::string("1"));
  f.Create();
  QVERIFY(f.form->Action(MainCommand::VerifyAfterWriting)->isChecked());

  // The radio takes the name of DTMF memory 3 without keeping it.
  OpenDocument(*f.form, [](RadioImage& image) {
    image = testing::SampleImage("KK,0F", "ARVEN");
    image.Store(SlotKind::Dtmf, 3, "03,0123456789ABCD*#,OTHER");
  });
  f.transfers.radio.Drop("DMN 03,");
  f.reports.clear();
  f.messages.answers = {Answer::Yes};
  f.form->Action(MainCommand::WriteAll)->trigger();
  QCOMPARE(f.transfers.writes.last().back(), std::string("BAT"));  // read back to the end
  QCOMPARE(f.reports.size(), 1);
  QCOMPARE(f.reports.first().text,
           QStringLiteral("The radio does not hold what was written:\n"
                          "DTMF 3: name OTHER in the document, none in the radio\n\n"
                          "The next write of changes writes again what the radio did not take."));
  QVERIFY2(f.Backups("*-written.qvx").isEmpty(), "the radio does not hold what was meant");

  f.reports.clear();
  f.messages.answers = {Answer::Yes};
  f.transfers.radio = testing::ScriptedRadio(testing::SampleImage("KK,0F", "ARVEN"));
  f.form->Action(MainCommand::WriteMenu)->trigger();
  QCOMPARE(f.reports.size(), 1);
  QCOMPARE(f.reports.first().text, QStringLiteral("The radio holds what was written."));
}

}  // namespace quorvan

QTEST_MAIN(quorvan::MainFormRadioTest)
#include "MainFormRadioTest.moc"
