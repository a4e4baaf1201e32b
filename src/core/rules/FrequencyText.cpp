// Parsing and formatting of typed frequencies and offsets.
#include <algorithm>

#include "core/rules/FrequencyRules.h"

namespace quorvan {

namespace {

constexpr std::size_t kFrequencyDigits = 11;
constexpr std::size_t kOffsetDigits = 8;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigitsOrPoint(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '.'; });
}

// Value of a digit string, saturating at `cap` so long input cannot overflow.
long DigitValue(std::string_view digits, long cap) {
  long value = 0;
  for (const char c : digits) {
    value = value * 10 + (c - '0');
    if (value > cap) return cap + 1;
  }
  return value;
}

// Drops leading zeros while the next character is not the point ("0144.5" -> "144.5",
// "0.5" stays).
std::string_view StripLeadingZeros(std::string_view text) {
  while (text.size() >= 2 && text[0] == '0' && text[1] != '.') text.remove_prefix(1);
  return text;
}

// A value of at most 9999 as at least five digits ("%05d").
std::string FiveDigits(long value) {
  std::string text = std::to_string(value);
  if (text.size() < 5) text.insert(0, 5 - text.size(), '0');
  return text;
}

std::string PadRight(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), '0');
  return text;
}

}  // namespace

bool IsFrequencyFieldKey(char key) { return IsDigit(key) || key == '.' || key == '\b'; }

bool ParseFrequencyText(std::string_view text, std::string& record) {
  if (!AllDigitsOrPoint(text)) return false;
  const auto points = std::count(text.begin(), text.end(), '.');
  if (points >= 2) return false;

  if (points == 0) {
    if (text.empty()) {
      record = std::string(kFrequencyDigits, '0');
      return true;
    }
    const long mhz = DigitValue(text, 1299);
    if (mhz > 1299) {
      record = "01299999999";
      return true;
    }
    record = FiveDigits(mhz) + "000000";
    return true;
  }

  text = StripLeadingZeros(text);
  const std::size_t point = text.find('.');
  // Five or more MHz digits would widen the record beyond 11 digits.
  if (point >= 5) return false;
  const long mhz = DigitValue(text.substr(0, point), 9999);
  std::string result = FiveDigits(mhz);
  result += text.substr(point + 1, 6);
  record = PadRight(std::move(result), kFrequencyDigits);
  return true;
}

std::string FormatFrequencyText(std::string_view record) {
  std::size_t end = 0;
  while (end < record.size() && IsDigit(record[end])) ++end;
  std::string_view digits = record.substr(0, end);
  while (!digits.empty() && digits.front() == '0') digits.remove_prefix(1);

  std::string value(digits);
  if (value.size() < 7) value.insert(0, 7 - value.size(), '0');

  const std::size_t mhzLength = value.size() - 6;
  std::string text = value.substr(0, mhzLength) + "." + value.substr(mhzLength, 3);
  const std::string_view hz = std::string_view(value).substr(mhzLength + 3, 3);
  if (hz == "000") return text;
  if (hz.substr(1) == "00") return text + std::string(hz.substr(0, 1));
  if (hz[2] == '0') return text + std::string(hz.substr(0, 2));
  return text + std::string(hz);
}

bool ParseOffsetText(std::string_view text, std::string& eightDigits) {
  if (!AllDigitsOrPoint(text)) return false;
  const auto points = std::count(text.begin(), text.end(), '.');
  if (points >= 2) return false;

  std::string digits;
  if (points == 1) {
    text = StripLeadingZeros(text);
    const std::size_t point = text.find('.');
    const std::string_view decimals = text.substr(point + 1, 2);
    switch (point) {
      case 0:
        digits = "00" + std::string(decimals);
        break;
      case 1:
        digits = "0" + std::string(text.substr(0, 1)) + std::string(decimals);
        break;
      case 2:
        digits = text[0] > '5' ? "5995" : std::string(text.substr(0, 2)) + std::string(decimals);
        break;
      default:
        digits = "5995";
        break;
    }
  } else if (text.empty()) {
    digits = "00";
  } else {
    const long mhz = DigitValue(text, 59);
    if (mhz > 59) {
      digits = "5995";
    } else {
      digits = (mhz < 10 ? "0" : "") + std::to_string(mhz);
    }
  }

  digits = PadRight(std::move(digits), kOffsetDigits);
  // Offsets lie on 50 kHz.
  digits[3] = digits[3] < '5' ? '0' : '5';
  eightDigits = std::move(digits);
  return true;
}

std::string FormatOffsetText(std::string_view record) {
  std::string o(record.substr(0, 5));
  o = PadRight(std::move(o), 5);
  if (o[1] == '0') return o.substr(2, 1) + "." + o.substr(3, 2);
  return o.substr(1, 2) + "." + o.substr(3, 2);
}

}  // namespace quorvan
