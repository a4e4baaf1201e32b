#include "core/files/WriteJournal.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "core/messages/Messages.h"

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
    done = std::rename(pending_.path.c_str(), written.path.c_str()) == 0;
    if (!done && error) *error = "cannot rename " + pending_.path + ": " + std::strerror(errno);
  } else {
    done = FillBackup(written, holds, error);
  }
  if (!done) {
    std::remove(written.path.c_str());
    return false;
  }
  if (!unkept_.empty()) std::remove(pending_.path.c_str());
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
