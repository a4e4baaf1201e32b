#include "core/model/NameCodec.h"

#include <array>
#include <cstdint>

namespace quorvan {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kUndefined = 0;

// Windows-1252 0x80-0x9F; 0 marks the five bytes the page leaves undefined.
// clang-format off
constexpr std::array<char32_t, 32> kCp1252High{{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
}};
// clang-format on

constexpr unsigned char kFirstKatakanaByte = 0xA1;
constexpr unsigned char kLastKatakanaByte = 0xDF;
constexpr char32_t kFirstKatakana = 0xFF61;

char32_t ByteToCodePoint(unsigned char b, char destinationLetter) {
  if (b < 0x80) return b;
  if (destinationLetter == 'J') {
    if (b >= kFirstKatakanaByte && b <= kLastKatakanaByte) {
      return kFirstKatakana + (b - kFirstKatakanaByte);
    }
    return kUndefined;
  }
  if (b < 0xA0) return kCp1252High[b - 0x80];
  return b;
}

// The byte for a code point, or -1 when the destination's coding has none.
int CodePointToByte(char32_t cp, char destinationLetter) {
  if (cp < 0x80) return static_cast<int>(cp);
  if (destinationLetter == 'J') {
    const char32_t last = kFirstKatakana + (kLastKatakanaByte - kFirstKatakanaByte);
    if (cp >= kFirstKatakana && cp <= last) {
      return static_cast<int>(kFirstKatakanaByte + (cp - kFirstKatakana));
    }
    return -1;
  }
  if (cp >= 0xA0 && cp <= 0xFF) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
    if (kCp1252High[i] != kUndefined && kCp1252High[i] == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

void AppendUtf8(std::string& out, char32_t cp) {
  const auto put = [&out](std::uint32_t v) { out.push_back(static_cast<char>(v)); };
  const auto v = static_cast<std::uint32_t>(cp);
  if (v < 0x80) {
    put(v);
  } else if (v < 0x800) {
    put(0xC0 | (v >> 6));
    put(0x80 | (v & 0x3F));
  } else if (v < 0x10000) {
    put(0xE0 | (v >> 12));
    put(0x80 | ((v >> 6) & 0x3F));
    put(0x80 | (v & 0x3F));
  } else {
    put(0xF0 | (v >> 18));
    put(0x80 | ((v >> 12) & 0x3F));
    put(0x80 | ((v >> 6) & 0x3F));
    put(0x80 | (v & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[pos], advancing pos; false for a malformed, overlong,
// surrogate or out-of-range sequence.
bool NextCodePoint(std::string_view text, std::size_t& pos, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length;
  char32_t minimum;
  if (lead < 0x80) {
    cp = lead;
    ++pos;
    return true;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    minimum = 0x80;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    minimum = 0x800;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    minimum = 0x10000;
    cp = lead & 0x07;
  } else {
    return false;
  }
  if (text.size() - pos < length) return false;
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return false;
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
  pos += length;
  return true;
}

}  // namespace

std::string NameToUtf8(std::string_view nameBytes, char destinationLetter) {
  std::string out;
  out.reserve(nameBytes.size() * 3);
  for (const char ch : nameBytes) {
    const char32_t cp = ByteToCodePoint(static_cast<unsigned char>(ch), destinationLetter);
    AppendUtf8(out, (cp == kUndefined && ch != '\0') ? kReplacement : cp);
  }
  return out;
}

std::optional<std::string> NameFromUtf8(std::string_view utf8, char destinationLetter) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = 0;
    if (!NextCodePoint(utf8, pos, cp) || cp == 0) return std::nullopt;
    const int byte = CodePointToByte(cp, destinationLetter);
    if (byte < 0) return std::nullopt;
    out.push_back(static_cast<char>(byte));
  }
  return out;
}

std::string NameBytesFromUtf8Lossy(std::string_view utf8, char destinationLetter) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t cp = 0;
    if (!NextCodePoint(utf8, pos, cp)) {
      ++pos;  // a byte that starts no character
      out.push_back('?');
      continue;
    }
    const int byte = cp == 0 ? -1 : CodePointToByte(cp, destinationLetter);
    out.push_back(byte < 0 ? '?' : static_cast<char>(byte));
  }
  return out;
}

}  // namespace quorvan
