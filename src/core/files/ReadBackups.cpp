#include "core/files/ReadBackups.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/files/DocumentFile.h"

namespace quorvan {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExtension = ".qvx";
constexpr std::size_t kStampLength = 15;  // "YYYYMMDD-hhmmss"
constexpr std::size_t kModelLength = 16;
constexpr long kMostNumber = 999999;

struct KindWord {
  BackupKind kind;
  std::string_view word;  // after the last "-"; none for a whole read
};
constexpr std::array<KindWord, 5> kKindWords{{{BackupKind::Read, ""},
                                              {BackupKind::MemoryRead, "memory"},
                                              {BackupKind::MenuRead, "menu"},
                                              {BackupKind::Written, "written"},
                                              {BackupKind::Replaced, "replaced"}}};

bool IsAlnum(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllOf(std::string_view text, bool (*test)(char)) {
  return !text.empty() && std::all_of(text.begin(), text.end(), test);
}

bool IsTagChar(char c) { return IsAlnum(c) || c == '_'; }

// Reads of every scope share one limit; writes and replaced items have one each.
int KindGroup(BackupKind kind) {
  switch (kind) {
    case BackupKind::Written:
      return 1;
    case BackupKind::Replaced:
      return 2;
    default:
      return 0;
  }
}

std::string SafeModel(std::string_view model) {
  std::string safe;
  for (const char c : model.substr(0, kModelLength)) {
    if (IsAlnum(c)) safe += c;
  }
  return safe.empty() ? "radio" : safe;
}

// "KK,0F" -> "KK0F": the comma of a type code is left out, letters and digits kept, anything
// else written as "_" and two hexadecimal digits, so two type codes never share a tag.
std::string TypeTag(std::string_view type) {
  std::string tag;
  for (std::size_t i = 0; i < type.size(); ++i) {
    const char c = type[i];
    if (IsAlnum(c)) {
      tag += c;
    } else if (!(i == 2 && c == ',')) {
      char hex[4];
      std::snprintf(hex, sizeof hex, "_%02X", static_cast<unsigned char>(c));
      tag += hex;
    }
  }
  return tag;
}

// Newest last: by the stamp, then the number within one second.
bool Older(const BackupName& a, const BackupName& b) {
  if (a.stamp != b.stamp) return a.stamp < b.stamp;
  return a.number < b.number;
}

}  // namespace

BackupKind ReadBackupKind(bool records, bool menu) {
  if (records && menu) return BackupKind::Read;
  return records ? BackupKind::MemoryRead : BackupKind::MenuRead;
}

std::string BackupFileName(std::time_t when, const BandPlan& plan, BackupKind kind, long number) {
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  std::string name = std::string(stamp) + "-" + SafeModel(plan.model);
  const std::string tag = TypeTag(plan.type.substr(0, kTypeCapacity));
  if (!tag.empty()) name += "-" + tag;
  if (number > 1) name += "-" + std::to_string(number);
  for (const KindWord& k : kKindWords) {
    if (k.kind == kind && !k.word.empty()) name += "-" + std::string(k.word);
  }
  return name + std::string(kExtension);
}

std::optional<BackupName> ParseBackupFileName(std::string_view name) {
  if (name.size() <= kStampLength + 1 + kExtension.size()) return std::nullopt;
  if (name.substr(name.size() - kExtension.size()) != kExtension) return std::nullopt;
  if (!AllOf(name.substr(0, 8), IsDigit) || name[8] != '-' || !AllOf(name.substr(9, 6), IsDigit) ||
      name[kStampLength] != '-') {
    return std::nullopt;
  }
  BackupName parsed;
  parsed.stamp = std::string(name.substr(0, kStampLength));
  std::vector<std::string_view> parts;
  std::string_view rest =
      name.substr(kStampLength + 1, name.size() - kStampLength - 1 - kExtension.size());
  for (;;) {
    const std::size_t dash = rest.find('-');
    parts.push_back(rest.substr(0, dash));
    if (dash == std::string_view::npos) break;
    rest.remove_prefix(dash + 1);
  }
  // model [tag] [number] [kind]
  std::size_t at = 0;
  if (!AllOf(parts[at], IsAlnum)) return std::nullopt;
  parsed.model = std::string(parts[at++]);
  if (at < parts.size() && AllOf(parts[at], IsTagChar) &&
      std::isupper(static_cast<unsigned char>(parts[at][0]))) {
    parsed.typeTag = std::string(parts[at++]);
  }
  if (at < parts.size() && AllOf(parts[at], IsDigit)) {
    if (parts[at].size() > 6) return std::nullopt;
    parsed.number = std::strtol(std::string(parts[at++]).c_str(), nullptr, 10);
  }
  if (at < parts.size()) {
    const auto word = std::find_if(kKindWords.begin(), kKindWords.end(), [&](const KindWord& k) {
      return !k.word.empty() && k.word == parts[at];
    });
    if (word == kKindWords.end()) return std::nullopt;
    parsed.kind = word->kind;
    ++at;
  }
  if (at != parts.size()) return std::nullopt;
  return parsed;
}

bool IsBackupFileName(std::string_view name) { return ParseBackupFileName(name).has_value(); }

std::vector<std::string> BackupsToRemove(std::vector<std::string> names, std::size_t keep) {
  std::vector<std::pair<BackupName, std::string>> backups;
  for (std::string& name : names) {
    if (auto parsed = ParseBackupFileName(name)) backups.emplace_back(*parsed, std::move(name));
  }
  std::sort(backups.begin(), backups.end(), [](const auto& a, const auto& b) {
    return Older(a.first, b.first) || (!Older(b.first, a.first) && a.second < b.second);
  });
  std::vector<std::string> remove;
  for (int group = 0; group <= 2; ++group) {
    std::size_t inGroup = 0;
    for (const auto& backup : backups) inGroup += KindGroup(backup.first.kind) == group ? 1 : 0;
    for (const auto& backup : backups) {
      if (inGroup <= keep) break;
      if (KindGroup(backup.first.kind) != group) continue;
      remove.push_back(backup.second);
      --inGroup;
    }
  }
  // Oldest first across the kinds.
  std::stable_sort(remove.begin(), remove.end(), [](const std::string& a, const std::string& b) {
    return Older(*ParseBackupFileName(a), *ParseBackupFileName(b));
  });
  return remove;
}

bool SaveBackup(const std::string& folder, const RadioImage& image, std::time_t when,
                BackupKind kind, std::string* error, std::size_t keep) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    if (error) *error = ec.message();
    return false;
  }
  // Within one second a later backup of any kind gets a higher number, so the newest is known.
  const std::string stamp = BackupFileName(when, image.Plan(), kind).substr(0, kStampLength);
  std::vector<std::string> names;
  long number = 1;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (!entry.is_regular_file(ec)) continue;
    names.push_back(entry.path().filename().string());
    const std::optional<BackupName> parsed = ParseBackupFileName(names.back());
    if (parsed && parsed->stamp == stamp) number = std::max(number, parsed->number + 1);
  }
  fs::path target = fs::path(folder) / BackupFileName(when, image.Plan(), kind, number);
  for (long n = number + 1; fs::exists(target, ec) && n <= kMostNumber; ++n) {
    target = fs::path(folder) / BackupFileName(when, image.Plan(), kind, n);
  }
  if (!SaveDocumentFile(target.string(), image, error)) return false;
  names.push_back(target.filename().string());
  for (const std::string& old : BackupsToRemove(std::move(names), keep)) {
    fs::remove(fs::path(folder) / old, ec);
  }
  return true;
}

bool OpenBaseline(const std::string& folder, const RadioImage& document, RadioImage& baseline,
                  std::string* path) {
  if (path) path->clear();
  const std::string model = SafeModel(document.Plan().model);
  const std::string tag = TypeTag(document.Plan().type.substr(0, kTypeCapacity));
  if (tag.empty()) return false;
  std::vector<std::pair<BackupName, std::string>> candidates;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (!entry.is_regular_file(ec)) continue;
    std::string name = entry.path().filename().string();
    const std::optional<BackupName> parsed = ParseBackupFileName(name);
    if (!parsed || parsed->model != model || parsed->typeTag != tag) continue;
    if (parsed->kind != BackupKind::Read && parsed->kind != BackupKind::Written) continue;
    candidates.emplace_back(*parsed, std::move(name));
  }
  std::sort(candidates.begin(), candidates.end(),
            [](const auto& a, const auto& b) { return Older(b.first, a.first); });
  for (const auto& candidate : candidates) {
    const std::string file = (fs::path(folder) / candidate.second).string();
    RadioImage opened = document;
    if (!OpenDocumentFile(file, opened)) continue;
    baseline = std::move(opened);
    if (path) *path = file;
    return true;
  }
  return false;
}

}  // namespace quorvan
