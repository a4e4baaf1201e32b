#include "core/files/WriteJournal.h"

#include <cstring>
#include <optional>

#include "core/messages/Messages.h"
#include "core/platform/FileSystem.h"

namespace quorvan {

bool WriteJournal::Begin(const RadioImage* replaced, const RadioImage& target, std::time_t when,
                         std::string* error) {
  unkept_.clear();
  replacedUnkept_.clear();
  std::optional<std::uint64_t> sequence;
  if (replaced) {
    ClaimedBackup kept;
    // The journal takes the number of what it replaces: that is how a completion finds it.
    if (SaveBackup(folder_, *replaced, when, BackupKind::Replaced, &kept, &replacedUnkept_)) {
      sequence = kept.name.sequence;
    }
  }
  const BackupRadio radio = BackupRadioOf(target.Plan());
  ClaimedBackup pending;
  if (!ClaimBackup(folder_, when, radio, BackupKind::Pending, sequence, pending, error) &&
      (!sequence ||
       !ClaimBackup(folder_, when, radio, BackupKind::Pending, std::nullopt, pending, error))) {
    return false;
  }
  pending_ = pending;
  if (!FillBackup(pending_, target, &unkept_) && unkept_.empty()) unkept_ = "not written";
  return true;
}

bool WriteJournal::Finish(const RadioImage& holds, std::time_t when, std::string* error) {
  if (!Begun()) return false;
  ClaimedBackup written;
  if (!ClaimBackup(folder_, when, BackupRadioOf(holds.Plan()), BackupKind::Written,
                   pending_.name.sequence, written, error)) {
    return false;
  }
  // A journal that holds the state is renamed, which needs no room on the disk; an empty one
  // is written now.
  bool done = false;
  if (unkept_.empty()) {
    int failure = 0;
    done = RenameOver(pending_.path, written.path, failure);
    if (!done && error) *error = "cannot rename " + pending_.path + ": " + std::strerror(failure);
  } else {
    done = FillBackup(written, holds, error);
  }
  if (!done) {
    RemoveFile(written.path);
    return false;
  }
  if (!unkept_.empty()) RemoveFile(pending_.path);
  pending_ = ClaimedBackup();
  PruneBackups(folder_);
  return true;
}

std::string AfterWriteText(const WriteJournal& journal, bool radioKnown, bool writeCompleted,
                           bool commandsNotTaken) {
  if (!journal.Begun() || radioKnown) return {};
  if (!journal.Unkept().empty()) {
    return writeCompleted ? StateNotKeptText(journal.Unkept())
                          : WriteNotEndedUnkeptText(journal.Unkept());
  }
  if (!writeCompleted) return kWriteNotEndedText;
  return commandsNotTaken ? kWriteAgainText : std::string();
}

}  // namespace quorvan
