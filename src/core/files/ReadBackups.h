#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/files/BackupName.h"
#include "core/model/RadioImage.h"

namespace quorvan {

// Every read that ran to its end is kept as a channel file in a backups folder, so what the
// radio held can be restored even after the document was changed unsaved; so is what a write
// is to leave (its journal), what it left, and what a write of changes overwrote. BackupName.h
// tells how they are named and ordered.

// Of each kind of each radio the newest this many are kept.
constexpr std::size_t kKeptBackups = 50;

// Every backup in `folder`, oldest first; files of other names are left out. An absent or
// unreadable folder holds none.
std::vector<BackupName> ListBackups(const std::string& folder);

// A backup name taken in a folder: the file exists (empty until filled), created so that no
// other save, in this program or another, can take the same name.
struct ClaimedBackup {
  std::string path;
  BackupName name;
};

// Takes a fresh name for a backup of that radio and kind in `folder` (created when missing):
// the next sequence number, or exactly `sequence` when given. Nothing is ever written over. On
// failure `error` names the file or folder and says why.
bool ClaimBackup(const std::string& folder, std::time_t when, const BackupRadio& radio,
                 BackupKind kind, std::optional<std::uint64_t> sequence, ClaimedBackup& claimed,
                 std::string* error);
// Writes the image into a claimed backup, atomically: on failure the file is as it was.
bool FillBackup(const ClaimedBackup& claimed, const RadioImage& image, std::string* error);

// Keeps the image as a new backup of its plan's radio (ClaimBackup, then FillBackup; a name that
// could not be filled is given up again) and removes the oldest of its kind beyond the limit.
// `kept` (when given) tells the name it got.
bool SaveBackup(const std::string& folder, const RadioImage& image, std::time_t when,
                BackupKind kind, ClaimedBackup* kept, std::string* error);

// Opens a backup into a copy of `document` (whose plan it takes) as Open does; false with a
// reason that names the file.
bool OpenBackup(const std::string& path, const RadioImage& document, RadioImage& image,
                std::string& problem);

// Of the names given, the backups to remove so that the newest `keep` of each kind of each radio
// remain besides the pinned ones, oldest first. The newest whole read and the newest "-written"
// backup of every radio always remain, and so does every pinned one. Names that are no backup's
// are never listed.
std::vector<std::string> BackupsToRemove(const std::vector<std::string>& names, std::size_t keep,
                                         const std::set<std::string>& pinned = {});
// Removes what BackupsToRemove lists of the folder, with kKeptBackups and the folder's pins
// (BackupPins.h), and the pins whose backup is gone.
void PruneBackups(const std::string& folder);

}  // namespace quorvan
