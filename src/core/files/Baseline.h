#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "core/files/BackupName.h"
#include "core/model/RadioImage.h"

namespace quorvan {

// What a write of changes compares with: what the document's radio held after its last whole
// read or write, or what its last write was to leave when that write did not end (its
// "-pending" journal). It is the newest such backup of the radio in the folder's order; one that
// cannot be taken is never passed over for an older one, since the radio may have been written
// since that older one.
struct Baseline {
  enum class Status {
    None,        // no whole read or write of this radio is kept
    Found,       // `image` is what the radio held
    Unreadable,  // the newest one does not open: `problem` says why
    InFuture,    // the newest one is dated later than now (a clock that was or is wrong)
  };
  Status status = Status::None;
  BackupName name;   // the backup taken or refused
  std::string path;  // and its path
  std::string problem;
  // What the radio held; of a "-pending" backup, what its write was to leave.
  RadioImage image;
  // Of a "-pending" backup: what its write found where it wrote, the "-replaced" backup with the
  // same sequence number. None for a write of everything, or when that backup is gone: any item
  // may then have been written.
  std::optional<RadioImage> replaced;
};

// How far in the future a backup may be dated before it is not taken: clocks of two computers
// sharing a folder, or one set a little later.
constexpr std::time_t kBackupClockTolerance = 5 * 60;

// Of a folder's names, the newest whole read, "-written" or "-pending" backup of that radio.
std::optional<BackupName> NewestRadioState(const std::vector<BackupName>& names,
                                           const BackupRadio& radio);

// The baseline of the document's radio (its model and type code) in `folder` at time `now`,
// opened with the document's plan. A document without a type code has none.
Baseline FindBaseline(const std::string& folder, const RadioImage& document, std::time_t now);

// Of a baseline found, the sentence that names it ("Compared with what the radio held after the
// write of 9 Dec 2026 14:15.") and the one for a write with nothing to send.
std::string ComparedWithText(const Baseline& baseline);
std::string NothingChangedText(const Baseline& baseline);
// Of one not found, why a write of changes cannot compare with it (the advice left out).
std::string BaselineRefusalText(const Baseline& baseline);

}  // namespace quorvan
