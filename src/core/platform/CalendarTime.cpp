#include "core/platform/CalendarTime.h"

#include <limits>

namespace quorvan {

namespace {

constexpr long long kSecondsPerDay = 86400;
// 1970-01-01 counted from 0000-03-01, the start of a 400-year era of the Gregorian calendar.
constexpr long long kEpochDay = 719468;
constexpr long long kDaysPerEra = 146097;

long long FloorDivide(long long a, long long b) {
  return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}
long long FloorModulo(long long a, long long b) { return a - FloorDivide(a, b) * b; }

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, month 1 to 12.
long long DaysFromCivil(long long year, int month, long long day) {
  year -= month <= 2 ? 1 : 0;
  const long long era = FloorDivide(year, 400);
  const long long yearOfEra = year - era * 400;
  const long long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * kDaysPerEra + dayOfEra - kEpochDay;
}

}  // namespace

std::tm UtcFields(std::time_t when) {
  const long long days = FloorDivide(when, kSecondsPerDay);
  const long long second = FloorModulo(when, kSecondsPerDay);
  const long long shifted = days + kEpochDay;
  const long long era = FloorDivide(shifted, kDaysPerEra);
  const long long dayOfEra = shifted - era * kDaysPerEra;
  const long long yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const long long shiftedMonth = (5 * dayOfYear + 2) / 153;  // 0 is March
  const int month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
  const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  if (year - 1900 < std::numeric_limits<int>::min() ||
      year - 1900 > std::numeric_limits<int>::max()) {
    return std::tm{};
  }
  std::tm fields{};
  fields.tm_year = static_cast<int>(year - 1900);
  fields.tm_mon = month - 1;
  fields.tm_mday = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  fields.tm_hour = static_cast<int>(second / 3600);
  fields.tm_min = static_cast<int>(second / 60 % 60);
  fields.tm_sec = static_cast<int>(second % 60);
  fields.tm_wday = static_cast<int>(FloorModulo(days + 4, 7));  // 1970-01-01 was a Thursday
  fields.tm_yday = static_cast<int>(days - DaysFromCivil(year, 1, 1));
  return fields;
}

std::time_t UtcMoment(const std::tm& fields) {
  const long long months = static_cast<long long>(fields.tm_year) * 12 + fields.tm_mon;
  const long long year = FloorDivide(months, 12) + 1900;
  const int month = static_cast<int>(FloorModulo(months, 12)) + 1;
  const long long days = DaysFromCivil(year, month, 1) + fields.tm_mday - 1;
  return static_cast<std::time_t>(days * kSecondsPerDay + fields.tm_hour * 3600LL +
                                  fields.tm_min * 60LL + fields.tm_sec);
}

}  // namespace quorvan
