#pragma once

#include <string_view>

#include "core/model/RadioImage.h"

namespace quorvan::testing {

// An image in the forms a radio read stores, with something in every kind of slot: names with
// commas and characters outside ASCII, split channels, empty slots, DTMF "*" and "#".
RadioImage SampleImage(std::string_view type, std::string_view model);

// The KK,0F ARVEN sample with what the tests of a write of changes write: memory 5 renamed with
// a new transmit part, 7 new, 399 emptied, and the battery type changed.
RadioImage ChangedSampleImage();

}  // namespace quorvan::testing
