#include "RadioText.h"

namespace quorvan::radiosim {

std::vector<std::string_view> SplitFields(std::string_view text) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t comma = text.find(',');
    parts.push_back(text.substr(0, comma));
    if (comma == std::string_view::npos) return parts;
    text.remove_prefix(comma + 1);
  }
}

std::string JoinParts(const std::vector<std::string_view>& parts, std::size_t first) {
  std::string joined;
  for (std::size_t i = first; i < parts.size(); ++i) {
    if (i > first) joined += ',';
    joined += parts[i];
  }
  return joined;
}

int DecimalValue(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return -1;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

int HexDigitValue(std::string_view text) {
  if (text.size() != 1) return -1;
  const char c = text[0];
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

namespace {
bool IsControlByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}
}  // namespace

bool IsFreeOfControlBytes(std::string_view text) {
  for (const char c : text) {
    if (IsControlByte(c)) return false;
  }
  return true;
}

std::string WithoutControlBytes(std::string_view text) {
  std::string clean;
  clean.reserve(text.size());
  for (const char c : text) {
    if (!IsControlByte(c)) clean += c;
  }
  return clean;
}

std::string DtmfCodeToRadio(std::string_view code) {
  std::string radio(code);
  for (char& c : radio) {
    if (c == '*') c = 'E';
    if (c == '#') c = 'F';
  }
  return radio;
}

std::string DtmfCodeFromRadio(std::string_view code) {
  std::string pc(code);
  for (char& c : pc) {
    if (c == 'E') c = '*';
    if (c == 'F') c = '#';
  }
  return pc;
}

std::string TwoDigits(int value) {
  if (value < 0 || value > 99) return {};
  return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

}  // namespace quorvan::radiosim
