#pragma once

#include "core/model/RadioImage.h"

namespace quorvan::bench {

// The largest document a radio holds: every memory slot in use with a name (some with commas),
// every other one a split channel, all CALL channels split, all ten DTMF memories named, a
// comment, and the destination's VFOs, program VFOs and menu defaults.
RadioImage FullImage();

}  // namespace quorvan::bench
