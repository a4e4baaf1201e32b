#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvan {

// Names are held as the radio's single bytes: Windows-1252 for most destinations, ASCII and
// Shift-JIS half-width katakana (0xA1-0xDF) for destination letter J. These convert them to
// and from UTF-8 at the display boundary.

// For display; a byte the coding does not define shows as U+FFFD.
std::string NameToUtf8(std::string_view nameBytes, char destinationLetter);

// Back to bytes; empty when the text is not valid UTF-8, holds a NUL, or holds a character
// the destination's coding cannot represent.
std::optional<std::string> NameFromUtf8(std::string_view utf8, char destinationLetter);

// Text from the platform (UTF-8, such as a file path) in the destination's coding for printing:
// a character the coding cannot hold, and a byte that starts no UTF-8 character, become "?".
std::string NameBytesFromUtf8Lossy(std::string_view utf8, char destinationLetter);

}  // namespace quorvan
