#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/files/DocumentFile.h"
#include "core/files/ReadBackups.h"
#include "support/SlotFields.h"

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

BandPlan Plan(const char* type, const char* model) {
  BandPlan plan;
  plan.type = type;
  plan.model = model;
  return plan;
}

TEST(BackupFileName, CarriesLocalTimeSafeModelTypeNumberAndKind) {
  const std::time_t when = LocalTime(2024, 1, 31, 23, 59, 58);
  const struct {
    BandPlan plan;
    BackupKind kind;
    long number;
    const char* name;
  } cases[] = {
      {Plan("KK,0F", "ARVEN"), BackupKind::Read, 1, "20240131-235958-ARVEN-KK0F.qvx"},
      {Plan("ME,0B", "BELTO"), BackupKind::Written, 1, "20240131-235958-BELTO-ME0B-written.qvx"},
      {Plan("JJ,01", "BELTO"), BackupKind::Replaced, 3,
       "20240131-235958-BELTO-JJ01-3-replaced.qvx"},
      {Plan("KK,0F", "ARVEN"), BackupKind::MemoryRead, 2,
       "20240131-235958-ARVEN-KK0F-2-memory.qvx"},
      {Plan("KK,0F", "ARVEN"), BackupKind::MenuRead, 1, "20240131-235958-ARVEN-KK0F-menu.qvx"},
      // Whatever a type code or model holds, the name stays one safe file name, and two
      // different type codes never share one.
      {Plan("KK,/-", "../B E"), BackupKind::Read, 1, "20240131-235958-BE-KK_2F_2D.qvx"},
      {Plan("KK_2F", ""), BackupKind::Read, 1, "20240131-235958-radio-KK_5F2F.qvx"},
      {Plan("", "/\\:"), BackupKind::Read, 1, "20240131-235958-radio.qvx"},
  };
  for (const auto& c : cases) {
    const std::string name = BackupFileName(when, c.plan, c.kind, c.number);
    EXPECT_EQ(name, c.name);
    const std::optional<BackupName> parsed = ParseBackupFileName(name);
    ASSERT_TRUE(parsed.has_value()) << name;
    EXPECT_EQ(parsed->kind, c.kind) << name;
    EXPECT_EQ(parsed->number, c.number) << name;
  }
}

TEST(ParseBackupFileName, TakesApartOnlyNamesItMakes) {
  const struct {
    const char* name;
    bool backup;
    const char* model;
    const char* tag;
    long number;
    BackupKind kind;
  } cases[] = {
      {"20240131-235958-ARVEN-KK0F.qvx", true, "ARVEN", "KK0F", 1, BackupKind::Read},
      {"20240131-235958-ARVEN-KK0F-12-written.qvx", true, "ARVEN", "KK0F", 12, BackupKind::Written},
      // The read backups of earlier versions carry no type code.
      {"20240131-235958-ARVEN.qvx", true, "ARVEN", "", 1, BackupKind::Read},
      {"20240131-235958-ARVEN-2.qvx", true, "ARVEN", "", 2, BackupKind::Read},
      {"20240131-235958-radio-menu.qvx", true, "radio", "", 1, BackupKind::MenuRead},
      {"20240131-235958-.qvx", false, "", "", 0, BackupKind::Read},
      {"20240131-235958-ARVEN--written.qvx", false, "", "", 0, BackupKind::Read},
      {"20240131-235958-ARVEN-KK0F-written-2.qvx", false, "", "", 0, BackupKind::Read},
      {"20240131-235958-ARVEN-KK0F-1234567.qvx", false, "", "", 0, BackupKind::Read},
      {"20240131-235958-ARVEN-KK0F-old.qvx", false, "", "", 0, BackupKind::Read},
      {"20240131-235958-ARVEN-kk0f.qvx", false, "", "", 0, BackupKind::Read},
      {"20240131-235958-ARVEN.txt", false, "", "", 0, BackupKind::Read},
      {"2024013-235958-ARVEN.qvx", false, "", "", 0, BackupKind::Read},
      {"20240131_235958-ARVEN.qvx", false, "", "", 0, BackupKind::Read},
      {"my channels.qvx", false, "", "", 0, BackupKind::Read},
      {"20240131-235958-AR VEN.qvx", false, "", "", 0, BackupKind::Read},
      {".qvx", false, "", "", 0, BackupKind::Read},
      {"", false, "", "", 0, BackupKind::Read},
  };
  for (const auto& c : cases) {
    const std::optional<BackupName> parsed = ParseBackupFileName(c.name);
    EXPECT_EQ(parsed.has_value(), c.backup) << c.name;
    if (!parsed || !c.backup) continue;
    EXPECT_EQ(parsed->model, c.model) << c.name;
    EXPECT_EQ(parsed->typeTag, c.tag) << c.name;
    EXPECT_EQ(parsed->number, c.number) << c.name;
    EXPECT_EQ(parsed->kind, c.kind) << c.name;
  }
}

TEST(BackupsToRemove, KeepsTheNewestOfEachKindAndNeverForeignFiles) {
  using V = std::vector<std::string>;
  const V names{"20240102-000000-ARVEN-KK0F.qvx",
                "mine.qvx",
                "20240101-000000-BELTO.qvx",
                "20240102-000000-ARVEN-KK0F-2-memory.qvx",
                "20231231-235959-ARVEN-KK0F.qvx",
                "20231230-000000-ARVEN-KK0F-written.qvx",
                "20240103-000000-ARVEN-KK0F-written.qvx",
                "20231229-000000-ARVEN-KK0F-replaced.qvx"};
  // Reads of any scope share a limit; a write does not push a read out, nor the reverse.
  EXPECT_EQ(BackupsToRemove(names, 2),
            (V{"20231231-235959-ARVEN-KK0F.qvx", "20240101-000000-BELTO.qvx"}));
  EXPECT_EQ(BackupsToRemove(names, 1),
            (V{"20231230-000000-ARVEN-KK0F-written.qvx", "20231231-235959-ARVEN-KK0F.qvx",
               "20240101-000000-BELTO.qvx", "20240102-000000-ARVEN-KK0F.qvx"}));
  EXPECT_TRUE(BackupsToRemove(names, 4).empty());
  // Within one second the higher number is the newer one.
  EXPECT_EQ(BackupsToRemove({"20240102-000000-ARVEN-10.qvx", "20240102-000000-ARVEN-2.qvx",
                             "20240102-000000-ARVEN.qvx"},
                            1),
            (V{"20240102-000000-ARVEN.qvx", "20240102-000000-ARVEN-2.qvx"}));
}

class BackupFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/quorvan-backups-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    folder_ = root_ / "backups";
  }
  void TearDown() override { fs::remove_all(root_); }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder_)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  // A document of the plan whose memory channel 0 is named `name`: which backup was opened.
  static RadioImage Named(const char* type, const char* model, const std::string& name) {
    RadioImage image = MakeNewDocument(MakeDefaultBandPlan(type, model));
    image.Store(SlotKind::Memory, 0,
                "000,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,," + name);
    return image;
  }
  void Keep(const RadioImage& image, std::time_t when, BackupKind kind, std::size_t keep = 50) {
    std::string error;
    ASSERT_TRUE(SaveBackup(folder_.string(), image, when, kind, &error, keep)) << error;
  }
  std::string BaselineName(const char* type, const char* model) {
    RadioImage baseline;
    std::string path;
    if (!OpenBaseline(folder_.string(), MakeNewDocument(MakeDefaultBandPlan(type, model)), baseline,
                      &path)) {
      EXPECT_TRUE(path.empty());
      return "(none)";
    }
    EXPECT_EQ(baseline.Plan().type, type) << "opened with the document's plan";
    return testing::SlotField(baseline, SlotKind::Memory, 0, ChannelField::Name);
  }
  fs::path root_;
  fs::path folder_;
};

TEST_F(BackupFolderTest, CreatesFolderNumbersOneSecondAcrossKindsAndPrunesByKind) {
  const RadioImage image = Named("KK,0F", "ARVEN", "A");
  const std::time_t base = LocalTime(2024, 5, 1, 12, 0, 0);
  Keep(image, base, BackupKind::Read, 3);
  Keep(image, base, BackupKind::Written, 3);
  Keep(image, base, BackupKind::Read, 3);
  EXPECT_EQ(Files(), (std::vector<std::string>{"20240501-120000-ARVEN-KK0F-2-written.qvx",
                                               "20240501-120000-ARVEN-KK0F-3.qvx",
                                               "20240501-120000-ARVEN-KK0F.qvx"}));
  std::ofstream(folder_ / "mine.qvx") << "kept";
  for (int s = 1; s <= 3; ++s) Keep(image, base + s, BackupKind::Read, 3);
  EXPECT_EQ(Files(),
            (std::vector<std::string>{
                "20240501-120000-ARVEN-KK0F-2-written.qvx", "20240501-120001-ARVEN-KK0F.qvx",
                "20240501-120002-ARVEN-KK0F.qvx", "20240501-120003-ARVEN-KK0F.qvx", "mine.qvx"}));
  RadioImage opened = MakeNewDocument(image.Plan());
  ASSERT_TRUE(OpenDocumentFile((folder_ / "20240501-120003-ARVEN-KK0F.qvx").string(), opened));
  EXPECT_TRUE(opened == image);
}

TEST_F(BackupFolderTest, BaselineIsTheNewestWholeReadOrWriteOfTheSameRadio) {
  const std::time_t base = LocalTime(2024, 5, 1, 12, 0, 0);
  EXPECT_EQ(BaselineName("KK,0F", "ARVEN"), "(none)") << "no folder yet";
  Keep(Named("KK,0F", "ARVEN", "READ"), base, BackupKind::Read);
  Keep(Named("KK,0F", "ARVEN", "WRITTEN"), base + 1, BackupKind::Written);
  Keep(Named("KK,0F", "ARVEN", "REPLACED"), base + 2, BackupKind::Replaced);
  Keep(Named("KK,0F", "ARVEN", "MEMORY"), base + 3, BackupKind::MemoryRead);
  Keep(Named("KK,0F", "ARVEN", "MENU"), base + 4, BackupKind::MenuRead);
  Keep(Named("KK,0F", "BELTO", "BELTO"), base + 5, BackupKind::Read);
  Keep(Named("KK,01", "ARVEN", "VARIANT"), base + 6, BackupKind::Read);
  Keep(Named("ME,0B", "BELTO", "EUROPE"), base + 7, BackupKind::Written);
  // An older backup without a type code cannot tell whose radio it was.
  std::ofstream(folder_ / "20240601-000000-ARVEN.qvx") << "QUENTAR Chanvault for DOVRA\r\n";

  EXPECT_EQ(BaselineName("KK,0F", "ARVEN"), "WRITTEN");
  EXPECT_EQ(BaselineName("KK,0F", "BELTO"), "BELTO");
  EXPECT_EQ(BaselineName("KK,01", "ARVEN"), "VARIANT");
  EXPECT_EQ(BaselineName("ME,0B", "BELTO"), "EUROPE");
  EXPECT_EQ(BaselineName("MM,07", "BELTO"), "(none)");

  // Within one second the later of a read and a write is the one.
  Keep(Named("KK,0F", "ARVEN", "SAMESEC"), base + 1, BackupKind::Read);
  EXPECT_EQ(BaselineName("KK,0F", "ARVEN"), "SAMESEC");
  // A newest backup that no longer opens is passed over for the one before it.
  std::ofstream(folder_ / "20250101-000000-ARVEN-KK0F-written.qvx") << "damaged";
  EXPECT_EQ(BaselineName("KK,0F", "ARVEN"), "SAMESEC");
}

TEST_F(BackupFolderTest, ReportsAFolderThatCannotBeMade) {
  std::ofstream(root_ / "file") << "x";
  std::string error;
  EXPECT_FALSE(SaveBackup((root_ / "file" / "backups").string(),
                          MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")), 0,
                          BackupKind::Read, &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace quorvan
