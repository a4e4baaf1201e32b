// Find Radio and the diagnostic report against the virtual radio on pseudo-terminals.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "core/transfer/ReadSequence.h"
#include "gui/diagnostics/DiagnosticReportDialog.h"
#include "gui/diagnostics/FindRadioDialog.h"
#include "gui/transfer/TReadForm.h"
#include "io/session/TransferRecorder.h"
#include "support/E2eProcess.h"
#include "support/PseudoTerminal.h"
#include "support/QtTestApp.h"
#include "support/ScriptedServices.h"

namespace quorvan {

namespace {

using testing::ProcessEventsUntil;
using testing::PseudoTerminal;
using testing::Slurp;
using testing::VirtualRadio;

QStringList ItemTexts(const QListWidget& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
  return texts;
}

bool ReadAll(TReadForm& form, const QString& port) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  ReadSequence sequence(image, TransferScope::Menu);
  return form.Run(sequence, port);
}

}  // namespace

class DiagnosticsDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void findRadioListsEveryPortAndOffersTheRadio();
  void cancelStopsTheSearchAndKeepsTheDialogOpen();
  void reportRecordsTransfersOnlyWhileChecked();
  void reportIsCopiedAndSavedWhole();
};

void DiagnosticsDialogsTest::findRadioListsEveryPortAndOffersTheRadio() {
  PseudoTerminal silent;
  VirtualRadio radio({"--type", "JJ,01", "--model", "BELTO"});
  QVERIFY(silent.IsValid() && !radio.Device().isEmpty());
  const QString silentPath = QString::fromStdString(silent.Path());
  TransferRecorder recorder;
  recorder.SetRecording(true);
  FindRadioDialog dialog([&] { return QStringList{silentPath, radio.Device()}; }, &recorder);

  dialog.StartSearch();
  QVERIFY(dialog.Searching());
  QVERIFY(!dialog.UseButton()->isEnabled());
  QVERIFY(ProcessEventsUntil([&] { return !dialog.Searching(); }, testing::kGuardMs));
  QCOMPARE(
      ItemTexts(*dialog.Results()),
      (QStringList{silentPath + ": no answer", radio.Device() + ": BELTO, type JJ,01 (Japan)"}));
  QCOMPARE(dialog.Status()->text(), QStringLiteral("A radio answered. Use its port?"));
  QCOMPARE(dialog.Results()->currentRow(), 1);
  QVERIFY(!(dialog.Results()->item(0)->flags() & Qt::ItemIsSelectable));
  QVERIFY(dialog.UseButton()->isEnabled());
  QCOMPARE(dialog.CancelButton()->text(), QStringLiteral("Close"));
  dialog.UseButton()->click();
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QCOMPARE(dialog.ChosenPort(), radio.Device());

  const std::string trace = recorder.Trace().Text();
  QCOMPARE(recorder.Trace().TransferCount(), 2);
  QVERIFY2(trace.find("end: " + silent.Path() + ": no answer\n") != std::string::npos,
           trace.c_str());
}

void DiagnosticsDialogsTest::cancelStopsTheSearchAndKeepsTheDialogOpen() {
  PseudoTerminal first;
  PseudoTerminal second;
  FindRadioDialog dialog(
      [&] {
        return QStringList{QString::fromStdString(first.Path()),
                           QString::fromStdString(second.Path())};
      },
      nullptr);
  dialog.show();
  dialog.StartSearch();
  QVERIFY(ProcessEventsUntil([&] { return dialog.Status()->text().startsWith("Trying /dev"); }));
  dialog.reject();  // Cancel: the first port ends, the second is never begun
  QVERIFY(dialog.isVisible());
  QVERIFY(ProcessEventsUntil([&] { return !dialog.Searching(); }, testing::kGuardMs));
  QCOMPARE(dialog.Results()->count(), 0);
  QCOMPARE(dialog.Status()->text(), QStringLiteral("The search was cancelled."));
  QVERIFY(!dialog.UseButton()->isEnabled());
  dialog.reject();
  QVERIFY(!dialog.isVisible());
  QCOMPARE(dialog.ChosenPort(), QString());
}

void DiagnosticsDialogsTest::reportRecordsTransfersOnlyWhileChecked() {
  VirtualRadio radio({});
  QVERIFY(!radio.Device().isEmpty());
  ScriptedMessages messages;
  TransferRecorder recorder;
  TReadForm read(messages);
  read.SetRecorder(&recorder);
  DiagnosticReportDialog report(recorder, messages, {});

  QVERIFY(report.ReportText().startsWith("Program: quorvan "));
  QVERIFY(report.ReportText().contains("\nSystem: "));
  QVERIFY(report.ReportText().contains("\nSerial ports:\n"));
  QVERIFY(!report.RecordCheck()->isChecked());
  QVERIFY(ReadAll(read, radio.Device()));
  QVERIFY(report.ReportText().endsWith(
      "Transfers are not recorded. Check Record Transfers, then read or write the radio.\n"));

  report.RecordCheck()->click();
  QVERIFY(recorder.Recording());
  QVERIFY(ReadAll(read, radio.Device()));
  const QString text = report.ReportText();
  QVERIFY2(text.contains("\nTransfer 1: Read\nPort: " + radio.Device() +
                         ", 9600 bit/s, 8 data bits, no parity, 1 stop bit, Xon/Xoff flow "
                         "control, an event on CR\n"),
           qPrintable(text));
  QVERIFY(
      text.contains(QRegularExpression(" ms  > \"VOX 0\\\\r\"\n *\\d+ ms  < \"VOX 0\\\\r\"\n")));
  QVERIFY(text.contains(QRegularExpression(" ms  close\n *\\d+ ms  end: Completed\n$")));

  report.RecordCheck()->click();
  QVERIFY(!recorder.Recording());
  QVERIFY(ReadAll(read, radio.Device()));
  QCOMPARE(recorder.Trace().TransferCount(), 1);
  QCOMPARE(report.ReportText(), text);
}

void DiagnosticsDialogsTest::reportIsCopiedAndSavedWhole() {
  QTemporaryDir dir;
  ScriptedMessages messages;
  TransferRecorder recorder;
  QString answer = dir.filePath("report.txt");
  QString suggested;
  DiagnosticReportDialog report(recorder, messages, [&](const QString& offered) {
    suggested = offered;
    return answer;
  });

  report.findChild<QPushButton*>("CopyButton")->click();
  QCOMPARE(QApplication::clipboard()->text(), report.ReportText());

  report.SaveButton()->click();
  QVERIFY(suggested.endsWith("/quorvan-report.txt"));
  QCOMPARE(QString::fromStdString(Slurp(answer)), report.ReportText());
  QVERIFY(messages.shown.isEmpty());

  // A folder that is not there: told, and nothing is left half-written.
  answer = dir.filePath("missing/report.txt");
  QVERIFY(!report.Save());
  QCOMPARE(messages.shown.size(), 1);
  QCOMPARE(messages.shown.first().kind, QStringLiteral("error"));
  QVERIFY(messages.shown.first().text.startsWith("The file could not be written: "));
  QVERIFY(!QFile::exists(answer));

  // A cancelled dialog writes nothing and says nothing.
  answer.clear();
  QVERIFY(!report.Save());
  QCOMPARE(messages.shown.size(), 1);
}

}  // namespace quorvan

QTEST_MAIN(quorvan::DiagnosticsDialogsTest)
#include "DiagnosticsDialogsTest.moc"
