#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvan {

// The file-system calls of the core, made in one file per system (platform/posix,
// platform/windows); the saves, opens and backups above them are plain C++. Paths are the
// program's bytes, UTF-8 where a system wants to know. A call that fails returns false and
// leaves the system's reason in `failure` as a <cerrno> number, which std::strerror words.

enum class PathKind { Missing, RegularFile, SymbolicLink, Other };

// What `path` names. With followLinks false a symbolic link at its end is told as one; a path
// that names nothing is Missing, which is no failure.
bool KindOfPath(const std::string& path, bool followLinks, PathKind& kind, int& failure);

// The text a symbolic link holds: a path, relative to the link's folder unless absolute.
bool ReadSymbolicLink(const std::string& link, std::string& text, int& failure);

bool IsPathSeparator(char c);
bool IsAbsolutePath(std::string_view path);

// The longest file name, in bytes, that `folder` takes.
std::size_t FileNameLimit(const std::string& folder);

// Creates an empty file at `path` only if nothing is there: a name another program took a
// moment ago fails with EEXIST and is never written over.
bool CreateNewFile(const std::string& path, int& failure);

// Moves `from` to `to` in one step, replacing a file at `to`; both in one folder.
bool RenameOver(const std::string& from, const std::string& to, int& failure);

// Removes a file; one that cannot be removed is left as it is.
void RemoveFile(const std::string& path);

// Asks the system to put the folder's entries on the disk, so that a rename into it survives a
// crash. A folder that cannot be synced is no failure: the file itself is on the disk.
void SyncFolder(const std::string& folder);

// An open file, closed when the object goes (a failure then goes unseen: Close first to know).
class SystemFile {
 public:
  SystemFile() = default;
  ~SystemFile() { CloseQuietly(); }
  SystemFile(SystemFile&& other) noexcept : descriptor_(other.descriptor_), owned_(other.owned_) {
    other.descriptor_ = -1;
  }
  SystemFile& operator=(SystemFile&& other) noexcept {
    if (this != &other) {
      CloseQuietly();
      descriptor_ = other.descriptor_;
      owned_ = other.owned_;
      other.descriptor_ = -1;
    }
    return *this;
  }
  SystemFile(const SystemFile&) = delete;
  SystemFile& operator=(const SystemFile&) = delete;

  // Opens an existing file to read without waiting on it, so a FIFO or a device swapped in for
  // the file cannot hold the program up, and without making it the controlling terminal.
  static bool OpenForReading(const std::string& path, SystemFile& file, int& failure);
  // Creates a new file from `pattern`, whose last six characters, "XXXXXX", are made into a
  // name no other file has; `pattern` becomes the file's path.
  static bool CreateUnique(std::string& pattern, SystemFile& file, int& failure);
  // Standard input, read as bytes; it stays open when the object goes.
  static SystemFile StandardInput();

  bool IsOpen() const { return descriptor_ >= 0; }
  // What the open file is (never Missing nor SymbolicLink).
  bool Kind(PathKind& kind, int& failure) const;
  // Reads up to `size` bytes into `buffer`; `got` is 0 at the end.
  bool Read(char* buffer, std::size_t size, std::size_t& got, int& failure);
  bool WriteAll(std::string_view bytes, int& failure);
  // Puts what was written on the disk.
  bool Sync(int& failure);
  // Takes an exclusive lock on the open file without waiting; `taken` is false when another
  // open file holds one. The lock ends with the file, and with the program however it ends.
  bool TryLock(bool& taken, int& failure);
  // Gives the file the permissions of the file at `target`, or those a new file gets when
  // there is none there.
  void TakePermissionsOf(const std::string& target);
  bool Close(int& failure) {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return descriptor < 0 || !owned_ || CloseDescriptor(descriptor, failure);
  }

 private:
  SystemFile(int descriptor, bool owned) : descriptor_(descriptor), owned_(owned) {}
  void CloseQuietly() noexcept {
    int ignored = 0;
    Close(ignored);
  }
  static bool CloseDescriptor(int descriptor, int& failure);

  int descriptor_ = -1;
  bool owned_ = true;
};

}  // namespace quorvan
