#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/model/BandPlan.h"

namespace quorvan {

// The channel-list columns in the order they are written.
constexpr std::array<std::string_view, 21> kCsvColumns{
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// Comment words that carry what the other columns cannot: the reverse switch, the band's fixed
// repeater split, and the stored offset of a channel whose Offset column holds something else.
constexpr std::string_view kCsvReverseWord = "qv-reverse";
constexpr std::string_view kCsvFixedShiftWord = "qv-fixed-shift";
constexpr std::string_view kCsvOffsetWordPrefix = "qv-offset=";

// The stored offset the memory editor shows for a record without one.
constexpr std::string_view kDefaultOffsetField = "000600000";

// Hz as megahertz with six decimals: 146520000 gives "146.520000".
std::string MhzText(std::int64_t hz);

// Megahertz text ("146.52", "0.6", "1296") to Hz. At most five digits before the point and
// six significant after it (further zeros are allowed); false for anything else (signs, exponents,
// a second point, no digits).
bool ParseMhzText(std::string_view text, std::int64_t& hz);

// The tone table entry without its unit: "88.5".
std::string_view ToneValueText(int index);
// A step in kHz with two decimals: "5.00", "8.33", "100.00".
std::string StepKhzText(int index);

// The transmit distance of the band's fixed repeater split (shift code 3) in Hz, or 0 when
// the band has none for the destination: 7.6 MHz on 430 MHz and 6 MHz on 1200 MHz for
// destination E, 20 MHz on 1200 MHz for destination K.
std::int64_t FixedShiftHz(const BandPlan& plan, int band);

}  // namespace quorvan
