#pragma once

#include <string>

#include "core/model/ImageChanges.h"

namespace quorvan {

// Whether a radio may hold an item as a write left it that stopped inside the item's commands:
// a channel's commands ("MW 0", "MW 1", "MNA"; "CW 0", "CW 1") and a DTMF memory's ("DM",
// "DMN") each set one part, and a radio may clear a part another command sets. Each part is
// then as before, as the write meant it, or empty; an item carried by one command (a VFO, a
// program VFO, a menu value) is as before or as meant. All three texts are in the form the
// radio gives them back (AsRadioGivesBack).
bool MayBePartlyWritten(ItemRef item, const std::string& radio, const std::string& before,
                        const std::string& meant);

}  // namespace quorvan
