#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvan {

// A number as a record writes it: decimal, zero-padded to `width` digits ("%011lld" of a
// frequency, "%09lld" of an offset, "%02d" of a tone index). A negative value is written as 0 and
// a value too wide keeps its last `width` digits, so a record field never grows past its width.
std::string ZeroPadded(std::int64_t value, int width);

// The value of a field of decimal digits; false when it is empty, longer than 18 characters or
// holds anything but digits.
bool ReadDecimal(std::string_view digits, std::int64_t& value);

}  // namespace quorvan
