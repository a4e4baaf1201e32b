#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/BackupName.h"
#include "core/model/BandPlan.h"
#include "core/model/ItemSet.h"
#include "core/model/RadioImage.h"

namespace quorvan {

// The history of a radio: every backup of its model and type code in the backups folder, in the
// folder's order (BackupName.h), each told by what it changed against the state the radio held
// before it. Entries are numbered from the newest, which is 1.

// What a backup of the kind holds of the radio. A read of the memories or of the menu alone
// keeps the whole document, but what that read did not reach is the document's, not the radio's.
struct BackupHolds {
  bool records = true;
  bool menu = true;
};
BackupHolds HoldsOfKind(BackupKind kind);
// The same as items: the records, the menu values or both.
ItemSet ItemsOfBackupKind(BackupKind kind);
// The items two backups both hold: what they can be compared in (empty for a read of the
// memories against one of the menu).
ItemSet CommonItems(BackupKind a, BackupKind b);

// How many items of each kind an entry changed (the comment is no part of the radio).
struct HistoryChanges {
  std::array<int, 6> counts{};  // by ItemKind: Memory, Vfo, Call, Dtmf, ProgramVfo, Menu

  int Of(ItemKind kind) const;
  bool Empty() const;
};

struct HistoryEntry {
  BackupName name;
  std::string path;
  bool pinned = false;
  // It does not open: it is listed, but nothing compares with it, opens it or restores it.
  bool damaged = false;
  std::string problem;  // why, naming the file
  // No earlier state of what it holds is kept: nothing to compare it with.
  bool earliest = false;
  // Against the state before it, of the items it holds, in the form the radio gives them back.
  HistoryChanges changes;
};

// The words the command line and its JSON use for a kind: "read", "memory-read", "menu-read",
// "written", "replaced", "pending".
std::string_view HistoryKindWord(BackupKind kind);
// "3 memory channels, 1 menu value"; "no change"; "no earlier state"; "damaged".
std::string HistorySummary(const HistoryEntry& entry);

// The history of the plan's radio in `folder`, newest first; every backup is opened with the plan
// to compare it with the state before. None for a plan without a type code, or an absent folder.
// Without `compare` only the names are taken, which is all a command on one entry needs: nothing
// is opened, so no entry is known to be damaged and none has changes.
std::vector<HistoryEntry> LoadRadioHistory(const std::string& folder, const BandPlan& plan,
                                           bool compare = true);

// Opens an entry into a document of the plan as Open does; false with the reason (naming the
// file) for a damaged one, or one removed or changed since it was listed.
bool OpenHistoryEntry(const HistoryEntry& entry, const BandPlan& plan, RadioImage& image,
                      std::string* error);

// The entry "3" names (its number, without leading zeros) or the one of that file name; none
// for anything else.
std::optional<std::size_t> FindHistoryEntry(const std::vector<HistoryEntry>& entries,
                                            std::string_view numberOrName);

// What restoring `state`, an entry of that kind, is to leave in a radio that holds `now`: the
// items the entry holds as it has them, every other item as the radio holds it. Its plan is
// `now`'s; its comment the entry's.
RadioImage RestoredState(const RadioImage& now, const RadioImage& state, BackupKind kind);

// The band plan to open backups of that radio with: the stored one when it is that radio's (its
// band limits are what the radio reported), otherwise the defaults of the type whose name the
// backup carries; none for a type the program does not know.
std::optional<BandPlan> PlanOfBackupRadio(const BackupRadio& radio,
                                          const std::optional<BandPlan>& stored);

}  // namespace quorvan
