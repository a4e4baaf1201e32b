#include "core/files/RecoveryFile.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/files/DocumentFile.h"

namespace quorvan {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFormatLine = "Quorvan recovery 1";
constexpr std::string_view kRecoveryExtension = ".qvr";
// A recovery file is a document and a few lines; anything much larger is not one.
constexpr std::size_t kMostRecoveryBytes = 4 * 1024 * 1024;

std::string LockPathOf(const std::string& recoveryPath) {
  return recoveryPath.substr(0, recoveryPath.size() - kRecoveryExtension.size());
}

bool TakeLine(std::string_view& rest, std::string_view& line) {
  const std::size_t end = rest.find('\n');
  if (end == std::string_view::npos) return false;
  line = rest.substr(0, end);
  rest.remove_prefix(end + 1);
  return true;
}

bool TakeField(std::string_view& rest, std::string_view key, std::string_view& value) {
  std::string_view line;
  if (!TakeLine(rest, line) || line.substr(0, key.size()) != key) return false;
  value = line.substr(key.size());
  return true;
}

bool Failed(std::string* error, const std::string& what, int failure) {
  if (error) *error = what + ": " + std::strerror(failure);
  return false;
}

// Opens (making it when missing) and locks the lock file at `path`; `taken` tells whether the
// lock was free.
bool LockAt(const std::string& path, SystemFile& lock, bool& taken, int& failure) {
  taken = false;
  if (!CreateNewFile(path, failure) && failure != EEXIST) return false;
  return SystemFile::OpenForReading(path, lock, failure) && lock.TryLock(taken, failure);
}

}  // namespace

std::string RecoveryFileText(const RecoveredDocument& document) {
  std::string name = document.name;
  name.erase(
      std::remove_if(name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r'; }),
      name.end());
  return std::string(kFormatLine) + "\nname=" + name +
         "\nradio=" + (document.fromRadio ? "1" : "0") +
         "\nkept=" + std::to_string(document.keptAt) + "\n\n" + document.text;
}

bool ParseRecoveryFile(std::string_view bytes, RecoveredDocument& document, std::string* error) {
  std::string_view rest = bytes;
  std::string_view line;
  std::string_view name;
  std::string_view radio;
  std::string_view kept;
  const bool header = TakeLine(rest, line) && line == kFormatLine &&
                      TakeField(rest, "name=", name) && TakeField(rest, "radio=", radio) &&
                      (radio == "0" || radio == "1") && TakeField(rest, "kept=", kept) &&
                      TakeLine(rest, line) && line.empty();
  std::time_t when = 0;
  bool number = header && !kept.empty() && kept.size() <= 18;
  for (const char c : number ? kept : std::string_view()) {
    if (c < '0' || c > '9') number = false;
    when = when * 10 + (c - '0');
  }
  if (!number) {
    if (error) *error = "not a recovery file";
    return false;
  }
  document.name = std::string(name);
  document.fromRadio = radio == "1";
  document.keptAt = when;
  document.text = std::string(rest);
  return true;
}

RecoveryStore::~RecoveryStore() {
  if (lockPath_.empty()) return;
  // The lock goes first: a system that keeps a locked file open cannot remove it.
  int ignored = 0;
  lock_.Close(ignored);
  RemoveFile(lockPath_);
}

bool RecoveryStore::Claim(std::string* error) {
  std::error_code ec;
  fs::create_directories(folder_, ec);
  if (ec) {
    if (error) *error = "cannot make " + folder_ + ": " + ec.message();
    return false;
  }
  std::string stem = (fs::path(folder_) / "window-XXXXXX").string();
  int failure = 0;
  SystemFile made;
  if (!SystemFile::CreateUnique(stem, made, failure)) {
    return Failed(error, "cannot make a recovery file in " + folder_, failure);
  }
  // The unique name is the lock file's; the recovery file adds the extension to it.
  lockPath_ = stem;
  bool taken = false;
  if (!made.TryLock(taken, failure) || !taken) {
    RemoveFile(lockPath_);
    lockPath_.clear();
    return Failed(error, "cannot lock a recovery file in " + folder_, taken ? failure : EAGAIN);
  }
  lock_ = std::move(made);
  path_ = stem + std::string(kRecoveryExtension);
  return true;
}

bool RecoveryStore::Keep(const RecoveredDocument& document, std::string* error) {
  if (path_.empty() && !Claim(error)) return false;
  return WriteFileAtomically(path_, RecoveryFileText(document), error);
}

void RecoveryStore::Forget() {
  if (!path_.empty()) RemoveFile(path_);
}

void LeftRecovery::Remove() {
  RemoveFile(path);
  int ignored = 0;
  lock.Close(ignored);
  RemoveFile(lockPath);
}

std::vector<LeftRecovery> FindLeftRecoveries(const std::string& folder,
                                             std::vector<std::string>* damaged) {
  std::vector<LeftRecovery> left;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string path = it->path().string();
    if (it->path().extension().string() != kRecoveryExtension) continue;
    LeftRecovery found;
    found.path = path;
    found.lockPath = LockPathOf(path);
    bool taken = false;
    int failure = 0;
    if (!LockAt(found.lockPath, found.lock, taken, failure) || !taken) continue;
    std::string bytes;
    if (!ReadRegularFile(path, kMostRecoveryBytes, bytes, nullptr) ||
        !ParseRecoveryFile(bytes, found.document, nullptr)) {
      if (damaged) damaged->push_back(path);
      continue;
    }
    left.push_back(std::move(found));
  }
  std::sort(left.begin(), left.end(), [](const LeftRecovery& a, const LeftRecovery& b) {
    return a.document.keptAt > b.document.keptAt;
  });
  return left;
}

}  // namespace quorvan
