#include "core/model/RecordForm.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/messages/MessagePatterns.h"
#include "core/model/ChannelFile.h"
#include "core/model/ChannelRecord.h"
#include "core/model/DtmfRecord.h"
#include "core/model/EscapedText.h"
#include "core/model/MenuSettings.h"
#include "core/model/NameCharset.h"
#include "core/model/ProgramVfoRecord.h"

namespace quorvan {

namespace {

constexpr std::string_view kBandCodes = "0123456789ABCDE";

constexpr std::size_t kChannelFields = 18;
constexpr std::size_t kFewestCallFields = 13;
constexpr std::size_t kDtmfFields = 3;
constexpr std::size_t kProgramVfoFields = 3;
constexpr std::size_t kProgramVfoLimitDigits = 5;
// No limit on the fields counted: a damaged record may carry any number.
constexpr std::size_t kAnyCount = static_cast<std::size_t>(-1);

enum class Form { Digits, DigitsOrEmpty, HexDigit, HexDigitOrEmpty, Empty, Any };

struct FieldRule {
  std::string_view name;
  Form form;
  std::size_t digits;
};

// Memory channel fields; VFO and CALL records differ from field 13 on. Field 0 (the label or
// band code) is compared with the slot, field 17 (the name) checked as a name.
constexpr std::array<FieldRule, kChannelFields> kMemoryRules{{
    {"label", Form::Any, 0},
    {"frequency", Form::Digits, 11},
    {"step", Form::HexDigit, 1},
    {"shift", Form::Digits, 1},
    {"reverse switch", Form::Digits, 1},
    {"tone switch", Form::Digits, 1},
    {"CTCSS switch", Form::Digits, 1},
    {"DCS switch", Form::Digits, 1},
    {"tone", Form::Digits, 2},
    {"CTCSS tone", Form::Digits, 2},
    {"DCS code", Form::Digits, 3},
    {"offset", Form::Digits, 9},
    {"mode", Form::Digits, 1},
    {"lockout", Form::Digits, 1},
    {"transmit frequency", Form::DigitsOrEmpty, 11},
    {"transmit step", Form::HexDigitOrEmpty, 1},
    {"RF power", Form::Any, 0},
    {"name", Form::Any, 0},
}};

constexpr std::array<FieldRule, kChannelFields> WithTail(
    std::array<FieldRule, kChannelFields> rules, bool call) {
  for (std::size_t n = 13; n < kChannelFields; ++n) {
    const bool keep = call && (n == 14 || n == 15 || n == 16);
    if (!keep) rules[n].form = Form::Empty;
  }
  return rules;
}

constexpr std::array<FieldRule, kChannelFields> kVfoRules = WithTail(kMemoryRules, false);
constexpr std::array<FieldRule, kChannelFields> kCallRules = WithTail(kMemoryRules, true);

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpperHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F'); }
bool IsControl(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b < 0x20 || b == 0x7F;
}

bool IsDigits(std::string_view text, std::size_t count) {
  if (text.size() != count) return false;
  for (const char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

std::string Digits(std::size_t count) {
  return count == 1 ? "one digit" : std::to_string(count) + " digits";
}

std::string Characters(std::size_t count) {
  return count == 1 ? "one character" : std::to_string(count) + " characters";
}

// How many fields a record's commas make; a memory record's name takes every comma after its
// seventeenth.
std::size_t FieldCount(std::string_view record, std::size_t most) {
  const auto commas = static_cast<std::size_t>(std::count(record.begin(), record.end(), ','));
  return std::min(commas + 1, most);
}

std::string FieldCountProblem(std::size_t count, std::string_view wanted) {
  return "the record has " + std::to_string(count) + (count == 1 ? " field" : " fields") +
         " instead of " + std::string(wanted);
}

// What holds for every record: its slot's capacity and no control character.
std::string WholeRecordProblem(std::string_view record, std::size_t capacity) {
  if (record.size() > capacity) return "the record is longer than " + Characters(capacity);
  for (const char c : record) {
    if (IsControl(c)) return "the record holds the control character " + QuotedForMessage({&c, 1});
  }
  return {};
}

bool IsHexDigitField(std::string_view field) {
  return field.size() == 1 && IsUpperHexDigit(field[0]);
}

bool FieldFits(const FieldRule& rule, std::string_view field) {
  switch (rule.form) {
    case Form::Digits:
      return IsDigits(field, rule.digits);
    case Form::DigitsOrEmpty:
      return field.empty() || IsDigits(field, rule.digits);
    case Form::HexDigit:
      return IsHexDigitField(field);
    case Form::HexDigitOrEmpty:
      return field.empty() || IsHexDigitField(field);
    case Form::Empty:
      return field.empty();
    case Form::Any:
      break;
  }
  return true;
}

// The words are put together only for a field that does not fit: opening a file checks every
// field of every record.
std::string FieldProblem(const FieldRule& rule, std::string_view field) {
  if (FieldFits(rule, field)) return {};
  const std::string what = "the " + std::string(rule.name) + " " + QuotedForMessage(field);
  switch (rule.form) {
    case Form::Digits:
      return what + " is not " + Digits(rule.digits);
    case Form::DigitsOrEmpty:
      return what + " is neither empty nor " + Digits(rule.digits);
    case Form::HexDigit:
      return what + " is not one hexadecimal digit";
    case Form::HexDigitOrEmpty:
      return what + " is neither empty nor one hexadecimal digit";
    case Form::Empty:
      return what + " should be empty";
    case Form::Any:
      break;
  }
  return {};
}

std::string NameProblem(std::string_view name) {
  if (name.size() <= kNameCapacity) return {};
  return "the name " + QuotedForMessage(name) + " is longer than " + Characters(kNameCapacity);
}

std::string SlotCode(int slot, int count) {
  if (slot < 0 || slot >= count) return {};
  return std::string(1, kBandCodes[static_cast<std::size_t>(slot)]);
}

// A memory, VFO or CALL record of `count` fields: each by `rules`, field 0 naming the slot.
std::string ChannelProblem(std::string_view text, std::size_t count,
                           const std::array<FieldRule, kChannelFields>& rules,
                           std::string_view wantedId, std::string_view idWord,
                           std::string_view slotWord) {
  const ChannelRecord record = ChannelRecord::Parse(text);
  const std::string_view id = record[ChannelField::Id];
  if (id != wantedId || wantedId.empty()) {
    return "the " + std::string(idWord) + " " + QuotedForMessage(id) + " does not name this " +
           std::string(slotWord);
  }
  for (std::size_t n = 1; n < count; ++n) {
    std::string problem = FieldProblem(rules[n], record[static_cast<ChannelField>(n)]);
    if (!problem.empty()) return problem;
  }
  return {};
}

}  // namespace

bool IsDtmfCodeChar(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'D') || c == '*' || c == '#' || c == ' ';
}

bool IsDtmfCode(std::string_view code) {
  if (code.size() > kDtmfCodeCapacity) return false;
  for (const char c : code) {
    if (!IsDtmfCodeChar(c)) return false;
  }
  return true;
}

std::string MemoryRecordProblem(int slot, std::string_view record) {
  if (record.empty()) return {};
  std::string problem = WholeRecordProblem(record, kChannelRecordCapacity);
  if (!problem.empty()) return problem;
  const std::size_t count = FieldCount(record, kChannelFields);
  if (count != kChannelFields) return FieldCountProblem(count, "18");
  problem =
      ChannelProblem(record, count, kMemoryRules, MemoryChannelLabel(slot), "label", "channel");
  return problem.empty() ? NameProblem(ChannelRecord::Parse(record)[ChannelField::Name]) : problem;
}

std::string VfoRecordProblem(int slot, std::string_view record) {
  if (record.empty()) return {};
  const std::string problem = WholeRecordProblem(record, kChannelRecordCapacity);
  if (!problem.empty()) return problem;
  const std::size_t count = FieldCount(record, kAnyCount);
  if (count != kChannelFields) return FieldCountProblem(count, "18");
  return ChannelProblem(record, count, kVfoRules, SlotCode(slot, kVfoSlots), "band code", "band");
}

std::string CallRecordProblem(int slot, std::string_view record) {
  if (record.empty()) return {};
  const std::string problem = WholeRecordProblem(record, kChannelRecordCapacity);
  if (!problem.empty()) return problem;
  // A read from the radio leaves the empty fields after a channel without a transmit part off.
  const std::size_t count = FieldCount(record, kAnyCount);
  if (count < kFewestCallFields || count > kChannelFields) {
    return FieldCountProblem(count, "13 to 18");
  }
  return ChannelProblem(record, count, kCallRules, SlotCode(slot, kCallSlots), "band code", "band");
}

std::string DtmfRecordProblem(int slot, std::string_view record) {
  if (record.empty()) return {};
  const std::string problem = WholeRecordProblem(record, kDtmfCapacity);
  if (!problem.empty()) return problem;
  const std::size_t count = FieldCount(record, kDtmfFields);
  if (count != kDtmfFields) return FieldCountProblem(count, "3");
  const DtmfRecord dtmf = DtmfRecord::Parse(record);
  // The editor writes the number with one digit, paste and a radio read with two.
  const std::string_view number = dtmf.Number();
  const std::string own = SlotCode(slot, kDtmfSlots);
  if (own.empty() ||
      !(number == own || (number.size() == 2 && number[0] == '0' && number.substr(1) == own))) {
    return "the number " + QuotedForMessage(number) + " does not name this memory";
  }
  if (!IsDtmfCode(dtmf.Code())) {
    return "the code " + QuotedForMessage(dtmf.Code()) + " is not at most " +
           std::to_string(kDtmfCodeCapacity) + " of 0-9, A-D, *, # and blank";
  }
  return NameProblem(dtmf.Name());
}

std::string ProgramVfoRecordProblem(int slot, std::string_view record) {
  if (record.empty()) return {};
  const std::string problem = WholeRecordProblem(record, kProgramVfoCapacity);
  if (!problem.empty()) return problem;
  const std::size_t count = FieldCount(record, kAnyCount);
  if (count != kProgramVfoFields) return FieldCountProblem(count, "3");
  const ProgramVfoRecord range = ProgramVfoRecord::Parse(record);
  const std::string own = SlotCode(slot, kProgramVfoSlots);
  if (own.empty() || range.Band() != own) {
    return "the band code " + QuotedForMessage(range.Band()) + " does not name this range";
  }
  for (const auto& [field, name] :
       {std::pair{range.Lower(), "lower limit"}, std::pair{range.Upper(), "upper limit"}}) {
    if (!IsDigits(field, kProgramVfoLimitDigits)) {
      return "the " + std::string(name) + " " + QuotedForMessage(field) + " is not " +
             Digits(kProgramVfoLimitDigits);
    }
  }
  return {};
}

std::string RecordProblem(SlotKind kind, int slot, std::string_view record) {
  switch (kind) {
    case SlotKind::Memory:
      return MemoryRecordProblem(slot, record);
    case SlotKind::Vfo:
      return VfoRecordProblem(slot, record);
    case SlotKind::Call:
      return CallRecordProblem(slot, record);
    case SlotKind::Dtmf:
      return DtmfRecordProblem(slot, record);
    case SlotKind::ProgramVfo:
      return ProgramVfoRecordProblem(slot, record);
  }
  return "no such record kind";
}

std::string MenuValueProblem(int item, std::string_view value) {
  if (item < 0 || item >= kMenuItemCount) return "no such menu value";
  const std::size_t capacity = MenuItemCapacity(item);
  if (value.size() > capacity) {
    return "the value " + QuotedForMessage(value) + " is longer than " + Characters(capacity);
  }
  for (const char c : value) {
    if (IsControl(c)) return "the value holds the control character " + QuotedForMessage({&c, 1});
  }
  return {};
}

std::string CommentProblem(std::string_view comment) {
  if (comment.size() > kCommentCapacity) {
    return "the comment is longer than " + Characters(kCommentCapacity);
  }
  for (const char c : comment) {
    if (IsControl(c)) return "the comment holds the control character " + QuotedForMessage({&c, 1});
  }
  if (IsChannelFileMarker(comment)) {
    return "the comment " + QuotedForMessage(comment) + " is a section marker of the channel file";
  }
  return {};
}

std::string RecordItemName(SlotKind kind, int slot, const CatalogueLookup& lookup) {
  const auto named = [&](const char* pattern, const std::string& which) {
    return FillIn(LookUp(lookup, pattern), {which});
  };
  switch (kind) {
    case SlotKind::Memory:
      return named(pattern::kMemoryChannelItem, MemoryChannelLabel(slot));
    case SlotKind::Vfo:
      return named(pattern::kVfoItem, std::to_string(slot));
    case SlotKind::Call:
      return named(pattern::kCallChannelItem, std::to_string(slot));
    case SlotKind::Dtmf:
      return named(pattern::kDtmfMemoryItem, std::to_string(slot));
    case SlotKind::ProgramVfo:
      return named(pattern::kProgramVfoItem, std::to_string(slot));
  }
  return {};
}

std::string MenuItemName(int item, const CatalogueLookup& lookup) {
  return FillIn(LookUp(lookup, pattern::kMenuValueItem), {std::string(MenuMnemonic(item))});
}

std::optional<MalformedItem> FirstMalformedItem(const RadioImage& image, bool records, bool menu) {
  ItemSet items;
  if (records) items.Add(ItemSet::Records());
  if (menu) items.Add(ItemSet::MenuValues());
  return FirstMalformedItem(image, items);
}

std::optional<MalformedItem> FirstMalformedItem(const RadioImage& image, const ItemSet& items) {
  const std::pair<SlotKind, ItemKind> kinds[] = {{SlotKind::Memory, ItemKind::Memory},
                                                 {SlotKind::Call, ItemKind::Call},
                                                 {SlotKind::Vfo, ItemKind::Vfo},
                                                 {SlotKind::ProgramVfo, ItemKind::ProgramVfo},
                                                 {SlotKind::Dtmf, ItemKind::Dtmf}};
  for (const auto& [kind, itemKind] : kinds) {
    for (int slot = 0; slot < SlotCount(kind); ++slot) {
      if (!items.Contains({itemKind, slot})) continue;
      std::string problem = RecordProblem(kind, slot, image.Record(kind, slot));
      if (!problem.empty()) return MalformedItem{RecordItemName(kind, slot), std::move(problem)};
    }
  }
  for (int item = 0; item < kMenuItemCount; ++item) {
    if (!items.Contains({ItemKind::Menu, item})) continue;
    std::string problem = MenuValueProblem(item, image.Menu().Get(item));
    if (!problem.empty()) return MalformedItem{MenuItemName(item), std::move(problem)};
  }
  return std::nullopt;
}

}  // namespace quorvan
