#pragma once

#include <string>

#include "core/model/RadioImage.h"
#include "core/rules/GridTexts.h"

namespace quorvan {

// What a screen reader says of a grid's data row (1-based, as in GridTexts): the row's label,
// its frequency or code, its name and mode, then the status bar's description of it in words:
// "008, 146.520 MHz, NATIONAL, FM, tone 88.5". An empty slot is "008, empty"; a row outside the
// grid gives "".
std::string RowAnnouncement(const RadioImage& image, Grid grid, int row);

// One status bar panel as it is spoken: "T : 88.5Hz" gives "tone 88.5", "Offset : 0.60MHz"
// gives "offset 0.60 MHz", "- R" gives "minus shift, reverse".
std::string SpokenStatusPanel(const std::string& panel);

}  // namespace quorvan
