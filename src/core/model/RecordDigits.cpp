#include "core/model/RecordDigits.h"

#include <cstdio>

namespace quorvan {

std::string ZeroPadded(std::int64_t value, int width) {
  if (value < 0) value = 0;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*lld", width, static_cast<long long>(value));
  std::string text(buffer);
  const auto w = static_cast<std::size_t>(width);
  return text.size() > w ? text.substr(text.size() - w) : text;
}

bool ReadDecimal(std::string_view digits, std::int64_t& value) {
  if (digits.empty() || digits.size() > 18) return false;
  std::int64_t v = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  value = v;
  return true;
}

}  // namespace quorvan
