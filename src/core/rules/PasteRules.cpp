#include "core/rules/PasteRules.h"

#include <cstdint>

#include "core/model/ChannelTables.h"
#include "core/model/NameCharset.h"
#include "core/model/RecordDigits.h"
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
    const ProgramVfoRecord range = image.ProgramVfo(target.slot);
    return ReadLimits(range.Lower(), range.Upper(), 1, limits);
  }
  // A band-limit entry is "lower,upper".
  const std::string_view limit = image.Plan().limits[static_cast<std::size_t>(entry)];
  const std::size_t comma = limit.find(',');
  if (comma == std::string_view::npos) return false;
  return ReadLimits(limit.substr(0, comma), limit.substr(comma + 1), 0, limits);
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
bool ChannelSuitsTarget(const RadioImage& image, const ChannelRecord& clipboard,
                        const EditTarget& target) {
  const std::string_view frequency = clipboard[ChannelField::Frequency];
  if (!IsElevenDigits(frequency)) return false;
  std::int64_t tenKhz = 0;
  ReadNumber(frequency.substr(0, 7), tenKhz);
  PasteLimits limits;
  if (!TargetLimits(image, frequency, target, limits)) return false;
  if (tenKhz < limits.lower || tenKhz > limits.upper) return false;
  if (target.grid != Grid::Vfo || target.slot > 3) return true;

  const std::string_view stepCode = clipboard[ChannelField::Step];
  const int step = stepCode.size() == 1 ? StepIndexOfCode(stepCode[0]) : -1;
  if (step < 0) return false;
  std::int64_t hz = 0;
  ReadNumber(frequency, hz, 11);
  return IsOnStepGrid(hz, kSteps[static_cast<std::size_t>(step)].hz) &&
         clipboard[ChannelField::Mode] == "0";
}

// A carried-over name: at most eight bytes, dropped entirely when one of them is not a name
// character of the destination.
std::string_view CarriedName(std::string_view rest, char destination) {
  const std::string_view name = rest.substr(0, kNameCapacity);
  return IsValidName(name, destination) ? name : std::string_view{};
}

std::string PastedDtmfRecord(std::string_view clipboard, int slot, char destination) {
  const DtmfRecord copied = DtmfRecord::Parse(clipboard);
  return ZeroPadded(slot, 2) + "," + std::string(copied.Code()) + "," +
         std::string(CarriedName(copied.Name(), destination));
}

// The channel identifier the pasted record starts with. A memory record takes its slot's own
// identifier, so that the file reader, which places records by it, puts the record back here.
std::string ChannelIdentifier(const RadioImage& image, const EditTarget& target) {
  if (target.grid == Grid::Memory) return MemoryChannelLabel(target.slot);
  const ChannelRecord record = image.Channel(SlotKindOfGrid(target.grid), target.slot);
  if (!record[ChannelField::Id].empty()) return std::string(record[ChannelField::Id]);
  return std::string(1, kBandCodes[static_cast<std::size_t>(target.slot)]);
}

std::string PastedChannelRecord(const RadioImage& image, std::string_view clipboard,
                                const EditTarget& target) {
  using F = ChannelField;
  const char destination = image.Plan().DestinationLetter();
  const ChannelRecord c = ChannelRecord::Parse(clipboard);

  ChannelRecord pasted = ChannelRecord::Blank(ChannelIdentifier(image, target));
  const char first = pasted[F::Id].empty() ? '\0' : pasted[F::Id][0];
  const bool scanEdgeOrPriority = first == 'L' || first == 'U' || first == 'P';

  // Fields 1-12 as they were copied. The fixed split (shift 3) exists only for destination E.
  for (int n = static_cast<int>(F::Frequency); n <= static_cast<int>(F::Mode); ++n) {
    pasted.Set(static_cast<F>(n), c[static_cast<F>(n)]);
  }
  const std::string_view shift = c[F::Shift];
  if (destination != 'E' && !shift.empty() && static_cast<unsigned char>(shift[0]) > '2') {
    pasted.Set(F::Shift, "0");
  }
  if (c[F::Offset].empty()) pasted.Set(F::Offset, "000000000");
  if (target.grid == Grid::Vfo) return pasted.Text();

  // Field 13: the lockout place, empty in CALL records; scan edges and priority channels are
  // always scanned.
  if (target.grid == Grid::Memory) {
    const std::string_view lockout = c[F::Lockout];
    pasted.Set(F::Lockout, scanEdgeOrPriority || lockout.empty() ? std::string_view("0") : lockout);
  }
  // Fields 14 and 15: a split channel's transmit frequency and its step (the receive step).
  pasted.SetSplit(c[F::TxFrequency]);
  if (target.grid == Grid::Memory) pasted.Set(F::Name, CarriedName(c[F::Name], destination));
  return pasted.Text();
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
             !ChannelSuitsTarget(image, ChannelRecord::Parse(clipboard), target)) {
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

std::vector<SkippedPasteRow> PasteMemoryRows(RadioImage& image,
                                             const std::vector<std::string>& rows, int first) {
  std::vector<SkippedPasteRow> skipped;
  if (first < 0 || first >= kMemorySlots) return skipped;
  const int end = first < kOrdinaryMemorySlots ? kOrdinaryMemorySlots : kMemorySlots;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i);
    const int slot = first + row;
    if (rows[i].empty()) continue;
    if (slot >= end) {
      skipped.push_back({row, -1});
    } else if (!PasteInto(image, rows[i], {Grid::Memory, slot})) {
      skipped.push_back({row, slot});
    }
  }
  return skipped;
}

std::string SkippedPasteLine(const std::vector<std::string>& rows, const SkippedPasteRow& skipped) {
  const std::size_t row = static_cast<std::size_t>(skipped.row);
  // The label comes from the clipboard: it is named only when it is one.
  const ChannelRecord copied =
      row < rows.size() ? ChannelRecord::Parse(rows[row]) : ChannelRecord();
  const std::string_view label = copied[ChannelField::Id];
  std::string line = "row " + std::to_string(skipped.row + 1);
  if (MemorySlotOfLabel(label) >= 0) line += " (" + std::string(label) + ")";
  const std::string slot = MemoryChannelLabel(skipped.slot);
  return line + (slot.empty() ? " does not fit after the last slot" : " does not fit slot " + slot);
}

}  // namespace quorvan
