// The choice of what a write of changes compares with: the newest whole read, write or journal
// of the document's radio, never an older one in its place.
#include <gtest/gtest.h>

#include <fstream>

#include "core/files/Baseline.h"
#include "core/files/DocumentFile.h"
#include "support/BackupFolder.h"
#include "support/CaseNames.h"
#include "support/SlotFields.h"

namespace quorvan {
namespace {

using testing::BackupFolder;
using testing::NamedImage;
using Status = Baseline::Status;

constexpr std::time_t kNow = 1796825702;  // 9 Dec 2026 14:15:02 UTC

// A file of the folder: a document whose memory 0 carries `holds` (the name alone tells whose
// radio it is), or those bytes themselves when `holds` starts with "!".
struct File {
  const char* name;
  const char* holds;
};

struct Case {
  const char* what;
  std::vector<File> files;
  Status status;
  const char* chosen;    // the file taken or refused
  const char* holds;     // Found: memory 0's name of what it holds
  const char* replaced;  // Found journal: memory 0's name of its "-replaced" backup, or ""
};

void Put(const BackupFolder& folder, const File& file) {
  const std::string path = folder.File(file.name);
  if (file.holds[0] == '!') {
    std::ofstream(path, std::ios::binary) << (file.holds + 1);
    return;
  }
  ASSERT_TRUE(SaveDocumentFile(path, NamedImage("KK,0F", "ARVEN", file.holds), nullptr));
}

class FindBaselineTest : public ::testing::TestWithParam<Case> {};

TEST_P(FindBaselineTest, TakesTheNewestOrSaysWhyNot) {
  const Case& c = GetParam();
  BackupFolder folder;
  folder.Make();
  for (const File& file : c.files) Put(folder, file);
  const RadioImage document = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  const Baseline baseline = FindBaseline(folder.Path(), document, kNow);
  EXPECT_EQ(baseline.status, c.status);
  if (c.status == Status::None) return;
  EXPECT_EQ(baseline.name.fileName, c.chosen);
  EXPECT_EQ(baseline.path, folder.File(c.chosen));
  if (c.status == Status::Unreadable) {
    EXPECT_NE(baseline.problem.find(folder.File(c.chosen)), std::string::npos) << baseline.problem;
  }
  if (c.status != Status::Found) return;
  EXPECT_EQ(baseline.image.Plan().type, "KK,0F") << "opened with the document's plan";
  EXPECT_EQ(testing::SlotField(baseline.image, SlotKind::Memory, 0, ChannelField::Name), c.holds);
  if (c.replaced[0] == '\0') {
    EXPECT_FALSE(baseline.replaced.has_value());
  } else {
    ASSERT_TRUE(baseline.replaced.has_value());
    EXPECT_EQ(testing::SlotField(*baseline.replaced, SlotKind::Memory, 0, ChannelField::Name),
              c.replaced);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FindBaselineTest,
    ::testing::Values(
        Case{"nothing kept", {}, Status::None, "", "", ""},
        Case{"only other kinds and radios",
             {{"20261209T100000Z-0001-ARVEN-KK0F-memory.qvx", "MEMORY"},
              {"20261209T100000Z-0002-ARVEN-KK0F-menu.qvx", "MENU"},
              {"20261209T100000Z-0003-ARVEN-KK0F-replaced.qvx", "REPLACED"},
              {"20261209T100000Z-0004-BELTO-KK0F.qvx", "BELTO"},
              {"20261209T100000Z-0005-ARVEN-KK01.qvx", "VARIANT"},
              {"20240601-000000-ARVEN.qvx", "!an older read that cannot tell its type"}},
             Status::None,
             "",
             "",
             ""},
        Case{"the newest of a read and a write",
             {{"20261209T100000Z-0001-ARVEN-KK0F.qvx", "READ"},
              {"20261209T110000Z-0002-ARVEN-KK0F-written.qvx", "WRITTEN"},
              {"20261209T120000Z-0003-ARVEN-KK0F-memory.qvx", "MEMORY"}},
             Status::Found,
             "20261209T110000Z-0002-ARVEN-KK0F-written.qvx",
             "WRITTEN",
             ""},
        Case{"the clock went back before the write",
             {{"20261209T140000Z-0001-ARVEN-KK0F.qvx", "READ"},
              {"20261209T090000Z-0002-ARVEN-KK0F-written.qvx", "WRITTEN"}},
             Status::Found,
             "20261209T090000Z-0002-ARVEN-KK0F-written.qvx",
             "WRITTEN",
             ""},
        Case{"names of an earlier version come first",
             {{"20261231-235959-ARVEN-KK0F-written.qvx", "OLD"},
              {"20261209T100000Z-0001-ARVEN-KK0F.qvx", "NEW"}},
             Status::Found,
             "20261209T100000Z-0001-ARVEN-KK0F.qvx",
             "NEW",
             ""},
        Case{"an earlier version's name alone",
             {{"20261101-120000-ARVEN-KK0F.qvx", "OLDREAD"}},
             Status::Found,
             "20261101-120000-ARVEN-KK0F.qvx",
             "OLDREAD",
             ""},
        Case{"a newest write cut short is not passed over",
             {{"20261209T100000Z-0001-ARVEN-KK0F.qvx", "READ"},
              {"20261209T110000Z-0002-ARVEN-KK0F-written.qvx",
               "!QUENTAR Chanvault for DOVRA\r\n__COMMENT__\r\n\r\n__MEMORY DATA__\r\n"}},
             Status::Unreadable,
             "20261209T110000Z-0002-ARVEN-KK0F-written.qvx",
             "",
             ""},
        Case{"an empty journal: its state could not be kept",
             {{"20261209T100000Z-0001-ARVEN-KK0F.qvx", "READ"},
              {"20261209T110000Z-0002-ARVEN-KK0F-pending.qvx", "!"}},
             Status::Unreadable,
             "20261209T110000Z-0002-ARVEN-KK0F-pending.qvx",
             "",
             ""},
        Case{"a backup dated in 2099",
             {{"20261209T100000Z-0001-ARVEN-KK0F.qvx", "READ"},
              {"20990101T000000Z-0002-ARVEN-KK0F-written.qvx", "FUTURE"}},
             Status::InFuture,
             "20990101T000000Z-0002-ARVEN-KK0F-written.qvx",
             "",
             ""},
        Case{"an earlier version's backup dated in 2099",
             {{"20990101-000000-ARVEN-KK0F-written.qvx", "FUTURE"}},
             Status::InFuture,
             "20990101-000000-ARVEN-KK0F-written.qvx",
             "",
             ""},
        Case{"a clock a few minutes ahead",
             {{"20261209T141900Z-0001-ARVEN-KK0F.qvx", "AHEAD"}},
             Status::Found,
             "20261209T141900Z-0001-ARVEN-KK0F.qvx",
             "AHEAD",
             ""},
        Case{"a write of changes that did not end",
             {{"20261209T100000Z-0001-ARVEN-KK0F.qvx", "READ"},
              {"20261209T110000Z-0002-ARVEN-KK0F-replaced.qvx", "FOUND"},
              {"20261209T110000Z-0002-ARVEN-KK0F-pending.qvx", "MEANT"},
              {"20261209T110000Z-0002-BELTO-KK0F-replaced.qvx", "OTHER"}},
             Status::Found,
             "20261209T110000Z-0002-ARVEN-KK0F-pending.qvx",
             "MEANT",
             "FOUND"},
        Case{"a write of everything that did not end",
             {{"20261209T100000Z-0001-ARVEN-KK0F-replaced.qvx", "EARLIER"},
              {"20261209T110000Z-0002-ARVEN-KK0F-pending.qvx", "MEANT"}},
             Status::Found,
             "20261209T110000Z-0002-ARVEN-KK0F-pending.qvx",
             "MEANT",
             ""}),
    testing::ByCaseName());

TEST(BaselineTexts, NameWhatIsComparedWithAndWhyNot) {
  const testing::TimeZone utc("UTC0");
  Baseline baseline;
  baseline.status = Status::Found;
  baseline.name = *ParseBackupFileName("20261209T141502Z-0002-ARVEN-KK0F-written.qvx");
  EXPECT_EQ(ComparedWithText(baseline),
            "Compared with what the radio held after the write of 9 Dec 2026 14:15.");
  EXPECT_EQ(NothingChangedText(baseline),
            "Nothing has changed since the last read or write of this radio (9 Dec 2026 14:15); "
            "nothing was sent.");
  baseline.name.kind = BackupKind::Read;
  EXPECT_EQ(ComparedWithText(baseline),
            "Compared with what the radio held after the read of 9 Dec 2026 14:15.");
  baseline.name.kind = BackupKind::Pending;
  EXPECT_EQ(ComparedWithText(baseline),
            "Compared with what the write of 9 Dec 2026 14:15 was to leave; that write may not "
            "have ended, so what it wrote is checked first.");
  baseline.status = Status::InFuture;
  baseline.path = "/b/20261209T141502Z-0002-ARVEN-KK0F-pending.qvx";
  EXPECT_EQ(BaselineRefusalText(baseline),
            "The newest backup of this radio is dated later than now (9 Dec 2026 14:15; is the "
            "computer's clock right?): /b/20261209T141502Z-0002-ARVEN-KK0F-pending.qvx.");
  baseline.status = Status::Unreadable;
  baseline.problem = "/b/x.qvx: the file is empty";
  EXPECT_EQ(BaselineRefusalText(baseline),
            "The newest backup of this radio cannot be read: /b/x.qvx: the file is empty.");
}

}  // namespace
}  // namespace quorvan
