#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/files/ReadBackups.h"

namespace quorvan {
namespace {

namespace fs = std::filesystem;

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

TEST(ReadBackupFileName, CarriesLocalTimeAndASafeModel) {
  const std::time_t when = LocalTime(2024, 1, 31, 23, 59, 58);
  EXPECT_EQ(ReadBackupFileName(when, "ARVEN"), "20240131-235958-ARVEN.qvx");
  EXPECT_EQ(ReadBackupFileName(when, "../B E"), "20240131-235958-BE.qvx");
  EXPECT_EQ(ReadBackupFileName(when, ""), "20240131-235958-radio.qvx");
  EXPECT_EQ(ReadBackupFileName(when, "/\\:"), "20240131-235958-radio.qvx");
}

TEST(IsReadBackupFileName, AcceptsOnlyNamesItMakes) {
  struct Case {
    const char* name;
    bool backup;
  };
  const Case cases[] = {
      {"20240131-235958-ARVEN.qvx", true},
      {"20240131-235958-ARVEN-2.qvx", true},
      {"20240131-235958-radio.qvx", true},
      {"20240131-235958-.qvx", false},
      {"20240131-235958-ARVEN.txt", false},
      {"2024013-235958-ARVEN.qvx", false},
      {"20240131_235958-ARVEN.qvx", false},
      {"my channels.qvx", false},
      {"20240131-235958-AR VEN.qvx", false},
      {"20240131-235958-ARVEN-x.qvx", false},
      {".qvx", false},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsReadBackupFileName(c.name), c.backup) << c.name;
}

TEST(ReadBackupsToRemove, KeepsTheNewestAndNeverForeignFiles) {
  std::vector<std::string> names{"20240102-000000-ARVEN.qvx", "mine.qvx",
                                 "20240101-000000-BELTO.qvx", "20240102-000000-ARVEN-2.qvx",
                                 "20231231-235959-ARVEN.qvx"};
  EXPECT_EQ(ReadBackupsToRemove(names, 2),
            (std::vector<std::string>{"20231231-235959-ARVEN.qvx", "20240101-000000-BELTO.qvx"}));
  EXPECT_EQ(ReadBackupsToRemove(names, 3), (std::vector<std::string>{"20231231-235959-ARVEN.qvx"}));
  EXPECT_TRUE(ReadBackupsToRemove(names, 4).empty());
  // Within one second the numbered second read is the newer one.
  EXPECT_EQ(ReadBackupsToRemove({"20240102-000000-ARVEN-10.qvx", "20240102-000000-ARVEN-2.qvx",
                                 "20240102-000000-ARVEN.qvx"},
                                1),
            (std::vector<std::string>{"20240102-000000-ARVEN.qvx", "20240102-000000-ARVEN-2.qvx"}));
}

class SaveReadBackupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/quorvan-backups-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
  }
  void TearDown() override { fs::remove_all(root_); }
  std::vector<std::string> Files(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path root_;
};

TEST_F(SaveReadBackupTest, CreatesFolderKeepsSameSecondReadsAndPrunes) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  const fs::path folder = root_ / "backups";
  const std::time_t base = LocalTime(2024, 5, 1, 12, 0, 0);
  std::string error;
  ASSERT_TRUE(SaveReadBackup(folder.string(), image, base, &error, 3)) << error;
  ASSERT_TRUE(SaveReadBackup(folder.string(), image, base, &error, 3)) << error;
  EXPECT_EQ(Files(folder),
            (std::vector<std::string>{"20240501-120000-ARVEN-2.qvx", "20240501-120000-ARVEN.qvx"}));
  std::ofstream(folder / "mine.qvx") << "kept";
  for (int s = 1; s <= 3; ++s)
    ASSERT_TRUE(SaveReadBackup(folder.string(), image, base + s, &error, 3));
  EXPECT_EQ(Files(folder),
            (std::vector<std::string>{"20240501-120001-ARVEN.qvx", "20240501-120002-ARVEN.qvx",
                                      "20240501-120003-ARVEN.qvx", "mine.qvx"}));
  EXPECT_GT(fs::file_size(folder / "20240501-120003-ARVEN.qvx"), 100u);
}

TEST_F(SaveReadBackupTest, ReportsAFolderThatCannotBeMade) {
  std::ofstream(root_ / "file") << "x";
  std::string error;
  EXPECT_FALSE(SaveReadBackup((root_ / "file" / "backups").string(),
                              MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")), 0, &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace quorvan
