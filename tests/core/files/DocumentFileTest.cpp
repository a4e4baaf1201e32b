#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/files/DocumentFile.h"
#include "core/model/ChannelFile.h"
#include "core/model/RadioImage.h"

namespace quorvan {
namespace {

namespace fs = std::filesystem;

class DocumentFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quorvan-doc-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string PathOf(const char* name) const { return (dir_ / name).string(); }

  static void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
  }
  static std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::size_t EntriesInDir() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }

  fs::path dir_;
};

RadioImage EditedDocument() {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  image.SetComment("mine");
  image.Store(SlotKind::Memory, 10,
              "010,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,CALLING");
  image.Menu().Set(kMenuBC, "1");
  return image;
}

TEST_F(DocumentFileTest, SaveWritesTheChannelTextAndOpenReadsItBack) {
  const RadioImage document = EditedDocument();
  const std::string path = PathOf("a.qvx");
  std::string error;
  ASSERT_TRUE(SaveDocumentFile(path, document, &error)) << error;
  EXPECT_EQ(ReadBytes(path), WriteChannelFileText(document));
  EXPECT_EQ(EntriesInDir(), 1u);  // no temporary file left behind

  RadioImage opened;
  opened.Plan() = document.Plan();
  ASSERT_TRUE(OpenDocumentFile(path, opened));
  EXPECT_TRUE(opened == document);
}

TEST_F(DocumentFileTest, OpenStartsFromClearedDefaultsNotFromTheOldDocument) {
  const std::string path = PathOf("b.qvx");
  WriteBytes(path,
             "QUENTAR Chanvault for DOVRA\r\n__MEMORY DATA__\r\n"
             "001\t00145000000\t0\t0\t0\t0\t0\t0\t08\t08\t000\t000600000\t0\t0\t\t\t\tONE\r\n");
  RadioImage document = EditedDocument();
  document.Store(SlotKind::Vfo, 4, "4,garbage");
  ASSERT_TRUE(OpenDocumentFile(path, document));

  RadioImage expected;
  expected.Plan() = document.Plan();
  ApplyBandPlanDefaults(expected);
  ApplyMenuDefaults(expected.Menu(), expected.Plan());
  expected.SetComment("QUENTAR Chanvault for DOVRA");
  expected.Store(SlotKind::Memory, 1, "001,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,ONE");
  EXPECT_TRUE(document == expected);
  EXPECT_EQ(document.Record(SlotKind::Memory, 10), "");   // old memory gone
  EXPECT_EQ(document.Record(SlotKind::Memory, 422), "");  // I channels only from the file
  EXPECT_EQ(document.Menu().Get(kMenuBC), "0");
}

TEST_F(DocumentFileTest, RejectedOrUnreadableFilesLeaveTheDocumentUntouched) {
  WriteBytes(PathOf("header.qvx"), "QUENTAR Chanvault for DOVRA \r\n__COMMENT__\r\nx\r\n");
  WriteBytes(PathOf("late.qvx"), "QUENTAR Chanvault for DOVRA\r\n__COMMENT__\r\nnew\r\n" +
                                     std::string(120, 'x') + "\r\n");
  WriteBytes(PathOf("huge.qvx"),
             "QUENTAR Chanvault for DOVRA\r\n" + std::string(kChannelFileMaxBytes, '\n'));
  WriteBytes(PathOf("empty.qvx"), "");
  fs::create_directory(dir_ / "folder.qvx");

  for (const char* name :
       {"header.qvx", "late.qvx", "huge.qvx", "empty.qvx", "folder.qvx", "missing.qvx"}) {
    SCOPED_TRACE(name);
    RadioImage document = EditedDocument();
    EXPECT_FALSE(OpenDocumentFile(PathOf(name), document));
    EXPECT_TRUE(document == EditedDocument());
  }
}

TEST_F(DocumentFileTest, SaveReplacesAnOldFileAndKeepsItsPermissions) {
  const std::string path = PathOf("c.qvx");
  WriteBytes(path, "old contents");
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(SaveDocumentFile(path, EditedDocument(), nullptr));
  EXPECT_EQ(ReadBytes(path), WriteChannelFileText(EditedDocument()));
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(EntriesInDir(), 1u);
}

TEST_F(DocumentFileTest, FailedSaveReportsAndLeavesNoTemporaryFile) {
  // A non-empty folder in the way: the rename fails after the temporary file was written.
  fs::create_directory(dir_ / "taken.qvx");
  WriteBytes(PathOf("taken.qvx/keep"), "keep");
  std::string error;
  EXPECT_FALSE(SaveDocumentFile(PathOf("taken.qvx"), EditedDocument(), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadBytes(PathOf("taken.qvx/keep")), "keep");
  EXPECT_EQ(EntriesInDir(), 1u);

  error.clear();
  EXPECT_FALSE(SaveDocumentFile(PathOf("no/such/folder/d.qvx"), EditedDocument(), &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace quorvan
