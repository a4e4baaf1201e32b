#include "core/model/NameCharset.h"

namespace quorvan {

bool IsNameChar(unsigned char c, char destinationLetter) {
  if (c >= 0x20 && c <= 0x7E) return true;
  if (destinationLetter == 'J') return c >= 0xA1 && c <= 0xDF;
  if (c >= 0xC0 && c <= 0xFD) return c != 0xD7 && c != 0xDE && c != 0xF7;
  return c == 0xFF || c == 0x8A || c == 0x8C || c == 0x9A || c == 0x9C || c == 0x9F;
}

bool IsValidName(std::string_view name, char destinationLetter) {
  if (name.size() > kNameCapacity) return false;
  for (const char ch : name) {
    if (!IsNameChar(static_cast<unsigned char>(ch), destinationLetter)) return false;
  }
  return true;
}

}  // namespace quorvan
