#include "core/rules/PasteRules.h"

#include <cstdint>
#include <cstdio>

#include "core/model/ChannelTables.h"
#include "core/model/NameCharset.h"
#include "core/model/RecordFields.h"
#include "core/model/RecordForm.h"
#include "core/rules/FrequencyRules.h"

namespace quorvan {

namespace {

constexpr std::string_view kBandCodes = "0123456789ABCDE";

bool IsTargetSlot(const EditTarget& target) {
  switch (target.grid) {
    case Grid::Memory:
      return target.slot >= 0 && target.slot < kMemorySlots;
    case Grid::Vfo:
      return target.slot >= 0 && target.slot < kVfoSlots;
    case Grid::Call:
      return target.slot >= 0 && target.slot < kCallSlots;
    case Grid::Dtmf:
      return target.slot >= 0 && target.slot < kDtmfSlots;
    case Grid::None:
      break;
  }
  return false;
}

// A plain decimal number of one to `maxDigits` digits; anything else is refused.
bool ReadNumber(std::string_view text, std::int64_t& value, std::size_t maxDigits = 9) {
  if (text.empty() || text.size() > maxDigits) return false;
  value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return true;
}

// Paste limits in units of 10 kHz, both ends included.
struct PasteLimits {
  std::int64_t lower = 0;
  std::int64_t upper = 0;
};

// Limit texts of up to five digits are whole MHz, longer ones (the low B-band ranges) are
// already in 10 kHz units. `upperExtra` widens a program VFO range to its whole top MHz.
bool ReadLimits(std::string_view lowerText, std::string_view upperText, int upperExtra,
                PasteLimits& limits) {
  if (!ReadNumber(lowerText, limits.lower) || !ReadNumber(upperText, limits.upper)) return false;
  limits.upper += upperExtra;
  if (lowerText.size() <= 5) {
    limits.lower *= 100;
    limits.upper *= 100;
  }
  return true;
}

bool TargetLimits(const RadioImage& image, std::string_view frequency, const EditTarget& target,
                  PasteLimits& limits) {
  int entry = target.slot;
  if (target.grid == Grid::Memory) {
    entry = BandOfFrequency(image.Plan(), frequency);
  } else if (target.grid == Grid::Vfo && target.slot <= 3) {
    const std::string& range = image.Record(SlotKind::ProgramVfo, target.slot);
    return ReadLimits(FieldOf(range, kProgramLowerField), FieldOf(range, kProgramUpperField), 1,
                      limits);
  }
  const std::string& limit = image.Plan().limits[static_cast<std::size_t>(entry)];
  return ReadLimits(FieldOf(limit, 0), FieldOf(limit, 1), 0, limits);
}

bool IsElevenDigits(std::string_view text) {
  if (text.size() != 11) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// A channel record suits a channel grid when its frequency lies within the target's limits;
// the A-band VFOs take only FM on their step grid.
bool ChannelSuitsTarget(const RadioImage& image, std::string_view clipboard,
                        const EditTarget& target) {
  const std::string_view frequency = FieldOf(clipboard, kFrequencyField);
  if (!IsElevenDigits(frequency)) return false;
  std::int64_t tenKhz = 0;
  ReadNumber(frequency.substr(0, 7), tenKhz);
  PasteLimits limits;
  if (!TargetLimits(image, frequency, target, limits)) return false;
  if (tenKhz < limits.lower || tenKhz > limits.upper) return false;
  if (target.grid != Grid::Vfo || target.slot > 3) return true;

  const std::string_view stepCode = FieldOf(clipboard, kStepField);
  const int step = stepCode.size() == 1 ? StepIndexOfCode(stepCode[0]) : -1;
  if (step < 0) return false;
  std::int64_t hz = 0;
  ReadNumber(frequency, hz, 11);
  return IsOnStepGrid(hz, kSteps[static_cast<std::size_t>(step)].hz) &&
         FieldOf(clipboard, kModeField) == "0";
}

// A carried-over name: at most eight bytes, dropped entirely when one of them is not a name
// character of the destination.
std::string_view CarriedName(std::string_view rest, char destination) {
  const std::string_view name = rest.substr(0, kNameCapacity);
  return IsValidName(name, destination) ? name : std::string_view{};
}

std::string PastedDtmfRecord(std::string_view clipboard, int slot, char destination) {
  char number[4];
  std::snprintf(number, sizeof number, "%02d", slot);
  std::string text = number;
  text += ',';
  text += FieldOf(clipboard, kDtmfCodeField);
  text += ',';
  text += CarriedName(TextFrom(clipboard, kDtmfNameField), destination);
  return text;
}

// The channel identifier the pasted record starts with. A memory record takes its slot's own
// identifier, so that the file reader, which places records by it, puts the record back here.
std::string ChannelIdentifier(const RadioImage& image, const EditTarget& target) {
  if (target.grid == Grid::Memory) return MemoryChannelLabel(target.slot);
  const std::string_view own = image.Field(SlotKindOfGrid(target.grid), target.slot, 0);
  if (!own.empty()) return std::string(own);
  return std::string(1, kBandCodes[static_cast<std::size_t>(target.slot)]);
}

std::string PastedChannelRecord(const RadioImage& image, std::string_view clipboard,
                                const EditTarget& target) {
  const char destination = image.Plan().DestinationLetter();
  const auto c = [clipboard](int n) { return FieldOf(clipboard, n); };

  std::string text = ChannelIdentifier(image, target);
  const char first = text.empty() ? '\0' : text[0];
  const bool scanEdgeOrPriority = first == 'L' || first == 'U' || first == 'P';

  // Fields 1-11. The fixed split (shift 3) exists only for destination E.
  text += ',';
  text += c(kFrequencyField);
  text += ',';
  text += c(kStepField);
  text += ',';
  const std::string_view shift = c(kShiftField);
  const bool foreignSplit =
      destination != 'E' && !shift.empty() && static_cast<unsigned char>(shift[0]) > '2';
  text += foreignSplit ? std::string_view("0") : shift;
  for (int n = kReverseField; n <= kDcsIndexField; ++n) {
    text += ',';
    text += c(n);
  }
  text += ',';
  text += c(kOffsetField).empty() ? std::string_view("000000000") : c(kOffsetField);
  text += ',';
  text += c(kModeField);

  if (target.grid == Grid::Vfo) {
    text += ",,,,,";
    return text;
  }
  // Field 13: the lockout place, empty in CALL records; scan edges and priority channels are
  // always scanned.
  text += ',';
  if (target.grid == Grid::Memory) {
    const std::string_view lockout = c(kLockoutField);
    text += scanEdgeOrPriority || lockout.empty() ? std::string_view("0") : lockout;
  }
  // Fields 14 and 15: a split channel's transmit frequency and its step (the receive step).
  const std::string_view transmit = c(kTxFrequencyField);
  text += ',';
  text += transmit;
  text += ',';
  if (!transmit.empty()) text += c(kStepField);
  text += ",,";
  if (target.grid == Grid::Memory) {
    text += CarriedName(TextFrom(clipboard, kChannelNameField), destination);
  }
  return text;
}

}  // namespace

std::optional<std::string> BuildPasteRecord(const RadioImage& image, std::string_view clipboard,
                                            const EditTarget& target) {
  if (!IsTargetSlot(target)) return std::nullopt;
  const char destination = image.Plan().DestinationLetter();
  std::string text = target.grid == Grid::Dtmf
                         ? PastedDtmfRecord(clipboard, target.slot, destination)
                         : PastedChannelRecord(image, clipboard, target);
  // The fields come from the clipboard as they stand; a record that would be malformed in the
  // target (and so could not be saved and opened again, or written) is not pasted.
  if (!RecordProblem(SlotKindOfGrid(target.grid), target.slot, text).empty()) return std::nullopt;
  return text;
}

bool PasteAvailable(const RadioImage& image, std::string_view clipboard, const EditTarget& target) {
  if (clipboard.empty() || clipboard.find('\0') != std::string_view::npos) return false;
  if (!IsTargetSlot(target)) return false;
  if (target.grid == Grid::Dtmf) {
    if (clipboard.size() > kLongestDtmfClipText) return false;
  } else if (clipboard.size() < kShortestChannelClipText ||
             !ChannelSuitsTarget(image, clipboard, target)) {
    return false;
  }
  return BuildPasteRecord(image, clipboard, target).has_value();
}

bool PasteInto(RadioImage& image, std::string_view clipboard, const EditTarget& target) {
  if (!PasteAvailable(image, clipboard, target)) return false;
  const std::optional<std::string> record = BuildPasteRecord(image, clipboard, target);
  if (!record) return false;
  image.Store(SlotKindOfGrid(target.grid), target.slot, *record);
  return true;
}

}  // namespace quorvan
