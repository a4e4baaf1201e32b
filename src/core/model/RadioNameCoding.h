#pragma once

#include <string>
#include <string_view>

namespace quorvan {

// Names travel to and from the radio in its own single-byte coding; on the PC side they are
// held in the name character set. Both mappings are byte for byte and inverse on that set.
std::string DecodeRadioName(std::string_view radioBytes);
std::string EncodeRadioName(std::string_view pcBytes);

}  // namespace quorvan
