#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/BandPlan.h"

namespace quorvan {

// The names of the backups in the backups folder: what a backup holds, of which radio, and
// its place in the folder's order. A name is all there is to know about a backup without
// opening it, so the choice of what a write of changes compares with, the retention and a
// history of a radio are all made from names.
//
//   20261209T141502Z-0042-ARVEN-KK0F-written.qvx
//   UTC time         |    model type kind (none for a whole read)
//                    sequence number: one more than the highest in the folder when it was kept
//
// The order is the sequence number, so it cannot go backwards with the clock (a daylight-saving
// change, another time zone, a clock set back); the time only tells the user when. Names of
// earlier versions ("20240131-235959-ARVEN-KK0F-2-written.qvx", local time and a number within
// the second) are still read, and all of them come before every name of this form.

// What a backup holds. A whole read or a write that ended is what the radio held at that time.
enum class BackupKind {
  Read,        // a read of scope All
  MemoryRead,  // a read of the memories only ("-memory")
  MenuRead,    // a read of the menu only ("-menu")
  Written,     // what the radio holds after a write that ended ("-written")
  Replaced,    // what a write of changes found where it writes, over what the radio held
  Pending,     // what a write that has not ended is to leave: its journal ("-pending")
};

// The kind of backup a read of the records and/or the menu keeps.
BackupKind ReadBackupKind(bool records, bool menu);

// Which radio a backup is of: the model and the type code as names carry them. Two radios of one
// model and type code share their backups.
struct BackupRadio {
  std::string model;    // letters and digits only, at most 16; "radio" for none
  std::string typeTag;  // the type code without its comma ("KK0F"); empty for none

  bool operator==(const BackupRadio& other) const {
    return model == other.model && typeTag == other.typeTag;
  }
  bool operator!=(const BackupRadio& other) const { return !(*this == other); }
};
// Letters and digits of the model kept; the type code's comma left out, upper-case letters and
// digits kept, any other byte written as "_" and two hexadecimal digits, so two type codes never
// share a tag and a tag never reads as a kind.
BackupRadio BackupRadioOf(const BandPlan& plan);

// The highest sequence number a name carries (18 digits); a folder never gets that far.
constexpr std::uint64_t kMostBackupSequence = 999'999'999'999'999'999ULL;

struct BackupName {
  std::string fileName;
  bool legacy = false;  // a name of an earlier version
  // When it was kept: UTC seconds. A legacy name's local time is taken in today's time zone.
  std::time_t when = 0;
  // The folder's sequence number; in a legacy name, the number within its second.
  std::uint64_t sequence = 1;
  BackupRadio radio;
  BackupKind kind = BackupKind::Read;
};

// The name of a backup kept at `when` (clamped to the years 1970-9999) with that sequence number
// (clamped to 1-kMostBackupSequence). ParseBackupFileName gives back every part of it.
std::string BackupFileName(std::time_t when, std::uint64_t sequence, const BackupRadio& radio,
                           BackupKind kind);

// A name BackupFileName made, or a legacy one, taken apart; nullopt for any other file, which
// is never touched. A name of this version is taken only in the form BackupFileName gives it.
std::optional<BackupName> ParseBackupFileName(std::string_view name);

// The folder's order: legacy names first (by their stamp and number), then by sequence number;
// of one number a "-replaced" backup first (what a write found comes before what it left), then
// (names kept at the same moment by two programs) by time, then by name.
bool IsOlderBackup(const BackupName& a, const BackupName& b);

// The sequence number for a new backup in a folder holding these names.
std::uint64_t NextBackupSequence(const std::vector<BackupName>& names);

// "9 Dec 2026 14:15": a backup's time as messages show it, in local time.
std::string BackupTimeText(std::time_t when);

}  // namespace quorvan
