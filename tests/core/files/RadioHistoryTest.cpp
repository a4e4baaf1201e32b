// The history of a radio: its backups in the folder's order, what each changed against the
// state before it, the pins, and what a restore of an entry leaves in the radio.
#include <gtest/gtest.h>

#include <fstream>

#include "core/files/BackupPins.h"
#include "core/files/DocumentFile.h"
#include "core/files/RadioHistory.h"
#include "support/BackupFolder.h"

namespace quorvan {
namespace {

using testing::BackupFolder;
using testing::NamedImage;

constexpr const char* kChannel1 = "001,00146000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,ONE";

// A backup of the folder: memory 0 named `name`, memory 1 used or not, the battery type; or, with
// `bytes`, a file that does not open.
struct Backup {
  const char* file;
  const char* name;
  bool channel1;
  const char* battery;
  const char* bytes = nullptr;
};

class RadioHistoryTest : public ::testing::Test {
 protected:
  void Put(const Backup& backup) {
    folder_.Make();
    if (backup.bytes) {
      std::ofstream(folder_.File(backup.file), std::ios::binary) << backup.bytes;
      return;
    }
    RadioImage image = NamedImage("KK,0F", "ARVEN", backup.name);
    if (backup.channel1) image.Store(SlotKind::Memory, 1, kChannel1);
    image.Menu().Set(kMenuBAT, backup.battery);
    ASSERT_TRUE(SaveDocumentFile(folder_.File(backup.file), image, nullptr));
  }

  BackupFolder folder_;
  const BandPlan plan_ = MakeDefaultBandPlan("KK,0F", "ARVEN");
};

TEST_F(RadioHistoryTest, NewestFirstEachToldAgainstTheStateBeforeIt) {
  // Oldest first. A read of one part is compared in that part only, against the newest state of
  // it; a damaged backup is listed and passed over.
  const std::vector<Backup> backups{
      {"20240131-235958-ARVEN-KK0F-menu.qvx", "A", false, "1"},
      {"20240131-235959-ARVEN-KK0F.qvx", "A", false, "0"},
      {"20261209T141502Z-0001-ARVEN-KK0F-memory.qvx", "B", true, "1"},
      {"20261209T141502Z-0002-ARVEN-KK0F-written.qvx", "C", true, "1"},
      {"20261209T141502Z-0002-ARVEN-KK0F-replaced.qvx", "B", true, "0"},
      {"20261209T141502Z-0003-ARVEN-KK0F.qvx", "", false, "", "QUENTAR\r\n"},
      {"20261209T141502Z-0004-ARVEN-KK0F-menu.qvx", "X", false, "1"},
      {"20261209T141502Z-0005-BELTO-ME0B.qvx", "A", false, "0"},
      {"20261209T141502Z-0006-ARVEN-KK0F-pending.qvx", "C", false, "1"},
      {"mine.qvx", "A", false, "0"},
  };
  for (const Backup& backup : backups) Put(backup);
  ASSERT_TRUE(
      SetPinned(folder_.Path(), "20261209T141502Z-0002-ARVEN-KK0F-written.qvx", true, nullptr));

  const std::vector<HistoryEntry> entries = LoadRadioHistory(folder_.Path(), plan_);
  const std::vector<std::pair<std::string, std::string>> expected{
      {"20261209T141502Z-0006-ARVEN-KK0F-pending.qvx", "1 memory channel"},
      {"20261209T141502Z-0004-ARVEN-KK0F-menu.qvx", "no change"},
      {"20261209T141502Z-0003-ARVEN-KK0F.qvx", "damaged"},
      {"20261209T141502Z-0002-ARVEN-KK0F-written.qvx", "1 memory channel, 1 menu value"},
      {"20261209T141502Z-0002-ARVEN-KK0F-replaced.qvx", "no change"},
      {"20261209T141502Z-0001-ARVEN-KK0F-memory.qvx", "2 memory channels"},
      {"20240131-235959-ARVEN-KK0F.qvx", "1 menu value"},
      {"20240131-235958-ARVEN-KK0F-menu.qvx", "no earlier state"},
  };
  ASSERT_EQ(entries.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(entries[i].name.fileName, expected[i].first) << i + 1;
    EXPECT_EQ(HistorySummary(entries[i]), expected[i].second) << expected[i].first;
    EXPECT_EQ(entries[i].pinned, i == 3) << expected[i].first;
  }

  EXPECT_EQ(FindHistoryEntry(entries, "3"), 2u);
  EXPECT_EQ(FindHistoryEntry(entries, "20261209T141502Z-0001-ARVEN-KK0F-memory.qvx"), 5u);
  for (const char* none : {"0", "9", "", "03x", "03", "mine.qvx", "1000000000000000000000",
                           "20261209T141502Z-0005-BELTO-ME0B.qvx"}) {
    EXPECT_FALSE(FindHistoryEntry(entries, none)) << none;
  }
  // The damaged entry is never opened; it says why.
  RadioImage image;
  std::string error;
  EXPECT_FALSE(OpenHistoryEntry(entries[2], plan_, image, &error));
  EXPECT_NE(error.find(entries[2].path), std::string::npos) << error;
  ASSERT_TRUE(OpenHistoryEntry(entries[5], plan_, image, &error)) << error;
  EXPECT_EQ(image.Record(SlotKind::Memory, 1), kChannel1);

  // Another radio has a history of its own; a document without a type code has none.
  EXPECT_EQ(LoadRadioHistory(folder_.Path(), MakeDefaultBandPlan("ME,0B", "BELTO")).size(), 1u);
  BandPlan untyped = plan_;
  untyped.type.clear();
  EXPECT_TRUE(LoadRadioHistory(folder_.Path(), untyped).empty());
  EXPECT_TRUE(LoadRadioHistory(folder_.Beside("none"), plan_).empty());
}

TEST(RestoredState, TakesOfTheEntryOnlyWhatItHolds) {
  RadioImage now = NamedImage("KK,0F", "ARVEN", "NOW");
  now.Menu().Set(kMenuBAT, "0");
  RadioImage state = NamedImage("KK,0F", "ARVEN", "THEN");
  state.Store(SlotKind::Memory, 1, kChannel1);
  state.Menu().Set(kMenuBAT, "1");
  state.SetComment("then");
  struct Case {
    BackupKind kind;
    bool records;
    bool menu;
  };
  for (const Case& c :
       {Case{BackupKind::Read, true, true}, Case{BackupKind::Replaced, true, true},
        Case{BackupKind::MemoryRead, true, false}, Case{BackupKind::MenuRead, false, true}}) {
    const RadioImage restored = RestoredState(now, state, c.kind);
    const std::string_view word = HistoryKindWord(c.kind);
    EXPECT_EQ(restored.Record(SlotKind::Memory, 1), c.records ? kChannel1 : "") << word;
    EXPECT_EQ(restored.Record(SlotKind::Memory, 0),
              (c.records ? state : now).Record(SlotKind::Memory, 0))
        << word;
    EXPECT_EQ(restored.Menu().Get(kMenuBAT), c.menu ? "1" : "0") << word;
    EXPECT_EQ(restored.Comment(), "then") << word;
  }
  EXPECT_TRUE(CommonItems(BackupKind::MemoryRead, BackupKind::MenuRead).Empty());
  EXPECT_EQ(CommonItems(BackupKind::Written, BackupKind::MenuRead), ItemSet::MenuValues());
}

TEST(PlanOfBackupRadio, TheStoredPlanOfThatRadioOrTheDefaultsOfItsType) {
  BandPlan stored = MakeDefaultBandPlan("KK,0F", "ARVEN");
  stored.limits[0] = "00137,00150";
  const auto same = PlanOfBackupRadio({"ARVEN", "KK0F"}, stored);
  ASSERT_TRUE(same);
  EXPECT_EQ(same->limits[0], "00137,00150");
  const auto other = PlanOfBackupRadio({"CIRRA", "KK0F"}, stored);
  ASSERT_TRUE(other);
  EXPECT_EQ(other->model, "CIRRA");
  EXPECT_EQ(other->type, "KK,0F");
  EXPECT_NE(other->limits[0], "00137,00150");
  EXPECT_EQ(PlanOfBackupRadio({"BELTO", "ME0B"}, std::nullopt)->type, "ME,0B");
  EXPECT_FALSE(PlanOfBackupRadio({"ARVEN", "ZZ0F"}, stored));
}

}  // namespace
}  // namespace quorvan
