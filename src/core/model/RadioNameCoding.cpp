#include "core/model/RadioNameCoding.h"

namespace quorvan {

std::string DecodeRadioName(std::string_view radioBytes) {
  std::string out(radioBytes);
  for (char& ch : out) {
    const auto b = static_cast<unsigned char>(ch);
    unsigned char r = b;
    if (b == 0x97) r = 0x9A;
    else if (b == 0x9E) r = 0x8A;
    else if (b == 0xA0) r = 0x8C;
    else if (b == 0xF7) r = 0x9C;
    else if (b == 0xFE) r = 0x9F;
    else if (b >= 0x80 && b <= 0x9F) r = static_cast<unsigned char>(b + 0x40);
    ch = static_cast<char>(r);
  }
  return out;
}

std::string EncodeRadioName(std::string_view pcBytes) {
  std::string out(pcBytes);
  for (char& ch : out) {
    const auto b = static_cast<unsigned char>(ch);
    unsigned char r = b;
    if (b == 0x9A) r = 0x97;
    else if (b == 0x8A) r = 0x9E;
    else if (b == 0x8C) r = 0xA0;
    else if (b == 0x9C) r = 0xF7;
    else if (b == 0x9F) r = 0xFE;
    else if (b >= 0xC0 && b <= 0xDF) r = static_cast<unsigned char>(b - 0x40);
    ch = static_cast<char>(r);
  }
  return out;
}

}  // namespace quorvan
