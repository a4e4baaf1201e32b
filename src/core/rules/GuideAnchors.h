#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvan {

// The anchor a link uses to reach a heading of the user guide, "#reading-the-radio" for
// "Reading the radio": lower case, blanks turned into hyphens, other punctuation dropped;
// letters beyond ASCII are kept. Headings given in document order; a heading met again gets
// "-1", "-2", ... appended, as the pages that show the guide online do.
std::vector<std::string> HeadingAnchors(const std::vector<std::string>& headingsUtf8);

}  // namespace quorvan
