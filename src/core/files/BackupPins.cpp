#include "core/files/BackupPins.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/files/BackupName.h"
#include "core/platform/FileSystem.h"

namespace quorvan {

namespace fs = std::filesystem;

namespace {

bool Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

}  // namespace

std::string PinFileName(std::string_view backupFileName) {
  return std::string(backupFileName) + std::string(kPinExtension);
}

std::set<std::string> PinnedBackups(const std::string& folder) {
  std::set<std::string> pinned;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() <= kPinExtension.size() ||
        name.compare(name.size() - kPinExtension.size(), kPinExtension.size(), kPinExtension) !=
            0) {
      continue;
    }
    const std::string backup = name.substr(0, name.size() - kPinExtension.size());
    // Only a backup's name: a pin can never keep a file of the user's own.
    if (ParseBackupFileName(backup)) pinned.insert(backup);
  }
  return pinned;
}

bool IsPinned(const std::string& folder, std::string_view backupFileName) {
  std::error_code ec;
  return fs::exists(fs::path(folder) / PinFileName(backupFileName), ec);
}

bool SetPinned(const std::string& folder, std::string_view backupFileName, bool pinned,
               std::string* error) {
  const fs::path backup = fs::path(folder) / std::string(backupFileName);
  // A backup's name has no folder in it, so no pin is ever made or removed elsewhere.
  if (!ParseBackupFileName(backupFileName)) {
    return Fail(error, "there is no backup " + backup.string());
  }
  const std::string pin = (fs::path(folder) / PinFileName(backupFileName)).string();
  PathKind kind = PathKind::Missing;
  int failure = 0;
  if (!pinned) {
    RemoveFile(pin);
    if (KindOfPath(pin, false, kind, failure) && kind == PathKind::Missing) return true;
    return Fail(error, "cannot remove " + pin);
  }
  std::error_code ec;
  if (!fs::is_regular_file(backup, ec)) return Fail(error, "there is no backup " + backup.string());
  // Only a new file is made: a link left in the pin's place is not followed (nothing elsewhere
  // is created), nor does a FIFO there hold the program up. A pin already there stays.
  if (CreateNewFile(pin, failure)) return true;
  if (failure != EEXIST) return Fail(error, "cannot create " + pin + ": " + std::strerror(failure));
  if (KindOfPath(pin, false, kind, failure) && kind == PathKind::RegularFile) return true;
  return Fail(error, "cannot create " + pin + ": something that is not a file is in its place");
}

}  // namespace quorvan
