// Keeping backups in a folder: fresh names that never replace one another, and retention.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <thread>

#include "core/files/BackupPins.h"
#include "core/files/DocumentFile.h"
#include "core/files/ReadBackups.h"
#include "support/BackupFolder.h"

namespace quorvan {
namespace {

using testing::BackupFolder;
using testing::NamedImage;

constexpr std::time_t kNoon = 1777636800;  // 2026-05-01 12:00:00 UTC

TEST(BackupsToRemove, KeepsTheNewestOfEachKindOfEachRadioAndNeverForeignFiles) {
  using V = std::vector<std::string>;
  const V names{"20260101T000000Z-0001-ARVEN-KK0F.qvx",
                "mine.qvx",
                "20240101-000000-BELTO.qvx",
                "20260101T000000Z-0002-ARVEN-KK0F-memory.qvx",
                "20260101T000000Z-0003-ARVEN-KK0F-memory.qvx",
                "20260101T000000Z-0004-ARVEN-KK0F-written.qvx",
                "20260101T000000Z-0005-BELTO-ME0B-written.qvx",
                "20260101T000000Z-0006-ARVEN-KK0F-written.qvx",
                "20260101T000000Z-0007-ARVEN-KK0F-replaced.qvx",
                "20260101T000000Z-0008-ARVEN-KK0F-pending.qvx",
                "20260101T000000Z-0009-ARVEN-KK0F-pending.qvx"};
  EXPECT_EQ(BackupsToRemove(names, 1), (V{"20260101T000000Z-0002-ARVEN-KK0F-memory.qvx",
                                          "20260101T000000Z-0004-ARVEN-KK0F-written.qvx",
                                          "20260101T000000Z-0008-ARVEN-KK0F-pending.qvx"}));
  EXPECT_TRUE(BackupsToRemove(names, 2).empty());
  // The newest whole read and write of every radio stay, whatever the limit.
  EXPECT_EQ(BackupsToRemove(names, 0), (V{"20260101T000000Z-0002-ARVEN-KK0F-memory.qvx",
                                          "20260101T000000Z-0003-ARVEN-KK0F-memory.qvx",
                                          "20260101T000000Z-0004-ARVEN-KK0F-written.qvx",
                                          "20260101T000000Z-0007-ARVEN-KK0F-replaced.qvx",
                                          "20260101T000000Z-0008-ARVEN-KK0F-pending.qvx",
                                          "20260101T000000Z-0009-ARVEN-KK0F-pending.qvx"}));
}

TEST(BackupsToRemove, FiftyMemoryReadsLeaveTheWholeRead) {
  std::vector<std::string> names{"20260101T000000Z-0001-ARVEN-KK0F.qvx"};
  for (int n = 2; n <= 52; ++n) {
    names.push_back(BackupFileName(kNoon, static_cast<std::uint64_t>(n),
                                   BackupRadio{"ARVEN", "KK0F"}, BackupKind::MemoryRead));
  }
  EXPECT_EQ(BackupsToRemove(names, kKeptBackups), (std::vector<std::string>{names[1]}));
}

TEST(BackupsToRemove, APinnedBackupStaysAndLeavesTheOthersTheirPlaces) {
  std::vector<std::string> names;
  for (std::uint64_t n = 1; n <= 5; ++n) {
    names.push_back(BackupFileName(kNoon, n, BackupRadio{"ARVEN", "KK0F"}, BackupKind::Replaced));
  }
  // Pinned, the oldest is kept and does not count: the newest two of the others stay.
  EXPECT_EQ(BackupsToRemove(names, 2, {names[0], "mine.qvx"}),
            (std::vector<std::string>{names[1], names[2]}));
}

class BackupFolderTest : public ::testing::Test {
 protected:
  BackupFolder folder_;
};

TEST_F(BackupFolderTest, NamesFollowTheSequenceAcrossKindsAndForeignFilesStay) {
  const RadioImage image = NamedImage("KK,0F", "ARVEN", "A");
  ClaimedBackup kept;
  std::string error;
  ASSERT_TRUE(SaveBackup(folder_.Path(), image, kNoon, BackupKind::Read, &kept, &error)) << error;
  EXPECT_EQ(kept.name.fileName, "20260501T120000Z-0001-ARVEN-KK0F.qvx");
  std::ofstream(folder_.File("mine.qvx")) << "kept";  // the folder exists by now
  ASSERT_TRUE(SaveBackup(folder_.Path(), image, kNoon, BackupKind::Written, nullptr, &error));
  // The clock went back: the number still goes on.
  ASSERT_TRUE(SaveBackup(folder_.Path(), image, kNoon - 3600, BackupKind::Read, nullptr, &error));
  EXPECT_EQ(folder_.Files(),
            (std::vector<std::string>{"20260501T110000Z-0003-ARVEN-KK0F.qvx",
                                      "20260501T120000Z-0001-ARVEN-KK0F.qvx",
                                      "20260501T120000Z-0002-ARVEN-KK0F-written.qvx", "mine.qvx"}));
  RadioImage opened = MakeNewDocument(image.Plan());
  ASSERT_TRUE(OpenDocumentFile(kept.path, opened));
  EXPECT_TRUE(opened == image);
}

TEST_F(BackupFolderTest, AnAskedNumberThatIsTakenIsRefusedNotReplaced) {
  const BackupRadio radio{"ARVEN", "KK0F"};
  ClaimedBackup first;
  ClaimedBackup second;
  ASSERT_TRUE(ClaimBackup(folder_.Path(), kNoon, radio, BackupKind::Pending, 9, first, nullptr));
  std::string error;
  EXPECT_FALSE(ClaimBackup(folder_.Path(), kNoon, radio, BackupKind::Pending, 9, second, &error));
  EXPECT_NE(error.find(first.path), std::string::npos) << error;
}

// Four programs reading at the same moment: every read is kept.
TEST_F(BackupFolderTest, SavesAtTheSameMomentNeverReplaceOneAnother) {
  constexpr int kPrograms = 4;
  constexpr int kReads = 12;
  std::vector<std::thread> programs;
  std::vector<int> failures(kPrograms, 0);
  for (int p = 0; p < kPrograms; ++p) {
    programs.emplace_back([&, p] {
      const RadioImage image = NamedImage("KK,0F", "ARVEN", "P" + std::to_string(p));
      for (int r = 0; r < kReads; ++r) {
        std::string error;
        if (!SaveBackup(folder_.Path(), image, kNoon, BackupKind::Read, nullptr, &error)) {
          ++failures[static_cast<std::size_t>(p)];
        }
      }
    });
  }
  for (std::thread& program : programs) program.join();
  EXPECT_EQ(std::count(failures.begin(), failures.end(), 0), kPrograms);
  EXPECT_EQ(ListBackups(folder_.Path()).size(), static_cast<std::size_t>(kPrograms * kReads));
}

TEST_F(BackupFolderTest, PinsSurviveThePruneUntilTheirBackupIsGone) {
  const RadioImage image = NamedImage("KK,0F", "ARVEN", "A");
  std::vector<ClaimedBackup> kept(kKeptBackups + 2);
  for (ClaimedBackup& backup : kept) {
    ASSERT_TRUE(SaveBackup(folder_.Path(), image, kNoon, BackupKind::MemoryRead, &backup, nullptr));
    if (&backup == &kept[0]) {
      ASSERT_TRUE(SetPinned(folder_.Path(), backup.name.fileName, true, nullptr));
    }
  }
  const std::string oldest = kept[0].name.fileName;
  EXPECT_TRUE(IsPinned(folder_.Path(), oldest));
  EXPECT_EQ(PinnedBackups(folder_.Path()), std::set<std::string>{oldest});
  // The pinned one and the newest 50 of the others.
  const std::vector<BackupName> listed = ListBackups(folder_.Path());
  ASSERT_EQ(listed.size(), kKeptBackups + 1);
  EXPECT_EQ(listed.front().fileName, oldest);
  EXPECT_EQ(listed[1].fileName, kept[2].name.fileName);

  // A pin can be taken off; one whose backup went is removed by the next prune.
  ASSERT_TRUE(SetPinned(folder_.Path(), oldest, false, nullptr));
  EXPECT_TRUE(SetPinned(folder_.Path(), oldest, false, nullptr)) << "unpinned twice";
  ASSERT_TRUE(SetPinned(folder_.Path(), listed[1].fileName, true, nullptr));
  std::filesystem::remove(folder_.File(listed[1].fileName));
  PruneBackups(folder_.Path());
  EXPECT_TRUE(PinnedBackups(folder_.Path()).empty());
  EXPECT_FALSE(std::filesystem::exists(folder_.File(PinFileName(listed[1].fileName))));
}

TEST_F(BackupFolderTest, OnlyABackupOfTheFolderIsPinned) {
  folder_.Make();
  std::ofstream(folder_.File("mine.qvx")) << "x";
  std::ofstream(folder_.Beside("20260501T120000Z-0001-ARVEN-KK0F.qvx")) << "x";
  // Not a backup's name, or (to pin) not there: refused, nothing made or removed elsewhere.
  struct Case {
    const char* name;
    bool pin;
  };
  for (const Case c : {Case{"mine.qvx", true}, Case{"mine.qvx", false},
                       Case{"../20260501T120000Z-0001-ARVEN-KK0F.qvx", true},
                       Case{"../20260501T120000Z-0001-ARVEN-KK0F.qvx", false},
                       Case{"20260501T120000Z-0002-ARVEN-KK0F.qvx", true}}) {
    std::string error;
    EXPECT_FALSE(SetPinned(folder_.Path(), c.name, c.pin, &error)) << c.name;
    EXPECT_EQ(error.rfind("there is no backup ", 0), 0u) << error;
  }
  // A link in a pin's place makes nothing where it leads.
  const std::string backup = "20260501T120000Z-0003-ARVEN-KK0F.qvx";
  std::ofstream(folder_.File(backup)) << "x";
  std::filesystem::create_symlink(folder_.Beside("elsewhere"), folder_.File(PinFileName(backup)));
  EXPECT_FALSE(SetPinned(folder_.Path(), backup, true, nullptr));
  EXPECT_FALSE(std::filesystem::exists(folder_.Beside("elsewhere")));
  std::filesystem::remove(folder_.File(PinFileName(backup)));
  std::filesystem::remove(folder_.File(backup));
  // A pin file of the user's own name keeps nothing.
  std::ofstream(folder_.File("mine.qvx.pin")) << "";
  EXPECT_TRUE(PinnedBackups(folder_.Path()).empty());
  EXPECT_EQ(folder_.Files(), (std::vector<std::string>{"mine.qvx", "mine.qvx.pin"}));
}

TEST_F(BackupFolderTest, AFolderThatCannotBeMadeIsNamed) {
  std::ofstream(folder_.Beside("file")) << "x";
  const std::string inside = folder_.Beside("file") + "/backups";
  std::string error;
  EXPECT_FALSE(SaveBackup(inside, NamedImage("KK,0F", "ARVEN", "A"), kNoon, BackupKind::Read,
                          nullptr, &error));
  EXPECT_EQ(error.rfind("cannot create the folder " + inside + ": ", 0), 0u) << error;
  EXPECT_TRUE(ListBackups(inside).empty());
}

}  // namespace
}  // namespace quorvan
