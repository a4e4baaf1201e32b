#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "core/model/RadioImage.h"
#include "core/rules/Printout.h"
#include "core/rules/PrintoutText.h"
#include "gui/printing/PdfExport.h"
#include "gui/printing/PrintCommand.h"
#include "support/ScriptedServices.h"

namespace quorvan {

namespace {

const QString kCaption = QStringLiteral("Quorvan [/tmp/club.qvx]");

// Stands in for the printers: a confirmed dialog sends the job into a PDF file.
class ScriptedPrinters : public PrinterService {
 public:
  bool HasDefaultPrinter() override { return hasPrinter; }
  bool ConfirmPrint(QPrinter& printer) override {
    ++dialogs;
    if (!confirm) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(outputFile);
    return true;
  }
  bool hasPrinter = true;
  bool confirm = true;
  int dialogs = 0;
  QString outputFile;
};

class ScriptedPdfDialog : public PdfFileDialog {
 public:
  QString PdfFileName(const QString& suggested) override {
    suggestions << suggested;
    return answer;
  }
  QString answer;
  QStringList suggestions;
};

// A document of three pages: a comment, 70 memory channels (one named with an accented
// letter) and the defaults of a U.S.A. radio.
RadioImage ThreePageDocument() {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  image.SetComment("Club net");
  for (int slot = 0; slot < 70; ++slot) {
    char record[100];
    std::snprintf(record, sizeof record,
                  "%03d,00145%03d000,0,1,0,0,0,0,08,08,000,000600000,0,0,,,0,%s", slot, slot,
                  slot == 3 ? "Caf\xE9" : "");
    image.Store(SlotKind::Memory, slot, record);
  }
  return image;
}

// Each page's printed lines with blanks collapsed and blank lines dropped; ligatures the PDF
// renderer made of letter pairs are split again.
QList<QStringList> PageLines(const QString& text) {
  QList<QStringList> pages;
  for (const QString& page : text.split(QLatin1Char('\f'))) {
    QStringList lines;
    for (QString line : page.split(QLatin1Char('\n'))) {
      line = line.normalized(QString::NormalizationForm_KC).simplified();
      if (!line.isEmpty()) lines << line;
    }
    if (!lines.isEmpty()) pages << lines;
  }
  return pages;
}

QString PdfText(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

QString ExpectedText(const RadioImage& image) {
  const char letter = image.Plan().DestinationLetter();
  return QString::fromStdString(
      PrintoutAsText(BuildPrintout(image, CaptionBytes(kCaption, letter)), letter));
}

}  // namespace

class PrintCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
      QSKIP("pdftotext is not installed");
    }
  }

  void noDefaultPrinterIsReported() {
    ScriptedMessages messages;
    ScriptedPrinters printers;
    printers.hasPrinter = false;
    PrintCommand print(messages, printers);
    QVERIFY(!print.Print(ThreePageDocument(), kCaption));
    QCOMPARE(printers.dialogs, 0);
    QCOMPARE(messages.shown.size(), 1);
    QCOMPARE(messages.shown.front().text,
             QStringLiteral("There is no default printer.\nFile > Export PDF... writes the same "
                            "pages to a PDF file without a printer."));
    QCOMPARE(messages.shown.front().icon, MessageIcon::Warning);
  }

  void cancelledDialogPrintsNothing() {
    QTemporaryDir dir;
    ScriptedMessages messages;
    ScriptedPrinters printers;
    printers.confirm = false;
    printers.outputFile = dir.filePath(QStringLiteral("job.pdf"));
    PrintCommand print(messages, printers);
    QVERIFY(!print.Print(ThreePageDocument(), kCaption));
    QCOMPARE(printers.dialogs, 1);
    QVERIFY(!QFile::exists(printers.outputFile));
    QVERIFY(messages.shown.isEmpty());
  }

  void confirmedJobPrintsTheWholeDocument() {
    QTemporaryDir dir;
    ScriptedMessages messages;
    ScriptedPrinters printers;
    printers.outputFile = dir.filePath(QStringLiteral("job.pdf"));
    PrintCommand print(messages, printers);
    const RadioImage document = ThreePageDocument();
    const RadioImage before = document;
    QVERIFY(print.Print(document, kCaption));
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(PageLines(PdfText(printers.outputFile)), PageLines(ExpectedText(document)));
    QVERIFY(document == before);
  }

  void pdfTextMatchesPrintoutPageByPage() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("club.pdf"));
    const RadioImage document = ThreePageDocument();
    QVERIFY(WritePrintoutPdf(document, kCaption, path));
    const QList<QStringList> pages = PageLines(PdfText(path));
    const QList<QStringList> expected = PageLines(ExpectedText(document));
    QCOMPARE(expected.size(), 3);
    QCOMPARE(pages.size(), expected.size());
    for (int p = 0; p < expected.size(); ++p) QCOMPARE(pages[p], expected[p]);
    QVERIFY(expected[0].join(QLatin1Char('\n')).contains(QStringLiteral(u"Name:Caf\u00E9")));
  }

  void exportAsksForANameAndAddsTheExtension() {
    QTemporaryDir dir;
    ScriptedMessages messages;
    ScriptedPdfDialog dialog;
    dialog.answer = dir.filePath(QStringLiteral("club"));
    PdfExport exporter(messages, dialog);
    const QString suggested = dir.filePath(QStringLiteral("club.pdf"));
    QFile old(suggested);  // an earlier export is replaced
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    QVERIFY(exporter.Export(ThreePageDocument(), kCaption, suggested));
    QCOMPARE(dialog.suggestions, QStringList{suggested});
    QVERIFY(PdfText(suggested).contains(QStringLiteral("Club net")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("club"))));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("club.pdf")});
    QVERIFY(messages.shown.isEmpty());
  }

  void cancelledExportWritesNothing() {
    ScriptedMessages messages;
    ScriptedPdfDialog dialog;
    PdfExport exporter(messages, dialog);
    QVERIFY(!exporter.Export(ThreePageDocument(), kCaption, QStringLiteral("Untitled.pdf")));
    QVERIFY(messages.shown.isEmpty());
  }

  void unwritableExportIsReportedAndKeepsOldFile() {
    QTemporaryDir dir;
    ScriptedMessages messages;
    ScriptedPdfDialog dialog;
    dialog.answer = dir.filePath(QStringLiteral("missing/folder/club.pdf"));
    PdfExport exporter(messages, dialog);
    QVERIFY(!exporter.Export(ThreePageDocument(), kCaption, QString()));
    QCOMPARE(
        messages.Texts(),
        QStringList{QStringLiteral("The file could not be written: cannot create a file next to ") +
                    dialog.answer + QStringLiteral(": No such file or directory")});
    QCOMPARE(messages.shown.front().icon, MessageIcon::Error);
  }

  void suggestedName_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("expected");
    QTest::newRow("named") << "/home/op/club.qvx"
                           << "/home/op/club.pdf";
    QTest::newRow("dots") << "/home/op/net.2024.qvx"
                          << "/home/op/net.2024.pdf";
    QTest::newRow("untitled") << "Untitled"
                              << "/work/Untitled.pdf";
  }
  void suggestedName() {
    QFETCH(QString, document);
    QFETCH(QString, expected);
    QCOMPARE(SuggestedPdfName(document, QStringLiteral("/work")), expected);
  }

  void captionBytes_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<char>("letter");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << "Quorvan [Untitled]" << 'K' << QByteArray("Quorvan [Untitled]");
    QTest::newRow("accented") << QStringLiteral(u"Quorvan [/caf\u00E9.qvx]") << 'E'
                              << QByteArray("Quorvan [/caf\xE9.qvx]");
    QTest::newRow("kanji") << QStringLiteral(u"[/\u6F22.qvx]") << 'J' << QByteArray("[/?.qvx]");
    QTest::newRow("katakana") << QStringLiteral(u"[\uFF71]") << 'J' << QByteArray("[\xB1]");
    QTest::newRow("accented for J") << QStringLiteral(u"[\u00E9]") << 'J' << QByteArray("[?]");
  }
  void captionBytes() {
    QFETCH(QString, caption);
    QFETCH(char, letter);
    QFETCH(QByteArray, bytes);
    QCOMPARE(QByteArray::fromStdString(CaptionBytes(caption, letter)), bytes);
  }
};

}  // namespace quorvan

QTEST_MAIN(quorvan::PrintCommandTest)
#include "PrintCommandTest.moc"
