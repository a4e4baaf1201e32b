// The read and write dialogs against the virtual radio on a pseudo-terminal.
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

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

}  // namespace quorvan

QTEST_MAIN(quorvan::TransferFormsTest)
#include "TransferFormsTest.moc"
