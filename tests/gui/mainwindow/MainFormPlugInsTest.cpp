// The dialogs and pages the main window opens: channel editors, menu pages, sort, printing,
// PDF and CSV.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/EditorDialogs.h"
#include "core/model/MenuSettings.h"
#include "gui/csv/CsvCommands.h"
#include "gui/mainwindow/GridModel.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/MainFormFixture.h"
#include "gui/printing/PdfExport.h"
#include "gui/printing/PrintCommand.h"

namespace quorvan {

namespace {

class ScriptedPrinters : public PrinterService {
 public:
  bool HasDefaultPrinter() override { return true; }
  bool ConfirmPrint(QPrinter& printer) override {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(outputFile);
    return true;
  }
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

class ScriptedCsvDialogs : public CsvFileDialogs {
 public:
  QString OpenCsvName(const QString&) override { return openName; }
  QString SaveCsvName(const QString&) override { return saveName; }
  bool ChooseImportPlacement(int selectedSlot, CsvPlacement& chosen) override {
    offeredSlots << selectedSlot;
    chosen = placement;
    chosen.firstSlot = selectedSlot;
    return true;
  }
  QString openName;
  QString saveName;
  CsvPlacement placement;
  QList<int> offeredSlots;
};

// A window with the real editors and scripted printers and file dialogs.
struct PlugInFixture : MainFormFixture {
  ScriptedMessages editorMessages;
  ScriptedPrinters printers;
  ScriptedPdfDialog pdf;
  ScriptedCsvDialogs csv;
  QStringList reports;

  PlugInFixture() {
    adjustServices = [this](MainFormServices& s) {
      s.makeEditors = EditorDialogsFactory(editorMessages);
      s.printers = &printers;
      s.pdfDialog = &pdf;
      s.csvDialogs = &csv;
      s.showReport = [this](const QString&, const QString& report, const QString&) {
        reports << report;
        return false;
      };
    };
    Create();
  }
};

// Runs `answer` on the modal dialog once it is up; reports the dialog's object name.
QString AnswerModal(const std::function<void(QWidget*)>& answer,
                    const std::function<void()>& open) {
  QString seen;
  QObject guard;  // a dialog that never opens must not leave the timer behind
  QTimer::singleShot(0, &guard, [&seen, answer] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    seen = dialog->objectName();
    answer(dialog);
  });
  open();
  return seen;
}

void Type(QWidget* dialog, const QString& field, const QString& text) {
  auto* edit = dialog->findChild<QLineEdit*>(field);
  if (!edit) QFAIL(qPrintable(field));
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

void Click(QWidget* dialog, const char* name) {
  auto* button = dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
  if (!button) QFAIL(name);
  button->click();
}

QString Cell(TMainForm& form, Grid grid, int row, int column) {
  return form.GridOf(grid)->model()->index(ModelRowOfGridRow(row), column).data().toString();
}

}  // namespace

class MainFormPlugInsTest : public QObject {
  Q_OBJECT

 private slots:
  void editorOpensOnItsRowAndOkMarksModified_data();
  void editorOpensOnItsRowAndOkMarksModified();
  void editorClosedUnchangedLeavesDocumentClean();
  void menuPageEditsMarkModifiedAndRefreshShowsTheMenu();
  void sortDialogSortsAndMarksModified();
  void printAndPdfReadTheDocumentOnly();
  void csvCommandsExportAndImport();
};

void MainFormPlugInsTest::editorOpensOnItsRowAndOkMarksModified_data() {
  QTest::addColumn<Grid>("grid");
  QTest::addColumn<int>("row");
  QTest::addColumn<QString>("dialog");
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<int>("column");  // the grid column that shows the change
  QTest::addColumn<QString>("shown");
  QTest::newRow("memory") << Grid::Memory << 6 << "MemoryForm"
                          << "Edit1"
                          << "145.5" << 2 << "145.500";
  QTest::newRow("VFO") << Grid::Vfo << 1 << "VfoForm"
                       << "Edit1"
                       << "145" << 2 << "145.000";
  QTest::newRow("CALL") << Grid::Call << 1 << "CallForm"
                        << "Edit1"
                        << "145" << 2 << "145.000";
  QTest::newRow("DTMF") << Grid::Dtmf << 3 << "DtmfForm"
                        << "Edit1"
                        << "123" << 2 << "123";
}

void MainFormPlugInsTest::editorOpensOnItsRowAndOkMarksModified() {
  QFETCH(Grid, grid);
  QFETCH(int, row);
  QFETCH(QString, dialog);
  QFETCH(QString, field);
  QFETCH(QString, typed);
  QFETCH(int, column);
  QFETCH(QString, shown);
  PlugInFixture f;
  GridView* view = f.form->GridOf(grid);
  view->SelectGridRow(row);
  QVERIFY(Cell(*f.form, grid, row, column) != shown);
  const QString seen = AnswerModal(
      [&](QWidget* d) {
        Type(d, field, typed);
        Click(d, "Button2");
      },
      [&] { QTest::keyClick(view, Qt::Key_Return); });
  QCOMPARE(seen, dialog);
  QVERIFY(f.form->Document().Modified());
  QCOMPARE(Cell(*f.form, grid, row, column), shown);
}

void MainFormPlugInsTest::editorClosedUnchangedLeavesDocumentClean() {
  PlugInFixture f;
  const RadioImage before = f.form->Image();
  const QString seen =
      AnswerModal([](QWidget* d) { Click(d, "Button1"); },
                  [&] { emit f.form->GridOf(Grid::Memory)->EditorRequested(Grid::Memory, 10); });
  QCOMPARE(seen, QStringLiteral("MemoryForm"));
  QVERIFY(!f.form->Document().Modified());
  QVERIFY(f.form->Image() == before);
}

void MainFormPlugInsTest::menuPageEditsMarkModifiedAndRefreshShowsTheMenu() {
  PlugInFixture f;
  auto* lock = f.form->MenuPage(1)->findChild<QCheckBox*>(QStringLiteral("CheckBox_Lock"));
  if (!lock) lock = f.form->MenuPage(2)->findChild<QCheckBox*>(QStringLiteral("CheckBox_Lock"));
  QVERIFY(lock);
  const bool was = lock->isChecked();
  lock->click();
  QVERIFY(f.form->Document().Modified());
  QCOMPARE(QString::fromStdString(f.form->Image().Menu().Get(kMenuLK)),
           was ? QStringLiteral("0") : QStringLiteral("1"));

  // A new document shows the defaults again and is clean.
  f.messages.answers.push_back(Answer::No);
  f.form->Action(MainCommand::FileNew)->trigger();
  QCOMPARE(lock->isChecked(), was);
  QVERIFY(!f.form->Document().Modified());
}

void MainFormPlugInsTest::sortDialogSortsAndMarksModified() {
  PlugInFixture f;
  OpenDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 9, "009,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,");
  });
  const QString seen = AnswerModal([](QWidget* d) { Click(d, "Button_Sort"); },
                                   [&] { f.form->Action(MainCommand::EditSort)->trigger(); });
  QCOMPARE(seen, QStringLiteral("SortForm"));
  QVERIFY(f.form->Document().Modified());
  QCOMPARE(Cell(*f.form, Grid::Memory, 1, 2), QStringLiteral("145.000"));
  QVERIFY(Cell(*f.form, Grid::Memory, 10, 2).isEmpty());
}

void MainFormPlugInsTest::printAndPdfReadTheDocumentOnly() {
  PlugInFixture f;
  f.printers.outputFile = f.Path(QStringLiteral("printed.pdf"));
  const RadioImage before = f.form->Image();
  f.form->Action(MainCommand::FilePrint)->trigger();
  QVERIFY(QFile(f.printers.outputFile).size() > 0);

  f.pdf.answer = f.Path(QStringLiteral("export.pdf"));
  f.form->Action(MainCommand::FileExportPdf)->trigger();
  QVERIFY(QFile(f.pdf.answer).size() > 0);
  QCOMPARE(f.pdf.suggestions.size(), 1);
  QVERIFY(f.pdf.suggestions.first().endsWith(QStringLiteral("Untitled.pdf")));
  QVERIFY(f.form->Image() == before);
  QVERIFY(!f.form->Document().Modified());
  QVERIFY(f.messages.shown.isEmpty());
}

void MainFormPlugInsTest::csvCommandsExportAndImport() {
  PlugInFixture f;
  OpenDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 3, "003,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,CLUB");
  });
  f.csv.saveName = f.Path(QStringLiteral("list.csv"));
  f.form->Action(MainCommand::FileExportCsv)->trigger();
  QVERIFY(QFile::exists(f.csv.saveName));
  QVERIFY(!f.form->Document().Modified());

  OpenDocument(*f.form, [](RadioImage& image) { image.Store(SlotKind::Memory, 3, ""); });
  f.csv.openName = f.csv.saveName;
  f.form->Action(MainCommand::FileImportCsv)->trigger();
  QCOMPARE(f.reports.size(), 1);
  QVERIFY(f.form->Document().Modified());
  QCOMPARE(Cell(*f.form, Grid::Memory, 4, 2), QStringLiteral("145.000"));

  // From the channel selected in the memory grid on, in file order: the list's 11 rows.
  f.form->GridOf(Grid::Memory)->SelectGridRow(391);
  f.csv.placement.inFileOrder = true;
  f.form->Action(MainCommand::FileImportCsv)->trigger();
  QCOMPARE(f.csv.offeredSlots, (QList<int>{0, 390}));
  QCOMPARE(Cell(*f.form, Grid::Memory, 391, 3), QStringLiteral("CLUB"));
  QCOMPARE(Cell(*f.form, Grid::Memory, 392, 3), QStringLiteral("WEATHER"));
  QCOMPARE(f.reports.last(),
           QStringLiteral("10 rows imported, 1 skipped.\n"
                          "line 12, Location 431: no channel left after 399, skipped\n"));
}

}  // namespace quorvan

QTEST_MAIN(quorvan::MainFormPlugInsTest)
#include "MainFormPlugInsTest.moc"
