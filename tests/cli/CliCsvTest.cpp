#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/files/DocumentFile.h"
#include "core/model/RadioImage.h"
#include "support/SlotFields.h"
#include "support/TempConfigHome.h"

namespace quorvan {
namespace {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class CliCsvTest : public ::testing::Test {
 protected:
  // Temporary paths and plain words only, so single quotes are enough.
  CliRun Run(const std::string& args) {
    const std::string outFile = dir.File("stdout.txt");
    const std::string errFile = dir.File("stderr.txt");
    const std::string command = std::string("'") + QUORVAN_CLI_PATH + "' " + args + " >'" +
                                outFile + "' 2>'" + errFile + "'";
    CliRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = Slurp(outFile);
    run.err = Slurp(errFile);
    return run;
  }
  static std::string Q(const std::string& path) { return "'" + path + "'"; }
  void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  void SaveDocument() {
    std::string error;
    ASSERT_TRUE(SaveDocumentFile(qvx, document, &error)) << error;
  }

  testing::TempDir dir;
  RadioImage document = MakeNewDocument(MakeDefaultBandPlan("KK,0F", kModelArven));
  std::string qvx = dir.File("in.qvx");
  std::string csv = dir.File("list.csv");
  std::string out = dir.File("out.qvx");
  const std::string plan = " --type KK,0F --model ARVEN";
};

TEST_F(CliCsvTest, ExportThenImportGivesTheSameChannels) {
  document.Store(SlotKind::Memory, 3,
                 "003,00146940000,0,2,0,1,0,0,12,08,000,000600000,0,0,,,,W1,AW");
  SaveDocument();
  const CliRun exported = Run("export-csv " + Q(qvx) + plan + " -o " + Q(csv));
  ASSERT_EQ(exported.status, 0) << exported.err;
  // The default information channels of a K document are used slots too.
  EXPECT_EQ(exported.out, "11 channels exported.\n");
  EXPECT_NE(Slurp(csv).find("3,\"W1,AW\",146.940000,-,0.600000,Tone,100.0"), std::string::npos);

  const RadioImage empty = MakeNewDocument(document.Plan());
  std::string error;
  ASSERT_TRUE(SaveDocumentFile(qvx, empty, &error)) << error;
  const CliRun imported = Run("import-csv " + Q(csv) + " " + Q(qvx) + plan + " -o " + Q(out));
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(imported.out, "11 rows imported.\n");
  RadioImage opened;
  opened.Plan() = document.Plan();
  ASSERT_TRUE(OpenDocumentFile(out, opened));
  EXPECT_TRUE(opened == document);
}

TEST_F(CliCsvTest, ImportPrintsTheReport) {
  SaveDocument();
  Write(csv, "Location;Frequency;Tone;rToneFreq\n1;146.5225;;\n2;146.94;Tone;69.4\n");
  const CliRun run = Run("import-csv " + Q(csv) + " " + Q(qvx) + plan + " -o " + Q(out));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "1 row imported, 1 skipped.\n"
            "line 2, Location 1: 146.5225 MHz rounded to 146.520 MHz\n"
            "line 3, Location 2: tone 69.4 Hz not supported, skipped\n");
}

TEST_F(CliCsvTest, FailuresLeaveTheOutputUnwrittenWithAClearMessage) {
  SaveDocument();
  Write(csv, std::string("\x89PNG\r\n\x1a\n\0\0", 10));
  struct Case {
    const char* what;
    std::string args;
    int status;
    std::string err;
  };
  const std::vector<Case> cases{
      {"not a channel list", "import-csv " + Q(csv) + " " + Q(qvx) + plan + " -o " + Q(out), 1,
       "quorvan-cli: The file is not a channel list (CSV): " + csv +
           ": no header line naming the columns Location, Frequency.\nPlease check and try "
           "again.\n"},
      {"missing list",
       "import-csv " + Q(dir.File("none.csv")) + " " + Q(qvx) + plan + " -o " + Q(out), 1,
       "quorvan-cli: File Open error.\ncannot read " + dir.File("none.csv") +
           ": No such file or directory\n"},
      {"missing document", "export-csv " + Q(dir.File("none.qvx")) + plan + " -o " + Q(csv), 1,
       "quorvan-cli: File Open error.\ncannot read " + dir.File("none.qvx") +
           ": No such file or directory\n"},
      {"both from standard input", "import-csv - - " + plan + " -o " + Q(out), 2, ""},
      {"no output", "import-csv " + Q(csv) + " " + Q(qvx) + plan, 2, ""},
      {"one file only", "import-csv " + Q(qvx) + plan + " -o " + Q(out), 2, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const CliRun run = Run(c.args);
    EXPECT_EQ(run.status, c.status);
    if (!c.err.empty()) {
      EXPECT_EQ(run.err, c.err);
    }
    if (c.status == 2) {
      EXPECT_NE(run.err.find("usage: quorvan-cli"), std::string::npos);
    }
    EXPECT_FALSE(std::ifstream(out).good());
  }
}

TEST_F(CliCsvTest, RowsGoInFileOrderFromTheChosenChannel) {
  SaveDocument();
  // A name holding terminal commands must reach the terminal only as escapes.
  Write(csv, "Frequency,Name\n146.52,\"A\x1b]0;owned\x07\"\n146.55,B\n146.58,C\n");
  const CliRun run = Run("import-csv " + Q(csv) + " " + Q(qvx) + plan + " --at 398 -o " + Q(out));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "2 rows imported, 1 skipped.\n"
            "line 2: name \"A\\x1b]0;owned\\x07\" stored as \"A]0;owne\"\n"
            "line 4: no channel left after 399, skipped\n");
  RadioImage opened;
  opened.Plan() = document.Plan();
  ASSERT_TRUE(OpenDocumentFile(out, opened));
  EXPECT_EQ(testing::SlotField(opened, SlotKind::Memory, 398, ChannelField::Name), "A]0;owne");
  EXPECT_EQ(testing::SlotField(opened, SlotKind::Memory, 399, ChannelField::Name), "B");

  for (const char* at : {"400", "-1", "x", "", "1000"}) {
    SCOPED_TRACE(at);
    std::filesystem::remove(out);
    const CliRun refused =
        Run("import-csv " + Q(csv) + " " + Q(qvx) + plan + " --at '" + at + "' -o " + Q(out));
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--at takes a channel from 0 to 399"), std::string::npos)
        << refused.err;
    EXPECT_FALSE(std::ifstream(out).good());
  }
}

// Import, export and import again: the second import adjusts nothing and gives the same file.
TEST_F(CliCsvTest, ImportExportImportGivesTheSameFile) {
  SaveDocument();
  const std::string second = dir.File("second.qvx");
  const std::string exported = dir.File("exported.csv");
  for (const char* sample :
       {"narrowband-repeaters.csv", "simplex-nfm.csv", "dualband-repeaters.csv"}) {
    SCOPED_TRACE(sample);
    const std::string list = std::string(QUORVAN_CSV_DATA_DIR "/") + sample;
    const CliRun first = Run("import-csv " + Q(list) + " " + Q(qvx) + plan + " -o " + Q(out));
    ASSERT_EQ(first.status, 0) << first.err;
    const CliRun out1 = Run("export-csv " + Q(out) + plan + " -o " + Q(exported));
    ASSERT_EQ(out1.status, 0) << out1.err;
    const CliRun again =
        Run("import-csv " + Q(exported) + " " + Q(qvx) + plan + " -o " + Q(second));
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out.find('\n'), again.out.size() - 1) << again.out;
    EXPECT_EQ(Slurp(second), Slurp(out));
  }
}

// The list is written next to its target and renamed over it: an existing list is replaced
// whole, and a list that cannot be written leaves the old one and no stray file behind.
TEST_F(CliCsvTest, ExportReplacesTheListWholeOrNotAtAll) {
  SaveDocument();
  const std::string stale = std::string(64 * 1024, '~');
  Write(csv, stale);
  std::ifstream reader(csv, std::ios::binary);  // someone reading the old list meanwhile
  const CliRun exported = Run("export-csv " + Q(qvx) + plan + " -o " + Q(csv));
  ASSERT_EQ(exported.status, 0) << exported.err;
  std::ostringstream held;
  held << reader.rdbuf();
  EXPECT_EQ(held.str(), stale) << "the old list was overwritten in place";
  const std::string list = Slurp(csv);
  EXPECT_EQ(list.rfind("Location,", 0), 0u) << list.substr(0, 40);
  EXPECT_LT(list.size(), stale.size());
  EXPECT_EQ(list.find('~'), std::string::npos);

  // A folder in the list's place cannot be replaced by a file.
  const std::string taken = dir.File("taken.csv");
  ASSERT_TRUE(std::filesystem::create_directory(taken));
  const CliRun refused = Run("export-csv " + Q(qvx) + plan + " -o " + Q(taken));
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err.rfind("quorvan-cli: The file could not be written: ", 0), 0u)
      << refused.err;
  EXPECT_TRUE(std::filesystem::is_directory(taken));
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
    EXPECT_EQ(entry.path().filename().string().find("taken.csv."), std::string::npos)
        << entry.path();
  }
}

}  // namespace
}  // namespace quorvan
