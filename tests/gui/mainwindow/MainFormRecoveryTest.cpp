// Unsaved work kept in a recovery file while the window runs, and offered by the next window
// after one that ended without saving.
#include <QDir>
#include <QFile>
#include <QtTest>

#include "core/files/DocumentFile.h"
#include "core/files/RecoveryFile.h"
#include "core/model/ChannelFile.h"
#include "gui/document/RecoveryKeeper.h"
#include "gui/mainwindow/MainFormFixture.h"

namespace quorvan {

namespace {

constexpr int kGuardMs = 10000;  // a hung keeper fails instead of blocking; not a timing check
static_assert(RecoveryKeeper::kDelayMs < 2000, "unsaved work reaches the disk within 2 s");

const char* kClubChannel = "003,00146940000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,0,CLUB";

struct RecoveryFixture : MainFormFixture {
  QString folder;
  QString club;

  RecoveryFixture() {
    settings.SetValue("Type", "KK,0F");
    folder = Path(QStringLiteral("recovery"));
    club = Path(QStringLiteral("club.qvx"));
    adjustServices = [this](MainFormServices& services) { services.recoveryFolder = folder; };
    Create();
  }

  // A saved file opened, then changed and not saved: the window keeps it in its recovery file.
  std::string EditUnsaved() {
    RadioImage image = form->Image();
    image.Store(SlotKind::Memory, 1, "001,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,0,A");
    SaveDocumentFile(club.toStdString(), image, nullptr);
    form->Document().Open(image, club.toStdString());
    ChangeDocument(*form, [](RadioImage& i) { i.Store(SlotKind::Memory, 3, kClubChannel); });
    ChangeDocument(*form, [](RadioImage& i) { i.SetComment("net night"); });
    return WriteChannelFileText(form->Image());
  }

  bool Kept() const {
    const QString path = form->Recovery()->Path();
    return !path.isEmpty() && QFile::exists(path);
  }

  int LeftBehind() const {
    return static_cast<int>(FindLeftRecoveries(folder.toStdString()).size());
  }
};

}  // namespace

class MainFormRecoveryTest : public QObject {
  Q_OBJECT

 private slots:
  void nextWindowOffersWhatWasLeft_data();
  void nextWindowOffersWhatWasLeft();
  void saveAndADeliberateNoLeaveNothing_data();
  void saveAndADeliberateNoLeaveNothing();
};

void MainFormRecoveryTest::nextWindowOffersWhatWasLeft_data() {
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("restored");
  QTest::addColumn<int>("leftAfter");  // recovery files a later start still finds
  QTest::newRow("Restore") << int(Answer::Yes) << true << 0;
  QTest::newRow("Discard") << int(Answer::No) << false << 0;
  QTest::newRow("Later") << int(Answer::Cancel) << false << 1;
}

void MainFormRecoveryTest::nextWindowOffersWhatWasLeft() {
  QFETCH(int, answer);
  QFETCH(bool, restored);
  QFETCH(int, leftAfter);
  RecoveryFixture f;
  const std::string lost = f.EditUnsaved();
  QTRY_VERIFY_WITH_TIMEOUT(f.Kept(), kGuardMs);
  QCOMPARE(f.LeftBehind(), 0);  // the running window's own file is not offered

  // The window goes without a word, as in a crash; the next one starts.
  f.form.reset();
  f.Create();
  const std::string fresh = WriteChannelFileText(f.form->Image());
  f.messages.answers = {static_cast<Answer>(answer)};
  f.form->OfferRecovery();

  QCOMPARE(f.messages.shown.size(), 1);
  QVERIFY(f.messages.Texts().first().startsWith(
      QStringLiteral("Quorvan was closed without saving changes to club.qvx (")));
  QVERIFY(f.messages.Texts().first().endsWith(QStringLiteral(").\nRestore them?")));
  QCOMPARE(f.messages.buttonsShown.first(), (QStringList{"Restore", "Discard", "Later"}));
  QCOMPARE(WriteChannelFileText(f.form->Image()), restored ? lost : fresh);
  QCOMPARE(f.form->Document().Modified(), restored);
  QCOMPARE(QString::fromStdString(f.form->Document().Name()), restored ? f.club : QString());
  QCOMPARE(f.LeftBehind(), leftAfter);
  if (restored) {
    // The restored work is this window's unsaved work now, kept again.
    QTRY_VERIFY_WITH_TIMEOUT(f.Kept(), kGuardMs);
  }
}

void MainFormRecoveryTest::saveAndADeliberateNoLeaveNothing_data() {
  QTest::addColumn<QString>("ending");
  QTest::newRow("Save") << "save";
  QTest::newRow("No on closing") << "no";
  QTest::newRow("undone to the saved state") << "undo";
}

void MainFormRecoveryTest::saveAndADeliberateNoLeaveNothing() {
  QFETCH(QString, ending);
  RecoveryFixture f;
  f.EditUnsaved();
  QTRY_VERIFY_WITH_TIMEOUT(f.Kept(), kGuardMs);
  const QString kept = f.form->Recovery()->Path();
  if (ending == QLatin1String("save")) {
    f.form->Action(MainCommand::FileSave)->trigger();
    QVERIFY(!f.form->Document().Modified());
  } else if (ending == QLatin1String("no")) {
    f.messages.answers = {Answer::No};
    f.form->show();
    QVERIFY(f.form->close());
  } else {
    f.form->Action(MainCommand::EditUndo)->trigger();
    f.form->Action(MainCommand::EditUndo)->trigger();
    QVERIFY(!f.form->Document().Modified());
  }
  QVERIFY(!QFile::exists(kept));
  f.form.reset();
  QCOMPARE(f.LeftBehind(), 0);
}

}  // namespace quorvan

QTEST_MAIN(quorvan::MainFormRecoveryTest)
#include "MainFormRecoveryTest.moc"
