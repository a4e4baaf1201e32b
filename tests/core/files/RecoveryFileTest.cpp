#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/files/RecoveryFile.h"
#include "support/BackupFolder.h"
#include "support/CaseNames.h"

namespace quorvan {
namespace {

struct ParseCase {
  const char* what;
  std::string bytes;
  bool parses;
  RecoveredDocument expected;
};

const ParseCase kParseCases[] = {
    {"a named document, its text to the end",
     "Quorvan recovery 1\nname=/home/op/club.qvx\nradio=0\nkept=1765300000\n\n[Memory]\nname=x\n",
     true,
     {"/home/op/club.qvx", false, 1765300000, "[Memory]\nname=x\n"}},
    {"a read of the radio never saved",
     "Quorvan recovery 1\nname=\nradio=1\nkept=7\n\n",
     true,
     {"", true, 7, ""}},
    {"another format", "Quorvan recovery 2\nname=\nradio=0\nkept=7\n\n", false, {}},
    {"a line left out", "Quorvan recovery 1\nname=\nkept=7\n\n", false, {}},
    {"an origin that is neither", "Quorvan recovery 1\nname=\nradio=2\nkept=7\n\n", false, {}},
    {"a time that is no number", "Quorvan recovery 1\nname=\nradio=0\nkept=7x\n\n", false, {}},
    {"no empty line before the text", "Quorvan recovery 1\nname=\nradio=0\nkept=7\nA", false, {}},
    {"cut short in the header", "Quorvan recovery 1\nname=", false, {}},
};

class RecoveryFileParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(RecoveryFileParse, TakesTheHeaderAndTheDocumentWhole) {
  const ParseCase& c = GetParam();
  RecoveredDocument got;
  std::string error;
  ASSERT_EQ(ParseRecoveryFile(c.bytes, got, &error), c.parses) << error;
  if (!c.parses) {
    EXPECT_FALSE(error.empty());
    return;
  }
  EXPECT_EQ(got.name, c.expected.name);
  EXPECT_EQ(got.fromRadio, c.expected.fromRadio);
  EXPECT_EQ(got.keptAt, c.expected.keptAt);
  EXPECT_EQ(got.text, c.expected.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, RecoveryFileParse, ::testing::ValuesIn(kParseCases),
                         testing::ByCaseName());

TEST(RecoveryFile, ANameCannotForgeTheHeader) {
  RecoveredDocument document{"evil\nradio=1\n\nX", false, 5, std::string("bytes\0\r\n", 8)};
  RecoveredDocument back;
  ASSERT_TRUE(ParseRecoveryFile(RecoveryFileText(document), back, nullptr));
  EXPECT_EQ(back.name, "evilradio=1X");
  EXPECT_FALSE(back.fromRadio);
  EXPECT_EQ(back.text, document.text);
}

std::vector<std::string> LeftTexts(const std::string& folder) {
  std::vector<std::string> texts;
  for (const LeftRecovery& left : FindLeftRecoveries(folder)) texts.push_back(left.document.text);
  return texts;
}

// A running window's file is never offered; one its window left is, newest first, to one
// window at a time; a removed one is gone, a forgotten one never left.
TEST(RecoveryStore, OffersOnlyWhatWindowsThatAreGoneLeft) {
  testing::BackupFolder root;
  const std::string folder = root.Path();
  auto running = std::make_unique<RecoveryStore>(folder);
  ASSERT_TRUE(running->Keep({"a.qvx", false, 100, "running"}, nullptr));
  EXPECT_TRUE(std::filesystem::exists(running->Path()));
  EXPECT_TRUE(LeftTexts(folder).empty());

  {
    RecoveryStore older(folder);
    ASSERT_TRUE(older.Keep({"", true, 50, "older"}, nullptr));
    ASSERT_TRUE(older.Keep({"", true, 60, "older, kept again"}, nullptr));
  }
  {
    RecoveryStore forgotten(folder);
    ASSERT_TRUE(forgotten.Keep({"", false, 70, "forgotten"}, nullptr));
    forgotten.Forget();
  }
  running.reset();  // its window ends without the changes saved
  EXPECT_EQ(LeftTexts(folder), (std::vector<std::string>{"running", "older, kept again"}));

  std::vector<LeftRecovery> offered = FindLeftRecoveries(folder);
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_TRUE(LeftTexts(folder).empty()) << "offered by two windows at once";
  offered.front().Remove();
  offered.clear();
  EXPECT_EQ(LeftTexts(folder), (std::vector<std::string>{"older, kept again"}));
}

TEST(RecoveryStore, AFileThatIsNotOneIsLeftAndNamed) {
  testing::BackupFolder root;
  root.Make();
  std::ofstream(root.File("window-damage.qvr")) << "not a recovery file";
  std::vector<std::string> damaged;
  EXPECT_TRUE(FindLeftRecoveries(root.Path(), &damaged).empty());
  EXPECT_EQ(damaged, std::vector<std::string>{root.File("window-damage.qvr")});
  EXPECT_TRUE(std::filesystem::exists(root.File("window-damage.qvr")));
}

}  // namespace
}  // namespace quorvan
