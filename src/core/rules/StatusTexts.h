#pragma once

#include <array>
#include <string>

#include "core/model/RadioImage.h"
#include "core/rules/GridTexts.h"

namespace quorvan {

constexpr int kStatusPanelCount = 4;
using StatusPanels = std::array<std::string, kStatusPanelCount>;

// The four status bar panels describing the selected data row (1-based, as in GridTexts) of
// the active grid. Grid::None or a row outside the grid gives four empty panels.
StatusPanels StatusBarTexts(const RadioImage& image, Grid activeGrid, int selectedRow);

}  // namespace quorvan
