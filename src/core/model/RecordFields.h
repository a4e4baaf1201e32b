#pragma once

#include <string_view>

namespace quorvan {

// Records are kept as the radio's comma-separated text and taken apart only when read.
// Field n is the text between the n-th and (n+1)-th comma; a field past the end is empty.
// When n equals lastField, the field runs to the end of the text, commas included
// (the name of a memory record, field 17, and of a DTMF memory, field 2).
std::string_view FieldOf(std::string_view record, int n, int lastField = -1);

// Field n and everything after it, commas included (the clipboard's tail reads).
std::string_view TextFrom(std::string_view record, int n);

// Field numbers of a memory, VFO or CALL channel record. VFO and CALL records hold a band code
// in field 0.
constexpr int kIdField = 0;
constexpr int kFrequencyField = 1;  // 11 digits, Hz
constexpr int kStepField = 2;       // step code character
constexpr int kShiftField = 3;      // 0 simplex, 1 +, 2 -, 3 -7.6 MHz
constexpr int kReverseField = 4;
constexpr int kToneField = 5;  // tone, CTCSS and DCS switches
constexpr int kCtcssField = 6;
constexpr int kDcsField = 7;
constexpr int kToneIndexField = 8;
constexpr int kCtcssIndexField = 9;
constexpr int kDcsIndexField = 10;
constexpr int kOffsetField = 11;  // 9 digits, Hz
constexpr int kModeField = 12;
constexpr int kLockoutField = 13;
constexpr int kTxFrequencyField = 14;  // split transmit frequency
constexpr int kTxStepField = 15;
constexpr int kPowerField = 16;
constexpr int kChannelNameField = 17;

// Field numbers of a DTMF memory.
constexpr int kDtmfNumberField = 0;
constexpr int kDtmfCodeField = 1;
constexpr int kDtmfNameField = 2;

// Field numbers of a program VFO range.
constexpr int kProgramBandField = 0;
constexpr int kProgramLowerField = 1;  // whole MHz
constexpr int kProgramUpperField = 2;

}  // namespace quorvan
