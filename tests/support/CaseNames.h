#pragma once

#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>

namespace quorvan::testing {

// A parameterized case's name as CTest lists it: the words of `text` joined by underscores
// (letters and digits only, at most 60 characters), then the case's position, so that two cases
// described alike stay apart: "memory_146_52_0".
inline std::string CaseName(std::string_view text, std::size_t index) {
  std::string name;
  for (const char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      name += c;
    } else if (!name.empty() && name.back() != '_') {
      name += '_';
    }
    if (name.size() >= 60) break;
  }
  if (!name.empty() && name.back() != '_') name += '_';
  return name + std::to_string(index);
}

// Name generator for cases that carry their own description in a `what` member.
struct ByCaseName {
  template <class ParamInfo>
  std::string operator()(const ParamInfo& info) const {
    return CaseName(info.param.what, info.index);
  }
};

}  // namespace quorvan::testing
