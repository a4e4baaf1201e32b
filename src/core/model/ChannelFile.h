#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/model/RadioImage.h"

namespace quorvan {

constexpr const char* kChannelFileHeader = "QUENTAR Chanvault for DOVRA";
// The longest line the format carries (a full channel record).
constexpr std::size_t kChannelFileLineCapacity = 99;
// Far above any file the writer produces (about 40 KiB); larger input is not a channel file.
constexpr std::size_t kChannelFileMaxBytes = std::size_t{1} << 20;

// Whether a line is one of the section markers, "__COMMENT__" to "__RADIO MENU__".
bool IsChannelFileMarker(std::string_view line);

// The .qvx text of an image: section markers, records with tabs for commas, CR LF line ends.
std::string WriteChannelFileText(const RadioImage& image);

// Reads a .qvx text into an image. Only a complete, well-formed file is taken: the header,
// every section marker in order, at most one comment line, data lines whose records have the
// form of the slot their first field names (each slot once), and exactly 4 program VFO and 41
// menu lines after "__RADIO MENU__"; lines end in CR LF or LF, the last one may lack it. Slots
// the text does not mention keep their contents. Anything else returns false and leaves the
// image untouched; `problem`, when given, then names the line and what is wrong with it
// ("Line 5: memory channel 000: the frequency "0014518" is not 11 digits.").
bool ReadChannelFileText(std::string_view bytes, RadioImage& image, std::string* problem = nullptr);

}  // namespace quorvan
