#pragma once

#include <string_view>

#include "core/model/RadioImage.h"

namespace quorvan::testing {

// An image in the forms a radio read stores, with something in every kind of slot: names with
// commas and characters outside ASCII, split channels, empty slots, DTMF "*" and "#".
RadioImage SampleImage(std::string_view type, std::string_view model);

}  // namespace quorvan::testing
