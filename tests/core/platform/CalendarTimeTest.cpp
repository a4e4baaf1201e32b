// The core counts UTC itself, so that a system whose own calls stop at some year still names
// and reads backups alike; here it must agree with this system's calendar everywhere.
#include <gtest/gtest.h>
#include <time.h>

#include <ctime>

#include "core/platform/CalendarTime.h"

namespace quorvan {
namespace {

std::tm SystemUtc(std::time_t when) {
  std::tm fields{};
  gmtime_r(&when, &fields);
  return fields;
}

void ExpectSameFields(const std::tm& got, const std::tm& want, std::time_t when) {
  EXPECT_EQ(got.tm_year, want.tm_year) << when;
  EXPECT_EQ(got.tm_mon, want.tm_mon) << when;
  EXPECT_EQ(got.tm_mday, want.tm_mday) << when;
  EXPECT_EQ(got.tm_hour, want.tm_hour) << when;
  EXPECT_EQ(got.tm_min, want.tm_min) << when;
  EXPECT_EQ(got.tm_sec, want.tm_sec) << when;
  EXPECT_EQ(got.tm_wday, want.tm_wday) << when;
  EXPECT_EQ(got.tm_yday, want.tm_yday) << when;
}

TEST(CalendarTime, UtcAgreesWithTheSystemBothWays) {
  const std::time_t moments[] = {
      0,
      -1,          // 1969-12-31 23:59:59
      951782400,   // 2000-02-29, a leap day of a century
      951868799,   // 2000-02-29 23:59:59
      4107456000,  // 2100-02-28, whose century is no leap year
      4107542400,  // 2100-03-01
      2147483647,  // the last second a 32-bit count holds
      2147483648,
      32535215999,           // 3000-12-31 23:59:59
      32535216000,           // 3001-01-01
      253402300799,          // 9999-12-31 23:59:59, the latest backup stamp
      -62135596800,          // 0001-01-01
      -62167219200 - 86400,  // the last day of the year -1
  };
  for (const std::time_t when : moments) {
    const std::tm fields = UtcFields(when);
    ExpectSameFields(fields, SystemUtc(when), when);
    EXPECT_EQ(UtcMoment(fields), when);
  }
  // Every day of four years, one of them a leap year, at a time that moves across the day.
  for (std::time_t when = 1577836800; when < 1704067200; when += 86400 + 3607) {
    ExpectSameFields(UtcFields(when), SystemUtc(when), when);
  }
}

TEST(CalendarTime, FieldsOutOfRangeCarryOnAsTheSystemCarriesThem) {
  const struct {
    int year, month, day, hour, minute, second;
  } cases[] = {
      {2026, 3, 31, 12, 0, 0},     // 31 April
      {2026, 1, 29, 0, 0, 0},      // 29 February of a common year
      {2026, 11, 31, 23, 59, 60},  // a 61st second on New Year's Eve
      {2026, 12, 1, 0, 0, 0},      // a 13th month
      {2026, -1, 15, 0, 0, 0},     // the month before January
      {2026, 0, 0, 0, 0, 0},       // the day before the 1st
      {2026, 5, 10, 25, 61, -1},  {1969, 11, 31, 24, 0, 0},
  };
  for (const auto& c : cases) {
    std::tm fields{};
    fields.tm_year = c.year - 1900;
    fields.tm_mon = c.month;
    fields.tm_mday = c.day;
    fields.tm_hour = c.hour;
    fields.tm_min = c.minute;
    fields.tm_sec = c.second;
    std::tm forSystem = fields;
    EXPECT_EQ(UtcMoment(fields), timegm(&forSystem))
        << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute << ":"
        << c.second;
  }
}

}  // namespace
}  // namespace quorvan
