// quorvan-cli read and write against the virtual radio over a real pseudo-terminal.
#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include "core/files/DocumentFile.h"
#include "core/model/ChannelFile.h"
#include "core/model/RadioImage.h"
#include "io/serial/TQuentarComm.h"
#include "support/E2eProcess.h"

namespace quorvan {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::Slurp;
using testing::VirtualRadio;
using testing::WaitForLogLines;

const QString kInvalidPort = "COM port is invalid.\nPlease check and try again.";

// A document with a few channels of every kind the write sends.
RadioImage SampleDocument() {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  image.Store(SlotKind::Memory, 5, "005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,ABC");
  image.Store(SlotKind::Memory, 12,
              "012,00440000000,5,2,0,1,0,0,10,10,000,005000000,0,0,00445000000,5,,REPEAT");
  image.Store(SlotKind::Dtmf, 3, "03,12*#,HOME");
  return image;
}

bool LoadDocument(const QString& path, RadioImage& image) {
  image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  return OpenDocumentFile(path.toStdString(), image);
}

TEST(CliTransfer, ReadProducesTheRadiosDocumentAndStoresItsType) {
  Cli cli;
  const QString served = cli.File("served.qvx");
  ASSERT_TRUE(SaveDocumentFile(served.toStdString(), SampleDocument(), nullptr));
  VirtualRadio radio({"--file", served});
  ASSERT_FALSE(radio.Device().isEmpty());

  const QString out = cli.File("read.qvx");
  const CliRun run = cli.Run({"read", "--port", radio.Device(), "--type", "KK,0F", "-o", out});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  RadioImage read;
  ASSERT_TRUE(LoadDocument(out, read));
  EXPECT_TRUE(read == SampleDocument()) << Slurp(out);

  // The type went into the settings: a write without --type finds it.
  const CliRun write = cli.Run({"write", "--port", radio.Device(), "--scope", "menu", out});
  EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
}

TEST(CliTransfer, WriteThenReadGivesTheSameDocument) {
  Cli cli;
  VirtualRadio radio({});
  ASSERT_FALSE(radio.Device().isEmpty());
  const QString sample = cli.File("sample.qvx");
  ASSERT_TRUE(SaveDocumentFile(sample.toStdString(), SampleDocument(), nullptr));

  const CliRun write = cli.Run({"write", "--port", radio.Device(), "--type", "KK,0F", sample});
  ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
  const QString back = cli.File("back.qvx");
  const CliRun read = cli.Run({"read", "--port", radio.Device(), "--type", "KK,0F", "-o", back});
  ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
  RadioImage image;
  ASSERT_TRUE(LoadDocument(back, image));
  EXPECT_TRUE(image == SampleDocument()) << Slurp(back);
}

TEST(CliTransfer, BusyPortIsInvalidAndSaysWhy) {
  VirtualRadio radio({});
  ASSERT_FALSE(radio.Device().isEmpty());
  TQuentarComm holder;
  holder.SetPortName(radio.Device());
  holder.OpenCommport();
  Cli cli;
  const CliRun run =
      cli.Run({"read", "--port", radio.Device(), "--type", "KK,0F", "-o", cli.File("x.qvx")});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.err.contains(kInvalidPort + "\nThe port is in use by another program.\n"))
      << run.err.toStdString();
  EXPECT_FALSE(QFile::exists(cli.File("x.qvx")));
}

TEST(CliTransfer, FailuresEndWithTheirMessageAndExitCode) {
  struct Case {
    const char* name;
    QStringList radioArgs;
    QString message;
  };
  const std::vector<Case> cases{
      {"radio stops answering", {"--stop-after", "5"}, "Communication timeout error."},
      {"line closes", {"--close-after", "5"}, "Communication Read Error  ErrorMask="},
      {"other radio", {"--id", "ID ZORRO"}, "The radio is invalid.\nPlease check and try again."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    VirtualRadio radio(c.radioArgs);
    ASSERT_FALSE(radio.Device().isEmpty());
    Cli cli;
    const CliRun run =
        cli.Run({"read", "--port", radio.Device(), "--type", "KK,0F", "-o", cli.File("x.qvx")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(cli.File("x.qvx")));
  }
}

TEST(CliTransfer, InterruptCancelsLikeTheCancelButton) {
  Cli cli;
  const QString log = cli.File("radio.log");
  VirtualRadio radio({"--stop-after", "4", "--log", log});
  ASSERT_FALSE(radio.Device().isEmpty());
  cli.Start({"read", "--port", radio.Device(), "--type", "KK,0F", "-o", cli.File("x.qvx")});
  ASSERT_TRUE(WaitForLogLines(log, 5)) << "the fifth command is outstanding";
  ASSERT_EQ(::kill(static_cast<pid_t>(cli.Pid()), SIGINT), 0);
  const CliRun run = cli.Finish();
  EXPECT_EQ(run.exitCode, 130);
  EXPECT_TRUE(run.err.contains("cancelled")) << run.err.toStdString();
  EXPECT_FALSE(run.err.contains("timeout")) << run.err.toStdString();
  EXPECT_FALSE(QFile::exists(cli.File("x.qvx")));
}

TEST(CliTransfer, UsageErrorsExitWithTwo) {
  Cli cli;
  EXPECT_EQ(cli.Run({"read", "-o", cli.File("x.qvx")}).exitCode, 2);
  EXPECT_EQ(cli.Run({"read", "--port", "COM1", "--scope", "half", "-o", "x.qvx"}).exitCode, 2);
  EXPECT_EQ(cli.Run({"write", "--port", "COM1"}).exitCode, 2);
  EXPECT_EQ(cli.Run({"ports", "extra"}).exitCode, 2);
}

// Lines of the virtual radio's command log.
QStringList LoggedCommands(const QString& log) {
  return QString::fromStdString(Slurp(log)).split('\n', Qt::SkipEmptyParts);
}

// Without a stored or given type the radio's own replies give it: the document is the one a read
// with the radio's type gives, for every scope, and the type is stored for the next command.
TEST(CliTransfer, ReadWithAFreshSettingsStoreTakesTheRadiosType) {
  RadioImage held = MakeNewDocument(MakeDefaultBandPlan("ME,0B", "BELTO"));
  held.Store(SlotKind::Memory, 7, "007,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,0,EURO");
  held.Menu().Set(kMenuCNT, "09");
  for (const char* scope : {"all", "memory", "menu"}) {
    SCOPED_TRACE(scope);
    Cli cli;
    const QString served = cli.File("served.qvx");
    ASSERT_TRUE(SaveDocumentFile(served.toStdString(), held, nullptr));
    VirtualRadio radio({"--file", served, "--type", "ME,0B", "--model", "BELTO"});
    ASSERT_FALSE(radio.Device().isEmpty());

    const CliRun fresh =
        cli.Run({"read", "--port", radio.Device(), "--scope", scope, "-o", cli.File("fresh.qvx")});
    ASSERT_EQ(fresh.exitCode, 0) << fresh.err.toStdString();
    Cli typed;
    const CliRun given = typed.Run({"read", "--port", radio.Device(), "--scope", scope, "--type",
                                    "ME,0B", "-o", cli.File("given.qvx")});
    ASSERT_EQ(given.exitCode, 0) << given.err.toStdString();
    EXPECT_EQ(Slurp(cli.File("fresh.qvx")), Slurp(cli.File("given.qvx")));

    const CliRun stored = cli.Run({"new", "-o", "-"});
    EXPECT_EQ(stored.exitCode, 0) << stored.err.toStdString();
    EXPECT_EQ(stored.out.toStdString(),
              WriteChannelFileText(MakeNewDocument(MakeDefaultBandPlan("ME,0B", "BELTO"))));
  }
}

// identify prints what the radio states and nothing else, and asks it nothing more.
TEST(CliTransfer, IdentifyTellsModelTypeMarketAndLimits) {
  Cli cli;
  const QString log = cli.File("radio.log");
  VirtualRadio radio({"--type", "JJ,01", "--model", "BELTO", "--log", log});
  ASSERT_FALSE(radio.Device().isEmpty());
  const CliRun run = cli.Run({"identify", "--port", radio.Device()});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(run.out,
            "Model: BELTO\nType: JJ,01 (Japan)\nLimit0: 00144,00146\nLimit2: 00430,00440\n"
            "Limit4: 0000010,0000171\nLimit5: 0000171,0002970\nLimit6: 0002970,0007600\n"
            "Limit7: 0007600,0010800\nLimit8: 00108,00137\nLimit9: 00137,00174\n"
            "Limit10: 00174,00222\nLimit11: 00222,00415\nLimit12: 00415,00470\n"
            "Limit13: 00470,00770\nLimit14: 00770,01300\n");
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(LoggedCommands(log), (QStringList{"VOX 0", "ID", "TYD", "FL 0", "FL 1"}));

  VirtualRadio other({"--id", "ARVEN2"});
  const CliRun refused = cli.Run({"identify", "--port", other.Device()});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err,
            "quorvan-cli: The radio is invalid.\nPlease check and try again.\n"
            "The radio answered \"ID ARVEN2\".\n");
  EXPECT_EQ(refused.out, "");
}

// The dry run identifies the radio as the write does and sends nothing after "TYD"; the number
// it tells is what the write then sends.
TEST(CliTransfer, DryRunSendsNothingAfterTheTypeAndCountsTheWrite) {
  Cli cli;
  const QString document = cli.File("doc.qvx");
  ASSERT_TRUE(SaveDocumentFile(document.toStdString(), SampleDocument(), nullptr));
  for (const char* scope : {"all", "menu"}) {
    SCOPED_TRACE(scope);
    const QString log = cli.File(QString("radio-%1.log").arg(scope));
    VirtualRadio radio({"--log", log});
    ASSERT_FALSE(radio.Device().isEmpty());
    const CliRun dry = cli.Run({"write", "--port", radio.Device(), "--type", "KK,0F", "--scope",
                                scope, "--dry-run", document});
    ASSERT_EQ(dry.exitCode, 0) << dry.err.toStdString();
    EXPECT_EQ(LoggedCommands(log), (QStringList{"VOX 0", "ID", "TYD"}));
    const QRegularExpressionMatch told =
        QRegularExpression(
            "would send (\\d+) commands \\(\\d+ bytes both ways\\), about \\d+ "
            "seconds at 9600 bit/s\\.\n$")
            .match(dry.out);
    ASSERT_TRUE(told.hasMatch()) << dry.out.toStdString();

    const CliRun write =
        cli.Run({"write", "--port", radio.Device(), "--type", "KK,0F", "--scope", scope, document});
    ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_EQ(LoggedCommands(log).size(), 3 + told.captured(1).toInt());
  }
  VirtualRadio european({"--type", "ME,0B"});
  const CliRun refused =
      cli.Run({"write", "--port", european.Device(), "--type", "KK,0F", "--dry-run", document});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.err,
            "quorvan-cli: The radio is invalid.\nPlease check and try again.\n"
            "The radio reports type ME,0B (Europe); this document is for KK,0F "
            "(U.S.A./Canada).\n");
  EXPECT_EQ(refused.out, "");
}

// Standard error is no terminal here: progress only with --progress, never with --quiet.
TEST(CliTransfer, ProgressOnlyWhenAskedOffATerminal) {
  VirtualRadio radio({});
  ASSERT_FALSE(radio.Device().isEmpty());
  const struct {
    QStringList flags;
    QString err;
  } cases[] = {
      {{}, ""},
      {{"--progress"}, "0%\n10%\n20%\n30%\n40%\n50%\n60%\n70%\n80%\n90%\n100%\n"},
      {{"--quiet"}, ""},
      {{"--quiet", "--progress"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flags.join(' ').toStdString());
    Cli cli;
    const CliRun run = cli.Run(QStringList{"read", "--port", radio.Device(), "--type", "KK,0F",
                                           "--scope", "menu", "-o", cli.File("x.qvx")}
                               << c.flags);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, c.err);
  }
}

// A read to standard output writes the document there alone; a write reads it from standard
// input.
TEST(CliTransfer, ReadToAndWriteFromTheStandardStreams) {
  Cli cli;
  const QString served = cli.File("served.qvx");
  ASSERT_TRUE(SaveDocumentFile(served.toStdString(), SampleDocument(), nullptr));
  VirtualRadio radio({"--file", served});
  ASSERT_FALSE(radio.Device().isEmpty());
  const CliRun read = cli.Run({"read", "--port", radio.Device(), "--type", "KK,0F", "-o", "-"});
  ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
  EXPECT_EQ(read.out.toStdString(), WriteChannelFileText(SampleDocument()));

  VirtualRadio blank({});
  const CliRun write = cli.Run({"write", "--port", blank.Device(), "--type", "KK,0F", "-"}, served);
  ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
  const CliRun back = cli.Run({"read", "--port", blank.Device(), "--type", "KK,0F", "-o", "-"});
  EXPECT_EQ(back.out, read.out);
}

}  // namespace
}  // namespace quorvan
