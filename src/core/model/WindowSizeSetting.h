#pragma once

#include <optional>
#include <string_view>

#include "core/model/SettingsStore.h"

namespace quorvan {

// The size of the help window, kept between runs as "WIDTHxHEIGHT" in pixels.
constexpr const char* kHelpWindowSizeSetting = "HelpWindowSize";

struct WindowSize {
  int width = 0;
  int height = 0;
};

// Smaller or larger stored sizes are not a size any screen shows and count as missing.
constexpr int kMinWindowExtent = 200;
constexpr int kMaxWindowExtent = 20000;

// The size stored under `name`; empty when it is missing, malformed or out of bounds.
std::optional<WindowSize> LoadWindowSize(const SettingsStore& store, std::string_view name);
// Stores a size within bounds; any other size is left unstored.
void SaveWindowSize(SettingsStore& store, std::string_view name, WindowSize size);

}  // namespace quorvan
