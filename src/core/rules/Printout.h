#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/model/RadioImage.h"

namespace quorvan {

constexpr int kPrintLinesPerPage = 60;
constexpr int kPrintLeftOffset = 200;  // device units

struct PrintLine {
  int line;  // 0..kPrintLinesPerPage - 1
  std::string text;
};
using PrintPage = std::vector<PrintLine>;  // in ascending line order

// The whole document as printed pages; the caption heads every page. The comment is the
// image's comment.
std::vector<PrintPage> BuildPrintout(const RadioImage& image, std::string_view caption);

}  // namespace quorvan
