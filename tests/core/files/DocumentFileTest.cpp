#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
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

TEST_F(DocumentFileTest, OpenTakesEveryRecordFromTheFileAndNothingFromTheOldDocument) {
  // A radio without a CALL channel on 144 MHz nor a VFO for B_144MHz: saved, the slots stay
  // empty when the file is opened again instead of taking the band plan's defaults.
  RadioImage saved = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  saved.Store(SlotKind::Call, 0, "");
  saved.Store(SlotKind::Vfo, 9, "");
  saved.Store(SlotKind::Memory, 1, "001,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,ONE");
  const std::string path = PathOf("b.qvx");
  ASSERT_TRUE(SaveDocumentFile(path, saved, nullptr));

  RadioImage document = EditedDocument();
  ASSERT_TRUE(OpenDocumentFile(path, document));
  EXPECT_TRUE(document == saved);
  EXPECT_EQ(document.Record(SlotKind::Memory, 10), "");  // the old document's channel is gone
  EXPECT_EQ(document.Record(SlotKind::Call, 0), "");
  EXPECT_EQ(document.Record(SlotKind::Vfo, 9), "");
}

TEST_F(DocumentFileTest, RefusedFilesSayWhyAndLeaveTheDocumentUntouched) {
  WriteBytes(PathOf("header.qvx"), "QUENTAR Chanvault for DOVRA \r\n__COMMENT__\r\nx\r\n");
  WriteBytes(PathOf("late.qvx"), "QUENTAR Chanvault for DOVRA\r\n__COMMENT__\r\nnew\r\n" +
                                     std::string(120, 'x') + "\r\n");
  WriteBytes(PathOf("huge.qvx"),
             "QUENTAR Chanvault for DOVRA\r\n" + std::string(kChannelFileMaxBytes, '\n'));
  WriteBytes(PathOf("empty.qvx"), "");
  fs::create_directory(dir_ / "folder.qvx");
  // Nobody writes to the FIFO: opening it for reading would wait for ever.
  ASSERT_EQ(::mkfifo(PathOf("fifo.qvx").c_str(), 0600), 0);
  fs::create_symlink(PathOf("fifo.qvx"), PathOf("to-fifo.qvx"));

  const struct {
    const char* name;
    std::string problem;
  } cases[] = {
      {"header.qvx", "Line 1: the first line is not \"QUENTAR Chanvault for DOVRA\"."},
      {"late.qvx", "Line 4: the line is longer than 99 characters."},
      {"huge.qvx", "cannot read " + PathOf("huge.qvx") + ": the file is larger than 1 MiB"},
      {"empty.qvx", "Line 1: the file is empty."},
      {"folder.qvx", "cannot read " + PathOf("folder.qvx") + ": not a regular file"},
      {"fifo.qvx", "cannot read " + PathOf("fifo.qvx") + ": not a regular file"},
      {"to-fifo.qvx", "cannot read " + PathOf("to-fifo.qvx") + ": not a regular file"},
      {"missing.qvx", "cannot read " + PathOf("missing.qvx") + ": No such file or directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RadioImage document = EditedDocument();
    std::string problem;
    EXPECT_FALSE(OpenDocumentFile(PathOf(c.name), document, &problem));
    EXPECT_EQ(problem, c.problem);
    EXPECT_TRUE(document == EditedDocument());
  }
  EXPECT_TRUE(fs::is_fifo(PathOf("fifo.qvx")));
}

// Where a save lands for each kind of existing target.
TEST_F(DocumentFileTest, OutputsFollowLinksAndRefuseWhatIsNotARegularFile) {
  const std::string bytes = WriteChannelFileText(EditedDocument());
  fs::create_directory(dir_ / "sub");
  WriteBytes(PathOf("sub/real.qvx"), "old");
  fs::create_symlink("sub/real.qvx", dir_ / "relative.qvx");
  fs::create_symlink(PathOf("relative.qvx"), dir_ / "chain.qvx");
  fs::create_symlink("sub/new.qvx", dir_ / "dangling.qvx");
  fs::create_symlink("loop-b.qvx", dir_ / "loop-a.qvx");
  fs::create_symlink("loop-a.qvx", dir_ / "loop-b.qvx");
  ASSERT_EQ(::mkfifo(PathOf("fifo.qvx").c_str(), 0600), 0);
  fs::create_symlink("fifo.qvx", dir_ / "to-fifo.qvx");
  // Names as long as the folder allows, in ASCII and in two-byte UTF-8 characters.
  const std::string longAscii = std::string(251, 'a') + ".qvx";
  std::string longUtf8;
  while (longUtf8.size() + 2 <= 251) longUtf8 += "\xC3\xBC";
  longUtf8 += ".qvx";

  const struct {
    std::string target;  // what the save is given
    std::string lands;   // the file holding the bytes afterwards; "" when refused
    std::string error;
  } cases[] = {
      {"relative.qvx", "sub/real.qvx", ""},
      {"chain.qvx", "sub/real.qvx", ""},
      {"dangling.qvx", "sub/new.qvx", ""},
      {longAscii, longAscii, ""},
      {longUtf8, longUtf8, ""},
      {"fifo.qvx", "", ": not a regular file"},
      {"to-fifo.qvx", "", ": not a regular file"},
      {"sub", "", ": not a regular file"},
      {"loop-a.qvx", "", ": Too many levels of symbolic links"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target.substr(0, 40));
    std::string error;
    const bool saved = SaveDocumentFile(PathOf(c.target.c_str()), EditedDocument(), &error);
    EXPECT_EQ(saved, !c.lands.empty()) << error;
    if (saved) {
      EXPECT_EQ(ReadBytes(PathOf(c.lands.c_str())), bytes);
    } else {
      EXPECT_EQ(error, "cannot write " + PathOf(c.target.c_str()) + c.error);
    }
  }
  // The links are still links, the FIFO still a FIFO, and no temporary file was left.
  EXPECT_TRUE(fs::is_symlink(dir_ / "relative.qvx"));
  EXPECT_TRUE(fs::is_symlink(dir_ / "dangling.qvx"));
  EXPECT_TRUE(fs::is_fifo(dir_ / "fifo.qvx"));
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir_)) names.insert(entry.path().filename());
  for (const auto& entry : fs::directory_iterator(dir_ / "sub")) {
    names.insert("sub/" + entry.path().filename().string());
  }
  EXPECT_EQ(names, (std::set<std::string>{"relative.qvx", "chain.qvx", "dangling.qvx", "loop-a.qvx",
                                          "loop-b.qvx", "fifo.qvx", "to-fifo.qvx", "sub",
                                          "sub/real.qvx", "sub/new.qvx", longAscii, longUtf8}));
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
