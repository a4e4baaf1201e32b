#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "core/platform/FileSystem.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cerrno>
#include <climits>
#include <random>

namespace quorvan {

// The runtime's descriptors and wide-character calls, so that paths keep every character; the
// program's paths are UTF-8. Files there carry no permission bits a save should copy, symbolic
// links are not followed by name (a save replaces a link itself), and a rename reaches the
// disk with the file (MOVEFILE_WRITE_THROUGH), so a folder needs no sync of its own.

namespace {

// The names of NTFS and FAT long names, counted in UTF-16 units; a UTF-8 name of this many
// bytes never has more of them.
constexpr std::size_t kNameLimit = 255;
constexpr int kUniqueNameAttempts = 100;
constexpr std::size_t kUniqueLetters = 6;
constexpr int kReadAndWrite = _S_IREAD | _S_IWRITE;

bool Widen(const std::string& path, std::wstring& wide, int& failure) {
  wide.clear();
  if (path.empty()) return true;
  if (path.size() > static_cast<std::size_t>(INT_MAX)) {
    failure = ENAMETOOLONG;
    return false;
  }
  const int size = static_cast<int>(path.size());
  const int length =
      ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, nullptr, 0);
  if (length <= 0) {
    failure = EINVAL;  // not UTF-8
    return false;
  }
  wide.resize(static_cast<std::size_t>(length));
  ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, wide.data(), length);
  return true;
}

// The <cerrno> number nearest to a system error code, for the calls that set no errno.
int ErrorNumberOf(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
      return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_NOT_SAME_DEVICE:
      return EXDEV;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    default:
      return EIO;
  }
}

PathKind KindOfMode(unsigned short mode) {
  return (mode & _S_IFMT) == _S_IFREG ? PathKind::RegularFile : PathKind::Other;
}

// Opens with _wopen; -1 with `failure` set when it fails.
int OpenWide(const std::string& path, int flags, int& failure) {
  std::wstring wide;
  if (!Widen(path, wide, failure)) return -1;
  const int fd = ::_wopen(wide.c_str(), flags | _O_BINARY | _O_NOINHERIT, kReadAndWrite);
  if (fd < 0) failure = errno;
  return fd;
}

}  // namespace

bool KindOfPath(const std::string& path, bool /*followLinks*/, PathKind& kind, int& failure) {
  std::wstring wide;
  if (!Widen(path, wide, failure)) return false;
  struct _stat64 info {};
  if (::_wstat64(wide.c_str(), &info) != 0) {
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

bool ReadSymbolicLink(const std::string& /*link*/, std::string& /*text*/, int& failure) {
  failure = EINVAL;  // KindOfPath tells no links here
  return false;
}

bool IsPathSeparator(char c) { return c == '/' || c == '\\'; }

bool IsAbsolutePath(std::string_view path) {
  if (!path.empty() && IsPathSeparator(path[0])) return true;
  return path.size() > 2 && path[1] == ':' && IsPathSeparator(path[2]);
}

std::size_t FileNameLimit(const std::string& /*folder*/) { return kNameLimit; }

bool CreateNewFile(const std::string& path, int& failure) {
  const int fd = OpenWide(path, _O_WRONLY | _O_CREAT | _O_EXCL, failure);
  if (fd < 0) return false;
  ::_close(fd);
  return true;
}

bool RenameOver(const std::string& from, const std::string& to, int& failure) {
  std::wstring wideFrom;
  std::wstring wideTo;
  if (!Widen(from, wideFrom, failure) || !Widen(to, wideTo, failure)) return false;
  if (::MoveFileExW(wideFrom.c_str(), wideTo.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  failure = ErrorNumberOf(::GetLastError());
  return false;
}

void RemoveFile(const std::string& path) {
  std::wstring wide;
  int failure = 0;
  if (Widen(path, wide, failure)) ::_wunlink(wide.c_str());
}

void SyncFolder(const std::string& /*folder*/) {}

bool SystemFile::OpenForReading(const std::string& path, SystemFile& file, int& failure) {
  const int fd = OpenWide(path, _O_RDONLY, failure);
  if (fd < 0) return false;
  file = SystemFile(fd, true);
  return true;
}

bool SystemFile::CreateUnique(std::string& pattern, SystemFile& file, int& failure) {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  if (pattern.size() < kUniqueLetters) {
    failure = EINVAL;
    return false;
  }
  std::random_device seed;
  std::mt19937 random(seed());
  std::uniform_int_distribution<std::size_t> letter(0, sizeof kLetters - 2);
  const std::size_t first = pattern.size() - kUniqueLetters;
  for (int attempt = 0; attempt < kUniqueNameAttempts; ++attempt) {
    for (std::size_t i = first; i < pattern.size(); ++i) pattern[i] = kLetters[letter(random)];
    const int fd = OpenWide(pattern, _O_RDWR | _O_CREAT | _O_EXCL, failure);
    if (fd >= 0) {
      file = SystemFile(fd, true);
      return true;
    }
    if (failure != EEXIST) return false;
  }
  return false;
}

SystemFile SystemFile::StandardInput() {
  ::_setmode(0, _O_BINARY);  // a file's bytes as they are, CR LF included
  return SystemFile(0, false);
}

bool SystemFile::Kind(PathKind& kind, int& failure) const {
  struct _stat64 info {};
  if (::_fstat64(descriptor_, &info) != 0) {
    failure = errno;
    return false;
  }
  kind = KindOfMode(info.st_mode);
  return true;
}

bool SystemFile::Read(char* buffer, std::size_t size, std::size_t& got, int& failure) {
  const unsigned int asked = size > INT_MAX ? INT_MAX : static_cast<unsigned int>(size);
  const int count = ::_read(descriptor_, buffer, asked);
  if (count < 0) {
    failure = errno;
    return false;
  }
  got = static_cast<std::size_t>(count);
  return true;
}

bool SystemFile::WriteAll(std::string_view bytes, int& failure) {
  while (!bytes.empty()) {
    const unsigned int asked =
        bytes.size() > INT_MAX ? INT_MAX : static_cast<unsigned int>(bytes.size());
    const int written = ::_write(descriptor_, bytes.data(), asked);
    if (written < 0) {
      failure = errno;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool SystemFile::Sync(int& failure) {
  if (::_commit(descriptor_) == 0) return true;
  failure = errno;
  return false;
}

bool SystemFile::TryLock(bool& taken, int& failure) {
  const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(descriptor_));
  OVERLAPPED whole{};
  taken = ::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                       MAXDWORD, &whole) != 0;
  if (taken || ::GetLastError() == ERROR_LOCK_VIOLATION) return true;
  failure = EACCES;
  return false;
}

void SystemFile::TakePermissionsOf(const std::string& /*target*/) {}

bool SystemFile::CloseDescriptor(int descriptor, int& failure) {
  if (::_close(descriptor) == 0) return true;
  failure = errno;
  return false;
}

}  // namespace quorvan
