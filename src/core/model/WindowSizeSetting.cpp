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

// An optional minus and one to six digits, within the offset bound.
std::optional<int> Offset(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 6) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > kMaxWindowOffset) return std::nullopt;
  return negative ? -value : value;
}

bool OffsetInBounds(int offset) {
  return offset >= -kMaxWindowOffset && offset <= kMaxWindowOffset;
}

std::optional<WindowSize> ParseSize(std::string_view text) {
  const std::size_t cross = text.find('x');
  if (cross == std::string_view::npos) return std::nullopt;
  const std::optional<int> width = Extent(text.substr(0, cross));
  const std::optional<int> height = Extent(text.substr(cross + 1));
  if (!width || !height) return std::nullopt;
  return WindowSize{*width, *height};
}

std::string SizeText(WindowSize size) {
  return std::to_string(size.width) + "x" + std::to_string(size.height);
}

}  // namespace

std::optional<WindowSize> LoadWindowSize(const SettingsStore& store, std::string_view name) {
  return ParseSize(store.Value(name));
}

void SaveWindowSize(SettingsStore& store, std::string_view name, WindowSize size) {
  if (!InBounds(size.width) || !InBounds(size.height)) return;
  store.SetValue(name, SizeText(size));
}

std::optional<WindowGeometry> LoadWindowGeometry(const SettingsStore& store,
                                                 std::string_view name) {
  const std::string stored = store.Value(name);
  std::string_view text = stored;
  WindowGeometry geometry;
  constexpr std::string_view kMaximized = ",maximized";
  if (text.size() > kMaximized.size() &&
      text.substr(text.size() - kMaximized.size()) == kMaximized) {
    geometry.maximized = true;
    text.remove_suffix(kMaximized.size());
  }
  const std::size_t first = text.find(',');
  const std::size_t second = first == std::string_view::npos ? first : text.find(',', first + 1);
  if (second == std::string_view::npos) return std::nullopt;
  const std::optional<int> x = Offset(text.substr(0, first));
  const std::optional<int> y = Offset(text.substr(first + 1, second - first - 1));
  const std::optional<WindowSize> size = ParseSize(text.substr(second + 1));
  if (!x || !y || !size) return std::nullopt;
  geometry.x = *x;
  geometry.y = *y;
  geometry.size = *size;
  return geometry;
}

void SaveWindowGeometry(SettingsStore& store, std::string_view name,
                        const WindowGeometry& geometry) {
  if (!OffsetInBounds(geometry.x) || !OffsetInBounds(geometry.y) ||
      !InBounds(geometry.size.width) || !InBounds(geometry.size.height)) {
    return;
  }
  store.SetValue(name, std::to_string(geometry.x) + "," + std::to_string(geometry.y) + "," +
                           SizeText(geometry.size) + (geometry.maximized ? ",maximized" : ""));
}

}  // namespace quorvan
