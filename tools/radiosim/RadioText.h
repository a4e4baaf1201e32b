#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvan::radiosim {

// Small text helpers of the virtual radio's command parsing and reply building.

// The comma-separated parts of a text; an empty text is one empty part.
std::vector<std::string_view> SplitFields(std::string_view text);
// Parts first..end of a split list joined by commas.
std::string JoinParts(const std::vector<std::string_view>& parts, std::size_t first);

// The value of 1 to maxDigits decimal digits, or -1.
int DecimalValue(std::string_view text, std::size_t maxDigits);
// The value of one upper-case hexadecimal digit, or -1.
int HexDigitValue(std::string_view text);

// True when the text holds no control byte (below 0x20, or 0x7F).
bool IsFreeOfControlBytes(std::string_view text);
// The text without its control bytes.
std::string WithoutControlBytes(std::string_view text);

// A DTMF code as the radio sends it ("*" as "E", "#" as "F") and back.
std::string DtmfCodeToRadio(std::string_view code);
std::string DtmfCodeFromRadio(std::string_view code);

// A number as two decimal digits ("03").
std::string TwoDigits(int value);

}  // namespace quorvan::radiosim
