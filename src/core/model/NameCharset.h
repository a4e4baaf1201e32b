#pragma once

#include <cstddef>
#include <string_view>

namespace quorvan {

constexpr std::size_t kNameCapacity = 8;

// Whether a memory name, DTMF name or power-on message may hold this byte: printable ASCII,
// plus half-width katakana for destination letter J, or the accented letters of the
// Windows-1252 page for every other destination.
bool IsNameChar(unsigned char c, char destinationLetter);

// At most kNameCapacity bytes, each a name character (the empty name is valid).
bool IsValidName(std::string_view name, char destinationLetter);

}  // namespace quorvan
