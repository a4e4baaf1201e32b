// Channel numbers, paging, band lists, program VFO fields and DTMF codes of the editors.
#include <algorithm>
#include <array>

#include "core/model/RecordForm.h"
#include "core/rules/DisplayTexts.h"
#include "core/rules/EditorRules.h"

namespace quorvan {

namespace {

constexpr int kMaxOrdinaryChannel = 399;

// Prefixes of slot names that the number field lets the user finish typing.
constexpr std::array<std::string_view, 6> kUnfinishedNames{"L", "U", "P", "I", "PR", "I-"};

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Leading digits as a number, at most five of them so nothing overflows.
int LeadingValue(std::string_view text) {
  int value = 0;
  for (std::size_t i = 0; i < text.size() && i < 5; ++i) {
    if (text[i] < '0' || text[i] > '9') break;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// Lower and upper whole MHz of a band-limit entry of bands 0-3; false when the band is absent.
bool LimitsMhz(const BandPlan& plan, int band, int& lower, int& upper) {
  if (band < 0 || band >= kBandLimitCount) return false;
  long lowerKhz = 0;
  long upperKhz = 0;
  if (!LimitRangeKhz(plan.limits[static_cast<std::size_t>(band)], lowerKhz, upperKhz)) {
    return false;
  }
  lower = static_cast<int>(lowerKhz / 1000);
  upper = static_cast<int>(upperKhz / 1000);
  return upper > lower;
}

bool IsCompleteProgramValue(std::string_view text, int band) {
  return text.size() == 4 || (text.size() == 3 && band <= 2);
}

}  // namespace

std::string MemoryChannelText(int slot) {
  if (slot >= 0 && slot < kOrdinaryMemorySlots) return std::to_string(slot);
  return MemoryChannelLabel(slot);
}

ChannelNumberReading ReadChannelNumber(std::string_view text) {
  if (text.empty()) return {};
  if (AllDigits(text)) {
    const bool inRange = text.size() <= 5 && LeadingValue(text) <= kMaxOrdinaryChannel;
    return inRange ? ChannelNumberReading{ChannelNumberKind::Valid, LeadingValue(text)}
                   : ChannelNumberReading{ChannelNumberKind::Invalid, -1};
  }
  for (int slot = kFirstLimitSlot; slot < kMemorySlots; ++slot) {
    if (text == MemoryChannelLabel(slot)) return {ChannelNumberKind::Valid, slot};
  }
  for (const std::string_view prefix : kUnfinishedNames) {
    if (text == prefix) return {ChannelNumberKind::Unfinished, -1};
  }
  return {ChannelNumberKind::Invalid, -1};
}

int PagedPosition(int current, int count, PagingMove move) {
  if (count <= 0) return 0;
  switch (move) {
    case PagingMove::Next:
      return current + 1 >= count ? 0 : current + 1;
    case PagingMove::Previous:
      return current <= 0 ? count - 1 : current - 1;
    case PagingMove::First:
      return 0;
    case PagingMove::Last:
      return count - 1;
  }
  return current;
}

std::vector<BandListEntry> VfoBandList(const BandPlan& plan) {
  std::vector<BandListEntry> list;
  for (int band = 0; band < kVfoSlots; ++band) {
    if (band == 1 && !plan.HasA220()) continue;
    if (band == 3 && !plan.IsCirra()) continue;
    list.push_back({VfoBandName(plan, band), band});
  }
  return list;
}

std::vector<BandListEntry> CallBandList(const BandPlan& plan) {
  std::vector<BandListEntry> list;
  for (int band = 0; band < kCallSlots; ++band) {
    if (band == 1 && !plan.HasA220()) continue;
    if (band == 3 && !plan.IsCirra()) continue;
    list.push_back({CallBandName(plan, band), band});
  }
  return list;
}

ProgramVfoFields ProgramVfoFieldsOf(const RadioImage& image, int band) {
  const ProgramVfoRecord range = image.ProgramVfo(band);
  return {WholeNumberText(range.Lower()), WholeNumberText(range.Upper())};
}

ProgramVfoFields ReactToProgramVfoEdit(const BandPlan& plan, int band, ProgramVfoFields fields,
                                       ProgramVfoSide edited) {
  std::string& text = edited == ProgramVfoSide::Lower ? fields.lower : fields.upper;
  if (text == "0") {
    text.clear();
    return fields;
  }
  int lower = 0;
  int upper = 0;
  if (!IsCompleteProgramValue(text, band) || !LimitsMhz(plan, band, lower, upper)) return fields;
  const int value = std::clamp(LeadingValue(text), lower, upper - 1);
  text = std::to_string(value);
  if (edited == ProgramVfoSide::Lower) {
    if (LeadingValue(fields.upper) < value) fields.upper = fields.lower;
  } else if (fields.lower.size() <= 2) {
    fields.lower = std::to_string(lower);
  } else if (LeadingValue(fields.lower) > value) {
    fields.lower = fields.upper;
  }
  return fields;
}

std::string CompleteProgramVfoRecord(const BandPlan& plan, int band, const ProgramVfoFields& f) {
  int lowerLimit = 0;
  int upperLimit = 0;
  const bool known = LimitsMhz(plan, band, lowerLimit, upperLimit);
  int lower = f.lower.size() < 3 ? lowerLimit : LeadingValue(f.lower);
  int upper = f.upper.size() < 3 ? upperLimit : LeadingValue(f.upper);
  if (known) {
    // A value the field rule has not yet held (three characters in the 1200 MHz band) must not
    // reach the radio as a range outside its band.
    lower = std::clamp(lower, lowerLimit, upperLimit - 1);
    upper = std::clamp(upper, lowerLimit, upperLimit - 1);
  }
  upper = std::max(upper, lower);
  return ProgramVfoRecord::Make(band, lower, upper).Text();
}

DtmfKeyAction FilterDtmfCodeKey(char& key) {
  if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
  if (IsDtmfCodeChar(key) || key == '\b' || key == '\r') return DtmfKeyAction::Accept;
  if (key == '\x1b') return DtmfKeyAction::Swallow;
  return DtmfKeyAction::Refuse;
}

}  // namespace quorvan
