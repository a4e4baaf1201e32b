#pragma once

#include <string>
#include <vector>

#include "core/rules/Printout.h"

namespace quorvan {

// The printout as plain UTF-8 text: every page as kPrintLinesPerPage lines (line n of the page
// is text line n, empty where nothing is printed), pages separated by a line holding only a
// form feed. Control characters from the document show escaped ("\x0c"), so they cannot break
// the layout.
std::string PrintoutAsText(const std::vector<PrintPage>& pages, char destinationLetter);

// One printed line as UTF-8 for display, with control characters shown escaped.
std::string PrintLineUtf8(const std::string& text, char destinationLetter);

}  // namespace quorvan
