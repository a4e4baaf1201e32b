#pragma once

#include <string>
#include <string_view>

namespace quorvan {

// Bytes from a file, a cell or a radio shown in a message, a report or a printout. Escaped as
// "\x1b" (two lower-case hexadecimal digits), they cannot move a terminal's cursor, retitle its
// window or break a printed line.

// Control characters (0x00-0x1F and 0x7F) escaped; every other byte kept, so text in the
// destination's coding or in UTF-8 keeps its letters.
std::string EscapeControls(std::string_view bytes);

// Everything but printable ASCII escaped: for quoting bytes whose coding is not known.
std::string EscapeUnprintable(std::string_view bytes);

// Bytes as the inside of a C string literal: backslash, double quote, CR ("\r"), LF ("\n"),
// tab ("\t") and every byte that is not printable ASCII ("\x1b") escaped, so the bytes can be
// told back exactly from the text (a trace pasted into a bug report).
std::string EscapeReversibly(std::string_view bytes);

// Bytes quoted for a message: in double quotes, escaped as EscapeUnprintable does, and cut
// after 24 bytes ("...").
std::string QuotedForMessage(std::string_view bytes);

}  // namespace quorvan
