// Saves that cannot succeed: each reports failure, leaves the old file byte for byte as it was
// and leaves no temporary file behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/files/DocumentFile.h"
#include "core/model/ChannelFile.h"
#include "core/model/RadioImage.h"

namespace quorvan {
namespace {

namespace fs = std::filesystem;

const std::string kOldBytes = "QUENTAR Chanvault for DOVRA\r\n__COMMENT__\r\nthe old file\r\n";

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every entry under a folder with its bytes ("/" for a folder), to compare before and after.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string name = fs::relative(entry.path(), root).string();
    entries[name] = entry.is_directory() ? "/" : ReadBytes(entry.path());
  }
  return entries;
}

// Files may grow to `bytes` only, and going past the limit fails the write with EFBIG instead
// of killing the process. Both are put back afterwards.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ok_ = ::getrlimit(RLIMIT_FSIZE, &saved_) == 0;
    previous_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    ok_ = ok_ && ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool Ok() const { return ok_; }

 private:
  rlimit saved_{};
  void (*previous_)(int) = SIG_DFL;
  bool ok_ = false;
};

class DocumentFileFaultTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quorvan-fault-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
      if (entry.is_directory()) fs::permissions(entry, fs::perms::owner_all, fs::perm_options::add);
    }
    fs::remove_all(dir_);
  }

  // The save fails, says why, and the folder holds exactly what it held before.
  // With `limitFileSize` only the save itself runs under the file-size limit.
  void ExpectRefusedSave(const fs::path& target, bool limitFileSize = false) {
    const RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
    ASSERT_GT(WriteChannelFileText(image).size(), kLimitBytes) << "the document must not fit";
    const auto before = Snapshot(dir_);
    std::string error;
    bool limited = true;
    bool saved = true;
    {
      std::unique_ptr<FileSizeLimit> limit;
      if (limitFileSize) limit = std::make_unique<FileSizeLimit>(kLimitBytes);
      limited = !limit || limit->Ok();
      if (limited) saved = SaveDocumentFile(target.string(), image, &error);
    }
    ASSERT_TRUE(limited) << "the file-size limit could not be set";
    EXPECT_FALSE(saved);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Snapshot(dir_), before);
  }

  static constexpr std::size_t kLimitBytes = 1024;
  fs::path dir_;
};

TEST_F(DocumentFileFaultTest, DiskFullPartWayLeavesTheOldFile) {
  const fs::path target = dir_ / "radio.qvx";
  WriteBytes(target, kOldBytes);
  ExpectRefusedSave(target, true);
}

TEST_F(DocumentFileFaultTest, TargetThatIsAFolderStaysAFolder) {
  const fs::path target = dir_ / "radio.qvx";
  fs::create_directory(target);
  WriteBytes(target / "inside.qvx", kOldBytes);
  ExpectRefusedSave(target);
  EXPECT_TRUE(fs::is_directory(target));
}

TEST_F(DocumentFileFaultTest, FolderThatIsARegularFileCannotHoldTheSave) {
  const fs::path notAFolder = dir_ / "plain";
  WriteBytes(notAFolder, kOldBytes);
  ExpectRefusedSave(notAFolder / "radio.qvx");
}

TEST_F(DocumentFileFaultTest, ReadOnlyFolderLeavesTheOldFile) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "running as root: folder permissions do not stop root, the other faults here "
                    "cover a refused create";
  }
  const fs::path folder = dir_ / "locked";
  fs::create_directory(folder);
  const fs::path target = folder / "radio.qvx";
  WriteBytes(target, kOldBytes);
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  ExpectRefusedSave(target);
  EXPECT_EQ(ReadBytes(target), kOldBytes);
}

}  // namespace
}  // namespace quorvan
