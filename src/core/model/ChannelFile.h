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

// The .qvx text of an image: section markers, records with tabs for commas, CR LF line ends.
std::string WriteChannelFileText(const RadioImage& image);

// Reads a .qvx text into an image prepared by the caller (cleared, with band-plan and menu
// defaults). Returns false, leaving the image untouched, for a wrong or missing header, a NUL
// byte, a line longer than kChannelFileLineCapacity, a data line longer than the slot it goes
// to, or input larger than kChannelFileMaxBytes. Slots the text does not mention keep their
// contents.
bool ReadChannelFileText(std::string_view bytes, RadioImage& image);

}  // namespace quorvan
