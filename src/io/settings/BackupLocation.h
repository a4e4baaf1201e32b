#pragma once

#include <QString>

namespace quorvan {

// The backups folder both programs share: "backups" in the application's data folder
// ($XDG_DATA_HOME/QUENTAR/Quorvan, or ~/.local/share/QUENTAR/Quorvan). An XDG_DATA_HOME that
// is not an absolute path is ignored, as the XDG rules say, so the backups never land in
// whatever folder the program was started from. The application and organisation names must be
// set first.
QString BackupFolderLocation();

// The windows' recovery files of unsaved work: "recovery" in the same data folder.
QString RecoveryFolderLocation();

}  // namespace quorvan
