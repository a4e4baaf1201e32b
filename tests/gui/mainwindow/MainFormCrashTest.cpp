// A window process killed with unsaved edits (SIGKILL: no close, no clean-up of any kind), and
// the next window offering them back. The program runs itself as the window that is killed.
#include <signal.h>

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <QtTest>
#include <cstdio>

#include "core/files/DocumentFile.h"
#include "core/files/RecoveryFile.h"
#include "core/model/ChannelFile.h"
#include "gui/document/RecoveryKeeper.h"
#include "gui/mainwindow/MainFormFixture.h"

namespace quorvan {

namespace {

constexpr int kGuardMs = 20000;  // a hung window fails the test instead of blocking it
const char* kWindowOption = "--window-with-unsaved-edits";

void UseRecoveryFolder(MainFormFixture& f, const QString& folder) {
  f.settings.SetValue("Type", "KK,0F");
  f.adjustServices = [folder](MainFormServices& services) { services.recoveryFolder = folder; };
  f.Create();
}

// The window that is killed: opens the file, changes it without saving, and once its recovery
// file is written says so on standard output, with what it holds in `lostPath`; then it runs on.
int RunWindowWithUnsavedEdits(const QString& folder, const QString& file, const QString& lostPath) {
  MainFormFixture f;
  UseRecoveryFolder(f, folder);
  f.form->OpenCommandLine({file});
  ChangeDocument(*f.form, [](RadioImage& image) {
    image.Store(SlotKind::Memory, 3,
                "003,00146940000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,0,LOST");
  });
  ChangeDocument(*f.form, [](RadioImage& image) { image.SetComment("typed before the crash"); });
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    const QString kept = f.form->Recovery()->Path();
    if (kept.isEmpty() || !QFile::exists(kept)) return;
    poll.stop();
    QFile lost(lostPath);
    if (!lost.open(QIODevice::WriteOnly)) QCoreApplication::exit(1);
    lost.write(QByteArray::fromStdString(WriteChannelFileText(f.form->Image())));
    lost.close();
    std::printf("kept\n");
    std::fflush(stdout);
  });
  poll.start(20);
  return QApplication::exec();
}

}  // namespace

class MainFormCrashTest : public QObject {
  Q_OBJECT

 private slots:
  void killedWindowsEditsAreOfferedByTheNext();
};

void MainFormCrashTest::killedWindowsEditsAreOfferedByTheNext() {
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("recovery"));
  const QString file = dir.filePath(QStringLiteral("club.qvx"));
  const QString lostPath = dir.filePath(QStringLiteral("lost.qvx"));
  {
    MainFormFixture first;
    first.settings.SetValue("Type", "KK,0F");
    first.Create();
    QVERIFY(SaveDocumentFile(file.toStdString(), first.form->Image(), nullptr));
  }

  QProcess window;
  window.start(QCoreApplication::applicationFilePath(),
               {QString::fromLatin1(kWindowOption), folder, file, lostPath});
  QVERIFY(window.waitForStarted(kGuardMs));
  while (!window.canReadLine()) QVERIFY(window.waitForReadyRead(kGuardMs));
  QCOMPARE(window.readLine(), QByteArray("kept\n"));
  // A window that runs keeps its file to itself.
  QVERIFY(FindLeftRecoveries(folder.toStdString()).empty());

  ::kill(static_cast<pid_t>(window.processId()), SIGKILL);
  QVERIFY(window.waitForFinished(kGuardMs));
  QCOMPARE(window.exitStatus(), QProcess::CrashExit);

  MainFormFixture next;
  UseRecoveryFolder(next, folder);
  next.messages.answers = {Answer::Yes};
  next.form->OfferRecovery();
  QCOMPARE(next.messages.shown.size(), 1);
  QVERIFY(next.messages.Texts().first().startsWith(
      QStringLiteral("Quorvan was closed without saving changes to club.qvx (")));
  QFile lost(lostPath);
  QVERIFY(lost.open(QIODevice::ReadOnly));
  QCOMPARE(QByteArray::fromStdString(WriteChannelFileText(next.form->Image())), lost.readAll());
  QCOMPARE(QString::fromStdString(next.form->Document().Name()), file);
  QVERIFY(next.form->Document().Modified());
}

}  // namespace quorvan

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc == 5 && qstrcmp(argv[1], quorvan::kWindowOption) == 0) {
    return quorvan::RunWindowWithUnsavedEdits(QString::fromLocal8Bit(argv[2]),
                                              QString::fromLocal8Bit(argv[3]),
                                              QString::fromLocal8Bit(argv[4]));
  }
  quorvan::MainFormCrashTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "MainFormCrashTest.moc"
