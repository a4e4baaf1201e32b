#pragma once

#include "core/model/RadioImage.h"

namespace quorvan {

enum class SortKey { Frequency, Name };

// Reorders the ordinary memory channels (slots 0-399) by the key, closes the gaps between
// used channels and renumbers every used channel after its new slot. Slots from 400 on are
// left alone. Equal keys end in the order the radio's own exchange sort leaves them, which
// is not their former order.
void SortMemoryChannels(RadioImage& image, SortKey key);

}  // namespace quorvan
