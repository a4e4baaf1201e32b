// quorvan-cli history against its backups folder and the virtual radio: the listing and its
// JSON, show, diff, pin, and restore as a write of changes, with their exit codes.
#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>
#include <fstream>

#include "core/files/DocumentFile.h"
#include "core/model/ChannelFile.h"
#include "core/model/RadioForms.h"
#include "core/model/RadioImage.h"
#include "support/E2eProcess.h"
#include "support/SampleImage.h"

namespace quorvan {
namespace {

using testing::Cli;
using testing::CliRun;
using testing::Slurp;
using testing::VirtualRadio;

constexpr const char* kBackups = ".local/share/QUENTAR/Quorvan/backups/";

RadioImage Sample() { return testing::SampleImage("KK,0F", "ARVEN"); }

// The sample with memory channels 10 to 12 named after one write.
RadioImage Written(const std::string& name) {
  RadioImage image = Sample();
  for (int slot = 10; slot <= 12; ++slot) {
    image.Store(SlotKind::Memory, slot,
                MemoryChannelLabel(slot) + ",00145" + std::to_string(slot) +
                    "0000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,," + name);
  }
  return image;
}

QStringList Lines(const QString& text) { return text.split('\n', Qt::SkipEmptyParts); }

// What a run told on standard error, its progress lines left out.
std::string Told(const CliRun& run) { return testing::Told(run.err); }

struct HistoryBench {
  Cli cli;

  QString Save(const QString& name, const RadioImage& image) {
    const QString path = cli.File(name);
    EXPECT_TRUE(SaveDocumentFile(path.toStdString(), image, nullptr)) << name.toStdString();
    return path;
  }
  // A backup put into the folder as the programs name them.
  void Backup(const QString& name, const RadioImage& image) {
    QDir().mkpath(cli.File(kBackups));
    Save(kBackups + name, image);
  }
  CliRun History(const QStringList& args) {
    return cli.Run(QStringList{"history"} + args + QStringList{"--type", "KK,0F"});
  }
};

TEST(CliHistory, ThreeWritesThenRestoringTheFirstStateLeavesTheRadioHoldingIt) {
  HistoryBench bench;
  const QString log = bench.cli.File("radio.log");
  VirtualRadio radio({"--file", bench.Save("served.qvx", Sample()), "--log", log});
  ASSERT_FALSE(radio.Device().isEmpty());
  const CliRun read = bench.cli.Run({"read", "--port", radio.Device(), "-o", "-", "--quiet"});
  ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
  for (const char* name : {"ONE", "TWO", "THREE"}) {
    const CliRun write = bench.cli.Run({"write", "--port", radio.Device(), "--changes", "--quiet",
                                        bench.Save(QString(name) + ".qvx", Written(name))});
    ASSERT_EQ(write.exitCode, 0) << Told(write);
  }
  const CliRun listed = bench.History({});
  ASSERT_EQ(listed.exitCode, 0) << Told(listed);
  const QStringList lines = Lines(listed.out);
  ASSERT_EQ(lines.size(), 7) << listed.out.toStdString();
  const QRegularExpression line(
      "^([1-7])  \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d  (\\S+) +(pinned|      )  (.+?) +"
      "(\\S+\\.qvx)$");
  const std::vector<std::pair<QString, QString>> expected{
      {"written", "3 memory channels"}, {"replaced", "no change"},
      {"written", "3 memory channels"}, {"replaced", "no change"},
      {"written", "3 memory channels"}, {"replaced", "no change"},
      {"read", "no earlier state"}};
  for (int i = 0; i < lines.size(); ++i) {
    const QRegularExpressionMatch m = line.match(lines[i]);
    ASSERT_TRUE(m.hasMatch()) << lines[i].toStdString();
    EXPECT_EQ(m.captured(1).toInt(), i + 1);
    EXPECT_EQ(m.captured(2), expected[static_cast<std::size_t>(i)].first) << i + 1;
    EXPECT_EQ(m.captured(4), expected[static_cast<std::size_t>(i)].second) << i + 1;
  }

  // Only the three channels go back, after the check of what the radio holds there.
  const int before = static_cast<int>(Lines(QString::fromStdString(Slurp(log))).size());
  const CliRun restore =
      bench.cli.Run({"history", "restore", "7", "--port", radio.Device(), "--verify", "--quiet"});
  ASSERT_EQ(restore.exitCode, 0) << Told(restore);
  EXPECT_TRUE(QRegularExpression("^quorvan-cli: Restoring \\d{8}T\\d{6}Z-0001-ARVEN-KK0F\\.qvx\\.\n"
                                 "quorvan-cli: Compared with what the radio held after the write "
                                 "of \\d+ \\w{3} \\d{4} \\d\\d:\\d\\d\\.\n$")
                  .match(QString::fromStdString(Told(restore)))
                  .hasMatch())
      << Told(restore);
  const QStringList sent = Lines(QString::fromStdString(Slurp(log))).mid(before);
  EXPECT_EQ(sent.filter(QRegularExpression("^(MW|MNA \\d+,)")),
            (QStringList{"MW 0,010", "MW 0,011", "MW 0,012"}))
      << sent.join(" | ").toStdString();

  const CliRun again = bench.cli.Run(
      {"read", "--port", radio.Device(), "-o", bench.cli.File("after.qvx"), "--quiet"});
  ASSERT_EQ(again.exitCode, 0) << Told(again);
  RadioImage after = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  ASSERT_TRUE(OpenDocumentFile(bench.cli.File("after.qvx").toStdString(), after));
  EXPECT_TRUE(AsRadioGivesBack(after) == AsRadioGivesBack(Sample()))
      << Slurp(bench.cli.File("after.qvx"));

  // The radio holds that state now: nothing to send.
  const CliRun same =
      bench.cli.Run({"history", "restore", "1", "--port", radio.Device(), "--quiet"});
  EXPECT_EQ(same.exitCode, 0) << Told(same);
  EXPECT_TRUE(same.out.startsWith("The radio already holds its state of ") &&
              same.out.endsWith("; nothing was sent.\n"))
      << same.out.toStdString();
}

TEST(CliHistory, EveryCommandAndItsExitStatusWithoutARadio) {
  HistoryBench bench;
  RadioImage memory = Written("MEM");
  memory.Menu().Set(kMenuBAT, "1");  // a read of the memories keeps the document's menu
  RadioImage menu = Written("IGNORED");
  menu.Menu().Set(kMenuBAT, "1");
  bench.Backup("20261209T141500Z-0001-ARVEN-KK0F.qvx", Sample());
  bench.Backup("20261209T141500Z-0002-ARVEN-KK0F-memory.qvx", memory);
  bench.Backup("20261209T141500Z-0003-ARVEN-KK0F-menu.qvx", menu);
  std::ofstream((bench.cli.File(kBackups) + "20261209T141500Z-0004-ARVEN-KK0F.qvx").toStdString())
      << "not a channel file\n";
  bench.Backup("20261209T141500Z-0005-BELTO-ME0B.qvx", testing::SampleImage("ME,0B", "BELTO"));
  const std::string catOfFirst = WriteChannelFileText([] {
    RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
    EXPECT_TRUE(OpenDocumentText(WriteChannelFileText(Sample()), image));
    return image;
  }());

  struct Case {
    QStringList args;  // --type KK,0F is added
    int exitCode;
    std::string out;  // "" for none, or a start; "*" for anything
    std::string err;  // the same for standard error
  };
  const std::vector<Case> cases{
      {{"show", "4"}, 0, catOfFirst, ""},
      {{"show", "20261209T141500Z-0001-ARVEN-KK0F.qvx"}, 0, catOfFirst, ""},
      {{"show", "1"}, 1, "", "quorvan-cli: This backup is damaged and cannot be used.\n"},
      {{"show", "5"},
       1,
       "",
       "quorvan-cli: the history of ARVEN KK,0F (U.S.A./Canada) has no entry \"5\" (it has 4 "
       "entries)\n"},
      {{"show", "20261209T141500Z-0005-BELTO-ME0B.qvx"},
       1,
       "",
       "quorvan-cli: 20261209T141500Z-0005-BELTO-ME0B.qvx is a backup of BELTO ME,0B (Europe); "
       "this is the history of ARVEN KK,0F (U.S.A./Canada)"},
      {{"show"}, 2, "", "quorvan-cli: history show takes one entry, N\nusage:"},
      {{"show", "1", "--port", "COM1"}, 2, "", "quorvan-cli: --port is not for history show\n"},
      // Newest first: the damaged one, the menu, the memories, the whole read. Two entries are
      // compared in what both hold.
      {{"diff", "4", "2"}, 1, "menu BAT: ", ""},
      {{"diff", "4", "3"},
       1,
       "memory 010: channel empty in entry 4, 145.100 MEM in entry 3\n"
       "memory 011: channel empty in entry 4, 145.110 MEM in entry 3\n"
       "memory 012: channel empty in entry 4, 145.120 MEM in entry 3\n",
       ""},
      {{"diff", "4", "4"}, 0, "", ""},
      {{"diff", "3", "2"},
       2,
       "",
       "quorvan-cli: These two backups hold no part of the radio in common: nothing to "
       "compare.\n"},
      {{"diff", "1", "4"}, 2, "", "quorvan-cli: This backup is damaged"},
      {{"diff", "9", "4"}, 2, "", "quorvan-cli: the history of ARVEN"},
      {{"diff", "4"}, 2, "", "quorvan-cli: history diff takes two entries, N and M\n"},
      {{"restore", "4"}, 2, "", "quorvan-cli: missing --port DEV\n"},
      {{"restore", "1", "--port", "COM1"}, 1, "", "quorvan-cli: This backup is damaged"},
      {{"--format", "xml"}, 2, "", "quorvan-cli: unknown format \"xml\"\n"},
      {{"--verify"}, 2, "", "quorvan-cli: --verify is not for the listing\n"},
      {{"restor", "4"},
       2,
       "",
       "quorvan-cli: unknown \"restor\": give show, diff, restore, pin, unpin or a backup's "
       "FILE.qvx\n"},
      {{"pin", "7"}, 1, "", "quorvan-cli: the history of ARVEN"},
  };
  for (const Case& c : cases) {
    const CliRun run = bench.History(c.args);
    const std::string what = c.args.join(' ').toStdString();
    EXPECT_EQ(run.exitCode, c.exitCode) << what << "\n" << Told(run);
    // Standard output as the run's text took it (bytes outside UTF-8 replaced).
    const std::string out = QString::fromLocal8Bit(QByteArray::fromStdString(c.out)).toStdString();
    for (const auto& [stream, want] :
         {std::pair{run.out.toStdString(), out}, std::pair{Told(run), c.err}}) {
      if (want == "*") continue;
      if (want.empty()) {
        EXPECT_EQ(stream, "") << what;
      } else {
        EXPECT_EQ(stream.substr(0, want.size()), want) << what;
      }
    }
  }

  // A pin shows in the listing and its JSON, and comes off again.
  ASSERT_EQ(bench.History({"pin", "3"}).exitCode, 0);
  const CliRun json = bench.History({"--format", "json"});
  ASSERT_EQ(json.exitCode, 0) << Told(json);
  QJsonParseError error{};
  const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
  EXPECT_EQ(object["type"].toString(), "KK,0F");
  EXPECT_EQ(object["model"].toString(), "ARVEN");
  const QJsonArray entries = object["entries"].toArray();
  ASSERT_EQ(entries.size(), 4);
  const QJsonObject damaged = entries[0].toObject();
  EXPECT_TRUE(damaged["damaged"].toBool());
  EXPECT_TRUE(damaged["changes"].isNull());
  EXPECT_TRUE(damaged["problem"].toString().contains("20261209T141500Z-0004-ARVEN-KK0F.qvx"));
  const QJsonObject menuRead = entries[1].toObject();
  EXPECT_EQ(menuRead["index"].toInt(), 2);
  EXPECT_EQ(menuRead["kind"].toString(), "menu-read");
  EXPECT_FALSE(menuRead["pinned"].toBool());
  EXPECT_EQ(menuRead["summary"].toString(), "1 menu value");
  EXPECT_EQ(menuRead["changes"].toObject()["menu"].toInt(), 1);
  EXPECT_EQ(menuRead["changes"].toObject()["memory"].toInt(), 0);
  EXPECT_EQ(menuRead["time"].toString(), "2026-12-09T14:15:00Z");
  EXPECT_TRUE(entries[2].toObject()["pinned"].toBool());
  EXPECT_EQ(entries[2].toObject()["summary"].toString(), "3 memory channels");
  EXPECT_TRUE(entries[3].toObject()["changes"].isNull()) << "nothing before the oldest";
  EXPECT_TRUE(Lines(bench.History({}).out)[2].contains("  pinned  3 memory channels  "));
  ASSERT_EQ(bench.History({"unpin", "3"}).exitCode, 0);
  EXPECT_FALSE(Lines(bench.History({}).out)[2].contains("pinned"));

  // The other radio by a backup of it; the two ways of naming a radio do not go together.
  const CliRun other =
      bench.cli.Run({"history", bench.cli.File(kBackups) + "20261209T141500Z-0005-BELTO-ME0B.qvx"});
  EXPECT_EQ(other.exitCode, 0) << Told(other);
  EXPECT_EQ(Lines(other.out).size(), 1);
  EXPECT_EQ(bench.History({"20261209T141500Z-0005-BELTO-ME0B.qvx"}).exitCode, 2);
  const CliRun none = bench.cli.Run({"history", "--type", "MM,07"});
  EXPECT_EQ(none.exitCode, 0);
  EXPECT_EQ(none.out, "");
  EXPECT_EQ(
      Told(none).rfind("quorvan-cli: no backups of BELTO MM,07 (General market) are kept in ", 0),
      0u)
      << Told(none);
  // Without --type, the radio the settings store; none stored here.
  EXPECT_EQ(bench.cli.Run({"history"}).exitCode, 1);
}

TEST(CliHistory, ARestoreIsCheckedAsEveryWriteOfChanges) {
  HistoryBench bench;
  bench.Backup("20261209T141500Z-0001-ARVEN-KK0F.qvx", Sample());
  bench.Backup("20261209T141500Z-0002-ARVEN-KK0F-written.qvx", Written("NOW"));
  const QString log = bench.cli.File("radio.log");

  // A radio of another type is refused, naming both, before anything is written.
  {
    VirtualRadio europe({"--type", "ME,0B", "--model", "BELTO", "--log", log});
    ASSERT_FALSE(europe.Device().isEmpty());
    const CliRun run = bench.History({"restore", "2", "--port", europe.Device(), "--quiet"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(Told(run).find("The radio reports type ME,0B (Europe); this document is for KK,0F "
                             "(U.S.A./Canada)."),
              std::string::npos)
        << Told(run);
    EXPECT_TRUE(
        Lines(QString::fromStdString(Slurp(log))).filter(QRegularExpression("^MW")).isEmpty());
  }
  // A radio changed since it was last written is not written over unless forced.
  RadioImage keyed = Written("NOW");
  keyed.Store(SlotKind::Memory, 11, Written("KEYS").Record(SlotKind::Memory, 11));
  VirtualRadio radio({"--file", bench.Save("keyed.qvx", keyed), "--log", log});
  ASSERT_FALSE(radio.Device().isEmpty());
  const CliRun stopped = bench.History({"restore", "2", "--port", radio.Device(), "--quiet"});
  EXPECT_EQ(stopped.exitCode, 1);
  EXPECT_NE(Told(stopped).find("The radio was changed since it was last read or written:\n"
                               "memory 011: name NOW at the last read or write, KEYS in the radio\n"
                               "Nothing was written to the radio. Give --force to write anyway, "
                               "and name the entry 20261209T141500Z-0001-ARVEN-KK0F.qvx: its "
                               "number moved on with the backup just kept.\n"),
            std::string::npos)
      << Told(stopped);
  EXPECT_TRUE(
      Lines(QString::fromStdString(Slurp(log))).filter(QRegularExpression("^MW")).isEmpty());
  const CliRun forced = bench.History({"restore", "20261209T141500Z-0001-ARVEN-KK0F.qvx", "--port",
                                       radio.Device(), "--quiet", "--force", "--verify"});
  EXPECT_EQ(forced.exitCode, 0) << Told(forced) << forced.out.toStdString();
  EXPECT_EQ(Lines(QString::fromStdString(Slurp(log))).filter(QRegularExpression("^MW")).size(), 3);
}

}  // namespace
}  // namespace quorvan
