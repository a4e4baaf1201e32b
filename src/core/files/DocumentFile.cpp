#include "core/files/DocumentFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "core/model/ChannelFile.h"

namespace quorvan {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

// The file's bytes, or false when it cannot be read or exceeds the channel file bound.
bool ReadBoundedFile(const std::string& path, std::string& bytes) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  std::vector<char> chunk(64 * 1024);
  bytes.clear();
  for (;;) {
    const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
    bytes.append(chunk.data(), got);
    if (bytes.size() > kChannelFileMaxBytes) return false;
    if (got < chunk.size()) break;
  }
  return !std::ferror(file.get());
}

std::string FolderForTemporary(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

bool Fail(std::string* error, std::string_view what, int errorNumber) {
  if (error) *error = std::string(what) + ": " + std::strerror(errorNumber);
  return false;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The new file gets the old file's permissions, or the usual ones for a new file.
void SetPermissions(int fd, const std::string& path) {
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) {
    ::fchmod(fd, old.st_mode & 07777);
    return;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
}

// So that the rename itself survives a crash; a folder that cannot be synced is no failure.
void SyncFolder(const std::string& path) {
  const int fd = ::open(FolderForTemporary(path).c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool OpenDocumentFile(const std::string& path, RadioImage& document) {
  std::string bytes;
  if (!ReadBoundedFile(path, bytes)) return false;
  RadioImage scratch = document;
  scratch.Clear();
  ApplyBandPlanDefaults(scratch);
  ApplyMenuDefaults(scratch.Menu(), scratch.Plan());
  if (!ReadChannelFileText(bytes, scratch)) return false;
  document = std::move(scratch);
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return Fail(error, "cannot create a file next to " + path, errno);

  SetPermissions(fd, path);
  int failure = 0;
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) failure = errno;
  if (::close(fd) != 0 && failure == 0) failure = errno;
  if (failure == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) failure = errno;
  if (failure != 0) {
    ::unlink(temporary.c_str());
    return Fail(error, "cannot write " + path, failure);
  }
  SyncFolder(path);
  return true;
}

bool SaveDocumentFile(const std::string& path, const RadioImage& image, std::string* error) {
  return WriteFileAtomically(path, WriteChannelFileText(image), error);
}

}  // namespace quorvan
