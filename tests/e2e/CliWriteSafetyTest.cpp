// Writes of changes attacked against the virtual radio: stale, damaged or future backups, a
// full disk, lines cut and commands refused or dropped inside a channel, signals. Every case ends
// with the radio holding the document, or with a non-zero exit whose message says what to do;
// no run exits 0 while the radio holds something else.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <functional>
#include <memory>

#include "core/files/DocumentFile.h"
#include "core/model/RadioForms.h"
#include "core/model/RadioImage.h"
#include "support/CaseNames.h"
#include "support/E2eProcess.h"
#include "support/SampleImage.h"

namespace quorvan {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::Slurp;
using testing::VirtualRadio;

constexpr const char* kMain5 = "005,00146520000,5,1,0,1,0,0,12,12,007,000600000,0,1";
const char* const kBackups = ".local/share/QUENTAR/Quorvan/backups";

RadioImage Sample() { return testing::SampleImage("KK,0F", "ARVEN"); }

RadioImage First() { return testing::ChangedSampleImage(); }

// The first with memory 5 as the sample has it again: a write that trusts the state before the
// first write sends nothing for it, and leaves the first write's channel in the radio.
RadioImage Second() {
  RadioImage image = First();
  image.Store(SlotKind::Memory, 5, Sample().Record(SlotKind::Memory, 5));
  image.Menu().Set(kMenuCNT, "5");
  return image;
}

// quorvan-cli with its own backups, and a virtual radio whose state lives in a channel file
// from one run to the next.
class Bench {
 public:
  Bench() {
    state_ = cli_.File("radio-state.qvx");
    EXPECT_TRUE(SaveDocumentFile(state_.toStdString(), Sample(), nullptr));
    first_ = Save("first.qvx", First());
    second_ = Save("second.qvx", Second());
  }

  Cli& Program() { return cli_; }
  const QString& FirstFile() const { return first_; }
  const QString& SecondFile() const { return second_; }
  QString Backups() const { return cli_.File(kBackups); }
  QStringList BackupNames(const QString& pattern = "*") const {
    return QDir(Backups()).entryList({pattern}, QDir::Files, QDir::Name);
  }
  QString Save(const QString& name, const RadioImage& image) {
    const QString path = cli_.File(name);
    EXPECT_TRUE(SaveDocumentFile(path.toStdString(), image, nullptr));
    return path;
  }

  // One run of quorvan-cli against the radio, with the radio's faults; `stop` (when given) is
  // called once the radio has received a command starting with `stopAt`.
  struct Run {
    CliRun result;
    QStringList sent;  // what the radio received
  };
  Run Talk(const QStringList& args, const QStringList& faults = {}, const QString& stopAt = {},
           int stopSignal = 0) {
    const QString log = cli_.File("radio.log");
    QFile::remove(log);
    Run run;
    {
      QStringList radioArgs{"--file", state_, "--save-on-exit", state_, "--log", log};
      if (stopSignal != 0)
        radioArgs << "--delay-ms"
                  << "40";
      VirtualRadio radio(radioArgs + faults);
      EXPECT_FALSE(radio.Device().isEmpty());
      QStringList withPort = args;
      withPort.replaceInStrings("PORT", radio.Device());
      cli_.Start(withPort);
      if (stopSignal != 0) {
        EXPECT_TRUE(testing::WaitForLogLine(log, stopAt)) << stopAt.toStdString();
        ::kill(static_cast<pid_t>(cli_.Pid()), stopSignal);
      }
      run.result = cli_.Finish();
    }
    run.sent = QString::fromStdString(Slurp(log)).split('\n', Qt::SkipEmptyParts);
    return run;
  }
  Run Read() {
    return Talk({"read", "--port", "PORT", "--type", "KK,0F", "-o", cli_.File("r.qvx")});
  }
  Run WriteChanges(const QString& file, const QStringList& options = {},
                   const QStringList& faults = {}) {
    return Talk(QStringList{"write", "--port", "PORT", "--type", "KK,0F", "--changes"} + options +
                    QStringList{file},
                faults);
  }

  bool RadioHolds(const RadioImage& document) const {
    RadioImage held = MakeNewDocument(document.Plan());
    return OpenDocumentFile(state_.toStdString(), held) &&
           AsRadioGivesBack(held) == AsRadioGivesBack(document);
  }

 private:
  Cli cli_;
  QString state_;
  QString first_;
  QString second_;
};

// What the radio was sent that changes it: the identification and the reads left out.
QStringList Written(const QStringList& sent) {
  const QRegularExpression read(
      "^(VOX 0|FL \\d|MR \\d,.*|CR .*|VR .*|(MNA|DM|DMN) [^,]*|(PV|PC|NAR) \\d|[A-Z]+)$");
  QStringList written;
  for (const QString& command : sent) {
    if (!read.match(command).hasMatch()) written << command;
  }
  return written;
}

struct Case {
  const char* what;
  // Brings the radio and the backups to where the attack starts.
  std::function<void(Bench&)> before;
  // The attacked run; it writes the second document unless it says otherwise.
  std::function<Bench::Run(Bench&)> attack;
  int exitCode;
  std::vector<QString> told;  // parts of what it tells (standard error and output together)
  // What the message says to do: "read" (read the radio once, then write the changes) or
  // "write" (write the changes again), or "" when nothing is left to do. Either way the second
  // document is written then.
  const char* then;
};

// Reads the radio and writes the first document, leaving a "-written" backup.
void FirstWritten(Bench& bench) {
  ASSERT_EQ(bench.Read().result.exitCode, 0);
  const Bench::Run write = bench.WriteChanges(bench.FirstFile());
  ASSERT_EQ(write.result.exitCode, 0) << write.result.err.toStdString();
  ASSERT_TRUE(bench.RadioHolds(First()));
}

void Truncate(const QString& path, qint64 size) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.resize(size));
}

// Where a write of the first document's changes cuts memory 5 between its commands.
Bench::Run CutAfter(Bench& bench, const QString& command, const QStringList& faults = {}) {
  // The run counts the commands up to the one named; the line goes right after it.
  const Bench::Run probe = [&] {
    Bench counting;
    EXPECT_EQ(counting.Read().result.exitCode, 0);
    return counting.WriteChanges(counting.FirstFile());
  }();
  const int at = static_cast<int>(probe.sent.indexOf(QRegularExpression(command + ".*"))) + 1;
  EXPECT_GT(at, 0) << probe.sent.join('|').toStdString();
  return bench.WriteChanges(bench.FirstFile(), {},
                            QStringList{"--close-after", QString::number(at)} + faults);
}

const Case kCases[] = {
    {"newest write cut short",
     [](Bench& b) {
       FirstWritten(b);
       Truncate(b.Backups() + "/" + b.BackupNames("*-written.qvx").last(), 60);
     },
     [](Bench& b) { return b.WriteChanges(b.SecondFile()); },
     1,
     {"The newest backup of this radio cannot be read: ",
      "-written.qvx: Line 5: the file ends before \"__CALL DATA__\".\n",
      "\nNothing was sent. Read the radio once, or give --since.\n"},
     "read"},
    {"a backup dated in 2099",
     [](Bench& b) {
       FirstWritten(b);
       QFile::copy(b.Backups() + "/" + b.BackupNames("*-ARVEN-KK0F.qvx").first(),
                   b.Backups() + "/20990101-000000-ARVEN-KK0F.qvx");
       QFile::copy(b.Backups() + "/" + b.BackupNames("*-ARVEN-KK0F.qvx").first(),
                   b.Backups() + "/20990101T000000Z-0099-ARVEN-KK0F.qvx");
     },
     [](Bench& b) { return b.WriteChanges(b.SecondFile()); },
     1,
     {"The newest backup of this radio is dated later than now (1 Jan 2099",
      "20990101T000000Z-0099-ARVEN-KK0F.qvx.\nNothing was sent. Read the radio once"},
     "read"},
    {"the clock went back before the last write",
     [](Bench& b) {
       FirstWritten(b);
       const QString written = b.BackupNames("*-written.qvx").last();
       QFile::rename(b.Backups() + "/" + written,
                     b.Backups() + "/19990101T000000Z" + written.mid(16));
     },
     [](Bench& b) { return b.WriteChanges(b.SecondFile()); },
     0,
     {"Compared with what the radio held after the write of "},
     ""},
    {"a full disk during the last write",
     [](Bench& b) { ASSERT_EQ(b.Read().result.exitCode, 0); },
     [](Bench& b) {
       b.Program().LimitFileSize(1);
       Bench::Run run = b.WriteChanges(b.FirstFile());
       b.Program().LimitFileSize(0);
       EXPECT_TRUE(b.RadioHolds(First())) << "the write itself went through";
       const Bench::Run next = b.WriteChanges(b.SecondFile());
       EXPECT_EQ(next.result.exitCode, 1);
       EXPECT_TRUE(next.result.err.contains("The newest backup of this radio cannot be read: "))
           << next.result.err.toStdString();
       EXPECT_TRUE(Written(next.sent).isEmpty());
       return run;
     },
     1,
     {"The radio was written, but what it now holds could not be kept: cannot write ",
      ". Read the radio once before the next write of changes.\n"},
     "read"},
    {"a backups folder that cannot be made",
     [](Bench& b) {
       b.Save("base.qvx", First());
       QDir().mkpath(b.Program().File(".local/share/QUENTAR/Quorvan"));
       QFile file(b.Backups());
       ASSERT_TRUE(file.open(QIODevice::WriteOnly));
       ASSERT_TRUE(
           SaveDocumentFile(b.Program().File("radio-state.qvx").toStdString(), First(), nullptr));
     },
     [](Bench& b) {
       Bench::Run run = b.WriteChanges(b.SecondFile(), {"--since", b.Program().File("base.qvx")});
       EXPECT_TRUE(Written(run.sent).isEmpty()) << run.sent.join('|').toStdString();
       QFile::remove(b.Backups());
       return run;
     },
     1,
     {"Nothing was written to the radio: what it is to hold could not be kept first: cannot "
      "create the folder "},
     "read"},
    {"nothing to send, verified: the radio was changed on its keys",
     [](Bench& b) {
       ASSERT_EQ(b.Read().result.exitCode, 0);
       RadioImage keyed = Sample();
       keyed.Store(SlotKind::Memory, 5, std::string(kMain5) + ",00147000000,5,,KEYS");
       ASSERT_TRUE(
           SaveDocumentFile(b.Program().File("radio-state.qvx").toStdString(), keyed, nullptr));
     },
     [](Bench& b) { return b.WriteChanges(b.Save("same.qvx", Sample()), {"--verify"}); },
     1,
     {"Nothing has changed since the last read or write of this radio (",
      "memory 005: name A,B\xC3\xA9\xC5\xA1 in the file, KEYS in the radio\n"},
     ""},
    {"nothing to send, verified on a port that is not there",
     [](Bench& b) { ASSERT_EQ(b.Read().result.exitCode, 0); },
     [](Bench& b) {
       Bench::Run run;
       run.result = b.Program().Run({"write", "--port", b.Program().File("no-such-tty"),
                                     "--changes", "--verify", b.Save("same.qvx", Sample())});
       return run;
     },
     1,
     {"COM port is invalid.\nPlease check and try again.\n"},
     ""},
    {"line cut between the channel's first command and its name",
     [](Bench& b) { ASSERT_EQ(b.Read().result.exitCode, 0); },
     [](Bench& b) { return CutAfter(b, "MW 1,005"); },
     1,
     {"Communication ", "\nThe write did not end; the next write of changes completes it.\n"},
     "write"},
    {"the channel's name refused",
     [](Bench& b) { ASSERT_EQ(b.Read().result.exitCode, 0); },
     [](Bench& b) {
       return b.WriteChanges(b.FirstFile(), {}, {"--reject", "MNA 005,"});
     },
     1,
     {"The radio did not accept 1 command.",
      "\nThe next write of changes writes again what the radio did not take.\n"},
     "write"},
    {"the channel's name and the battery type dropped",
     [](Bench& b) { ASSERT_EQ(b.Read().result.exitCode, 0); },
     [](Bench& b) {
       return b.WriteChanges(b.FirstFile(), {"--verify"},
                             {"--drop", "MNA 005,", "--drop", "BAT 1"});
     },
     1,
     {"The radio does not hold what was written:\nmemory 005: name NEW in the file, ",
      "\nmenu BAT: value 1 in the file, ",
      " in the radio\nThe next write of changes writes again what the radio did not take.\n"},
     "write"},
    {"a whole write cut among the memories",
     [](Bench&) {},
     [](Bench& b) {
       return b.Talk({"write", "--port", "PORT", "--type", "KK,0F", b.FirstFile()},
                     {"--close-after", "120"});
     },
     1,
     {"Communication ", "\nThe write did not end; the next write of changes completes it.\n"},
     "write"},
};

class CliWriteSafety : public ::testing::TestWithParam<Case> {};

// After the attack, what its message says to do gets the radio to hold the second document,
// never with --force: a write that broke off is no change of anybody else's.
void FollowTheAdvice(Bench& bench, const std::string& then) {
  if (then == "read") {
    ASSERT_EQ(bench.Read().result.exitCode, 0);
  }
  const Bench::Run write = bench.WriteChanges(bench.SecondFile());
  EXPECT_EQ(write.result.exitCode, 0) << write.result.err.toStdString();
  EXPECT_TRUE(bench.RadioHolds(Second())) << write.sent.join('|').toStdString();
  // And then it is known: nothing more to send.
  const Bench::Run again = bench.WriteChanges(bench.SecondFile());
  EXPECT_EQ(again.result.exitCode, 0);
  EXPECT_TRUE(again.result.out.startsWith("Nothing has changed since the last read or write"))
      << again.result.out.toStdString() << again.result.err.toStdString();
  EXPECT_TRUE(Written(again.sent).isEmpty());
}

TEST_P(CliWriteSafety, EndsWithTheRadioRightOrSaysWhatToDo) {
  const Case& c = GetParam();
  Bench bench;
  if (c.before) c.before(bench);
  if (::testing::Test::HasFatalFailure()) return;
  const Bench::Run attack = c.attack(bench);
  const QString told = attack.result.err + attack.result.out;
  EXPECT_EQ(attack.result.exitCode, c.exitCode) << told.toStdString();
  for (const QString& part : c.told) {
    EXPECT_TRUE(told.contains(part)) << "missing: " << part.toStdString() << "\nin:\n"
                                     << told.toStdString();
  }
  if (attack.result.exitCode == 0) {
    EXPECT_TRUE(bench.RadioHolds(Second())) << "exit 0 with the radio holding something else";
  }
  if (c.then[0] != '\0') FollowTheAdvice(bench, c.then);
}

INSTANTIATE_TEST_SUITE_P(Attacks, CliWriteSafety, ::testing::ValuesIn(kCases),
                         testing::ByCaseName());

// SIGTERM, SIGHUP and SIGKILL (as a power loss) in the middle of a channel: the first two stop
// between commands with a message and their exit status, keep what was read, and the next write
// of changes completes the write without --force.
TEST(CliWriteSafetySignals, AWriteStoppedInsideAChannelIsCompletedByTheNext) {
  const struct {
    int signal;
    int exitCode;  // -1: killed
    const char* told;
  } stops[] = {
      {SIGTERM, 143,
       "quorvan-cli: stopped by SIGTERM; the port is closed\n"
       "The write did not end; the next write of changes completes it.\n"},
      {SIGHUP, 129,
       "quorvan-cli: stopped by SIGHUP; the port is closed\n"
       "The write did not end; the next write of changes completes it.\n"},
      {SIGKILL, -1, ""},
  };
  for (const auto& stop : stops) {
    SCOPED_TRACE(stop.signal);
    Bench bench;
    ASSERT_EQ(bench.Read().result.exitCode, 0);
    const Bench::Run stopped =
        bench.Talk({"write", "--port", "PORT", "--type", "KK,0F", "--changes", bench.FirstFile()},
                   {}, "MW 1,005", stop.signal);
    EXPECT_EQ(stopped.result.exitCode, stop.exitCode);
    EXPECT_TRUE(stopped.result.err.endsWith(stop.told)) << stopped.result.err.toStdString();
    EXPECT_FALSE(stopped.sent.contains("MNA 005,NEW")) << "stopped inside the channel";
    EXPECT_EQ(bench.BackupNames("*-replaced.qvx").size(), 1) << "what was read is kept";
    EXPECT_EQ(bench.BackupNames("*-pending.qvx").size(), 1);
    EXPECT_FALSE(bench.RadioHolds(First()));
    FollowTheAdvice(bench, "write");
  }
}

// Reads at the same moment, as from four windows and scripts: `rounds` rounds of four reads of
// four radios, all into the bench's one backups folder.
void ReadFourAtOnce(Bench& bench, int rounds, const QString& scope) {
  std::vector<std::unique_ptr<VirtualRadio>> radios;
  for (int r = 0; r < 4; ++r) {
    radios.push_back(std::make_unique<VirtualRadio>(
        QStringList{"--file", bench.Save("radio" + QString::number(r) + ".qvx", Sample())}));
  }
  for (int round = 0; round < rounds; ++round) {
    std::vector<std::unique_ptr<QProcess>> reads;
    for (int r = 0; r < 4; ++r) {
      auto read = std::make_unique<QProcess>();
      read->setProcessEnvironment(bench.Program().Environment());
      read->start(
          QStringLiteral(QUORVAN_CLI_PATH),
          {"read", "--port", radios[static_cast<std::size_t>(r)]->Device(), "--type", "KK,0F",
           "--scope", scope, "-o", bench.Program().File("r" + QString::number(r))});
      reads.push_back(std::move(read));
    }
    for (auto& read : reads) {
      ASSERT_TRUE(read->waitForFinished(testing::kGuardMs));
      ASSERT_EQ(read->exitCode(), 0) << read->readAllStandardError().toStdString();
    }
  }
}

TEST(CliBackups, ReadsAtTheSameMomentKeepEveryOnesBackup) {
  Bench bench;
  ReadFourAtOnce(bench, 12, "all");
  EXPECT_EQ(bench.BackupNames("*-ARVEN-KK0F.qvx").size(), 48);
}

// Fifty-two reads of the memories alone leave the whole read before them, so a write of changes
// still knows what the radio held.
TEST(CliBackups, ReadsOfOneKindNeverPushOutTheLastWholeRead) {
  Bench bench;
  ASSERT_EQ(bench.Read().result.exitCode, 0);
  ReadFourAtOnce(bench, 13, "memory");
  EXPECT_EQ(bench.BackupNames("*-memory.qvx").size(), 50);
  EXPECT_EQ(bench.BackupNames("*-ARVEN-KK0F.qvx").size(), 1);
  const Bench::Run write = bench.WriteChanges(bench.SecondFile());
  EXPECT_EQ(write.result.exitCode, 0) << write.result.err.toStdString();
  EXPECT_TRUE(bench.RadioHolds(Second()));
}

// A read whose backup cannot be kept still writes its file, and says which folder failed.
TEST(CliBackups, ABackupThatCannotBeKeptIsToldWithItsPath) {
  Bench bench;
  QDir().mkpath(bench.Program().File(".local/share/QUENTAR/Quorvan"));
  QFile blocker(bench.Backups());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  const Bench::Run read = bench.Read();
  EXPECT_EQ(read.result.exitCode, 0);
  EXPECT_TRUE(read.result.err.startsWith(
      "quorvan-cli: the data read could not be kept as a backup: cannot create the folder " +
      bench.Backups() + ": "))
      << read.result.err.toStdString();
  EXPECT_TRUE(QFile::exists(bench.Program().File("r.qvx")));
}

}  // namespace
}  // namespace quorvan
