#pragma once

#include <string>

#include "core/model/ChannelRecord.h"
#include "core/model/RadioImage.h"

namespace quorvan::testing {

// A field of the memory, VFO or CALL record in a slot, read through the channel record type.
std::string SlotField(const RadioImage& image, SlotKind kind, int slot, ChannelField field);
// The code and the name of a DTMF memory, read through the DTMF record type.
std::string DtmfCode(const RadioImage& image, int slot);
std::string DtmfName(const RadioImage& image, int slot);

}  // namespace quorvan::testing
