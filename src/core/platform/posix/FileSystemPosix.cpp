#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "core/platform/FileSystem.h"

namespace quorvan {

namespace {

// The name limit of the common Linux file systems, for a folder that does not say.
constexpr long kUsualNameLimit = 255;
// For a link whose size the system does not tell (those under /proc).
constexpr std::size_t kUnsizedLinkRoom = 256;

PathKind KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return PathKind::RegularFile;
  if (S_ISLNK(mode)) return PathKind::SymbolicLink;
  return PathKind::Other;
}

const char* FolderName(const std::string& folder) { return folder.empty() ? "." : folder.c_str(); }

}  // namespace

bool KindOfPath(const std::string& path, bool followLinks, PathKind& kind, int& failure) {
  struct stat info {};
  const int result = followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
  if (result != 0) {
    if (errno != ENOENT) {
      failure = errno;
      return false;
    }
    kind = PathKind::Missing;
    return true;
  }
  kind = KindOfMode(info.st_mode);
  return true;
}

bool ReadSymbolicLink(const std::string& link, std::string& text, int& failure) {
  struct stat info {};
  if (::lstat(link.c_str(), &info) != 0) {
    failure = errno;
    return false;
  }
  // One byte more than the link holds, so that a link grown meanwhile is seen.
  text.assign((info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : kUnsizedLinkRoom) + 1,
              '\0');
  const ssize_t length = ::readlink(link.c_str(), text.data(), text.size());
  if (length < 0) {
    failure = errno;
    return false;
  }
  if (static_cast<std::size_t>(length) == text.size()) {
    failure = ENAMETOOLONG;  // the link changed meanwhile
    return false;
  }
  text.resize(static_cast<std::size_t>(length));
  return true;
}

bool IsPathSeparator(char c) { return c == '/'; }

bool IsAbsolutePath(std::string_view path) { return !path.empty() && path[0] == '/'; }

std::size_t FileNameLimit(const std::string& folder) {
  const long limit = ::pathconf(FolderName(folder), _PC_NAME_MAX);
  return static_cast<std::size_t>(limit > 0 ? limit : kUsualNameLimit);
}

bool CreateNewFile(const std::string& path, int& failure) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd < 0) {
    failure = errno;
    return false;
  }
  ::close(fd);
  return true;
}

bool RenameOver(const std::string& from, const std::string& to, int& failure) {
  if (::rename(from.c_str(), to.c_str()) == 0) return true;
  failure = errno;
  return false;
}

void RemoveFile(const std::string& path) { ::unlink(path.c_str()); }

void SyncFolder(const std::string& folder) {
  const int fd = ::open(FolderName(folder), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool SystemFile::OpenForReading(const std::string& path, SystemFile& file, int& failure) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    failure = errno;
    return false;
  }
  file = SystemFile(fd, true);
  return true;
}

bool SystemFile::CreateUnique(std::string& pattern, SystemFile& file, int& failure) {
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) {
    failure = errno;
    return false;
  }
  file = SystemFile(fd, true);
  return true;
}

SystemFile SystemFile::StandardInput() { return SystemFile(STDIN_FILENO, false); }

bool SystemFile::Kind(PathKind& kind, int& failure) const {
  struct stat info {};
  if (::fstat(descriptor_, &info) != 0) {
    failure = errno;
    return false;
  }
  kind = KindOfMode(info.st_mode);
  return true;
}

bool SystemFile::Read(char* buffer, std::size_t size, std::size_t& got, int& failure) {
  for (;;) {
    const ssize_t count = ::read(descriptor_, buffer, size);
    if (count >= 0) {
      got = static_cast<std::size_t>(count);
      return true;
    }
    if (errno != EINTR) {
      failure = errno;
      return false;
    }
  }
}

bool SystemFile::WriteAll(std::string_view bytes, int& failure) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      failure = errno;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool SystemFile::Sync(int& failure) {
  if (::fsync(descriptor_) == 0) return true;
  failure = errno;
  return false;
}

bool SystemFile::TryLock(bool& taken, int& failure) {
  taken = ::flock(descriptor_, LOCK_EX | LOCK_NB) == 0;
  if (taken || errno == EWOULDBLOCK) return true;
  failure = errno;
  return false;
}

void SystemFile::TakePermissionsOf(const std::string& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) {
    ::fchmod(descriptor_, old.st_mode & 07777);
    return;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(descriptor_, 0666 & ~mask);
}

bool SystemFile::CloseDescriptor(int descriptor, int& failure) {
  if (::close(descriptor) == 0) return true;
  failure = errno;
  return false;
}

}  // namespace quorvan
