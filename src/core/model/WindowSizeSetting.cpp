#include "core/model/WindowSizeSetting.h"

#include <string>

namespace quorvan {

namespace {

bool InBounds(int extent) { return extent >= kMinWindowExtent && extent <= kMaxWindowExtent; }

// One to five digits without a sign or blanks.
std::optional<int> Extent(std::string_view text) {
  if (text.empty() || text.size() > 5) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (!InBounds(value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<WindowSize> LoadWindowSize(const SettingsStore& store, std::string_view name) {
  const std::string text = store.Value(name);
  const std::size_t cross = text.find('x');
  if (cross == std::string::npos) return std::nullopt;
  const std::optional<int> width = Extent(std::string_view(text).substr(0, cross));
  const std::optional<int> height = Extent(std::string_view(text).substr(cross + 1));
  if (!width || !height) return std::nullopt;
  return WindowSize{*width, *height};
}

void SaveWindowSize(SettingsStore& store, std::string_view name, WindowSize size) {
  if (!InBounds(size.width) || !InBounds(size.height)) return;
  store.SetValue(name, std::to_string(size.width) + "x" + std::to_string(size.height));
}

}  // namespace quorvan
