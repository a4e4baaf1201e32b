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

// RF power, index = the digit stored in field 16 of a memory record: "High", "Low", "EL".
extern const std::array<std::string_view, 3> kPowers;
// The caption of a power field; empty for anything but "0", "1" and "2".
std::string_view PowerCaption(std::string_view field);

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

// ---- Record fields read and written the way the editors do ----

// Step list index of a record's step field: "0"-"9", "A", "B"; anything else gives 0.
int StepIndexOfField(std::string_view field);
// Record character of a step list index ('0'-'9', 'A', 'B'); '0' outside the table.
char StepCodeOfIndex(int index);
// Hz of a step list index; 5000 outside the table.
int StepHzOfIndex(int index);

// Mode list index of a record's mode field: "0"-"5"; anything else gives 0 (FM).
int ModeIndexOfField(std::string_view field);

// Tone/CTCSS list index of a two-digit record field; outside "00".."41" gives 8 (88.5 Hz).
int ToneIndexOfField(std::string_view field);
// DCS list index of a three-digit record field; outside "000".."103" gives 0 ("023").
int DcsIndexOfField(std::string_view field);

}  // namespace quorvan
