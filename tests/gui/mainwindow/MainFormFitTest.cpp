// The main window on the screen it gets: its smallest size, a restored size, the small lists
// that grow with it and status panels as wide as their texts. Run at scale 1 and 2.
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QtTest>

#include "core/model/WindowSizeSetting.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/MainFormFixture.h"

namespace quorvan {

namespace {

struct FitFixture : MainFormFixture {
  FitFixture() {
    settings.SetValue("Type", "KK,0F");
    Create();
  }
  QSize Available() const { return form->screen()->availableGeometry().size(); }
};

// Rows a grid shows whole.
int ShownRows(GridView* grid) {
  return grid->viewport()->height() / grid->verticalHeader()->defaultSectionSize();
}

}  // namespace

class MainFormFitTest : public QObject {
  Q_OBJECT

 private slots:
  void smallestSizeFitsTheScreen();
  void restoredSizeIsFittedToTheScreen();
  void smallListsGrowWithTheWindow();
  void statusPanelsAreAsWideAsTheirTexts();
};

void MainFormFitTest::smallestSizeFitsTheScreen() {
  FitFixture f;
  f.form->show();
  QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
  const QSize smallest = f.form->minimumSizeHint().expandedTo(f.form->minimumSize());
  if (f.form->devicePixelRatio() == 1.0) {
    QVERIFY2(smallest.width() <= 1024 && smallest.height() <= 700,
             qPrintable(QStringLiteral("%1x%2").arg(smallest.width()).arg(smallest.height())));
  }
  QVERIFY(smallest.width() <= f.Available().width());
  QVERIFY(smallest.height() <= f.Available().height());
  QVERIFY(f.form->frameGeometry().width() <= f.Available().width());
  QVERIFY(f.form->frameGeometry().height() <= f.Available().height());
}

void MainFormFitTest::restoredSizeIsFittedToTheScreen() {
  FitFixture f;
  const QRect screen = f.form->screen()->availableGeometry();
  SaveWindowGeometry(
      f.settings, kMainWindowGeometrySetting,
      {screen.x() + 10, screen.y() + 10, {screen.width() * 3, screen.height() * 3}, false});
  f.Create();
  QVERIFY(f.form->RestoreGeometry());
  QVERIFY2(screen.contains(f.form->geometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                               .arg(f.form->x())
                                                               .arg(f.form->y())
                                                               .arg(f.form->width())
                                                               .arg(f.form->height())));
}

void MainFormFitTest::smallListsGrowWithTheWindow() {
  FitFixture f;
  f.form->show();
  QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
  GridView* vfo = f.form->GridOf(Grid::Vfo);
  const int before = ShownRows(vfo);
  f.form->resize(f.form->width(), 2000);
  QTRY_VERIFY(f.form->height() >= 1500);
  QCoreApplication::processEvents();
  QCOMPARE(ShownRows(vfo), vfo->model()->rowCount());  // every band of the plan
  QVERIFY(ShownRows(vfo) > before);
  for (const Grid grid : {Grid::Call, Grid::Dtmf}) {
    QCOMPARE(ShownRows(f.form->GridOf(grid)), f.form->GridOf(grid)->model()->rowCount());
  }
}

void MainFormFitTest::statusPanelsAreAsWideAsTheirTexts() {
  FitFixture f;
  f.form->show();
  QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
  f.form->resize(1600, f.form->height());  // room for every panel, whatever the scale
  QTRY_COMPARE(f.form->width(), 1600);
  GridView* vfo = f.form->GridOf(Grid::Vfo);
  vfo->setFocus();
  vfo->SelectGridRow(1);
  emit vfo->Entered(Grid::Vfo);
  QCoreApplication::processEvents();
  const auto* panel = f.form->statusBar()->findChild<QLabel*>(QStringLiteral("StatusPanel3"));
  QVERIFY(panel->text().startsWith(QStringLiteral("Programmable VFO : ")));
  QVERIFY2(panel->contentsRect().width() >= panel->fontMetrics().horizontalAdvance(panel->text()),
           qPrintable(QString::number(panel->width())));
}

}  // namespace quorvan

QTEST_MAIN(quorvan::MainFormFitTest)
#include "MainFormFitTest.moc"
