// Band lookup and the pulling of frequencies onto limits, steps, modes, gaps and grids.
#include <array>

#include "core/model/ChannelTables.h"
#include "core/model/RecordDigits.h"
#include "core/rules/FrequencyRules.h"

namespace quorvan {

namespace {

using Hz = std::int64_t;

constexpr Hz kMemoryLowest = 100'000;
constexpr Hz kMemoryHighest = 1'300'000'000;
constexpr Hz kMemoryClampTo = 1'299'999'999;
constexpr Hz kBand5Avoided = 1'700'000;
constexpr int kStep10k = 4;
constexpr int kStep12k5 = 5;
constexpr int kStep833 = 2;
constexpr int kStep9k = 3;

constexpr std::array<std::string_view, 12> k833Pattern{"00000", "08330", "16670", "25000",
                                                       "33330", "41670", "50000", "58330",
                                                       "66670", "75000", "83330", "91670"};
constexpr std::array<std::string_view, 3> kFinePattern{"00", "33", "67"};

std::string ElevenDigits(Hz f) { return ZeroPadded(f, 11); }

// Replaces the last pattern-width digits of f by the largest pattern entry below them.
template <std::size_t N>
bool SnapToPattern(Hz& f, const std::array<std::string_view, N>& pattern) {
  if (f < 0) return false;
  const std::string text = ElevenDigits(f);
  const std::size_t width = pattern[0].size();
  const std::string_view tail = std::string_view(text).substr(text.size() - width);
  std::string_view chosen = pattern[0];
  for (const std::string_view entry : pattern) {
    if (entry == tail) return false;
    if (entry < tail) chosen = entry;
  }
  Hz tailValue = 0;
  Hz chosenValue = 0;
  for (std::size_t i = 0; i < width; ++i) {
    tailValue = tailValue * 10 + (tail[i] - '0');
    chosenValue = chosenValue * 10 + (chosen[i] - '0');
  }
  f -= tailValue - chosenValue;
  return true;
}

// Reads the leading digits of a record frequency, at most 11 of them (anything else stops).
Hz LeadingFrequencyValue(std::string_view record) {
  Hz value = 0;
  for (std::size_t i = 0; i < record.size() && i < 11; ++i) {
    const char c = record[i];
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
  }
  return value;
}

struct Range {
  Hz lower;
  Hz upper;  // exclusive
};

// Whole MHz of a program VFO field: one to five digits.
bool ReadMhzField(std::string_view field, Hz& mhz) {
  return field.size() <= 5 && ReadDecimal(field, mhz);
}

bool ProgramVfoRange(const RadioImage& image, int band, Range& range) {
  const ProgramVfoRecord record = image.ProgramVfo(band);
  Hz lowerMhz = 0;
  Hz upperMhz = 0;
  if (!ReadMhzField(record.Lower(), lowerMhz) || !ReadMhzField(record.Upper(), upperMhz)) {
    return false;
  }
  // The upper value names the last usable megahertz.
  range = {lowerMhz * 1'000'000, (upperMhz + 1) * 1'000'000};
  return true;
}

bool BandLimitRange(const BandPlan& plan, int band, Range& range) {
  if (band < 0 || band >= kBandLimitCount) return false;
  long lowerKhz = 0;
  long upperKhz = 0;
  if (!LimitRangeKhz(plan.limits[static_cast<std::size_t>(band)], lowerKhz, upperKhz)) {
    return false;
  }
  range = {Hz{lowerKhz} * 1000, Hz{upperKhz} * 1000};
  return true;
}

// The limits of a band for a fit. A missing program VFO range falls back to the band limit,
// and a missing band limit to the whole receive range, so the result is always a frequency.
Range FitRange(const RadioImage& image, int band, ChannelKind kind) {
  Range range{kMemoryLowest, kMemoryClampTo + 1};
  if (kind == ChannelKind::Vfo && band >= 0 && band <= 3 && ProgramVfoRange(image, band, range)) {
    return range;
  }
  if (BandLimitRange(image.Plan(), band, range)) return range;
  return {kMemoryLowest, kMemoryClampTo + 1};
}

bool ClampIntoRange(Hz& f, const Range& range) {
  if (f < range.lower) {
    f = range.lower;
    return true;
  }
  if (f >= range.upper) {
    f = range.upper - 1;
    return true;
  }
  return false;
}

bool ClampMemory(Hz& f) {
  if (f < kMemoryLowest) {
    f = kMemoryLowest;
    return true;
  }
  if (f > kMemoryHighest) {
    f = kMemoryClampTo;
    return true;
  }
  return false;
}

int FittedStep(int band, int step) {
  if (band == 13 || band == 14) {
    if (step == 0 || step == kStep833 || step == kStep9k || step == 6) return kStep10k;
    if (step == 1) return kStep12k5;
    return step;
  }
  if (band == 8) return step == kStep9k ? kStep10k : step;
  if (band == 4) return step == kStep833 ? kStep10k : step;
  return (step == kStep833 || step == kStep9k) ? kStep10k : step;
}

int FittedMode(int band, ChannelKind kind, int mode) {
  if (kind == ChannelKind::Vfo && band >= 0 && band <= 3) return 0;
  if ((band == 4 || band == 5) && mode == 1) return 0;
  if ((band == 13 || band == 14) && mode >= 3) return 0;
  return mode;
}

struct Gap {
  Hz first;
  Hz last;
};
constexpr std::array<Gap, 2> kGapsKBand14{{{824'000'000, 848'999'999}, {869'000'000, 893'999'999}}};
constexpr std::array<Gap, 5> kGapsJBand14{{{810'000'000, 833'999'999},
                                           {843'000'000, 845'999'999},
                                           {860'000'000, 888'999'999},
                                           {898'000'000, 900'999'999},
                                           {915'000'000, 959'999'999}}};
constexpr std::array<Gap, 5> kGapsJBand11{{{253'000'000, 254'999'999},
                                           {262'000'000, 265'999'999},
                                           {271'000'000, 274'999'999},
                                           {380'000'000, 381'999'999},
                                           {412'000'000, 414'999'999}}};

template <std::size_t N>
bool LeaveGaps(Hz& f, const std::array<Gap, N>& gaps) {
  for (const Gap& gap : gaps) {
    if (f >= gap.first && f <= gap.last) {
      f = gap.first - 1;
      return true;
    }
  }
  return false;
}

// Frequencies the destination may not use move to just below their gap.
bool LeaveDestinationGaps(Hz& f, int band, const BandPlan& plan) {
  const char destination = plan.DestinationLetter();
  const bool restrictedJ = destination == 'J' && plan.VariantCode() != "00";
  if (band == 14 && destination == 'K') return LeaveGaps(f, kGapsKBand14);
  if (band == 14 && restrictedJ) return LeaveGaps(f, kGapsJBand14);
  if (band == 11 && restrictedJ) return LeaveGaps(f, kGapsJBand11);
  return false;
}

bool SnapToGrid(Hz& f, int band, int mode, int step, const BandPlan& plan) {
  const Hz stepHz = StepHzOfIndex(step);
  const bool fineGrid = mode >= 2 && (plan.IsCirra() || (band != 13 && band != 14));
  if (fineGrid) {
    if (IsOnStepGrid(f, static_cast<int>(stepHz)) || f % 100 == 0) return false;
    return SnapToFineGrid(f);
  }
  if (step == kStep833) return SnapTo833Grid(f);
  bool changed = false;
  if (f % stepHz != 0) {
    f = (f / stepHz) * stepHz;
    changed = true;
  }
  // The radio does not take 1.7 MHz in the HF range.
  if (band == 5 && f == kBand5Avoided) {
    f += stepHz;
    changed = true;
  }
  return changed;
}

int ValidIndex(int index, int count) { return index >= 0 && index < count ? index : 0; }

// Steps 4-6 shared by both fits: gaps, grid, write-back.
bool FinishFit(const RadioImage& image, Hz f, int band, int mode, int step,
               std::string& frequency) {
  bool changed = LeaveDestinationGaps(f, band, image.Plan());
  changed = SnapToGrid(f, band, mode, step, image.Plan()) || changed;
  frequency = ElevenDigits(f);
  return changed;
}

}  // namespace

int ClassifyBand(const BandPlan& plan, std::string_view record) {
  return BandOfFrequency(plan, record);
}

bool FitFrequency(const RadioImage& image, std::string& frequency, int band, ChannelKind kind,
                  int& mode, int& step) {
  Hz f = LeadingFrequencyValue(frequency);
  const bool clamped =
      kind == ChannelKind::Memory ? ClampMemory(f) : ClampIntoRange(f, FitRange(image, band, kind));
  step = FittedStep(band, ValidIndex(step, static_cast<int>(kSteps.size())));
  mode = FittedMode(band, kind, ValidIndex(mode, static_cast<int>(kModes.size())));
  return FinishFit(image, f, band, mode, step, frequency) || clamped;
}

bool FitTxFrequency(const RadioImage& image, std::string& frequency, int band, ChannelKind kind,
                    int mode, int step) {
  Hz f = LeadingFrequencyValue(frequency);
  const bool clamped = ClampIntoRange(f, FitRange(image, band, kind));
  mode = ValidIndex(mode, static_cast<int>(kModes.size()));
  step = ValidIndex(step, static_cast<int>(kSteps.size()));
  return FinishFit(image, f, band, mode, step, frequency) || clamped;
}

bool IsInMemoryRange(std::int64_t frequencyHz) {
  return frequencyHz >= kMemoryLowest && frequencyHz <= kMemoryHighest;
}

bool IsInsideTxLimits(const RadioImage& image, std::int64_t frequencyHz, int band,
                      ChannelKind kind) {
  Hz f = frequencyHz;
  return !ClampIntoRange(f, FitRange(image, band, kind));
}

bool IsInDestinationGap(const BandPlan& plan, int band, std::int64_t frequencyHz) {
  Hz f = frequencyHz;
  return LeaveDestinationGaps(f, band, plan);
}

bool IsOnStepGrid(std::int64_t frequencyHz, int stepHz) {
  if (frequencyHz < 0) return false;
  if (stepHz > 0 && frequencyHz % stepHz == 0) return true;
  const std::string text = ElevenDigits(frequencyHz);
  const std::string_view tail = std::string_view(text).substr(text.size() - 5);
  for (const std::string_view entry : k833Pattern) {
    if (entry == tail) return true;
  }
  return false;
}

bool SnapTo833Grid(std::int64_t& frequencyHz) { return SnapToPattern(frequencyHz, k833Pattern); }

bool SnapToFineGrid(std::int64_t& frequencyHz) { return SnapToPattern(frequencyHz, kFinePattern); }

bool ReadFrequencyHz(std::string_view record, std::int64_t& frequencyHz) {
  return record.size() <= 11 && ReadDecimal(record, frequencyHz);
}

}  // namespace quorvan
