#include "core/files/Baseline.h"

#include <filesystem>

#include "core/files/ReadBackups.h"
#include "core/messages/Messages.h"

namespace quorvan {

namespace {

bool IsRadioState(BackupKind kind) {
  return kind == BackupKind::Read || kind == BackupKind::Written || kind == BackupKind::Pending;
}

}  // namespace

std::optional<BackupName> NewestRadioState(const std::vector<BackupName>& names,
                                           const BackupRadio& radio) {
  std::optional<BackupName> newest;
  for (const BackupName& name : names) {
    if (name.radio != radio || !IsRadioState(name.kind)) continue;
    if (!newest || IsOlderBackup(*newest, name)) newest = name;
  }
  return newest;
}

Baseline FindBaseline(const std::string& folder, const RadioImage& document, std::time_t now) {
  Baseline baseline;
  const BackupRadio radio = BackupRadioOf(document.Plan());
  if (radio.typeTag.empty()) return baseline;
  const std::vector<BackupName> names = ListBackups(folder);
  const std::optional<BackupName> newest = NewestRadioState(names, radio);
  if (!newest) return baseline;
  baseline.name = *newest;
  baseline.path = (std::filesystem::path(folder) / newest->fileName).string();
  if (newest->when > now + kBackupClockTolerance) {
    baseline.status = Baseline::Status::InFuture;
    return baseline;
  }
  if (!OpenBackup(baseline.path, document, baseline.image, baseline.problem)) {
    baseline.status = Baseline::Status::Unreadable;
    return baseline;
  }
  baseline.status = Baseline::Status::Found;
  if (newest->kind != BackupKind::Pending) return baseline;
  for (const BackupName& name : names) {
    if (name.kind != BackupKind::Replaced || name.radio != radio || name.legacy ||
        name.sequence != newest->sequence) {
      continue;
    }
    RadioImage replaced;
    std::string ignored;
    // Without it the journal is completed as a write of everything: every item is checked.
    if (OpenBackup((std::filesystem::path(folder) / name.fileName).string(), document, replaced,
                   ignored)) {
      baseline.replaced = std::move(replaced);
    }
    break;
  }
  return baseline;
}

std::string ComparedWithText(const Baseline& baseline) {
  const std::string date = BackupTimeText(baseline.name.when);
  switch (baseline.name.kind) {
    case BackupKind::Pending:
      return ComparedWithJournalText(date);
    case BackupKind::Written:
      return ComparedWithWriteText(date);
    default:
      return ComparedWithReadText(date);
  }
}

std::string NothingChangedText(const Baseline& baseline) {
  return NothingChangedText(BackupTimeText(baseline.name.when));
}

std::string BaselineRefusalText(const Baseline& baseline) {
  switch (baseline.status) {
    case Baseline::Status::Unreadable:
      return UnreadableBaselineText(baseline.problem);
    case Baseline::Status::InFuture:
      return FutureBaselineText(baseline.path, BackupTimeText(baseline.name.when));
    default:
      return kNoBaselineText;
  }
}

}  // namespace quorvan
