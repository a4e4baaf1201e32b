// The read and write dialogs against the virtual radio on a pseudo-terminal.
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>

#include "core/transfer/CheckedWriteSequence.h"
#include "core/transfer/ReadSequence.h"
#include "core/transfer/WriteSequence.h"
#include "gui/transfer/TReadForm.h"
#include "gui/transfer/TWriteForm.h"
#include "support/ScriptedServices.h"

namespace quorvan {

namespace {

bool RunRead(TReadForm& form, RadioImage& image, TransferScope scope, const QString& port) {
  ReadSequence sequence(image, scope);
  return form.Run(sequence, port);
}

bool RunWrite(TWriteForm& form, const RadioImage& image, TransferScope scope, const QString& port) {
  WriteSequence sequence(image, scope);
  return form.Run(sequence, port);
}

// Field 16 is not carried by the write commands, so it is left empty to compare whole texts.
const char* const kMemory5 = "005,00145500000,0,1,0,1,0,0,08,00,000,000600000,0,0,,,,CLUB";

// The virtual radio, stopped when the test ends.
class VirtualRadio {
 public:
  explicit VirtualRadio(const QStringList& options) {
    process_.start(QStringLiteral(QUORVAN_RADIOSIM_PATH), options);
    if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000)) {
      device_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
  }
  ~VirtualRadio() {
    process_.kill();
    process_.waitForFinished(5000);
  }
  const QString& Device() const { return device_; }

 private:
  QProcess process_;
  QString device_;
};

RadioImage NewImage() { return MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")); }

// Every second line the dialog showed while its transfer ran, in order, without repeats.
QStringList SecondLines(TransferDialog& dialog, const std::function<bool()>& run) {
  QStringList lines;
  // Connected after the dialog's own handler, so the line is already updated.
  const QMetaObject::Connection c =
      QObject::connect(&dialog.Session(), &TransferSession::progress, &dialog, [&] {
        const QString line = dialog.DetailLabel()->text();
        if (lines.isEmpty() || lines.last() != line) lines << line;
      });
  if (!run()) lines.prepend(QStringLiteral("(did not complete)"));
  QObject::disconnect(c);
  return lines;
}

// Where each of `prefixes` first begins a line: ascending when they came in that order.
QList<int> FirstLinesBeginning(const QStringList& lines, const QStringList& prefixes) {
  QList<int> found;
  for (const QString& prefix : prefixes) {
    int at = -1;
    for (int i = 0; i < lines.size() && at < 0; ++i) {
      if (lines[i].startsWith(prefix)) at = i;
    }
    found << at;
  }
  return found;
}

}  // namespace

class TransferFormsTest : public QObject {
  Q_OBJECT

 private slots:
  void dialogsCarryTheirCaptionsAndTexts();
  void writeThenReadReturnsTheSameChannels();
  void cancelEndsTheReadWithoutMessage();
  void silentRadioTimesOut();
  void foreignRadioIsRefusedAndImageKept();
  void unusablePortKeepsDialogUntilCancel();
  void malformedDocumentIsNotWritten();
  void secondLineTellsWhatAndHowFar();
};

void TransferFormsTest::dialogsCarryTheirCaptionsAndTexts() {
  ScriptedMessages messages;
  TReadForm read(messages);
  TWriteForm write(messages);
  QCOMPARE(read.windowTitle(), QStringLiteral("Read"));
  QCOMPARE(write.windowTitle(), QStringLiteral("Write"));
  QVERIFY(read.findChild<QLabel*>() &&
          read.findChild<QLabel*>()->text() == QStringLiteral("Reading data from the Radio."));
  QVERIFY(write.findChild<QLabel*>()->text() == QStringLiteral("Writing data to the Radio."));
  QCOMPARE(read.CancelButton()->text(), QStringLiteral("Cancel"));
}

void TransferFormsTest::writeThenReadReturnsTheSameChannels() {
  VirtualRadio radio({});
  QVERIFY(!radio.Device().isEmpty());
  ScriptedMessages messages;
  TWriteForm write(messages);
  TReadForm read(messages);
  QVERIFY(read.CheckPort(radio.Device()));

  RadioImage sent = NewImage();
  sent.Store(SlotKind::Memory, 5, kMemory5);
  sent.Store(SlotKind::Dtmf, 2, "02,123*#,HOME");
  QVERIFY(RunWrite(write, sent, TransferScope::Memory, radio.Device()));
  QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.Texts().join('|')));

  RadioImage received = NewImage();
  QVERIFY(RunRead(read, received, TransferScope::All, radio.Device()));
  QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.Texts().join('|')));
  QCOMPARE(QString::fromStdString(received.Record(SlotKind::Memory, 5)),
           QString::fromLatin1(kMemory5));
  QCOMPARE(received.Record(SlotKind::Dtmf, 2), std::string("02,123*#,HOME"));
  QCOMPARE(received.Plan().model, std::string("ARVEN"));
  QVERIFY(read.ProgressBar()->value() > 0);
  QVERIFY(read.CheckPort(radio.Device()));  // the port was given back
}

void TransferFormsTest::cancelEndsTheReadWithoutMessage() {
  VirtualRadio radio({QStringLiteral("--delay-ms"), QStringLiteral("5")});
  ScriptedMessages messages;
  TReadForm read(messages);
  RadioImage image = NewImage();
  QTimer::singleShot(300, read.CancelButton(), &QPushButton::click);
  QVERIFY(!RunRead(read, image, TransferScope::All, radio.Device()));
  QCOMPARE(read.Session().LastOutcome(), TransferSession::Outcome::Cancelled);
  QVERIFY(messages.shown.isEmpty());
  QVERIFY(!read.isVisible());
}

void TransferFormsTest::silentRadioTimesOut() {
  VirtualRadio radio({QStringLiteral("--stop-after"), QStringLiteral("4")});
  ScriptedMessages messages;
  TReadForm read(messages);
  RadioImage image = NewImage();
  QVERIFY(!RunRead(read, image, TransferScope::Menu, radio.Device()));
  QCOMPARE(messages.Texts(),
           QStringList{"Communication timeout error.\nCheck that the radio is on and not showing "
                       "one of its menus, that the cable is seated at both ends and that " +
                       radio.Device() + " is the cable's port."});
  QCOMPARE(messages.shown.first().icon, MessageIcon::Error);
  QVERIFY(!read.isVisible());
}

// Under the unchanged text, what the radio answered, or its type against the document's.
void TransferFormsTest::foreignRadioIsRefusedAndImageKept() {
  const QString invalid = QStringLiteral("The radio is invalid.\nPlease check and try again.\n");
  {
    VirtualRadio radio({QStringLiteral("--id"), QStringLiteral("OTHER")});
    ScriptedMessages messages;
    TReadForm read(messages);
    RadioImage image = NewImage();
    image.Store(SlotKind::Memory, 5, kMemory5);
    const RadioImage before = image;
    QVERIFY(!RunRead(read, image, TransferScope::All, radio.Device()));
    QCOMPARE(messages.Texts(), QStringList{invalid + "The radio answered \"ID OTHER\"."});
    QVERIFY(image == before);
  }
  VirtualRadio european({QStringLiteral("--type"), QStringLiteral("ME,0B")});
  ScriptedMessages messages;
  TWriteForm write(messages);
  QVERIFY(!RunWrite(write, NewImage(), TransferScope::All, european.Device()));
  QCOMPARE(messages.Texts(),
           QStringList{invalid + "The radio reports type ME,0B (Europe); this document "
                                 "is for KK,0F (U.S.A./Canada)."});
  QCOMPARE(messages.shown.first().icon, MessageIcon::Error);
}

void TransferFormsTest::unusablePortKeepsDialogUntilCancel() {
  ScriptedMessages messages;
  TWriteForm write(messages);
  bool visibleAfterMessage = false;
  QTimer::singleShot(200, &write, [&] {
    visibleAfterMessage = write.isVisible();
    write.CancelButton()->click();
  });
  QVERIFY(
      !RunWrite(write, NewImage(), TransferScope::All, QStringLiteral("/nonexistent/tty-quorvan")));
  QCOMPARE(messages.Texts().size(), 1);
  QVERIFY2(messages.Texts().first().startsWith("COM port is invalid.\nPlease check and try again.\n"
                                               "/nonexistent/tty-quorvan does not exist; "),
           qPrintable(messages.Texts().first()));
  QVERIFY(visibleAfterMessage);
  QVERIFY(!write.isVisible());
}

// However a malformed record got into the document, the write sends none of it.
void TransferFormsTest::malformedDocumentIsNotWritten() {
  QTemporaryDir dir;
  const QString log = dir.filePath(QStringLiteral("radio.log"));
  VirtualRadio radio({QStringLiteral("--log"), log});
  ScriptedMessages messages;
  TWriteForm write(messages);
  RadioImage image = NewImage();
  image.Store(SlotKind::Memory, 0, "000,0014518");
  QVERIFY(!RunWrite(write, image, TransferScope::All, radio.Device()));
  QCOMPARE(write.Session().LastOutcome(), TransferSession::Outcome::MalformedRecord);
  QCOMPARE(messages.Texts(),
           QStringList{"Nothing was written to the radio: memory channel 000 is malformed; the "
                       "record has 2 fields instead of 18.\nPlease check and try again."});
  QCOMPARE(messages.shown.first().icon, MessageIcon::Error);
  QVERIFY(!write.isVisible());
  QFile received(log);
  QVERIFY(!received.exists() || (received.open(QIODevice::ReadOnly) && received.size() == 0));
}

// The fixed text stays; under it the line names the part being read and how far it is, and a
// write of changes its phases.
void TransferFormsTest::secondLineTellsWhatAndHowFar() {
  VirtualRadio radio({});
  QVERIFY(!radio.Device().isEmpty());
  ScriptedMessages messages;
  TWriteForm write(messages);
  TReadForm read(messages);
  RadioImage held = NewImage();
  held.Store(SlotKind::Memory, 5, kMemory5);
  QVERIFY(RunWrite(write, held, TransferScope::Memory, radio.Device()));

  RadioImage image = NewImage();
  const QStringList readLines =
      SecondLines(read, [&] { return RunRead(read, image, TransferScope::All, radio.Device()); });
  QCOMPARE(read.findChild<QLabel*>()->text(), QStringLiteral("Reading data from the Radio."));
  const QList<int> parts = FirstLinesBeginning(
      readLines, {"Memory channels: ", "CALL channels: ", "VFOs: ", "DTMF memories: ", "Menu: "});
  QVERIFY2(!parts.contains(-1) && std::is_sorted(parts.begin(), parts.end()),
           qPrintable(readLines.join('|')));
  QVERIFY2(QRegularExpression(QStringLiteral("^Memory channels: \\d+ of 498"))
               .match(readLines[parts.first()])
               .hasMatch(),
           qPrintable(readLines[parts.first()]));

  RadioImage document = held;
  document.Store(SlotKind::Memory, 5,
                 std::string(kMemory5).substr(0, std::string(kMemory5).size() - 4) + "HALL");
  WritePlan plan = PlanChanges(document, held, false, nullptr);
  plan.readBack = true;
  CheckedWriteSequence changes(document, plan);
  const QStringList writeLines =
      SecondLines(write, [&] { return write.Run(changes, radio.Device()); });
  QVERIFY2(messages.shown.isEmpty(), qPrintable(messages.Texts().join('|')));
  QCOMPARE(write.findChild<QLabel*>()->text(), QStringLiteral("Writing data to the Radio."));
  const QList<int> phases =
      FirstLinesBeginning(writeLines, {"Checking 1 item: ", "Writing: ", "Reading back 1 item: "});
  QVERIFY2(!phases.contains(-1) && std::is_sorted(phases.begin(), phases.end()),
           qPrintable(writeLines.join('|')));
  QVERIFY(changes.ReadBackCompleted() && changes.ReadBackDifferences().empty());
}

}  // namespace quorvan

QTEST_MAIN(quorvan::TransferFormsTest)
#include "TransferFormsTest.moc"
