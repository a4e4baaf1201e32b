// The journal of a write: kept before anything is sent, made the "-written" backup when the
// write ends, and left as a state no later write trusts when it could not be written.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstdio>
#include <fstream>

#include "core/files/Baseline.h"
#include "core/files/DocumentFile.h"
#include "core/files/WriteJournal.h"
#include "support/BackupFolder.h"
#include "support/SlotFields.h"

namespace quorvan {
namespace {

using testing::BackupFolder;
using testing::NamedImage;

constexpr std::time_t kNow = 1796825702;  // 9 Dec 2026 14:15:02 UTC

std::string HeldName(const std::string& path) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  if (!OpenDocumentFile(path, image)) return "(does not open)";
  return testing::SlotField(image, SlotKind::Memory, 0, ChannelField::Name);
}

// Files cannot grow beyond a few bytes for a while, as on a full disk.
class FullDisk {
 public:
  FullDisk() {
    previousSignal_ = ::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit tiny = previous_;
    tiny.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
  }
  ~FullDisk() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousSignal_);
  }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;

 private:
  rlimit previous_{};
  void (*previousSignal_)(int) = nullptr;
};

TEST(WriteJournal, AWriteOfChangesLeavesWhatItReplacedAndBecomesTheWrittenBackup) {
  BackupFolder folder;
  WriteJournal journal(folder.Path());
  const RadioImage found = NamedImage("KK,0F", "ARVEN", "FOUND");
  std::string error;
  ASSERT_TRUE(journal.Begin(&found, NamedImage("KK,0F", "ARVEN", "MEANT"), kNow, &error)) << error;
  EXPECT_TRUE(journal.Unkept().empty());
  EXPECT_EQ(folder.Files(),
            (std::vector<std::string>{"20261209T141502Z-0001-ARVEN-KK0F-pending.qvx",
                                      "20261209T141502Z-0001-ARVEN-KK0F-replaced.qvx"}));
  EXPECT_EQ(HeldName(folder.File("20261209T141502Z-0001-ARVEN-KK0F-pending.qvx")), "MEANT");

  ASSERT_TRUE(journal.Finish(NamedImage("KK,0F", "ARVEN", "MEANT"), kNow + 2, &error)) << error;
  EXPECT_FALSE(journal.Begun());
  EXPECT_EQ(folder.Files(),
            (std::vector<std::string>{"20261209T141502Z-0001-ARVEN-KK0F-replaced.qvx",
                                      "20261209T141504Z-0001-ARVEN-KK0F-written.qvx"}));
  EXPECT_EQ(HeldName(folder.File("20261209T141504Z-0001-ARVEN-KK0F-written.qvx")), "MEANT");
}

TEST(WriteJournal, AWriteThatDidNotEndLeavesTheJournalAsTheRadiosState) {
  BackupFolder folder;
  ASSERT_TRUE(SaveBackup(folder.Path(), NamedImage("KK,0F", "ARVEN", "READ"), kNow - 60,
                         BackupKind::Read, nullptr, nullptr));
  {
    WriteJournal whole(folder.Path());
    ASSERT_TRUE(whole.Begin(nullptr, NamedImage("KK,0F", "ARVEN", "MEANT"), kNow, nullptr));
  }
  const Baseline baseline =
      FindBaseline(folder.Path(), MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")), kNow);
  ASSERT_EQ(baseline.status, Baseline::Status::Found);
  EXPECT_EQ(baseline.name.kind, BackupKind::Pending);
  EXPECT_EQ(testing::SlotField(baseline.image, SlotKind::Memory, 0, ChannelField::Name), "MEANT");
  EXPECT_FALSE(baseline.replaced.has_value()) << "a write of everything";
}

TEST(WriteJournal, NoJournalNoWrite) {
  BackupFolder folder;
  std::ofstream(folder.Beside("taken")) << "a file where the folder should be";
  WriteJournal journal(folder.Beside("taken"));
  std::string error;
  EXPECT_FALSE(journal.Begin(nullptr, NamedImage("KK,0F", "ARVEN", "MEANT"), kNow, &error));
  EXPECT_FALSE(journal.Begun());
  EXPECT_NE(error.find(folder.Beside("taken")), std::string::npos) << error;
}

TEST(WriteJournal, OnAFullDiskTheEmptyJournalKeepsAnyOlderStateFromBeingTrusted) {
  BackupFolder folder;
  ASSERT_TRUE(SaveBackup(folder.Path(), NamedImage("KK,0F", "ARVEN", "READ"), kNow - 60,
                         BackupKind::Read, nullptr, nullptr));
  const RadioImage document = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  const RadioImage meant = NamedImage("KK,0F", "ARVEN", "MEANT");
  WriteJournal journal(folder.Path());
  std::string error;
  {
    const FullDisk full;
    ASSERT_TRUE(journal.Begin(&document, meant, kNow, &error)) << error;
    EXPECT_FALSE(journal.Unkept().empty());
    EXPECT_FALSE(journal.ReplacedUnkept().empty());
    EXPECT_FALSE(journal.Finish(meant, kNow, &error));
    EXPECT_FALSE(error.empty());
  }
  EXPECT_EQ(folder.Files(),
            (std::vector<std::string>{"20261209T141402Z-0001-ARVEN-KK0F.qvx",
                                      "20261209T141502Z-0002-ARVEN-KK0F-pending.qvx"}));
  EXPECT_EQ(FindBaseline(folder.Path(), document, kNow).status, Baseline::Status::Unreadable);
  // With room again the write that ended is kept after all.
  ASSERT_TRUE(journal.Finish(meant, kNow, &error)) << error;
  EXPECT_EQ(folder.Files(),
            (std::vector<std::string>{"20261209T141402Z-0001-ARVEN-KK0F.qvx",
                                      "20261209T141502Z-0002-ARVEN-KK0F-written.qvx"}));
  EXPECT_EQ(HeldName(folder.File("20261209T141502Z-0002-ARVEN-KK0F-written.qvx")), "MEANT");
}

TEST(WriteJournal, AJournalThatCannotBeRenamedStaysAndSaysWhy) {
  BackupFolder folder;
  WriteJournal journal(folder.Path());
  const RadioImage meant = NamedImage("KK,0F", "ARVEN", "MEANT");
  ASSERT_TRUE(journal.Begin(nullptr, meant, kNow, nullptr));
  const std::string pending = folder.File("20261209T141502Z-0001-ARVEN-KK0F-pending.qvx");
  ASSERT_EQ(std::remove(pending.c_str()), 0);
  std::string error;
  EXPECT_FALSE(journal.Finish(meant, kNow, &error));
  EXPECT_EQ(error.rfind("cannot rename " + pending + ": ", 0), 0u) << error;
  EXPECT_TRUE(folder.Files().empty());
}

TEST(AfterWriteText, TellsWhatTheNextWriteOfChangesDoes) {
  BackupFolder folder;
  WriteJournal none(folder.Path());
  WriteJournal kept(folder.Path());
  ASSERT_TRUE(kept.Begin(nullptr, NamedImage("KK,0F", "ARVEN", "A"), kNow, nullptr));
  const struct {
    const WriteJournal* journal;
    bool known, completed, notTaken;
    std::string text;
  } cases[] = {
      {&none, false, false, false, ""},
      {&kept, true, true, false, ""},
      {&kept, false, false, false,
       "The write did not end; the next write of changes completes it."},
      {&kept, false, true, true,
       "The next write of changes writes again what the radio did not take."},
      {&kept, false, true, false, ""},  // a partial write over no known state
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AfterWriteText(*c.journal, c.known, c.completed, c.notTaken), c.text);
  }
  WriteJournal unkept(folder.Path());
  const FullDisk full;
  ASSERT_TRUE(unkept.Begin(nullptr, NamedImage("KK,0F", "ARVEN", "B"), kNow, nullptr));
  EXPECT_EQ(
      AfterWriteText(unkept, false, false, false)
          .rfind("The write did not end, and what it was to leave could not be kept: cannot ", 0),
      0u);
  EXPECT_EQ(AfterWriteText(unkept, false, true, false)
                .rfind("The radio was written, but what it now holds could not be kept: ", 0),
            0u);
}

}  // namespace
}  // namespace quorvan
