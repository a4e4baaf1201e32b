#pragma once

#include <string>
#include <string_view>

namespace quorvan {

// A UTF-8 name cell as the radio can hold it for a destination: characters outside the
// destination's name set (and bytes that are not UTF-8) are dropped, then the name is cut to
// eight characters.
std::string NameBytesFromCell(std::string_view utf8, char destinationLetter);

// The text with each byte that is not part of well-formed UTF-8 replaced by U+FFFD; every
// character, control characters included, kept as it is.
std::string WellFormedUtf8(std::string_view text);

// The cell as shown in a report, safe to print on a terminal: valid UTF-8 is kept, each
// invalid byte becomes U+FFFD, and control characters are escaped byte by byte ("\x1b" for ESC,
// "\xc2\x9b" for U+009B) so a cell cannot steer the user's terminal.
std::string PrintableUtf8(std::string_view text);

}  // namespace quorvan
