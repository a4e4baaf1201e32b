#include "core/model/EscapedText.h"

namespace quorvan {

namespace {

bool IsControl(unsigned char b) { return b < 0x20 || b == 0x7F; }

template <typename Escaped>
std::string Escape(std::string_view bytes, Escaped escaped) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (!escaped(b)) {
      out.push_back(c);
      continue;
    }
    out += "\\x";
    out.push_back(kHex[b >> 4]);
    out.push_back(kHex[b & 0x0F]);
  }
  return out;
}

}  // namespace

std::string EscapeControls(std::string_view bytes) { return Escape(bytes, IsControl); }

std::string EscapeUnprintable(std::string_view bytes) {
  return Escape(bytes, [](unsigned char b) { return IsControl(b) || b >= 0x80; });
}

std::string EscapeReversibly(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        out += EscapeUnprintable(std::string_view(&c, 1));
    }
  }
  return out;
}

std::string QuotedForMessage(std::string_view bytes) {
  constexpr std::size_t kLongest = 24;
  std::string shown = "\"" + EscapeUnprintable(bytes.substr(0, kLongest));
  if (bytes.size() > kLongest) shown += "...";
  return shown + "\"";
}

}  // namespace quorvan
