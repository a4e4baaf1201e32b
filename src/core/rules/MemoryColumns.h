#pragma once

#include <string>
#include <string_view>

#include "core/model/RadioImage.h"
#include "core/rules/ChannelSettings.h"

namespace quorvan {

// The memory grid with all columns: after the mark, label, frequency and name columns come the
// settings the status bar tells of one channel, side by side for every channel.
enum MemorySettingColumn : int {
  kShiftColumn = 4,
  kOffsetTxColumn,
  kToneColumn,
  kModeColumn,
  kStepColumn,
  kLockoutColumn,
  kPowerColumn,
  kAllMemoryColumns  // the column count of the full table
};

// The Tone cell's text for a kind and its table index: "", "T 88.5", "CT 100.0", "DCS 023".
std::string ToneCellText(ToneKind kind, int index);

// Header of a setting column ("Shift", "Offset/Tx", ...); "" outside them.
std::string_view MemorySettingHeader(int column);

// Text of a setting column for a data row (1-based) of the memory grid: "" for an empty slot.
// Shift "", "+", "-", the band's extra shift or "Split"; the offset of a shifted channel or the
// transmit frequency of a split one; tone "T 88.5", "CT 100.0", "DCS 023"; mode; step; "On"
// when locked out; power "High", "Low" or "EL".
std::string MemorySettingText(const RadioImage& image, int row, int column);

}  // namespace quorvan
