#pragma once

#include <string>
#include <string_view>

namespace quorvan {

// A JSON string literal of UTF-8 text, quotes included: quotation marks, backslashes and control
// characters are escaped, and every byte that is not part of well-formed UTF-8 becomes U+FFFD,
// so whatever bytes a file held, the result is valid JSON.
std::string JsonString(std::string_view text);

}  // namespace quorvan
