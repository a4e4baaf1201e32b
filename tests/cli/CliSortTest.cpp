#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "core/files/DocumentFile.h"
#include "core/model/RadioImage.h"
#include "support/CaseNames.h"
#include "support/SlotFields.h"
#include "support/TempConfigHome.h"

namespace quorvan {
namespace {

struct CliRun {
  int status = -1;
  std::string err;
};

class CliSortTest : public ::testing::Test {
 protected:
  // Runs quorvan-cli with the arguments (temporary paths and plain words only, so single
  // quotes are enough) and the settings folder of this test process.
  CliRun Run(const std::string& args) {
    const std::string errFile = dir.File("stderr.txt");
    const std::string command =
        std::string("'") + QUORVAN_CLI_PATH + "' " + args + " >/dev/null 2>'" + errFile + "'";
    CliRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(errFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    run.err = text.str();
    return run;
  }

  std::string Quoted(const std::string& path) { return "'" + path + "'"; }

  void Put(int slot, const std::string& frequency, const std::string& name) {
    document.Store(SlotKind::Memory, slot,
                   MemoryChannelLabel(slot) + "," + frequency +
                       ",0,0,0,0,0,0,08,08,000,000600000,0,0,,,," + name);
  }

  void SaveInput() {
    std::string error;
    ASSERT_TRUE(SaveDocumentFile(input, document, &error)) << error;
  }

  RadioImage Opened(const std::string& path) {
    RadioImage opened;
    opened.Plan() = document.Plan();
    EXPECT_TRUE(OpenDocumentFile(path, opened)) << path;
    return opened;
  }

  testing::TempDir dir;
  RadioImage document = MakeNewDocument(MakeDefaultBandPlan("KK,0F", kModelArven));
  std::string input = dir.File("in.qvx");
  std::string output = dir.File("out.qvx");
};

TEST_F(CliSortTest, ByFrequencyClosesGapsRenumbersAndKeepsTheEdges) {
  Put(5, "00146000000", "C");
  Put(9, "00144000000", "A");
  Put(200, "00145000000", "B");
  document.Store(SlotKind::Memory, 400, "L0,00144000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,");
  SaveInput();
  const CliRun run = Run("sort --by frequency " + Quoted(input) +
                         " --type KK,0F --model ARVEN -o " + Quoted(output));
  ASSERT_EQ(run.status, 0) << run.err;
  const RadioImage sorted = Opened(output);
  EXPECT_EQ(sorted.Record(SlotKind::Memory, 0),
            "000,00144000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,A");
  EXPECT_EQ(testing::SlotField(sorted, SlotKind::Memory, 1, ChannelField::Name), "B");
  EXPECT_EQ(testing::SlotField(sorted, SlotKind::Memory, 2, ChannelField::Id), "002");
  EXPECT_TRUE(sorted.Record(SlotKind::Memory, 200).empty());
  EXPECT_EQ(sorted.Record(SlotKind::Memory, 400), document.Record(SlotKind::Memory, 400));
  EXPECT_EQ(Opened(input), document) << "the input file must stay as it was";
}

TEST_F(CliSortTest, ByNameInPlace) {
  Put(0, "00145000000", "");
  Put(1, "00146000000", "BRAVO");
  Put(2, "00147000000", "ALPHA");
  SaveInput();
  const CliRun run = Run("sort " + Quoted(input) + " --by name --type KK,0F -o " + Quoted(input));
  ASSERT_EQ(run.status, 0) << run.err;
  const RadioImage sorted = Opened(input);
  EXPECT_EQ(testing::SlotField(sorted, SlotKind::Memory, 0, ChannelField::Name), "ALPHA");
  EXPECT_EQ(testing::SlotField(sorted, SlotKind::Memory, 1, ChannelField::Name), "BRAVO");
  EXPECT_EQ(testing::SlotField(sorted, SlotKind::Memory, 2, ChannelField::Frequency),
            "00145000000");
}

struct UsageCase {
  const char* what;
  std::string args;  // "IN" and "OUT" stand for the two file paths
  int status;
  const char* message;
};

class CliSortUsage : public CliSortTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(CliSortUsage, FailsWithoutWritingTheOutput) {
  const UsageCase& c = GetParam();
  SaveInput();
  std::string args = c.args;
  for (const auto& [word, path] : {std::pair<std::string, std::string>{"IN", input},
                                   std::pair<std::string, std::string>{"OUT", output}}) {
    const std::size_t at = args.find(word);
    if (at != std::string::npos) args.replace(at, word.size(), Quoted(path));
  }
  const CliRun run = Run(args);
  EXPECT_EQ(run.status, c.status) << c.what << "\n" << run.err;
  EXPECT_NE(run.err.find(c.message), std::string::npos) << c.what << "\n" << run.err;
  EXPECT_FALSE(std::filesystem::exists(output)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CliSortUsage,
    ::testing::Values(
        UsageCase{"no key", "sort IN --type KK,0F -o OUT", 2, "missing --by"},
        UsageCase{"unknown key", "sort --by channel IN --type KK,0F -o OUT", 2,
                  "unknown sort key \"channel\""},
        UsageCase{"no output", "sort --by name IN --type KK,0F", 2, "missing -o"},
        UsageCase{"no input", "sort --by name --type KK,0F -o OUT", 2, "exactly one FILE"},
        UsageCase{"bad type", "sort --by name IN --type K -o OUT", 2, "usage:"},
        UsageCase{"missing input file", "sort --by name IN.missing --type KK,0F -o OUT", 1,
                  "File Open error."}),
    testing::ByCaseName());

TEST_F(CliSortTest, RejectedInputFileWritesNothing) {
  std::ofstream(input, std::ios::binary) << "not a channel file\r\n";
  const CliRun run =
      Run("sort --by frequency " + Quoted(input) + " --type KK,0F -o " + Quoted(output));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("File Open error."), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace quorvan
