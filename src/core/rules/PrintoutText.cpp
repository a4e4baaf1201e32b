#include "core/rules/PrintoutText.h"

#include <array>

#include "core/model/EscapedText.h"
#include "core/model/NameCodec.h"

namespace quorvan {

std::string PrintLineUtf8(const std::string& text, char destinationLetter) {
  return NameToUtf8(EscapeControls(text), destinationLetter);
}

std::string PrintoutAsText(const std::vector<PrintPage>& pages, char destinationLetter) {
  std::string out;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) out += "\f\n";
    std::array<const std::string*, kPrintLinesPerPage> lines{};
    for (const PrintLine& line : pages[p]) {
      if (line.line >= 0 && line.line < kPrintLinesPerPage) {
        lines[static_cast<std::size_t>(line.line)] = &line.text;
      }
    }
    for (const std::string* text : lines) {
      if (text) out += PrintLineUtf8(*text, destinationLetter);
      out += '\n';
    }
  }
  return out;
}

}  // namespace quorvan
