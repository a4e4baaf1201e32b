#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/model/RadioImage.h"
#include "gui/csv/CsvCommands.h"
#include "gui/csv/CsvReportDialog.h"
#include "support/ScriptedServices.h"

namespace quorvan {

namespace {

class ScriptedCsvDialogs : public CsvFileDialogs {
 public:
  QString OpenCsvName(const QString&) override { return openName; }
  QString SaveCsvName(const QString&) override { return saveName; }
  QString openName;
  QString saveName;
};

}  // namespace

class CsvCommandsTest : public QObject {
  Q_OBJECT

 private:
  void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  ScriptedMessages messages;
  ScriptedCsvDialogs dialogs;
  QStringList reports;
  QTemporaryDir dir;
  CsvCommands commands{image, messages, dialogs, [this](const QString& r) { reports << r; }};

 private slots:
  void init() {
    image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
    messages.shown.clear();
    reports.clear();
    dialogs.openName.clear();
    dialogs.saveName.clear();
  }

  void importStoresRowsAndShowsOneReport() {
    dialogs.openName = dir.filePath("list.csv");
    Write(dialogs.openName, "Location,Name,Frequency\n5,HOME,146.5225\n");
    QVERIFY(commands.ImportCsv(dir.path()));
    QCOMPARE(image.Field(SlotKind::Memory, 5, 17), std::string_view("HOME"));
    QCOMPARE(reports, QStringList{"1 row imported.\nrow 2: 146.5225 MHz rounded to 146.520 MHz\n"});
    QVERIFY(messages.shown.isEmpty());
  }

  void importOfSomethingElseChangesNothing() {
    const RadioImage before = image;
    dialogs.openName = dir.filePath("picture.csv");
    Write(dialogs.openName, QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));
    QVERIFY(!commands.ImportCsv(dir.path()));
    QVERIFY(image == before);
    QVERIFY(reports.isEmpty());
    QCOMPARE(messages.Texts().size(), 1);
    QVERIFY(messages.Texts().first().startsWith("The file is not a channel list (CSV): "));

    dialogs.openName = dir.filePath("missing.csv");
    QVERIFY(!commands.ImportCsv(dir.path()));
    QCOMPARE(messages.Texts().last(),
             "File Open error.\ncannot read " + dialogs.openName + ": No such file or directory");

    dialogs.openName.clear();  // cancelled
    QVERIFY(!commands.ImportCsv(dir.path()));
    QCOMPARE(messages.shown.size(), 2);
  }

  void importWhereEveryRowIsSkippedIsNoChange() {
    dialogs.openName = dir.filePath("bad.csv");
    Write(dialogs.openName, "Location,Frequency,Duplex\n1,146.94,on\n");
    QVERIFY(!commands.ImportCsv(dir.path()));
    QCOMPARE(reports.size(), 1);
  }

  void exportWritesTheListOrReportsTheFailure() {
    dialogs.saveName = dir.filePath("out.csv");
    QVERIFY(commands.ExportCsv(dir.path()));
    QFile file(dialogs.saveName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.startsWith("Location,Name,Frequency,"));
    QVERIFY(text.contains("422,WEATHER,162.550000,"));

    dialogs.saveName = dir.filePath("no/such/folder/out.csv");
    QVERIFY(!commands.ExportCsv(dir.path()));
    QCOMPARE(messages.Texts(), QStringList{"File Open error.\ncannot create a file next to " +
                                           dialogs.saveName + ": No such file or directory"});
  }

  void reportDialogIsReadOnlyAndCopiesEverything() {
    CsvReportDialog dialog("2 rows imported.\nrow 3: x\n");
    auto* text = dialog.findChild<QPlainTextEdit*>("ReportText");
    QVERIFY(text != nullptr);
    QVERIFY(text->isReadOnly());
    QApplication::clipboard()->clear();
    QTest::mouseClick(dialog.CopyButton(), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), QString("2 rows imported.\nrow 3: x\n"));
  }
};

}  // namespace quorvan

QTEST_MAIN(quorvan::CsvCommandsTest)
#include "CsvCommandsTest.moc"
