// Backup names: what they carry, that every name made is read back, and the folder's order.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

#include "core/files/BackupName.h"
#include "support/BackupFolder.h"

namespace quorvan {
namespace {

constexpr std::time_t k9Dec2026At141502 = 1796825702;  // 2026-12-09 14:15:02 UTC

BackupRadio Radio(const char* type, const char* model) {
  BandPlan plan;
  plan.type = type;
  plan.model = model;
  return BackupRadioOf(plan);
}

TEST(BackupFileName, CarriesUtcTimeSequenceRadioAndKindAndIsReadBack) {
  const struct {
    std::time_t when;
    std::uint64_t sequence;
    BackupRadio radio;
    BackupKind kind;
    const char* name;
  } cases[] = {
      {k9Dec2026At141502, 42, Radio("KK,0F", "ARVEN"), BackupKind::Written,
       "20261209T141502Z-0042-ARVEN-KK0F-written.qvx"},
      {k9Dec2026At141502, 1, Radio("ME,0B", "BELTO"), BackupKind::Read,
       "20261209T141502Z-0001-BELTO-ME0B.qvx"},
      {k9Dec2026At141502, 7, Radio("JJ,01", "BELTO"), BackupKind::Pending,
       "20261209T141502Z-0007-BELTO-JJ01-pending.qvx"},
      // Past four digits the number just grows, however far.
      {k9Dec2026At141502, 1234567, Radio("KK,0F", "ARVEN"), BackupKind::MemoryRead,
       "20261209T141502Z-1234567-ARVEN-KK0F-memory.qvx"},
      {k9Dec2026At141502, kMostBackupSequence, Radio("KK,0F", "ARVEN"), BackupKind::Replaced,
       "20261209T141502Z-999999999999999999-ARVEN-KK0F-replaced.qvx"},
      {0, 0, Radio("MM,07", "BELTO"), BackupKind::MenuRead,
       "19700101T000000Z-0001-BELTO-MM07-menu.qvx"},
      // A clock before 1970 or past 9999 still gives a name of this form.
      {-86400, 3, Radio("KK,0F", "ARVEN"), BackupKind::Read,
       "19700101T000000Z-0003-ARVEN-KK0F.qvx"},
      {std::time_t{1} << 40, 3, Radio("KK,0F", "ARVEN"), BackupKind::Read,
       "99991231T235959Z-0003-ARVEN-KK0F.qvx"},
      // Whatever a type code or model holds, the name stays one safe file name, two type codes
      // never share one, and a tag never reads as a kind.
      {k9Dec2026At141502, 1, Radio("KK,/-", "../B E"), BackupKind::Read,
       "20261209T141502Z-0001-BE-KK_2F_2D.qvx"},
      {k9Dec2026At141502, 1, Radio("me,nu", ""), BackupKind::Read,
       "20261209T141502Z-0001-radio-_6D_65_6E_75.qvx"},
      {k9Dec2026At141502, 1, Radio("", "written"), BackupKind::Read,
       "20261209T141502Z-0001-written.qvx"},
  };
  for (const auto& c : cases) {
    const std::string name = BackupFileName(c.when, c.sequence, c.radio, c.kind);
    EXPECT_EQ(name, c.name);
    const std::optional<BackupName> parsed = ParseBackupFileName(name);
    ASSERT_TRUE(parsed.has_value()) << name;
    EXPECT_FALSE(parsed->legacy);
    EXPECT_EQ(parsed->radio, c.radio) << name;
    EXPECT_EQ(parsed->kind, c.kind) << name;
    EXPECT_EQ(BackupFileName(parsed->when, parsed->sequence, parsed->radio, parsed->kind), name);
  }
}

TEST(ParseBackupFileName, TakesOnlyTheFormsItMakesAndThoseOfEarlierVersions) {
  const struct {
    const char* name;
    bool backup;
    bool legacy = false;
    const char* model = "";
    const char* tag = "";
    std::uint64_t sequence = 0;
    BackupKind kind = BackupKind::Read;
  } cases[] = {
      {"20261209T141502Z-0042-ARVEN-KK0F-written.qvx", true, false, "ARVEN", "KK0F", 42,
       BackupKind::Written},
      {"20261209T141502Z-0001-ARVEN-pending.qvx", true, false, "ARVEN", "", 1, BackupKind::Pending},
      // Names of earlier versions: local time, a number within the second, no type code at first.
      {"20240131-235958-ARVEN-KK0F.qvx", true, true, "ARVEN", "KK0F", 1, BackupKind::Read},
      {"20240131-235958-ARVEN-KK0F-12-written.qvx", true, true, "ARVEN", "KK0F", 12,
       BackupKind::Written},
      {"20240131-235958-ARVEN-2.qvx", true, true, "ARVEN", "", 2, BackupKind::Read},
      {"20240131-235958-radio-menu.qvx", true, true, "radio", "", 1, BackupKind::MenuRead},
      // Not in the form a name is made in.
      {"20261209T141502Z-00042-ARVEN-KK0F.qvx", false},
      {"20261209T141502Z-042-ARVEN-KK0F.qvx", false},
      {"20261209T141502Z-0000-ARVEN-KK0F.qvx", false},
      {"20261209T141502Z-1000000000000000000-ARVEN-KK0F.qvx", false},
      {"20261231T246000Z-0001-ARVEN-KK0F.qvx", false},
      {"20260230T120000Z-0001-ARVEN-KK0F.qvx", false},
      {"19691231T235959Z-0001-ARVEN-KK0F.qvx", false},
      {"20261209T141502-0001-ARVEN-KK0F.qvx", false},
      {"20261209T141502Z-0001-ARVEN-kk0f.qvx", false},
      {"20261209T141502Z-0001-ARVEN-KK_2-written.qvx", false},
      {"20261209T141502Z-0001-ARVEN-KK0F-written-2.qvx", false},
      {"20261209T141502Z-0001-ARVEN-KK0F-old.qvx", false},
      {"20261209T141502Z-0001-ABCDEFGHIJKLMNOPQ-KK0F.qvx", false},
      {"20261209T141502Z-0001--KK0F.qvx", false},
      {"20261209T141502Z-0001.qvx", false},
      {"20240131-235958-ARVEN-KK0F-pending.qvx", false},
      {"20240131-235958-ARVEN--written.qvx", false},
      {"20240131-235958-ARVEN-KK0F-1234567.qvx", false},
      {"20240131-235958-ARVEN.txt", false},
      {"20240131_235958-ARVEN.qvx", false},
      {"my channels.qvx", false},
      {".qvx", false},
      {"", false},
  };
  for (const auto& c : cases) {
    const std::optional<BackupName> parsed = ParseBackupFileName(c.name);
    EXPECT_EQ(parsed.has_value(), c.backup) << c.name;
    if (!parsed || !c.backup) continue;
    EXPECT_EQ(parsed->fileName, c.name);
    EXPECT_EQ(parsed->legacy, c.legacy) << c.name;
    EXPECT_EQ(parsed->radio.model, c.model) << c.name;
    EXPECT_EQ(parsed->radio.typeTag, c.tag) << c.name;
    EXPECT_EQ(parsed->sequence, c.sequence) << c.name;
    EXPECT_EQ(parsed->kind, c.kind) << c.name;
  }
}

std::vector<std::string> InOrder(std::vector<std::string> names) {
  std::vector<BackupName> parsed;
  for (const std::string& name : names) parsed.push_back(*ParseBackupFileName(name));
  std::sort(parsed.begin(), parsed.end(), IsOlderBackup);
  std::vector<std::string> sorted;
  for (const BackupName& name : parsed) sorted.push_back(name.fileName);
  return sorted;
}

TEST(IsOlderBackup, TheSequenceNumberDecidesWhateverTheClockSaid) {
  // The clock went back an hour between the read and the write: the write is still newer.
  EXPECT_EQ(
      InOrder({"20261209T131502Z-0002-ARVEN-KK0F-written.qvx",
               "20261209T141502Z-0001-ARVEN-KK0F.qvx", "20991231T000000Z-0010-ARVEN-KK0F.qvx",
               "20240131-235958-ARVEN-KK0F-2.qvx", "20240131-235958-ARVEN-KK0F-10.qvx",
               "20991231-000000-ARVEN-KK0F.qvx"}),
      (std::vector<std::string>{
          "20240131-235958-ARVEN-KK0F-2.qvx", "20240131-235958-ARVEN-KK0F-10.qvx",
          "20991231-000000-ARVEN-KK0F.qvx", "20261209T141502Z-0001-ARVEN-KK0F.qvx",
          "20261209T131502Z-0002-ARVEN-KK0F-written.qvx", "20991231T000000Z-0010-ARVEN-KK0F.qvx"}));
  // One number taken by two programs at once: by time, then by name.
  EXPECT_EQ(InOrder({"20261209T141503Z-0005-BELTO-ME0B.qvx", "20261209T141502Z-0005-ARVEN-KK0F.qvx",
                     "20261209T141502Z-0005-ARVEN-KK0F-memory.qvx"}),
            (std::vector<std::string>{"20261209T141502Z-0005-ARVEN-KK0F-memory.qvx",
                                      "20261209T141502Z-0005-ARVEN-KK0F.qvx",
                                      "20261209T141503Z-0005-BELTO-ME0B.qvx"}));
  // A write of changes: what it found, then its journal, under one number and in one second.
  EXPECT_EQ(InOrder({"20261209T141502Z-0006-ARVEN-KK0F-pending.qvx",
                     "20261209T141502Z-0006-ARVEN-KK0F-replaced.qvx",
                     "20261209T141501Z-0006-ARVEN-KK0F-written.qvx"}),
            (std::vector<std::string>{"20261209T141502Z-0006-ARVEN-KK0F-replaced.qvx",
                                      "20261209T141501Z-0006-ARVEN-KK0F-written.qvx",
                                      "20261209T141502Z-0006-ARVEN-KK0F-pending.qvx"}));
  std::vector<BackupName> names;
  for (const char* name : {"20240131-235958-ARVEN-KK0F-7.qvx", "20261209T141502Z-0041-ARVEN.qvx",
                           "20261209T101502Z-0009-ARVEN.qvx"}) {
    names.push_back(*ParseBackupFileName(name));
  }
  EXPECT_EQ(NextBackupSequence(names), 42u);
  EXPECT_EQ(NextBackupSequence({}), 1u);
  names.push_back(*ParseBackupFileName(
      BackupFileName(0, kMostBackupSequence, Radio("KK,0F", "ARVEN"), BackupKind::Read)));
  EXPECT_EQ(NextBackupSequence(names), kMostBackupSequence);
}

TEST(BackupTimeText, TellsTheLocalTimeToTheMinute) {
  {
    const testing::TimeZone utc("UTC0");
    EXPECT_EQ(BackupTimeText(k9Dec2026At141502), "9 Dec 2026 14:15");
  }
  const testing::TimeZone cet("CET-1");
  EXPECT_EQ(BackupTimeText(k9Dec2026At141502), "9 Dec 2026 15:15");
}

}  // namespace
}  // namespace quorvan
