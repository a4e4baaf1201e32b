#include "core/files/RadioHistory.h"

#include <algorithm>
#include <filesystem>

#include "core/files/BackupPins.h"
#include "core/files/ReadBackups.h"
#include "core/model/ImageChanges.h"
#include "core/model/RadioForms.h"

namespace quorvan {

namespace {

struct KindWords {
  ItemKind kind;
  const char* one;
  const char* many;
};
constexpr std::array<KindWords, 6> kKindWords{{
    {ItemKind::Memory, "memory channel", "memory channels"},
    {ItemKind::Vfo, "VFO", "VFOs"},
    {ItemKind::Call, "CALL channel", "CALL channels"},
    {ItemKind::Dtmf, "DTMF memory", "DTMF memories"},
    {ItemKind::ProgramVfo, "program VFO", "program VFOs"},
    {ItemKind::Menu, "menu value", "menu values"},
}};

std::size_t CountIndex(ItemKind kind) { return static_cast<std::size_t>(kind); }

bool Holds(const BackupHolds& holds, ItemKind kind) {
  if (kind == ItemKind::Comment) return false;
  return kind == ItemKind::Menu ? holds.menu : holds.records;
}

ItemSet ItemsOf(const BackupHolds& holds) {
  ItemSet items;
  if (holds.records) items.Add(ItemSet::Records());
  if (holds.menu) items.Add(ItemSet::MenuValues());
  return items;
}

// What the radio held as far as the history tells, in the form it gives it back, and which
// part of it is known.
struct KnownState {
  RadioImage image;
  BackupHolds known{false, false};
};

void Compare(const KnownState& before, const RadioImage& radio, BackupHolds holds,
             HistoryEntry& entry) {
  const BackupHolds compared{holds.records && before.known.records,
                             holds.menu && before.known.menu};
  entry.earliest = !compared.records && !compared.menu;
  if (entry.earliest) return;
  const ImageChanges changes = ImageChanges::Between(before.image, radio);
  for (const ItemChange& change : changes.Items()) {
    if (Holds(compared, change.item.kind)) ++entry.changes.counts[CountIndex(change.item.kind)];
  }
}

void Follow(KnownState& state, const RadioImage& radio, BackupHolds holds) {
  if (holds.records && holds.menu) {
    state.image = radio;
  } else {
    for (const ItemRef item : ItemsOf(holds).Items()) {
      StoreItem(state.image, item, ItemText(radio, item));
    }
  }
  state.known.records = state.known.records || holds.records;
  state.known.menu = state.known.menu || holds.menu;
}

}  // namespace

BackupHolds HoldsOfKind(BackupKind kind) {
  switch (kind) {
    case BackupKind::MemoryRead:
      return {true, false};
    case BackupKind::MenuRead:
      return {false, true};
    default:
      return {true, true};
  }
}

ItemSet ItemsOfBackupKind(BackupKind kind) { return ItemsOf(HoldsOfKind(kind)); }

ItemSet CommonItems(BackupKind a, BackupKind b) {
  const BackupHolds first = HoldsOfKind(a);
  const BackupHolds second = HoldsOfKind(b);
  return ItemsOf({first.records && second.records, first.menu && second.menu});
}

int HistoryChanges::Of(ItemKind kind) const {
  return kind == ItemKind::Comment ? 0 : counts[CountIndex(kind)];
}

bool HistoryChanges::Empty() const {
  return std::all_of(counts.begin(), counts.end(), [](int n) { return n == 0; });
}

std::string_view HistoryKindWord(BackupKind kind) {
  switch (kind) {
    case BackupKind::Read:
      return "read";
    case BackupKind::MemoryRead:
      return "memory-read";
    case BackupKind::MenuRead:
      return "menu-read";
    case BackupKind::Written:
      return "written";
    case BackupKind::Replaced:
      return "replaced";
    case BackupKind::Pending:
      return "pending";
  }
  return "read";
}

std::string HistorySummary(const HistoryEntry& entry) {
  if (entry.damaged) return "damaged";
  if (entry.earliest) return "no earlier state";
  std::string summary;
  for (const KindWords& words : kKindWords) {
    const int n = entry.changes.Of(words.kind);
    if (n == 0) continue;
    if (!summary.empty()) summary += ", ";
    summary += std::to_string(n) + " " + (n == 1 ? words.one : words.many);
  }
  return summary.empty() ? "no change" : summary;
}

std::vector<HistoryEntry> LoadRadioHistory(const std::string& folder, const BandPlan& plan,
                                           bool compare) {
  std::vector<HistoryEntry> entries;
  const BackupRadio radio = BackupRadioOf(plan);
  if (radio.typeTag.empty()) return entries;
  const RadioImage blank = MakeNewDocument(plan);
  const std::set<std::string> pinned = PinnedBackups(folder);
  KnownState state{AsRadioGivesBack(blank)};
  for (const BackupName& name : ListBackups(folder)) {
    if (name.radio != radio) continue;
    HistoryEntry entry;
    entry.name = name;
    entry.path = (std::filesystem::path(folder) / name.fileName).string();
    entry.pinned = pinned.count(name.fileName) != 0;
    RadioImage image;
    if (!compare) {
      entry.earliest = true;
    } else if (!OpenBackup(entry.path, blank, image, entry.problem)) {
      entry.damaged = true;
    } else {
      const RadioImage radioForm = AsRadioGivesBack(image);
      const BackupHolds holds = HoldsOfKind(name.kind);
      Compare(state, radioForm, holds, entry);
      Follow(state, radioForm, holds);
    }
    entries.push_back(std::move(entry));
  }
  std::reverse(entries.begin(), entries.end());
  return entries;
}

bool OpenHistoryEntry(const HistoryEntry& entry, const BandPlan& plan, RadioImage& image,
                      std::string* error) {
  std::string problem = entry.problem;
  if (!entry.damaged && OpenBackup(entry.path, MakeNewDocument(plan), image, problem)) return true;
  if (error) *error = problem;
  return false;
}

std::optional<std::size_t> FindHistoryEntry(const std::vector<HistoryEntry>& entries,
                                            std::string_view numberOrName) {
  constexpr std::size_t kMostDigits = 9;
  const bool number = !numberOrName.empty() && numberOrName.size() <= kMostDigits &&
                      numberOrName.front() != '0' &&
                      std::all_of(numberOrName.begin(), numberOrName.end(),
                                  [](char c) { return c >= '0' && c <= '9'; });
  if (number) {
    std::size_t n = 0;
    for (const char c : numberOrName) n = n * 10 + static_cast<std::size_t>(c - '0');
    if (n >= 1 && n <= entries.size()) return n - 1;
    return std::nullopt;
  }
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].name.fileName == numberOrName) return i;
  }
  return std::nullopt;
}

RadioImage RestoredState(const RadioImage& now, const RadioImage& state, BackupKind kind) {
  RadioImage restored = now;
  for (const ItemRef item : ItemsOfBackupKind(kind).Items()) {
    StoreItem(restored, item, ItemText(state, item));
  }
  restored.SetComment(state.Comment());
  return restored;
}

std::optional<BandPlan> PlanOfBackupRadio(const BackupRadio& radio,
                                          const std::optional<BandPlan>& stored) {
  if (stored && BackupRadioOf(*stored) == radio) return stored;
  for (const SetupChoice& choice : kSetupChoices) {
    const std::string_view model =
        IsKnownModel(radio.model) ? std::string_view(radio.model) : std::string_view(choice.model);
    BandPlan plan = MakeDefaultBandPlan(choice.type, model);
    if (BackupRadioOf(plan) == radio) return plan;
  }
  return std::nullopt;
}

}  // namespace quorvan
