#pragma once

#include <array>
#include <string_view>

namespace quorvan {

// The radio's code tables, shared by editors, grids, status bar, printout and CSV.

struct StepEntry {
  std::string_view caption;  // "6.25kHz"
  int hz;                    // 6250
  char code;                 // record character '1'
};
extern const std::array<StepEntry, 12> kSteps;

// Mode list, index = the digit stored in the record: "FM", "WFM", "AM", "LSB", "USB", "CW".
extern const std::array<std::string_view, 6> kModes;

// The 42 tone frequencies "67.0Hz" ... "254.1Hz" (record index 00-41).
extern const std::array<std::string_view, 42> kTones;

// The 104 DCS codes "023" ... "754" (record index 000-103).
extern const std::array<std::string_view, 104> kDcsCodes;

// Step index of a record step character: a digit is its value, 'A'/'B' give 10/11; any other
// character gives -1.
int StepIndexOfCode(char code);

// Table index of a fixed-width decimal record field ("08", "103"); -1 when it is not all
// digits, empty, or outside 0..count-1.
int DecimalIndex(std::string_view field, int count);

// The table entry a record index field names ("08" -> "88.5Hz"); empty when the field is no
// valid index into the table.
template <std::size_t N>
std::string_view TableEntry(const std::array<std::string_view, N>& table, std::string_view index) {
  const int i = DecimalIndex(index, static_cast<int>(N));
  return i < 0 ? std::string_view() : table[static_cast<std::size_t>(i)];
}

}  // namespace quorvan
