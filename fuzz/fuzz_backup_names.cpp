// Backup names from anywhere (a folder anybody may put files in) and the choice of what a write
// of changes compares with. Every name the program makes is read back as made; every name it
// takes in the current form is one it makes; the folder's order is a strict order, and the
// baseline chosen is the newest state of its radio, and an operand names an entry of the history
// only by its number or its name.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/files/Baseline.h"
#include "core/files/RadioHistory.h"

namespace {

using quorvan::BackupFileName;
using quorvan::BackupKind;
using quorvan::BackupName;
using quorvan::BackupRadio;
using quorvan::IsOlderBackup;
using quorvan::ParseBackupFileName;
using quorvan::fuzz::Require;

constexpr std::size_t kLongestName = 300;
constexpr std::size_t kLongestPlanText = 24;
constexpr int kMostNames = 40;
constexpr std::time_t kEarliest = 0;
constexpr std::time_t kLatest = 253402300799LL;  // 9999-12-31 23:59:59 UTC

BackupKind KindOf(std::uint8_t pick) { return static_cast<BackupKind>(pick % 6); }

// A name made from arbitrary parts is read back with exactly those parts.
void MadeNamesAreReadBack(FuzzedDataProvider& input) {
  quorvan::BandPlan plan;
  plan.type = input.ConsumeRandomLengthString(kLongestPlanText);
  plan.model = input.ConsumeRandomLengthString(kLongestPlanText);
  const BackupRadio radio = quorvan::BackupRadioOf(plan);
  const auto when = input.ConsumeIntegral<std::int64_t>();
  const auto sequence = input.ConsumeIntegral<std::uint64_t>();
  const BackupKind kind = KindOf(input.ConsumeIntegral<std::uint8_t>());
  const std::string name = BackupFileName(static_cast<std::time_t>(when), sequence, radio, kind);
  const std::optional<BackupName> parsed = ParseBackupFileName(name);
  Require(parsed.has_value(), "a name the program made does not read back");
  Require(!parsed->legacy && parsed->fileName == name, "a made name reads as another form");
  Require(parsed->radio == radio, "a made name gives another radio back");
  Require(parsed->kind == kind, "a made name gives another kind back");
  Require(parsed->when == std::clamp<std::time_t>(when, kEarliest, kLatest),
          "a made name gives another time back");
  Require(parsed->sequence == std::clamp<std::uint64_t>(sequence, 1, quorvan::kMostBackupSequence),
          "a made name gives another number back");
  Require(name.find('/') == std::string::npos && name.find('\0') == std::string::npos &&
              name.size() < 255,
          "a made name is no plain file name");
}

// A name taken in the current form is the one the program makes of its parts.
void TakenNamesAreMadeNames(const std::string& name) {
  const std::optional<BackupName> parsed = ParseBackupFileName(name);
  if (!parsed) return;
  Require(parsed->fileName == name, "a parsed name keeps another file name");
  Require(!IsOlderBackup(*parsed, *parsed), "a backup is older than itself");
  if (parsed->legacy) return;
  Require(BackupFileName(parsed->when, parsed->sequence, parsed->radio, parsed->kind) == name,
          "a name is taken that the program would not make");
}

void ChoiceIsTheNewestStateOfTheRadio(FuzzedDataProvider& input) {
  std::vector<BackupName> names;
  const int count = input.ConsumeIntegralInRange<int>(0, kMostNames);
  for (int i = 0; i < count && input.remaining_bytes() > 0; ++i) {
    std::string name = input.ConsumeRandomLengthString(kLongestName);
    if (input.ConsumeBool()) {
      // A well-formed name of the radio most inputs ask about.
      name = BackupFileName(
          input.ConsumeIntegral<std::int32_t>(), input.ConsumeIntegralInRange<std::uint64_t>(1, 50),
          BackupRadio{"ARVEN", "KK0F"}, KindOf(input.ConsumeIntegral<std::uint8_t>()));
    }
    TakenNamesAreMadeNames(name);
    if (std::optional<BackupName> parsed = ParseBackupFileName(name)) names.push_back(*parsed);
  }
  // A strict weak order, so sorting and "newest" are well defined.
  for (const BackupName& a : names) {
    for (const BackupName& b : names) {
      Require(!(IsOlderBackup(a, b) && IsOlderBackup(b, a)), "two backups older than each other");
    }
  }
  std::vector<BackupName> sorted = names;
  std::sort(sorted.begin(), sorted.end(), IsOlderBackup);
  const BackupRadio radio{"ARVEN", "KK0F"};
  const std::optional<BackupName> newest = quorvan::NewestRadioState(names, radio);
  const auto isState = [&radio](const BackupName& n) {
    return n.radio == radio && (n.kind == BackupKind::Read || n.kind == BackupKind::Written ||
                                n.kind == BackupKind::Pending);
  };
  const auto last = std::find_if(sorted.rbegin(), sorted.rend(), isState);
  Require(newest.has_value() == (last != sorted.rend()), "a state of the radio is not found");
  if (!newest) return;
  Require(isState(*newest), "the baseline is no state of the radio");
  Require(!IsOlderBackup(*newest, *last) && !IsOlderBackup(*last, *newest),
          "the baseline is not the newest state of the radio");

  // An entry of the history is named by its number (1 the newest) or its file name, nothing
  // else.
  std::vector<quorvan::HistoryEntry> entries;
  for (auto it = sorted.rbegin(); it != sorted.rend(); ++it) {
    quorvan::HistoryEntry entry;
    entry.name = *it;
    entries.push_back(entry);
  }
  const std::string operand = input.ConsumeRandomLengthString(kLongestName);
  if (const std::optional<std::size_t> at = quorvan::FindHistoryEntry(entries, operand)) {
    Require(*at < entries.size(), "an entry beyond the history is named");
    Require(operand == std::to_string(*at + 1) || operand == entries[*at].name.fileName,
            "an entry is named by what is neither its number nor its name");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TakenNamesAreMadeNames(std::string(reinterpret_cast<const char*>(data), size));
  FuzzedDataProvider input(data, size);
  MadeNamesAreReadBack(input);
  ChoiceIsTheNewestStateOfTheRadio(input);
  return 0;
}
