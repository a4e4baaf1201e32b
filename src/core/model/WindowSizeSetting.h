#pragma once

#include <optional>
#include <string_view>

#include "core/model/SettingsStore.h"

namespace quorvan {

// The size of the help window, kept between runs as "WIDTHxHEIGHT" in pixels.
constexpr const char* kHelpWindowSizeSetting = "HelpWindowSize";
// The main window's place and size, kept as "X,Y,WIDTHxHEIGHT" in pixels, followed by
// ",maximized" when it was; the place and size are then those it returns to.
constexpr const char* kMainWindowGeometrySetting = "MainWindowGeometry";

struct WindowSize {
  int width = 0;
  int height = 0;
};

// Smaller or larger stored sizes are not a size any screen shows and count as missing.
constexpr int kMinWindowExtent = 200;
constexpr int kMaxWindowExtent = 20000;

struct WindowGeometry {
  int x = 0;
  int y = 0;
  WindowSize size;
  bool maximized = false;
};

// Stored places beyond this distance from the origin are not on any screen.
constexpr int kMaxWindowOffset = 100000;

// The size stored under `name`; empty when it is missing, malformed or out of bounds.
std::optional<WindowSize> LoadWindowSize(const SettingsStore& store, std::string_view name);
// Stores a size within bounds; any other size is left unstored.
void SaveWindowSize(SettingsStore& store, std::string_view name, WindowSize size);

// The same for a place and size; whether it is on a screen is the window's to judge.
std::optional<WindowGeometry> LoadWindowGeometry(const SettingsStore& store, std::string_view name);
void SaveWindowGeometry(SettingsStore& store, std::string_view name,
                        const WindowGeometry& geometry);

}  // namespace quorvan
