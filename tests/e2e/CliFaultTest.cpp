// quorvan-cli against a misbehaving virtual radio and Ctrl+C: the documented exit code and
// message, and a failed read never touches the file it was told to write.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <string>
#include <vector>

#include "core/files/DocumentFile.h"
#include "core/model/RadioImage.h"
#include "support/E2eProcess.h"

namespace quorvan {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::Slurp;
using testing::VirtualRadio;
using testing::WaitForLogLines;

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
const std::string kOldBytes = "an older file the failed read must leave alone\r\n";

// A folder holding only the read's target, which already exists with kOldBytes when asked.
class Target {
 public:
  Target(const Cli& cli, bool exists) : folder_(cli.File("out")) {
    QDir().mkpath(folder_);
    if (!exists) return;
    QFile file(Path());
    if (file.open(QIODevice::WriteOnly)) file.write(kOldBytes.data(), kOldBytes.size());
  }
  QString Path() const { return folder_ + "/radio.qvx"; }
  QStringList Entries() const {
    return QDir(folder_).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
  }

 private:
  QString folder_;
};

// The target after a failed read: unchanged if it was there, absent if not, and nothing else.
void ExpectTargetUntouched(const Target& target, bool existed) {
  if (existed) {
    EXPECT_EQ(Slurp(target.Path()), kOldBytes);
    EXPECT_EQ(target.Entries(), QStringList{"radio.qvx"});
  } else {
    EXPECT_TRUE(target.Entries().isEmpty()) << target.Entries().join(' ').toStdString();
  }
}

QStringList ReadArgs(const VirtualRadio& radio, const Target& target) {
  return {"read", "--port", radio.Device(), "--type", "KK,0F", "-o", target.Path()};
}

RadioImage DefaultDocument() { return MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")); }

struct ReadFault {
  const char* name;
  QStringList radioArgs;
  QString message;
};

TEST(CliFault, FailedReadExitsWithOneAndLeavesTheTargetAlone) {
  const std::vector<ReadFault> faults{
      {"line closed after ID", {"--close-after", "2"}, "Communication Read Error  ErrorMask="},
      {"line closed among the memories", {"--close-after", "300"}, "Communication "},
      {"line closed among the menu values", {"--close-after", "520"}, "Communication "},
      {"garbage identity", {"--id", "ARV"}, "The radio is invalid.\nPlease check and try again."},
      {"identity refused",
       {"--reject", "ID"},
       "The radio is invalid.\nPlease check and try again."},
  };
  for (const auto& fault : faults) {
    for (const bool existed : {true, false}) {
      SCOPED_TRACE(std::string(fault.name) + (existed ? ", target exists" : ", no target"));
      Cli cli;
      const Target target(cli, existed);
      VirtualRadio radio(fault.radioArgs);
      ASSERT_FALSE(radio.Device().isEmpty());
      const CliRun run = cli.Run(ReadArgs(radio, target));
      EXPECT_EQ(run.exitCode, kExitFailure);
      EXPECT_TRUE(run.err.contains(fault.message)) << run.err.toStdString();
      ExpectTargetUntouched(target, existed);
    }
  }
}

TEST(CliFault, FailedWriteExitsWithOneAndSaysWhy) {
  struct WriteFault {
    const char* name;
    QStringList radioArgs;
    QString message;
  };
  const std::vector<WriteFault> faults{
      {"radio of another type",
       {"--tyd", "KE,0F"},
       "The radio is invalid.\nPlease check and try again."},
      {"names refused", {"--reject", "MNA"}, "The radio did not accept 10 commands.\n"},
      {"line closed among the memories", {"--close-after", "100"}, "Communication "},
  };
  for (const auto& fault : faults) {
    SCOPED_TRACE(fault.name);
    Cli cli;
    const QString document = cli.File("doc.qvx");
    ASSERT_TRUE(SaveDocumentFile(document.toStdString(), DefaultDocument(), nullptr));
    const std::string before = Slurp(document);
    VirtualRadio radio(fault.radioArgs);
    ASSERT_FALSE(radio.Device().isEmpty());
    const CliRun run = cli.Run({"write", "--port", radio.Device(), "--type", "KK,0F", document});
    EXPECT_EQ(run.exitCode, kExitFailure);
    EXPECT_TRUE(run.err.contains(fault.message)) << run.err.toStdString();
    EXPECT_EQ(Slurp(document), before) << "a write only reads its file";
  }
}

// Ctrl+C, SIGTERM and SIGHUP at several points work like the dialog's Cancel; the same pty then
// serves a full transfer at once, so the cancelled one let the port go. A write stopped once its
// journal is kept says that the next write of changes completes it.
TEST(CliFault, AStopSignalAtAnyPointCancelsAndThePortServesTheNextTransfer) {
  const struct {
    int signal;
    int exitCode;  // as a shell reports a program the signal ended
    const char* told;
    std::vector<int> points;
  } stops[] = {
      {SIGINT, 130, "quorvan-cli: cancelled; the port is closed\n", {1, 6, 150}},
      {SIGTERM, 143, "quorvan-cli: stopped by SIGTERM; the port is closed\n", {150}},
      {SIGHUP, 129, "quorvan-cli: stopped by SIGHUP; the port is closed\n", {150}},
  };
  const QString notEnded = "The write did not end; the next write of changes completes it.\n";
  for (const auto& stop : stops) {
    for (const int point : stop.points) {
      for (const bool write : {false, true}) {
        SCOPED_TRACE(std::string(write ? "write" : "read") + " stopped by signal " +
                     std::to_string(stop.signal) + " after command " + std::to_string(point));
        Cli cli;
        const Target target(cli, true);
        const QString document = cli.File("doc.qvx");
        ASSERT_TRUE(SaveDocumentFile(document.toStdString(), DefaultDocument(), nullptr));
        const QString log = cli.File("radio.log");
        VirtualRadio radio({"--log", log, "--delay-ms", "2"});
        ASSERT_FALSE(radio.Device().isEmpty());
        const QStringList args =
            write ? QStringList{"write", "--port", radio.Device(), "--type", "KK,0F", document}
                  : ReadArgs(radio, target);

        cli.Start(args);
        ASSERT_TRUE(WaitForLogLines(log, point));
        ASSERT_EQ(::kill(static_cast<pid_t>(cli.Pid()), stop.signal), 0);
        const CliRun run = cli.Finish();
        EXPECT_EQ(run.exitCode, stop.exitCode);
        // Once a write's journal is kept (past the identification) it says what comes next.
        EXPECT_TRUE(run.err.endsWith(stop.told) ||
                    (write && run.err.endsWith(QString(stop.told) + notEnded)))
            << run.err.toStdString();
        ExpectTargetUntouched(target, true);

        const CliRun again = cli.Run(args);
        EXPECT_EQ(again.exitCode, kExitOk) << again.err.toStdString();
        if (!write) {
          RadioImage read = DefaultDocument();
          ASSERT_TRUE(OpenDocumentFile(target.Path().toStdString(), read));
          EXPECT_TRUE(read == DefaultDocument());
        }
      }
    }
  }
}

// Waits out the reply timeout once.
TEST(CliFaultSlow, SilentRadioTimesOutAndLeavesTheTargetAlone) {
  Cli cli;
  const Target target(cli, true);
  VirtualRadio radio({"--stop-after", "300"});
  ASSERT_FALSE(radio.Device().isEmpty());
  const CliRun run = cli.Run(ReadArgs(radio, target));
  EXPECT_EQ(run.exitCode, kExitFailure);
  EXPECT_TRUE(run.err.contains("Communication timeout error.")) << run.err.toStdString();
  ExpectTargetUntouched(target, true);
}

}  // namespace
}  // namespace quorvan
