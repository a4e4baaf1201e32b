#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/RadioImage.h"

namespace quorvan {

// Every read that ran to its end is kept as a channel file in a backups folder, so what the
// radio held can be restored even after the document was changed unsaved.

constexpr std::size_t kKeptReadBackups = 50;

// "20240131-235959-ARVEN.qvx" for a read at that local time of that model. Characters of the
// model other than letters and digits are left out; an empty model gives "radio".
std::string ReadBackupFileName(std::time_t when, std::string_view model);

// Whether a file name is one ReadBackupFileName made (optionally with a "-N" suffix added to
// keep two reads of the same second apart). Other files in the folder are never removed.
bool IsReadBackupFileName(std::string_view name);

// Of the names given, the backups to remove so that the newest `keep` remain (oldest first).
std::vector<std::string> ReadBackupsToRemove(std::vector<std::string> names, std::size_t keep);

// Writes the image into `folder` (created when missing) under a fresh backup name and removes
// the oldest backups beyond the limit. On failure `error` says why.
bool SaveReadBackup(const std::string& folder, const RadioImage& image, std::time_t when,
                    std::string* error, std::size_t keep = kKeptReadBackups);

}  // namespace quorvan
