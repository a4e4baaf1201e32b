#pragma once

#include <ctime>

namespace quorvan {

// The calendar of a moment and back. UTC is counted here, with the Gregorian calendar carried
// back and on, so every system tells the same dates whatever years its own calls take; the
// local time zone is the system's, asked in one file per system (platform/posix,
// platform/windows). A moment that cannot be told gives fields that are all zero.

// The date and time of `when` in UTC.
std::tm UtcFields(std::time_t when);
// The moment of a UTC date and time; fields out of their range carry on into the next (the
// 31st of April is the 1st of May). Unlike std::mktime, no time zone takes part.
std::time_t UtcMoment(const std::tm& fields);

// The date and time of `when` in the local time zone.
std::tm LocalFields(std::time_t when);

}  // namespace quorvan
