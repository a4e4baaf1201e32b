// quorvan-cli write --changes, write --verify and verify against the virtual radio: what is
// sent, what the radio then holds, which backups are kept, what is told and the exit codes.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QStringList>
#include <functional>

#include "core/files/DocumentFile.h"
#include "core/model/RadioForms.h"
#include "core/model/RadioImage.h"
#include "support/E2eProcess.h"
#include "support/SampleImage.h"

namespace quorvan {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::Slurp;
using testing::Told;
using testing::VirtualRadio;

constexpr const char* kMain5 = "005,00146520000,5,1,0,1,0,0,12,12,007,000600000,0,1";

RadioImage Sample() { return testing::SampleImage("KK,0F", "ARVEN"); }

// Three changed memory channels (one renamed and moved, one emptied, one new) and a menu value.
RadioImage Changed() { return testing::ChangedSampleImage(); }

QStringList LogLines(const QString& log) {
  return QString::fromStdString(Slurp(log)).split('\n', Qt::SkipEmptyParts);
}

// quorvan-cli with its own settings and backups, and channel files in its home.
struct ChangesBench {
  Cli cli;

  QString Save(const QString& name, const RadioImage& image) {
    const QString path = cli.File(name);
    EXPECT_TRUE(SaveDocumentFile(path.toStdString(), image, nullptr)) << name.toStdString();
    return path;
  }
  QStringList Backups(const QString& pattern) const {
    return QDir(cli.File(".local/share/QUENTAR/Quorvan/backups"))
        .entryList({pattern}, QDir::Files, QDir::Name);
  }
  // A whole read, which leaves the baseline of the radio.
  void Read(const VirtualRadio& radio) {
    const CliRun read =
        cli.Run({"read", "--port", radio.Device(), "--type", "KK,0F", "-o", cli.File("read.qvx")});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
  }
  CliRun Write(const VirtualRadio& radio, QStringList options, const QString& file) {
    return cli.Run(QStringList{"write", "--port", radio.Device()} + options + QStringList{file});
  }
  CliRun Verify(const VirtualRadio& radio, const QString& file) {
    return cli.Run({"verify", "--port", radio.Device(), "--type", "KK,0F", file});
  }
};

TEST(CliChanges, WritesOnlyTheChangesAfterwardsTheRadioHoldsTheDocument) {
  ChangesBench bench;
  const QString log = bench.cli.File("radio.log");
  VirtualRadio radio({"--file", bench.Save("served.qvx", Sample()), "--log", log});
  ASSERT_FALSE(radio.Device().isEmpty());
  bench.Read(radio);
  const int afterRead = static_cast<int>(LogLines(log).size());

  const CliRun same = bench.Write(radio, {"--changes"}, bench.cli.File("read.qvx"));
  EXPECT_EQ(same.exitCode, 0) << same.err.toStdString();
  EXPECT_TRUE(QRegularExpression("^Nothing has changed since the last read or write of this radio "
                                 "\\(\\d+ \\w{3} \\d{4} \\d\\d:\\d\\d\\); nothing was sent.\n$")
                  .match(QString::fromStdString(Told(same.out)))
                  .hasMatch())
      << Told(same.out);
  EXPECT_EQ(LogLines(log).size(), afterRead) << "nothing sent";
  // Nothing to send still needs a port the write could have gone through.
  const CliRun nowhere = bench.cli.Run(
      {"write", "--port", "/dev/quorvan-no-such-port", "--changes", bench.cli.File("read.qvx")});
  EXPECT_EQ(nowhere.exitCode, 1);
  EXPECT_NE(nowhere.err.indexOf("COM port is invalid."), -1) << nowhere.err.toStdString();
  EXPECT_EQ(nowhere.out, QString());

  const QString document = bench.Save("changed.qvx", Changed());
  const CliRun write = bench.Write(radio, {"--changes", "--verify"}, document);
  ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
  const QStringList sent = LogLines(log).mid(afterRead);
  const QStringList written = sent.filter(QRegularExpression("^(MW \\d,|MNA \\d+,|BAT \\d)"));
  EXPECT_EQ(written, (QStringList{"MW 0,005,00146520000,5,1,0,1,0,0,12,12,007,000600000,0,1",
                                  "MW 1,005,00147500000,5", "MNA 005,NEW",
                                  "MW 0,007,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0",
                                  "MNA 007,SEVEN", "MW 0,399", "BAT 1"}))
      << sent.join(" | ").toStdString();
  EXPECT_EQ(bench.Backups("*-written.qvx").size(), 1);
  EXPECT_EQ(bench.Backups("*-replaced.qvx").size(), 1);

  const CliRun verify = bench.Verify(radio, document);
  EXPECT_EQ(verify.exitCode, 0) << Told(verify.out) << Told(verify.err);
  EXPECT_EQ(Told(verify.out), "The radio holds this document.\n");
  bench.Read(radio);
  RadioImage back = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  ASSERT_TRUE(OpenDocumentFile(bench.cli.File("read.qvx").toStdString(), back));
  EXPECT_TRUE(AsRadioGivesBack(back) == AsRadioGivesBack(Changed()))
      << Slurp(bench.cli.File("read.qvx"));
}

TEST(CliChanges, WithoutABaselineNothingIsSent) {
  ChangesBench bench;
  const QString log = bench.cli.File("radio.log");
  VirtualRadio radio({"--log", log});
  ASSERT_FALSE(radio.Device().isEmpty());
  const CliRun write =
      bench.Write(radio, {"--type", "KK,0F", "--changes"}, bench.Save("doc.qvx", Changed()));
  EXPECT_EQ(write.exitCode, 1);
  EXPECT_EQ(
      Told(write.err),
      "quorvan-cli: No earlier read or write of this radio is known: write everything once, or "
      "give "
      "--since.\n");
  EXPECT_TRUE(LogLines(log).isEmpty());
}

TEST(CliChanges, RadioChangedSinceTheBaselineStopsTheWriteUnlessForced) {
  ChangesBench bench;
  RadioImage keyed = Sample();
  keyed.Store(SlotKind::Memory, 5, std::string(kMain5) + ",00147000000,5,,KEYS");
  const QString log = bench.cli.File("radio.log");
  VirtualRadio radio({"--file", bench.Save("served.qvx", keyed), "--log", log});
  ASSERT_FALSE(radio.Device().isEmpty());
  const QString base = bench.Save("base.qvx", Sample());
  const QString document = bench.Save("changed.qvx", Changed());

  const CliRun stopped =
      bench.Write(radio, {"--type", "KK,0F", "--changes", "--since", base}, document);
  EXPECT_EQ(stopped.exitCode, 1);
  EXPECT_EQ(Told(stopped.err),
            "quorvan-cli: Compared with " + base.toStdString() +
                ".\n"
                "quorvan-cli: The radio was changed since it was last read or written:\n"
                "memory 005: name A,B\xC3\xA9\xC5\xA1 at the last read or write, "
                "KEYS in the radio\n"
                "Nothing was written to the radio. Give --force to write anyway.\n");
  EXPECT_TRUE(LogLines(log).filter(QRegularExpression("^(MW|MNA 005,|BAT )")).isEmpty());
  EXPECT_EQ(bench.Backups("*-replaced.qvx").size(), 1) << "what would be replaced is kept";
  EXPECT_TRUE(bench.Backups("*-written.qvx").isEmpty());

  const CliRun forced =
      bench.Write(radio, {"--type", "KK,0F", "--changes", "--since", base, "--force"}, document);
  EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
  {
    const CliRun verify = bench.Verify(radio, document);
    EXPECT_EQ(verify.exitCode, 0) << Told(verify.out) << Told(verify.err);
  }
  EXPECT_EQ(bench.Backups("*-written.qvx").size(), 1);
}

TEST(CliChanges, LineClosedInTheMiddleLeavesItsJournalAndTheNextWriteCompletesIt) {
  ChangesBench bench;
  const QString served = bench.Save("served.qvx", Sample());
  const QString document = bench.Save("changed.qvx", Changed());
  {
    VirtualRadio radio({"--file", served});
    ASSERT_FALSE(radio.Device().isEmpty());
    bench.Read(radio);
  }
  // How many commands a whole write of the changes takes, on a radio of its own.
  int commands = 0;
  {
    ChangesBench counting;
    const QString log = counting.cli.File("radio.log");
    VirtualRadio radio({"--file", served, "--log", log});
    const CliRun write =
        counting.Write(radio, {"--type", "KK,0F", "--changes", "--since", served}, document);
    ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
    commands = static_cast<int>(LogLines(log).size());
  }
  // The line goes before the last command: everything else was written.
  const QString partial = bench.cli.File("partial.qvx");
  {
    VirtualRadio radio({"--file", served, "--close-after", QString::number(commands - 1),
                        "--save-on-exit", partial});
    const CliRun broken = bench.Write(radio, {"--changes"}, document);
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.err.contains("Communication Read Error")) << broken.err.toStdString();
    EXPECT_TRUE(
        broken.err.endsWith("\nThe write did not end; the next write of changes completes it.\n"))
        << broken.err.toStdString();
  }
  EXPECT_TRUE(bench.Backups("*-written.qvx").isEmpty());
  EXPECT_EQ(bench.Backups("*-pending.qvx").size(), 1);

  const QString log = bench.cli.File("again.log");
  VirtualRadio radio({"--file", partial, "--log", log});
  ASSERT_FALSE(radio.Device().isEmpty());
  const CliRun again = bench.Write(radio, {"--changes"}, document);
  ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
  const QStringList sent = LogLines(log);
  // Only what the radio did not get: the channel arrived whole, the menu value did not.
  EXPECT_TRUE(!sent.contains("MNA 005,NEW") && sent.contains("BAT 1"))
      << sent.join(" | ").toStdString();
  EXPECT_EQ(bench.Backups("*-pending.qvx").size(), 1) << "the broken write's, as its record";
  EXPECT_EQ(bench.Backups("*-written.qvx").size(), 1);
  {
    const CliRun verify = bench.Verify(radio, document);
    EXPECT_EQ(verify.exitCode, 0) << Told(verify.out) << Told(verify.err);
  }
}

TEST(CliChanges, VerifyTellsEveryFieldTheRadioHoldsOtherwise) {
  struct Case {
    const char* what;
    std::function<void(RadioImage&)> changeRadio;
    std::string lines;
  };
  const std::vector<Case> cases{
      {"nothing", {}, "The radio holds this document.\n"},
      {"frequency",
       [](RadioImage& r) {
         r.Store(SlotKind::Memory, 0,
                 "000,00145500000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,REPEAT");
       },
       "memory 000: frequency 145.000 in the file, 145.500 in the radio\n"},
      {"name outside ASCII",
       [](RadioImage& r) {
         r.Store(SlotKind::Memory, 5, std::string(kMain5) + ",00147000000,5,,A,B\xE9");
       },
       std::string("memory 005: name A,B\xC3\xA9\xC5\xA1 in the file, A,B\xC3\xA9 in the "
                   "radio\n")},
      {"DTMF code and name", [](RadioImage& r) { r.Store(SlotKind::Dtmf, 0, "00,12*,WORK"); },
       "DTMF 0: code 12*# in the file, 12* in the radio\n"
       "DTMF 0: name HOME in the file, WORK in the radio\n"},
      {"menu", [](RadioImage& r) { r.Menu().Set(kMenuCNT, "3"); },
       "menu CNT: value 12 in the file, 3 in the radio\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ChangesBench bench;
    RadioImage held = Sample();
    if (c.changeRadio) c.changeRadio(held);
    VirtualRadio radio({"--file", bench.Save("served.qvx", held)});
    ASSERT_FALSE(radio.Device().isEmpty());
    const CliRun verify = bench.cli.Run(
        {"verify", "--port", radio.Device(), "--type", "KK,0F", bench.Save("doc.qvx", Sample())});
    EXPECT_EQ(verify.exitCode, c.changeRadio ? 1 : 0) << verify.err.toStdString();
    EXPECT_EQ(Told(verify.out), c.lines);
  }
}

TEST(CliChanges, WriteVerifyFindsACommandTheRadioDidNotCarryOut) {
  ChangesBench bench;
  VirtualRadio radio({"--file", bench.Save("served.qvx", Sample()), "--drop", "MNA 005,"});
  ASSERT_FALSE(radio.Device().isEmpty());
  const QString document = bench.Save("changed.qvx", Changed());
  const CliRun write =
      bench.Write(radio, {"--type", "KK,0F", "--scope", "memory", "--verify"}, document);
  EXPECT_EQ(write.exitCode, 1);
  EXPECT_EQ(Told(write.err), std::string("quorvan-cli: The radio does not hold what was written:\n"
                                         "memory 005: name NEW in the file, A,B\xC3\xA9\xC5\xA1 "
                                         "in the radio\n"
                                         "The next write of changes writes again what the radio "
                                         "did not take.\n"));
  EXPECT_TRUE(bench.Backups("*-written.qvx").isEmpty()) << "what the radio holds is not known";
}

TEST(CliChanges, OptionsThatCannotGoTogetherAreUsageErrors) {
  ChangesBench bench;
  const QString document = bench.Save("doc.qvx", Sample());
  const QStringList cases[] = {
      {"--since", document, document},
      {"--force", document},
      {"--changes", "--scope", "memory", document},
      {"--changes", "--since", "-", "-"},  // standard input can be only one of them
  };
  for (const QStringList& options : cases) {
    const CliRun run =
        bench.cli.Run(QStringList{"write", "--port", "COM1", "--type", "KK,0F"} + options);
    EXPECT_EQ(run.exitCode, 2) << options.join(' ').toStdString();
    EXPECT_TRUE(run.err.contains("usage: quorvan-cli write")) << run.err.toStdString();
  }
  EXPECT_EQ(bench.cli.Run({"verify", "--port", "COM1"}).exitCode, 2);
}

}  // namespace
}  // namespace quorvan
