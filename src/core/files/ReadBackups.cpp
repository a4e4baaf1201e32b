#include "core/files/ReadBackups.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <system_error>
#include <tuple>

#include "core/files/BackupPins.h"
#include "core/files/DocumentFile.h"
#include "core/platform/FileSystem.h"
#include "core/model/ChannelFile.h"

namespace quorvan {

namespace fs = std::filesystem;

namespace {

// Enough for every program that could be keeping a backup at the same moment.
constexpr int kClaimAttempts = 100;

bool Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

bool MakeFolder(const std::string& folder, std::string* error) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (!ec && fs::is_directory(folder, ec)) return true;
  return Fail(error, "cannot create the folder " + folder + ": " +
                         (ec ? ec.message() : std::string("not a folder")));
}

}  // namespace

std::vector<BackupName> ListBackups(const std::string& folder) {
  std::vector<BackupName> backups;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    if (std::optional<BackupName> name = ParseBackupFileName(it->path().filename().string())) {
      backups.push_back(std::move(*name));
    }
  }
  std::sort(backups.begin(), backups.end(), IsOlderBackup);
  return backups;
}

bool ClaimBackup(const std::string& folder, std::time_t when, const BackupRadio& radio,
                 BackupKind kind, std::optional<std::uint64_t> sequence, ClaimedBackup& claimed,
                 std::string* error) {
  if (!MakeFolder(folder, error)) return false;
  std::uint64_t next = sequence ? *sequence : NextBackupSequence(ListBackups(folder));
  for (int attempt = 0; attempt < kClaimAttempts; ++attempt) {
    const std::string name = BackupFileName(when, next, radio, kind);
    const std::string path = (fs::path(folder) / name).string();
    // Exclusive: a name another program took a moment ago is never written over.
    int failure = 0;
    if (CreateNewFile(path, failure)) {
      claimed.path = path;
      claimed.name = *ParseBackupFileName(name);
      return true;
    }
    if (failure != EEXIST || sequence) {
      return Fail(error, "cannot create " + path + ": " + std::strerror(failure));
    }
    next = std::max(NextBackupSequence(ListBackups(folder)), next + 1);
  }
  return Fail(error, "cannot create a backup in " + folder + ": every name tried was taken");
}

bool OpenBackup(const std::string& path, const RadioImage& document, RadioImage& image,
                std::string& problem) {
  std::string bytes;
  if (!ReadRegularFile(path, kChannelFileMaxBytes, bytes, &problem)) return false;
  RadioImage opened = document;
  std::string reason;
  if (!OpenDocumentText(bytes, opened, &reason)) {
    problem = path + ": " + reason;
    return false;
  }
  image = std::move(opened);
  return true;
}

bool FillBackup(const ClaimedBackup& claimed, const RadioImage& image, std::string* error) {
  return SaveDocumentFile(claimed.path, image, error);
}

bool SaveBackup(const std::string& folder, const RadioImage& image, std::time_t when,
                BackupKind kind, ClaimedBackup* kept, std::string* error) {
  ClaimedBackup claimed;
  if (!ClaimBackup(folder, when, BackupRadioOf(image.Plan()), kind, std::nullopt, claimed, error)) {
    return false;
  }
  if (!FillBackup(claimed, image, error)) {
    RemoveFile(claimed.path);
    return false;
  }
  if (kept) *kept = claimed;
  PruneBackups(folder);
  return true;
}

std::vector<std::string> BackupsToRemove(const std::vector<std::string>& names, std::size_t keep,
                                         const std::set<std::string>& pinned) {
  std::vector<BackupName> backups;
  for (const std::string& name : names) {
    if (pinned.count(name) != 0) continue;  // kept, and not counted: pins keep what else is kept
    if (std::optional<BackupName> parsed = ParseBackupFileName(name)) backups.push_back(*parsed);
  }
  std::sort(backups.begin(), backups.end(), IsOlderBackup);
  // Newest first, each radio's kinds counted apart.
  using Group = std::tuple<std::string, std::string, BackupKind>;
  std::map<Group, std::size_t> seen;
  std::vector<const BackupName*> remove;
  for (auto it = backups.rbegin(); it != backups.rend(); ++it) {
    const std::size_t newer = seen[{it->radio.model, it->radio.typeTag, it->kind}]++;
    const bool lastOfItsState =
        newer == 0 && (it->kind == BackupKind::Read || it->kind == BackupKind::Written);
    if (newer >= keep && !lastOfItsState) remove.push_back(&*it);
  }
  std::vector<std::string> files;
  for (auto it = remove.rbegin(); it != remove.rend(); ++it) files.push_back((*it)->fileName);
  return files;
}

void PruneBackups(const std::string& folder) {
  std::vector<std::string> names;
  for (const BackupName& backup : ListBackups(folder)) names.push_back(backup.fileName);
  const std::set<std::string> pinned = PinnedBackups(folder);
  std::error_code ec;
  for (const std::string& old : BackupsToRemove(names, kKeptBackups, pinned)) {
    // Pinned a moment ago by another program: kept.
    if (!IsPinned(folder, old)) fs::remove(fs::path(folder) / old, ec);
  }
  // A pin left by a backup removed by hand.
  for (const std::string& backup : pinned) {
    if (!fs::exists(fs::path(folder) / backup, ec) && !ec) {
      fs::remove(fs::path(folder) / PinFileName(backup), ec);
    }
  }
}

}  // namespace quorvan
