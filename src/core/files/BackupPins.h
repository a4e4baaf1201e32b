#pragma once

#include <set>
#include <string>
#include <string_view>

namespace quorvan {

// A backup the user pinned is never removed by the retention. The pin is an empty file of its
// own beside the backup, named after it with ".pin" added
// ("20261209T141502Z-0042-ARVEN-KK0F-written.qvx.pin"): the backup keeps its name, so every
// version of the programs reads and orders it as before, and pinning never rewrites a file that
// another program may be reading or pinning at the same moment.
constexpr std::string_view kPinExtension = ".pin";

std::string PinFileName(std::string_view backupFileName);

// The names of the backups in `folder` that carry a pin (whether or not the backup is still
// there); none for an absent or unreadable folder.
std::set<std::string> PinnedBackups(const std::string& folder);
bool IsPinned(const std::string& folder, std::string_view backupFileName);

// Pins or unpins a backup of the folder; pinning one pinned already, or unpinning one that is
// not, changes nothing. False, with the file and the system's reason, when the backup is not
// there (to pin it) or its pin cannot be made or removed.
bool SetPinned(const std::string& folder, std::string_view backupFileName, bool pinned,
               std::string* error);

}  // namespace quorvan
