// Typed frequency and offset text, record texts and raw values through the parsers,
// formatters and fitting rules. What a parser accepts must format and parse back to itself;
// fitting must leave an 11-digit frequency and valid list indexes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/rules/FrequencyRules.h"

namespace {

using quorvan::ChannelKind;
using quorvan::fuzz::Require;

constexpr std::size_t kLongestText = 24;
constexpr std::int64_t kHighestFrequencyHz = 1'300'000'000;
constexpr std::int64_t kLargestRecordValue = 99'999'999'999;
constexpr int kModes = 6;
constexpr int kSteps = 12;

bool IsDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool DigitsAndPoints(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

// The text a frequency or offset parser must accept: digits and at most one point.
bool TypableNumber(std::string_view text) {
  return DigitsAndPoints(text) && std::count(text.begin(), text.end(), '.') <= 1;
}

// Whole MHz digits before the point once leading zeros are gone; five or more cannot fit.
std::size_t MhzDigits(std::string_view text) {
  const std::size_t point = text.find('.');
  std::string_view mhz = text.substr(0, point);
  while (mhz.size() > 1 && mhz[0] == '0') mhz.remove_prefix(1);
  if (point != std::string_view::npos && mhz == "0") return 0;
  return mhz.size();
}

void CheckFrequencyText(std::string_view text) {
  std::string record;
  const bool parsed = quorvan::ParseFrequencyText(text, record);
  const bool fits = text.find('.') == std::string_view::npos || MhzDigits(text) < 5;
  Require(parsed == (TypableNumber(text) && fits), "frequency text accepted or refused wrongly");
  if (!parsed) return;
  Require(record.size() == 11 && IsDigits(record), "parsed frequency not 11 digits");

  const std::string shown = quorvan::FormatFrequencyText(record);
  std::string again;
  Require(quorvan::ParseFrequencyText(shown, again), "formatted frequency does not parse");
  Require(again == record, "frequency does not survive format and parse");
}

void CheckOffsetText(std::string_view text) {
  std::string digits;
  const bool parsed = quorvan::ParseOffsetText(text, digits);
  Require(parsed == TypableNumber(text), "offset text accepted or refused wrongly");
  if (!parsed) return;
  Require(digits.size() == 8 && IsDigits(digits), "parsed offset not 8 digits");
  Require(digits.substr(4) == "0000", "offset finer than 10 kHz");
  Require(digits[3] == '0' || digits[3] == '5', "offset not on 50 kHz");
  Require(std::stol(digits.substr(0, 4)) <= 5995, "offset above 59.95 MHz");

  const std::string shown = quorvan::FormatOffsetText("0" + digits);
  std::string again;
  Require(quorvan::ParseOffsetText(shown, again), "formatted offset does not parse");
  Require(again == digits, "offset does not survive format and parse");
}

void CheckFormatters(std::string_view text) {
  const std::string frequency = quorvan::FormatFrequencyText(text);
  const std::size_t point = frequency.find('.');
  Require(point != std::string::npos && point >= 1, "frequency shown without MHz and point");
  const std::size_t decimals = frequency.size() - point - 1;
  Require(decimals >= 3 && decimals <= 6, "frequency shown with a wrong number of decimals");
  Require(quorvan::FormatOffsetText(text).find('.') != std::string::npos, "offset without point");
}

void CheckFit(const quorvan::RadioImage& image, std::string frequency, FuzzedDataProvider& input) {
  const int band = input.ConsumeIntegralInRange<int>(0, quorvan::kBandLimitCount - 1);
  const auto kind = static_cast<ChannelKind>(input.ConsumeIntegralInRange<int>(0, 2));
  int mode = input.ConsumeIntegralInRange<int>(0, kModes - 1);
  int step = input.ConsumeIntegralInRange<int>(0, kSteps - 1);

  std::string tx = frequency;
  quorvan::FitFrequency(image, frequency, band, kind, mode, step);
  std::int64_t hz = 0;
  Require(quorvan::ReadFrequencyHz(frequency, hz) && frequency.size() == 11,
          "fitted frequency not 11 digits");
  Require(hz >= 0 && hz <= kHighestFrequencyHz, "fitted frequency out of range");
  Require(mode >= 0 && mode < kModes && step >= 0 && step < kSteps, "fitted list index invalid");

  // The step and mode rules are settled after one pass.
  int modeAgain = mode;
  int stepAgain = step;
  quorvan::FitFrequency(image, frequency, band, kind, modeAgain, stepAgain);
  Require(modeAgain == mode && stepAgain == step, "mode or step moved on a second fit");

  quorvan::FitTxFrequency(image, tx, band, kind, mode, step);
  Require(quorvan::ReadFrequencyHz(tx, hz) && tx.size() == 11, "fitted split not 11 digits");
  Require(hz >= 0 && hz <= kHighestFrequencyHz, "fitted split out of range");
}

void CheckSnaps(std::int64_t hz) {
  std::int64_t snapped = hz;
  quorvan::SnapTo833Grid(snapped);
  Require(snapped <= hz && hz - snapped < 100'000, "8.33 kHz snap moved too far");
  Require(!quorvan::SnapTo833Grid(snapped), "8.33 kHz snap not settled");
  Require(quorvan::IsOnStepGrid(snapped, 8330), "8.33 kHz snap left the grid");

  snapped = hz;
  quorvan::SnapToFineGrid(snapped);
  Require(snapped <= hz && hz - snapped < 100, "fine snap moved too far");
  Require(!quorvan::SnapToFineGrid(snapped), "fine snap not settled");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto planChoice = input.ConsumeIntegral<std::uint8_t>();
  const std::int64_t hz = input.ConsumeIntegralInRange<std::int64_t>(0, kLargestRecordValue);
  const std::string text = input.ConsumeRandomLengthString(kLongestText);

  CheckFrequencyText(text);
  CheckOffsetText(text);
  CheckFormatters(text);
  CheckSnaps(hz);
  for (const char key : text) {
    Require(quorvan::IsFrequencyFieldKey(key) == (DigitsAndPoints({&key, 1}) || key == '\b'),
            "key filter judged a key wrongly");
  }

  quorvan::RadioImage image = quorvan::MakeNewDocument(quorvan::fuzz::PlanOfChoice(planChoice));
  std::string record;
  if (quorvan::ParseFrequencyText(text, record)) CheckFit(image, record, input);
  // A record text as found in a file: any bytes, any length.
  CheckFit(image, text, input);
  return 0;
}
