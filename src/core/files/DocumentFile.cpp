#include "core/files/DocumentFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "core/model/ChannelFile.h"

namespace quorvan {

namespace {

// As many links as the system itself follows before it gives up with ELOOP.
constexpr int kMostLinksFollowed = 40;
constexpr std::string_view kTemporarySuffix = ".XXXXXX";
// The name limit of the common Linux file systems, for a folder that does not say.
constexpr long kUsualNameLimit = 255;
constexpr std::size_t kReadChunk = 64 * 1024;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int Get() const { return fd_; }

 private:
  int fd_;
};

bool Fail(std::string* error, const std::string& what, int errorNumber) {
  if (error) *error = what + ": " + std::strerror(errorNumber);
  return false;
}

bool FailText(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

std::string SizeText(std::size_t bytes) {
  constexpr std::size_t kMiB = std::size_t{1} << 20;
  return bytes % kMiB == 0 ? std::to_string(bytes / kMiB) + " MiB"
                           : std::to_string(bytes) + " bytes";
}

// The folder part of a path with its trailing slash, or "" for a bare name.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a write to `path` replaces: symbolic links are followed to the file they lead to,
// which need not exist yet. False for an existing target that is not a regular file.
bool ResolveOutputTarget(const std::string& path, std::string& target, std::string* error) {
  target = path;
  for (int hop = 0;; ++hop) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0) {
      if (errno == ENOENT) return true;  // a new file
      return Fail(error, "cannot write " + path, errno);
    }
    if (S_ISREG(info.st_mode)) return true;
    if (!S_ISLNK(info.st_mode)) {
      return FailText(error, "cannot write " + path + ": not a regular file");
    }
    if (hop == kMostLinksFollowed) return Fail(error, "cannot write " + path, ELOOP);
    std::string link(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 256) + 1, '\0');
    const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
    if (length < 0) return Fail(error, "cannot write " + path, errno);
    if (static_cast<std::size_t>(length) == link.size()) {
      return Fail(error, "cannot write " + path, ENAMETOOLONG);  // the link changed meanwhile
    }
    link.resize(static_cast<std::size_t>(length));
    target = !link.empty() && link[0] == '/' ? link : FolderOf(target) + link;
  }
}

// The mkstemp template for a temporary file next to `target`: the target's name, cut where
// needed so that name and suffix fit the folder's name limit.
std::string TemporaryTemplate(const std::string& target) {
  const std::string folder = FolderOf(target);
  std::string name = target.substr(folder.size());
  long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  if (limit <= 0) limit = kUsualNameLimit;
  const std::size_t room = static_cast<std::size_t>(limit) > kTemporarySuffix.size()
                               ? static_cast<std::size_t>(limit) - kTemporarySuffix.size()
                               : 0;
  if (name.size() > room) {
    // Never inside a UTF-8 sequence, so a file system that insists on UTF-8 names takes it.
    std::size_t keep = room;
    while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
    name.resize(keep);
  }
  return folder + name + std::string(kTemporarySuffix);
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
void SetPermissions(int fd, const std::string& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) {
    ::fchmod(fd, old.st_mode & 07777);
    return;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
}

// So that the rename itself survives a crash; a folder that cannot be synced is no failure.
void SyncFolder(const std::string& target) {
  const std::string folder = FolderOf(target);
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

namespace {

// Reads fd to its end, at most maxBytes; `what` opens the error ("cannot read PATH").
bool ReadAllBounded(int fd, std::size_t maxBytes, std::string& bytes, const std::string& what,
                    std::string* error) {
  bytes.clear();
  std::string chunk(kReadChunk, '\0');
  for (;;) {
    const ssize_t got = ::read(fd, chunk.data(), chunk.size());
    if (got < 0) {
      if (errno == EINTR) continue;
      return Fail(error, what, errno);
    }
    if (got == 0) return true;
    bytes.append(chunk.data(), static_cast<std::size_t>(got));
    if (bytes.size() > maxBytes) {
      return FailText(error, what + ": the file is larger than " + SizeText(maxBytes));
    }
  }
}

}  // namespace

bool ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                     std::string* error) {
  const std::string what = "cannot read " + path;
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return Fail(error, what, errno);
  if (!S_ISREG(info.st_mode)) return FailText(error, what + ": not a regular file");
  // Non-blocking, so that whatever is swapped in after the check cannot hold the open up; what
  // was opened is checked again.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.Get() < 0) return Fail(error, what, errno);
  if (::fstat(file.Get(), &info) != 0) return Fail(error, what, errno);
  if (!S_ISREG(info.st_mode)) return FailText(error, what + ": not a regular file");
  return ReadAllBounded(file.Get(), maxBytes, bytes, what, error);
}

bool ReadStandardInput(std::size_t maxBytes, std::string& bytes, std::string* error) {
  return ReadAllBounded(STDIN_FILENO, maxBytes, bytes, "cannot read standard input", error);
}

bool OpenDocumentText(std::string_view bytes, RadioImage& document, std::string* problem) {
  // A saved document is all in its file: every record it held has a line, and the program
  // VFO and menu lines are always there. What the file leaves out was empty when it was saved.
  RadioImage scratch = document;
  scratch.Clear();
  if (!ReadChannelFileText(bytes, scratch, problem)) return false;
  document = std::move(scratch);
  return true;
}

bool OpenDocumentFile(const std::string& path, RadioImage& document, std::string* problem) {
  std::string bytes;
  if (!ReadRegularFile(path, kChannelFileMaxBytes, bytes, problem)) return false;
  return OpenDocumentText(bytes, document, problem);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
  std::string target;
  if (!ResolveOutputTarget(path, target, error)) return false;
  std::string temporary = TemporaryTemplate(target);
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return Fail(error, "cannot create a file next to " + path, errno);

  SetPermissions(fd, target);
  int failure = 0;
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) failure = errno;
  if (::close(fd) != 0 && failure == 0) failure = errno;
  if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
  if (failure != 0) {
    ::unlink(temporary.c_str());
    return Fail(error, "cannot write " + path, failure);
  }
  SyncFolder(target);
  return true;
}

bool SaveDocumentFile(const std::string& path, const RadioImage& image, std::string* error) {
  return WriteFileAtomically(path, WriteChannelFileText(image), error);
}

}  // namespace quorvan
