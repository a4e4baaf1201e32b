// The built programs as a user starts them: one version everywhere, and quorvan-cli read
// keeping a backup where the window keeps its own.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "app/AppUsage.h"
#include "core/files/DocumentFile.h"
#include "core/files/ReadBackups.h"
#include "core/model/RadioImage.h"
#include "core/model/Version.h"
#include "support/E2eProcess.h"

namespace quorvan {
namespace {

using testing::kGuardMs;
using testing::Slurp;
using testing::VirtualRadio;

struct ProgramRun {
  int exitCode = -1;
  QString out;
  QString err;
};

// Runs a program with a home, settings and data folders of its own.
class Programs {
 public:
  Programs() {
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert(QStringLiteral("HOME"), home_.filePath("home"));
    environment_.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath("config"));
    environment_.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath("data"));
    environment_.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  }

  ProgramRun Start(const QString& program, const QStringList& args) {
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.start(program, args);
    ProgramRun run;
    if (!process.waitForFinished(kGuardMs)) {
      process.kill();
      process.waitForFinished(kGuardMs);
      return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
  }
  QString File(const QString& name) const { return home_.filePath(name); }
  QString BackupFolder() const { return home_.filePath("data/QUENTAR/Quorvan/backups"); }

 private:
  QTemporaryDir home_;
  QProcessEnvironment environment_;
};

// The three programs answer --version with the project version, and --help and -h with their
// usage, alike.
TEST(Programs, EveryProgramPrintsTheProjectVersionAndItsUsage) {
  Programs programs;
  const QString version = QString::fromLatin1(kQuorvanVersion);
  ASSERT_FALSE(version.isEmpty());
  const struct {
    QString path;
    QString name;
    QString usage;  // how its help begins
  } cases[] = {
      {QStringLiteral(QUORVAN_APP_PATH), "quorvan", "usage: quorvan "},
      {QStringLiteral(QUORVAN_CLI_PATH), "quorvan-cli", "usage: quorvan-cli "},
      {QStringLiteral(QUORVAN_RADIOSIM_PATH), "quorvan-radiosim", "Usage: quorvan-radiosim "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    const ProgramRun run = programs.Start(c.path, {"--version"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, c.name + " " + version + "\n");
    const ProgramRun help = programs.Start(c.path, {"--help"});
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.startsWith(c.usage)) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("--version")) << help.out.toStdString();
    EXPECT_EQ(programs.Start(c.path, {"-h"}).out, help.out);
  }
}

TEST(Programs, WindowProgramPrintsItsUsageForHelpInsteadOfOpeningAFile) {
  Programs programs;
  const QString usage = QString::fromLatin1(kAppUsage.data(), static_cast<int>(kAppUsage.size()));
  for (const QStringList& args :
       {QStringList{"--help"}, QStringList{"-h"}, QStringList{"--no-splash", "--help"}}) {
    const ProgramRun run = programs.Start(QStringLiteral(QUORVAN_APP_PATH), args);
    EXPECT_EQ(run.exitCode, 0) << args.join(' ').toStdString() << run.err.toStdString();
    EXPECT_EQ(run.out, usage) << args.join(' ').toStdString();
  }
}

TEST(Programs, CliReadKeepsABackupOfWhatItRead) {
  Programs programs;
  RadioImage served = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  served.Store(SlotKind::Memory, 7, "007,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,KEEP");
  const QString servedPath = programs.File("served.qvx");
  ASSERT_TRUE(SaveDocumentFile(servedPath.toStdString(), served, nullptr));
  VirtualRadio radio({"--file", servedPath});
  ASSERT_FALSE(radio.Device().isEmpty());

  const QString out = programs.File("read.qvx");
  const ProgramRun read =
      programs.Start(QStringLiteral(QUORVAN_CLI_PATH),
                     {"read", "--port", radio.Device(), "--type", "KK,0F", "-o", out});
  ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();

  const QStringList backups = QDir(programs.BackupFolder()).entryList(QDir::Files);
  ASSERT_EQ(backups.size(), 1) << programs.BackupFolder().toStdString();
  const auto name = ParseBackupFileName(backups.front().toStdString());
  ASSERT_TRUE(name.has_value()) << backups.front().toStdString();
  EXPECT_EQ(name->kind, BackupKind::Read);
  EXPECT_TRUE(backups.front().endsWith("-ARVEN-KK0F.qvx")) << backups.front().toStdString();
  EXPECT_EQ(Slurp(QDir(programs.BackupFolder()).filePath(backups.front())), Slurp(out));
}

TEST(Programs, FailedCliReadKeepsNoBackup) {
  Programs programs;
  const QString out = programs.File("read.qvx");
  const ProgramRun read = programs.Start(
      QStringLiteral(QUORVAN_CLI_PATH),
      {"read", "--port", programs.File("no-such-tty"), "--type", "KK,0F", "-o", out});
  EXPECT_EQ(read.exitCode, 1);
  EXPECT_TRUE(
      read.err.startsWith("quorvan-cli: COM port is invalid.\nPlease check and try "
                          "again.\n" +
                          programs.File("no-such-tty") + " does not exist; "))
      << read.err.toStdString();
  EXPECT_FALSE(QDir(programs.BackupFolder()).exists());
}

}  // namespace
}  // namespace quorvan
