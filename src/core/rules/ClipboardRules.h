#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/BandPlan.h"
#include "core/rules/GridTexts.h"

namespace quorvan {

// The last record text found on the clipboard in the private format. The window keeps it
// across commands, so a record stays pasteable after another program has taken the clipboard.
class ClipboardBuffer {
 public:
  // Room of the window's 100-byte buffer, less its terminating NUL.
  static constexpr std::size_t kCapacity = 99;

  // Takes a private-format payload: its text ends at the first NUL byte. Text longer than
  // kCapacity cannot be held; it is ignored and the buffer keeps what it held. Returns
  // whether the text was taken.
  bool Take(std::string_view payload);

  const std::string& Text() const { return text_; }
  bool Empty() const { return text_.empty(); }
  // Every record of a payload of several rows, the first being Text(); just Text() for one.
  const std::vector<std::string>& Rows() const { return rows_; }

 private:
  std::string text_;
  std::vector<std::string> rows_;
};

// Several rows travel as their record texts one after another, each ended by a NUL byte; an
// empty row is an empty text. One row is its text and a NUL byte, as a single record always
// was, and a reader that takes only the text before the first NUL still finds the first row.
std::string ClipPayload(const std::vector<std::string>& rows);

// The record an edit command acts on: the active grid and a slot of the kind that grid shows
// (memory slot, VFO or CALL band slot, DTMF memory). Slot -1 is no record.
struct EditTarget {
  Grid grid = Grid::None;
  int slot = -1;
};

// The target of a selected grid row (rows count from 1): memory and DTMF rows by position,
// VFO and CALL rows by the band label shown in the row's label column.
EditTarget TargetOfRow(Grid grid, int row, std::string_view rowLabel);

// Record kinds on the clipboard are told apart by length.
constexpr std::size_t kLongestDtmfClipText = 28;
constexpr std::size_t kShortestChannelClipText = 30;

// Cut and Delete: never on the VFO and CALL grids, nor on the information channels
// (slots 422-431) unless the destination letter is E or M.
bool CutDeleteAvailable(const BandPlan& plan, const EditTarget& target);

}  // namespace quorvan
