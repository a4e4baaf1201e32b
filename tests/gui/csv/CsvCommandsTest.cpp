#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "core/model/Document.h"
#include "gui/common/ReportDialog.h"
#include "gui/csv/CsvCommands.h"
#include "gui/csv/CsvImportDialog.h"
#include "support/ScriptedServices.h"
#include "support/SlotFields.h"

namespace quorvan {

namespace {

class ScriptedCsvDialogs : public CsvFileDialogs {
 public:
  QString OpenCsvName(const QString&) override { return openName; }
  QString SaveCsvName(const QString&) override { return saveName; }
  bool ChooseImportPlacement(int selectedSlot, CsvPlacement& placement) override {
    offeredSlots << selectedSlot;
    if (!placementAnswer) return false;
    placement = *placementAnswer;
    return true;
  }
  QString openName;
  QString saveName;
  std::optional<CsvPlacement> placementAnswer = CsvPlacement{};
  QList<int> offeredSlots;
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
  Document document{MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"))};
  const RadioImage& image = document.Image();
  ScriptedMessages messages;
  ScriptedCsvDialogs dialogs;
  QStringList reports;
  QTemporaryDir dir;
  CsvCommands commands{document, messages, dialogs, [this](const QString& r) { reports << r; }};

 private slots:
  void init() {
    document.New(MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")));
    messages.shown.clear();
    reports.clear();
    dialogs.openName.clear();
    dialogs.saveName.clear();
    dialogs.placementAnswer = CsvPlacement{};
    dialogs.offeredSlots.clear();
  }

  void importStoresRowsAndShowsOneReport() {
    dialogs.openName = dir.filePath("list.csv");
    Write(dialogs.openName, "Location,Name,Frequency\n5,HOME,146.5225\n");
    QVERIFY(commands.ImportCsv(dir.path(), 0));
    QCOMPARE(testing::SlotField(image, SlotKind::Memory, 5, ChannelField::Name),
             std::string("HOME"));
    QCOMPARE(document.History().UndoName(), std::string("Import CSV (1 row)"));
    QCOMPARE(
        reports,
        QStringList{"1 row imported.\nline 2, Location 5: 146.5225 MHz rounded to 146.520 MHz\n"});
    QVERIFY(messages.shown.isEmpty());
  }

  // The placement is asked after the file is chosen; only an ordinary channel is offered as
  // the start, and a cancelled choice changes nothing.
  void importPlacesRowsWhereTheUserChose() {
    dialogs.openName = dir.filePath("list.csv");
    Write(dialogs.openName, "Location,Name,Frequency\n5,ONE,146.52\n6,TWO,146.55\n");
    const RadioImage before = image;
    dialogs.placementAnswer.reset();
    QVERIFY(!commands.ImportCsv(dir.path(), 12));
    QVERIFY(image == before);
    QVERIFY(reports.isEmpty());

    dialogs.placementAnswer = CsvPlacement{true, 12};
    QVERIFY(commands.ImportCsv(dir.path(), 12));
    QCOMPARE(testing::SlotField(image, SlotKind::Memory, 12, ChannelField::Name),
             std::string("ONE"));
    QCOMPARE(testing::SlotField(image, SlotKind::Memory, 13, ChannelField::Name),
             std::string("TWO"));
    QVERIFY(image.Record(SlotKind::Memory, 5).empty());

    QVERIFY(commands.ImportCsv(dir.path(), 420));  // PR1 is selected: no start to offer
    QCOMPARE(dialogs.offeredSlots, (QList<int>{12, 12, -1}));
  }

  void placementDialogOffersFileOrderOnlyFromAnOrdinaryChannel() {
    for (const int slot : {-1, 0, 399}) {
      CsvImportDialog dialog(slot);
      auto* byLocation = dialog.findChild<QRadioButton*>("ByLocation");
      auto* inFileOrder = dialog.findChild<QRadioButton*>("InFileOrder");
      QVERIFY(byLocation && inFileOrder);
      QCOMPARE(byLocation->text(), QString("By Location"));
      QCOMPARE(inFileOrder->text(), QString("From the selected channel on, in file order"));
      QVERIFY(byLocation->isChecked());
      QVERIFY(!dialog.InFileOrder());
      QCOMPARE(inFileOrder->isEnabled(), slot >= 0);
      if (slot >= 0) {
        QVERIFY(
            dialog.findChild<QLabel*>("SelectedChannel")->text().endsWith(QString::number(slot)));
        inFileOrder->click();
        QVERIFY(dialog.InFileOrder());
      }
    }
  }

  void importOfSomethingElseChangesNothing() {
    const RadioImage before = image;
    dialogs.openName = dir.filePath("picture.csv");
    Write(dialogs.openName, QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));
    QVERIFY(!commands.ImportCsv(dir.path(), 0));
    QVERIFY(image == before);
    QVERIFY(reports.isEmpty());
    QCOMPARE(messages.Texts().size(), 1);
    QVERIFY(messages.Texts().first().startsWith("The file is not a channel list (CSV): "));

    dialogs.openName = dir.filePath("missing.csv");
    QVERIFY(!commands.ImportCsv(dir.path(), 0));
    QCOMPARE(messages.Texts().last(),
             "File Open error.\ncannot read " + dialogs.openName + ": No such file or directory");

    dialogs.openName.clear();  // cancelled
    QVERIFY(!commands.ImportCsv(dir.path(), 0));
    QCOMPARE(messages.shown.size(), 2);
  }

  void importWhereEveryRowIsSkippedIsNoChange() {
    dialogs.openName = dir.filePath("bad.csv");
    Write(dialogs.openName, "Location,Frequency,Duplex\n1,146.94,on\n");
    QVERIFY(!commands.ImportCsv(dir.path(), 0));
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
    QCOMPARE(messages.Texts(),
             QStringList{"The file could not be written: cannot create a file next to " +
                         dialogs.saveName + ": No such file or directory"});
  }

  void reportDialogIsReadOnlyAndCopiesEverything() {
    ReportDialog dialog("Import CSV", "2 rows imported.\nrow 3: x\n");
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
