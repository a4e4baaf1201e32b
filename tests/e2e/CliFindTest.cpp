// quorvan-cli find and --trace against the virtual radio and other pseudo-terminals.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "io/serial/TQuentarComm.h"
#include "support/E2eProcess.h"
#include "support/PseudoTerminal.h"

namespace quorvan {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::PseudoTerminal;
using testing::Slurp;
using testing::VirtualRadio;

QStringList Lines(const QString& text) { return text.split('\n', Qt::SkipEmptyParts); }

// One port of each kind, tried in the order given: each gets its own line, and the radio is
// asked only what identifies it.
TEST(CliFind, TellsForEveryPortWhatAnsweredOrWhyNot) {
  Cli cli;
  const QString log = cli.File("radio.log");
  VirtualRadio radio({"--type", "ME,0B", "--model", "BELTO", "--log", log});
  VirtualRadio stranger({"--id", "ZORRO"});
  VirtualRadio held({});
  PseudoTerminal silent;
  ASSERT_FALSE(radio.Device().isEmpty());
  ASSERT_FALSE(stranger.Device().isEmpty());
  ASSERT_FALSE(held.Device().isEmpty());
  ASSERT_TRUE(silent.IsValid());
  TQuentarComm holder;
  holder.SetPortName(held.Device());
  holder.OpenCommport();
  const QString silentPath = QString::fromStdString(silent.Path());
  const QString missing = QStringLiteral("/dev/quorvan-no-such-port");

  const CliRun run =
      cli.Run({"find", silentPath, held.Device(), stranger.Device(), radio.Device(), missing});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_EQ(Lines(run.out).join('\n').toStdString(),
            (QStringList{
                 silentPath + ": no answer",
                 held.Device() + ": busy: in use by another program",
                 stranger.Device() + ": something answered, but not as a radio of this family",
                 "  The radio answered \"ID ZORRO\".",
                 radio.Device() + ": BELTO, type ME,0B (Europe)",
                 missing + ": does not exist",
             })
                .join('\n')
                .toStdString());
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(Lines(QString::fromStdString(Slurp(log))),
            (QStringList{"VOX 0", "ID", "TYD", "FL 0", "FL 1"}));

  // Nothing answering is a failure, said so after the lines.
  const CliRun none = cli.Run({"find", silentPath});
  EXPECT_EQ(none.exitCode, 1);
  EXPECT_EQ(none.out, silentPath + ": no answer\n");
  EXPECT_EQ(none.err, "quorvan-cli: no radio answered\n");
}

// The trace of a command holds the program, the system, the command and each transfer with its
// port, every command and reply as sent and received, and how it ended.
TEST(CliTrace, WritesEveryCommandAndReplyAndHowTheTransferEnded) {
  Cli cli;
  VirtualRadio radio({"--stop-after", "3"});
  ASSERT_FALSE(radio.Device().isEmpty());
  const QString traceFile = cli.File("trace.txt");
  const CliRun run = cli.Run({"read", "--port", radio.Device(), "--type", "KK,0F", "--trace",
                              traceFile, "-o", cli.File("x.qvx")});
  EXPECT_EQ(run.exitCode, 1);
  const QStringList lines = Lines(QString::fromStdString(Slurp(traceFile)));
  ASSERT_GE(lines.size(), 10) << Slurp(traceFile);
  EXPECT_TRUE(lines[0].startsWith("Program: quorvan-cli ")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].startsWith("System: ")) << lines[1].toStdString();
  EXPECT_EQ(lines[2], "Command: read");
  EXPECT_EQ(lines[3], "Transfer 1");
  EXPECT_EQ(lines[4], "Port: " + radio.Device() +
                          ", 9600 bit/s, 8 data bits, no parity, 1 stop bit, Xon/Xoff flow "
                          "control, an event on CR");
  // The timed lines: "   12 ms  ..." with what they say after the time.
  QStringList events;
  for (const QString& line : lines.mid(5)) {
    ASSERT_TRUE(line.contains(QRegularExpression("^ {0,7}\\d+ ms  "))) << line.toStdString();
    events << line.mid(line.indexOf(" ms  ") + 5);
  }
  EXPECT_EQ(events.mid(0, 7), (QStringList{"open " + radio.Device(), "> \"VOX 0\\r\"",
                                           "< \"VOX 0\\r\"", "> \"ID\\r\"", "< \"ID ARVEN\\r\"",
                                           "> \"TYD\\r\"", "< \"TYD KK,0F\\r\""}));
  EXPECT_EQ(events.mid(7),
            (QStringList{"> \"FL 0\\r\"", "close",
                         "end: TimedOut: Communication timeout error.\\nCheck that the radio is "
                         "on and not showing one of its menus, that the cable is seated at both "
                         "ends and that " +
                             radio.Device() + " is the cable's port."}));
}

TEST(CliTrace, GoesToStandardErrorForADashAndAFailedTraceIsToldAlone) {
  Cli cli;
  VirtualRadio radio({});
  ASSERT_FALSE(radio.Device().isEmpty());
  const CliRun dash = cli.Run({"identify", "--port", radio.Device(), "--trace", "-"});
  EXPECT_EQ(dash.exitCode, 0) << dash.err.toStdString();
  EXPECT_TRUE(dash.out.startsWith("Model: ARVEN\n"));
  EXPECT_TRUE(dash.err.contains("\nCommand: identify\n\nTransfer 1\n")) << dash.err.toStdString();
  EXPECT_TRUE(dash.err.contains("< \"FL 1,")) << dash.err.toStdString();

  // The identification stands though its trace could not be kept.
  const QString nowhere = cli.File("no/such/folder/trace.txt");
  const CliRun lost = cli.Run({"identify", "--port", radio.Device(), "--trace", nowhere});
  EXPECT_EQ(lost.exitCode, 0);
  EXPECT_TRUE(lost.out.startsWith("Model: ARVEN\n"));
  EXPECT_TRUE(lost.err.startsWith("quorvan-cli: the trace could not be written: "))
      << lost.err.toStdString();
  EXPECT_FALSE(QFile::exists(nowhere));

  // A search traces each port it tries as a transfer of its own.
  PseudoTerminal silent;
  const QString traceFile = cli.File("find.txt");
  const CliRun find = cli.Run(
      {"find", "--trace", traceFile, QString::fromStdString(silent.Path()), radio.Device()});
  EXPECT_EQ(find.exitCode, 0) << find.err.toStdString();
  const QString trace = QString::fromStdString(Slurp(traceFile));
  EXPECT_TRUE(trace.contains("\nTransfer 1: find\nPort: " + QString::fromStdString(silent.Path())))
      << trace.toStdString();
  EXPECT_TRUE(trace.contains("end: " + QString::fromStdString(silent.Path()) + ": no answer\n"));
  EXPECT_TRUE(trace.contains("\nTransfer 2: find\nPort: " + radio.Device()));
  EXPECT_TRUE(trace.contains("end: " + radio.Device() + ": ARVEN, type KK,0F (U.S.A./Canada)\n"));
}

}  // namespace
}  // namespace quorvan
