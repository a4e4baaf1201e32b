#pragma once

#include <QString>

#include "core/files/BackupName.h"
#include "core/files/RadioHistory.h"

namespace quorvan {

// How the history window names what it lists, through tr() so a translation can follow.
// "Read", "Memory read", "Menu read", "Written", "Replaced", "Pending write".
QString HistoryKindCaption(BackupKind kind);
// "3 memory channels, 1 menu value", "No change", "No earlier state", "Damaged".
QString HistoryChangesCaption(const HistoryEntry& entry);
// "2026-12-09 15:15:02", local time to the second: entries of one minute stay apart.
QString HistoryTimeCaption(std::time_t when);
// "in entry 3": one side of a difference line.
QString HistoryEntrySide(int number);

}  // namespace quorvan
