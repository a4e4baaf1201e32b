#include "core/rules/ClipboardRules.h"

#include "core/model/RadioImage.h"

namespace quorvan {

namespace {

// The records of a payload, or nothing when one does not fit a slot or there are more than the
// memory grid has rows. Empty rows at the end are not rows.
std::vector<std::string> PayloadRows(std::string_view payload) {
  std::vector<std::string> rows;
  while (!payload.empty()) {
    const std::size_t end = payload.find('\0');
    const std::string_view text = payload.substr(0, end);
    if (text.size() > ClipboardBuffer::kCapacity || rows.size() == kMemorySlots) return {};
    rows.emplace_back(text);
    if (end == std::string_view::npos) break;
    payload.remove_prefix(end + 1);
  }
  while (!rows.empty() && rows.back().empty()) rows.pop_back();
  return rows;
}

}  // namespace

bool ClipboardBuffer::Take(std::string_view payload) {
  const std::string_view text = payload.substr(0, payload.find('\0'));
  if (text.size() > kCapacity) return false;
  text_.assign(text);
  rows_ = PayloadRows(payload);
  // Bytes after the first record that are no rows leave the single record.
  if (rows_.empty() || rows_.front() != text_) rows_.assign(1, text_);
  return true;
}

std::string ClipPayload(const std::vector<std::string>& rows) {
  std::string payload;
  for (const std::string& row : rows) {
    payload += row;
    payload += '\0';
  }
  return payload;
}

EditTarget TargetOfRow(Grid grid, int row, std::string_view rowLabel) {
  if (row < 1) return {grid, -1};
  switch (grid) {
    case Grid::Memory:
      return {grid, row <= kMemorySlots ? row - 1 : -1};
    case Grid::Dtmf:
      return {grid, row <= kDtmfSlots ? row - 1 : -1};
    case Grid::Vfo:
      return {grid, VfoLabelToSlot(rowLabel)};
    case Grid::Call:
      return {grid, CallLabelToSlot(rowLabel)};
    case Grid::None:
      break;
  }
  return {Grid::None, -1};
}

bool CutDeleteAvailable(const BandPlan& plan, const EditTarget& target) {
  if (target.grid == Grid::Vfo || target.grid == Grid::Call) return false;
  if (target.grid == Grid::Memory && target.slot >= kFirstInfoSlot) {
    const char destination = plan.DestinationLetter();
    return destination == 'E' || destination == 'M';
  }
  return true;
}

}  // namespace quorvan
