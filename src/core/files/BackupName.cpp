#include "core/files/BackupName.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/platform/CalendarTime.h"

namespace quorvan {

namespace {

constexpr std::string_view kExtension = ".qvx";
constexpr std::size_t kStampLength = 16;        // "YYYYMMDDThhmmssZ"
constexpr std::size_t kLegacyStampLength = 15;  // "YYYYMMDD-hhmmss"
constexpr std::size_t kSequenceDigits = 4;      // at least; more when the number needs them
constexpr std::size_t kMostSequenceDigits = 18;
constexpr std::size_t kModelLength = 16;
constexpr std::size_t kMostLegacyNumberDigits = 6;
constexpr std::time_t kEarliestStamp = 0;             // 1970-01-01 00:00:00
constexpr std::time_t kLatestStamp = 253402300799LL;  // 9999-12-31 23:59:59

struct KindWord {
  BackupKind kind;
  std::string_view word;  // the last part of the name; none for a whole read
};
constexpr std::array<KindWord, 6> kKindWords{{{BackupKind::Read, ""},
                                              {BackupKind::MemoryRead, "memory"},
                                              {BackupKind::MenuRead, "menu"},
                                              {BackupKind::Written, "written"},
                                              {BackupKind::Replaced, "replaced"},
                                              {BackupKind::Pending, "pending"}}};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
bool IsAlnum(char c) { return IsDigit(c) || IsUpper(c) || IsLower(c); }
bool IsUpperHex(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F'); }

bool AllOf(std::string_view text, bool (*test)(char)) {
  return !text.empty() && std::all_of(text.begin(), text.end(), test);
}

std::optional<BackupKind> KindOfWord(std::string_view word) {
  for (const KindWord& k : kKindWords) {
    if (!k.word.empty() && k.word == word) return k.kind;
  }
  return std::nullopt;
}

std::string_view WordOfKind(BackupKind kind) {
  for (const KindWord& k : kKindWords) {
    if (k.kind == kind) return k.word;
  }
  return {};
}

// A tag as BackupRadioOf writes one: upper-case letters, digits and "_" with two upper-case
// hexadecimal digits.
bool IsTypeTag(std::string_view tag) {
  if (tag.empty() || tag.size() > 3 * kTypeCapacity) return false;
  for (std::size_t i = 0; i < tag.size(); ++i) {
    if (IsUpper(tag[i]) || IsDigit(tag[i])) continue;
    if (tag[i] != '_' || i + 2 >= tag.size() || !IsUpperHex(tag[i + 1]) ||
        !IsUpperHex(tag[i + 2])) {
      return false;
    }
    i += 2;
  }
  return true;
}

bool IsModel(std::string_view model) {
  return AllOf(model, IsAlnum) && model.size() <= kModelLength;
}

int Digits(std::string_view text) {
  int value = 0;
  for (const char c : text) value = value * 10 + (c - '0');
  return value;
}

std::vector<std::string_view> SplitAtDashes(std::string_view text) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t dash = text.find('-');
    parts.push_back(text.substr(0, dash));
    if (dash == std::string_view::npos) return parts;
    text.remove_prefix(dash + 1);
  }
}

// The date and time of a stamp, "YYYYMMDD" and "hhmmss" with one character between them, both
// checked to be digits.
std::tm StampFields(std::string_view stamp) {
  std::tm t{};
  t.tm_year = Digits(stamp.substr(0, 4)) - 1900;
  t.tm_mon = Digits(stamp.substr(4, 2)) - 1;
  t.tm_mday = Digits(stamp.substr(6, 2));
  t.tm_hour = Digits(stamp.substr(9, 2));
  t.tm_min = Digits(stamp.substr(11, 2));
  t.tm_sec = Digits(stamp.substr(13, 2));
  return t;
}

// "YYYYMMDDThhmmssZ" as UTC seconds, only when it is the stamp of exactly that time.
std::optional<std::time_t> ParseStamp(std::string_view stamp) {
  if (stamp.size() != kStampLength || !AllOf(stamp.substr(0, 8), IsDigit) || stamp[8] != 'T' ||
      !AllOf(stamp.substr(9, 6), IsDigit) || stamp[15] != 'Z') {
    return std::nullopt;
  }
  const std::tm asked = StampFields(stamp);
  const std::time_t when = UtcMoment(asked);
  if (when < kEarliestStamp || when > kLatestStamp) return std::nullopt;
  // A 31 April or a 61st second is carried on into the next; such a stamp was not made here.
  const std::tm back = UtcFields(when);
  if (back.tm_year != asked.tm_year || back.tm_mon != asked.tm_mon ||
      back.tm_mday != asked.tm_mday || back.tm_hour != asked.tm_hour ||
      back.tm_min != asked.tm_min || back.tm_sec != asked.tm_sec) {
    return std::nullopt;
  }
  return when;
}

// At least four digits, no more leading zeros than those, not zero.
std::optional<std::uint64_t> ParseSequence(std::string_view digits) {
  if (digits.size() < kSequenceDigits || digits.size() > kMostSequenceDigits ||
      !AllOf(digits, IsDigit) || (digits.size() > kSequenceDigits && digits[0] == '0')) {
    return std::nullopt;
  }
  std::uint64_t value = 0;
  for (const char c : digits) value = value * 10 + static_cast<std::uint64_t>(c - '0');
  if (value == 0) return std::nullopt;
  return value;
}

// model [tag] [kind], after the sequence number.
bool ParseRadioAndKind(const std::vector<std::string_view>& parts, std::size_t first,
                       BackupName& parsed) {
  const std::size_t count = parts.size() - first;
  if (count < 1 || count > 3 || !IsModel(parts[first])) return false;
  parsed.radio.model = std::string(parts[first]);
  std::size_t at = first + 1;
  if (at < parts.size() && !KindOfWord(parts[at])) {
    if (!IsTypeTag(parts[at])) return false;
    parsed.radio.typeTag = std::string(parts[at++]);
  }
  if (at < parts.size()) {
    const std::optional<BackupKind> kind = KindOfWord(parts[at++]);
    if (!kind) return false;
    parsed.kind = *kind;
  }
  return at == parts.size();
}

std::optional<BackupName> ParseCurrentName(std::string_view body, std::string_view name) {
  const std::vector<std::string_view> parts = SplitAtDashes(body);
  if (parts.size() < 3) return std::nullopt;
  BackupName parsed;
  const std::optional<std::time_t> when = ParseStamp(parts[0]);
  const std::optional<std::uint64_t> sequence = ParseSequence(parts[1]);
  if (!when || !sequence || !ParseRadioAndKind(parts, 2, parsed)) return std::nullopt;
  parsed.fileName = std::string(name);
  parsed.when = *when;
  parsed.sequence = *sequence;
  return parsed;
}

// "YYYYMMDD-hhmmss-MODEL[-TAG][-N][-kind]": local time, a number from 2 on within one second.
std::optional<BackupName> ParseLegacyName(std::string_view body, std::string_view name) {
  if (body.size() <= kLegacyStampLength + 1 || !AllOf(body.substr(0, 8), IsDigit) ||
      body[8] != '-' || !AllOf(body.substr(9, 6), IsDigit) || body[kLegacyStampLength] != '-') {
    return std::nullopt;
  }
  const std::vector<std::string_view> parts = SplitAtDashes(body.substr(kLegacyStampLength + 1));
  BackupName parsed;
  parsed.legacy = true;
  std::size_t at = 0;
  if (!AllOf(parts[at], IsAlnum)) return std::nullopt;
  parsed.radio.model = std::string(parts[at++]);
  if (at < parts.size() && !parts[at].empty() && IsUpper(parts[at][0]) &&
      AllOf(parts[at], [](char c) { return IsAlnum(c) || c == '_'; })) {
    parsed.radio.typeTag = std::string(parts[at++]);
  }
  if (at < parts.size() && AllOf(parts[at], IsDigit)) {
    if (parts[at].size() > kMostLegacyNumberDigits) return std::nullopt;
    parsed.sequence = static_cast<std::uint64_t>(Digits(parts[at++]));
  }
  if (at < parts.size()) {
    const std::optional<BackupKind> kind = KindOfWord(parts[at++]);
    // Earlier versions kept no journal.
    if (!kind || *kind == BackupKind::Pending) return std::nullopt;
    parsed.kind = *kind;
  }
  if (at != parts.size()) return std::nullopt;
  std::tm local = StampFields(body);
  local.tm_isdst = -1;
  parsed.when = std::mktime(&local);
  parsed.fileName = std::string(name);
  return parsed;
}

}  // namespace

BackupKind ReadBackupKind(bool records, bool menu) {
  if (records && menu) return BackupKind::Read;
  return records ? BackupKind::MemoryRead : BackupKind::MenuRead;
}

BackupRadio BackupRadioOf(const BandPlan& plan) {
  BackupRadio radio;
  for (const char c : std::string_view(plan.model).substr(0, kModelLength)) {
    if (IsAlnum(c)) radio.model += c;
  }
  if (radio.model.empty()) radio.model = "radio";
  const std::string_view type = std::string_view(plan.type).substr(0, kTypeCapacity);
  for (std::size_t i = 0; i < type.size(); ++i) {
    const char c = type[i];
    if (IsUpper(c) || IsDigit(c)) {
      radio.typeTag += c;
    } else if (!(i == 2 && c == ',')) {
      char hex[4];
      std::snprintf(hex, sizeof hex, "_%02X", static_cast<unsigned char>(c));
      radio.typeTag += hex;
    }
  }
  return radio;
}

std::string BackupFileName(std::time_t when, std::uint64_t sequence, const BackupRadio& radio,
                           BackupKind kind) {
  when = std::clamp(when, kEarliestStamp, kLatestStamp);
  sequence = std::clamp<std::uint64_t>(sequence, 1, kMostBackupSequence);
  const std::tm utc = UtcFields(when);
  char head[64];
  std::snprintf(head, sizeof head, "%04d%02d%02dT%02d%02d%02dZ-%04llu-", utc.tm_year + 1900,
                utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                static_cast<unsigned long long>(sequence));
  std::string name = head + radio.model;
  if (!radio.typeTag.empty()) name += "-" + radio.typeTag;
  const std::string_view word = WordOfKind(kind);
  if (!word.empty()) name += "-" + std::string(word);
  return name + std::string(kExtension);
}

std::optional<BackupName> ParseBackupFileName(std::string_view name) {
  if (name.size() <= kExtension.size() ||
      name.substr(name.size() - kExtension.size()) != kExtension) {
    return std::nullopt;
  }
  const std::string_view body = name.substr(0, name.size() - kExtension.size());
  if (body.size() > 8 && body[8] == 'T') return ParseCurrentName(body, name);
  return ParseLegacyName(body, name);
}

bool IsOlderBackup(const BackupName& a, const BackupName& b) {
  if (a.legacy != b.legacy) return a.legacy;
  if (a.legacy) {
    const std::string_view stampA = std::string_view(a.fileName).substr(0, kLegacyStampLength);
    const std::string_view stampB = std::string_view(b.fileName).substr(0, kLegacyStampLength);
    if (stampA != stampB) return stampA < stampB;
  }
  if (a.sequence != b.sequence) return a.sequence < b.sequence;
  // A write of changes keeps what it found before its journal, under the journal's number.
  const bool replacedA = a.kind == BackupKind::Replaced;
  if (replacedA != (b.kind == BackupKind::Replaced)) return replacedA;
  if (!a.legacy && a.when != b.when) return a.when < b.when;
  return a.fileName < b.fileName;
}

std::uint64_t NextBackupSequence(const std::vector<BackupName>& names) {
  std::uint64_t highest = 0;
  for (const BackupName& name : names) {
    if (!name.legacy) highest = std::max(highest, name.sequence);
  }
  return std::min(highest + 1, kMostBackupSequence);
}

std::string BackupTimeText(std::time_t when) {
  static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const std::tm local = LocalFields(when);
  char text[48];
  std::snprintf(text, sizeof text, "%d %s %04d %02d:%02d", local.tm_mday,
                kMonths[static_cast<std::size_t>(std::clamp(local.tm_mon, 0, 11))],
                local.tm_year + 1900, local.tm_hour, local.tm_min);
  return text;
}

}  // namespace quorvan
