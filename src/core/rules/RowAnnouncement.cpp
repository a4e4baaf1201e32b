#include "core/rules/RowAnnouncement.h"

#include <array>
#include <string_view>
#include <vector>

#include "core/model/ChannelTables.h"
#include "core/rules/StatusTexts.h"

namespace quorvan {
namespace {

struct SpokenPrefix {
  std::string_view shown;
  std::string_view spoken;
};

// The panels' leading words and what is said for them.
constexpr std::array<SpokenPrefix, 7> kPrefixes{{
    {"Tx Frequency : ", "transmit "},
    {"Offset : ", "offset "},
    {"DCS : ", "DCS "},
    {"CT : ", "CTCSS "},
    {"T : ", "tone "},
    {"Programmable VFO : ", "programmable VFO "},
    {"Name : ", ""},
}};

struct SpokenShift {
  std::string_view shown;
  std::string_view spoken;
};

constexpr std::array<SpokenShift, 4> kShifts{{
    {"+-", "split"},
    {"+", "plus shift"},
    {"-7.6", "minus 7.6 shift"},
    {"-", "minus shift"},
}};

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string SpokenShiftPanel(std::string_view panel) {
  std::string spoken;
  bool reverse = false;
  if (EndsWith(panel, " R")) {
    reverse = true;
    panel.remove_suffix(2);
  } else if (panel == "R") {
    return "reverse";
  }
  for (const SpokenShift& shift : kShifts) {
    if (panel == shift.shown) {
      spoken = shift.spoken;
      break;
    }
  }
  if (spoken.empty()) spoken = panel;
  if (reverse) spoken += spoken.empty() ? "reverse" : ", reverse";
  return spoken;
}

void Add(std::vector<std::string>& parts, std::string part) {
  if (!part.empty()) parts.push_back(std::move(part));
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) {
    if (!text.empty()) text += ", ";
    text += part;
  }
  return text;
}

}  // namespace

std::string SpokenStatusPanel(const std::string& panel) {
  std::string_view text = panel;
  for (const SpokenPrefix& prefix : kPrefixes) {
    if (!StartsWith(text, prefix.shown)) continue;
    text.remove_prefix(prefix.shown.size());
    std::string spoken(prefix.spoken);
    if (EndsWith(text, "MHz")) {
      text.remove_suffix(3);
      return spoken.append(text).append(" MHz");
    }
    if (EndsWith(text, "Hz")) text.remove_suffix(2);
    return spoken.append(text);
  }
  return SpokenShiftPanel(text);
}

std::string RowAnnouncement(const RadioImage& image, Grid grid, int row) {
  const int slot = RowToSlot(image.Plan(), grid, row);
  if (slot < 0) return {};
  std::vector<std::string> parts;
  Add(parts, RowLabel(image.Plan(), grid, row));
  const bool empty = image.Record(SlotKindOfGrid(grid), slot).empty();
  if (empty) {
    parts.emplace_back("empty");
    return Joined(parts);
  }
  const std::string value = CellText(image, grid, row, kValueColumn);
  if (grid == Grid::Dtmf) {
    Add(parts, value.empty() ? std::string() : "code " + value);
  } else {
    Add(parts, value.empty() ? std::string() : value + " MHz");
    if (grid == Grid::Memory) Add(parts, CellText(image, grid, row, kNameColumn));
    const ChannelRecord record = image.Channel(SlotKindOfGrid(grid), slot);
    Add(parts, std::string(kModes[static_cast<std::size_t>(record.ModeIndex())]));
  }
  for (const std::string& panel : StatusBarTexts(image, grid, row)) {
    if (!panel.empty()) Add(parts, SpokenStatusPanel(panel));
  }
  return Joined(parts);
}

}  // namespace quorvan
