#include "core/rules/ClipboardRules.h"

#include "core/model/RadioImage.h"

namespace quorvan {

bool ClipboardBuffer::Take(std::string_view payload) {
  const std::string_view text = payload.substr(0, payload.find('\0'));
  if (text.size() > kCapacity) return false;
  text_.assign(text);
  return true;
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
