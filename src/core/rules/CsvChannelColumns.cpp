#include "core/rules/CsvChannelColumns.h"

#include <cstdio>

#include "core/model/ChannelTables.h"

namespace quorvan {

std::string MhzText(std::int64_t hz) {
  if (hz < 0) hz = 0;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%lld.%06lld", static_cast<long long>(hz / 1000000),
                static_cast<long long>(hz % 1000000));
  return buffer;
}

bool ParseMhzText(std::string_view text, std::int64_t& hz) {
  constexpr std::size_t kMaxWholeDigits = 5;
  constexpr std::size_t kMaxDecimals = 6;
  constexpr std::size_t kMaxWrittenDecimals = 12;
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view decimals =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.size() > kMaxWholeDigits || decimals.size() > kMaxWrittenDecimals) return false;
  if (whole.empty() && decimals.empty()) return false;
  std::int64_t value = 0;
  for (const char c : whole) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  std::int64_t fraction = 0;
  for (std::size_t i = 0; i < kMaxDecimals; ++i) {
    const char c = i < decimals.size() ? decimals[i] : '0';
    if (c < '0' || c > '9') return false;
    fraction = fraction * 10 + (c - '0');
  }
  // Spreadsheets may pad with zeros; anything finer than 1 Hz is not a frequency we can hold.
  for (std::size_t i = kMaxDecimals; i < decimals.size(); ++i) {
    if (decimals[i] != '0') return false;
  }
  hz = value * 1000000 + fraction;
  return true;
}

std::string_view ToneValueText(int index) {
  if (index < 0 || index >= static_cast<int>(kTones.size())) return {};
  std::string_view text = kTones[static_cast<std::size_t>(index)];
  if (text.size() > 2 && text.substr(text.size() - 2) == "Hz") text.remove_suffix(2);
  return text;
}

std::string StepKhzText(int index) {
  if (index < 0 || index >= static_cast<int>(kSteps.size())) index = 0;
  const int hz = kSteps[static_cast<std::size_t>(index)].hz;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d.%02d", hz / 1000, (hz % 1000) / 10);
  return buffer;
}

std::int64_t FixedShiftHz(const BandPlan& plan, int band) {
  const char destination = plan.DestinationLetter();
  const bool band430 = band == 2 || band == 12;
  const bool band1200 = band == 3 || band == 14;
  if (destination == 'E' && band430) return 7600000;
  if (destination == 'E' && band1200) return 6000000;
  if (destination == 'K' && band1200) return 20000000;
  return 0;
}

}  // namespace quorvan
