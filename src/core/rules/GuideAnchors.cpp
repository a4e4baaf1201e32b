#include "core/rules/GuideAnchors.h"

#include <map>

namespace quorvan {

namespace {

std::string Anchor(std::string_view heading) {
  std::string anchor;
  for (const char c : heading) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) {
      anchor += c;  // part of a UTF-8 letter
    } else if (c >= 'A' && c <= 'Z') {
      anchor += static_cast<char>(c - 'A' + 'a');
    } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_') {
      anchor += c;
    } else if (c == ' ') {
      anchor += '-';
    }
  }
  return anchor;
}

}  // namespace

std::vector<std::string> HeadingAnchors(const std::vector<std::string>& headingsUtf8) {
  std::vector<std::string> anchors;
  std::map<std::string, int, std::less<>> seen;
  for (const std::string& heading : headingsUtf8) {
    std::string anchor = Anchor(heading);
    const int repeats = seen[anchor]++;
    if (repeats > 0) anchor += "-" + std::to_string(repeats);
    anchors.push_back(std::move(anchor));
  }
  return anchors;
}

}  // namespace quorvan
