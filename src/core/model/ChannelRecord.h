#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvan {

// The eighteen fields of a memory, VFO or CALL channel record, in record order. VFO and CALL
// records hold their band code in Id; Lockout and Name exist for memory channels only.
enum class ChannelField {
  Id,         // memory label ("007", "L0", "PR1", "I-0") or band code
  Frequency,  // 11 digits, Hz
  Step,       // step code "0"-"9", "A", "B"
  Shift,      // "0" simplex, "1" plus, "2" minus, "3" the band's extra shift
  Reverse,    // switches: "1" on, "0" off
  Tone,
  Ctcss,
  Dcs,
  ToneIndex,   // two digits into the tone table
  CtcssIndex,  // two digits into the tone table
  DcsIndex,    // three digits into the DCS table
  Offset,      // 9 digits, Hz
  Mode,        // "0"-"5": FM, WFM, AM, LSB, USB, CW
  Lockout,
  TxFrequency,  // 11 digits for a split channel, empty otherwise
  TxStep,       // the step code again for a split channel
  Power,        // never interpreted; kept as it arrived
  Name,         // the rest of the record, commas included
};
constexpr int kChannelFieldCount = 18;

// The shift choices of the channel editors; Special is the band's extra repeater shift, Split a
// channel with its own transmit frequency.
enum class ShiftChoice { Simplex, Plus, Minus, Special, Split };

// A channel record taken apart at its commas. Every field keeps its text exactly as it stood, so
// a record parsed and written again is the same text byte for byte, damaged fields included; the
// typed readings below interpret a field the way the editors do and never change it. This is the
// one place where channel records are taken apart and put together.
class ChannelRecord {
 public:
  ChannelRecord() = default;  // no record: an empty slot

  static ChannelRecord Parse(std::string_view text);
  // A complete record of all eighteen fields, every field empty but the identifier; the setters
  // below fill it the way the editors write records.
  static ChannelRecord Blank(std::string_view id);

  std::string Text() const;
  bool Empty() const { return fields_.empty(); }

  // A field's text as it stands; a field past the end of a short record is empty.
  std::string_view operator[](ChannelField field) const;
  void Set(ChannelField field, std::string_view text);
  // The fields from `first` to `last` joined by commas, as commands carry them.
  std::string Join(ChannelField first, ChannelField last) const;

  // ---- Readings with the editors' fallbacks ----
  bool IsOn(ChannelField flag) const { return (*this)[flag] == "1"; }
  bool IsSplit() const { return !(*this)[ChannelField::TxFrequency].empty(); }
  int StepIndex() const;   // step list index; an unknown code reads as 0 (5 kHz)
  int ModeIndex() const;   // mode list index; an unknown code reads as 0 (FM)
  int ToneIndex() const;   // tone table index; outside "00".."41" reads as 8 (88.5 Hz)
  int CtcssIndex() const;  // as ToneIndex
  int DcsIndex() const;    // DCS table index; outside "000".."103" reads as 0
  // Split when a transmit frequency is present, otherwise by the shift code.
  ShiftChoice Shift() const;

  // ---- Writes in the forms the editors write ----
  void SetFlag(ChannelField flag, bool on);
  void SetStepIndex(int index);
  void SetModeIndex(int index);
  void SetToneIndex(int index);
  void SetCtcssIndex(int index);
  void SetDcsIndex(int index);
  // The shift code of a choice; Split and Simplex both write "0" (a split channel is told by its
  // transmit frequency, see SetSplit).
  void SetShift(ShiftChoice shift);
  // A split channel: the transmit frequency and, as its step, the record's step code. An empty
  // frequency makes the channel not split (both fields empty).
  void SetSplit(std::string_view txFrequency);

 private:
  std::vector<std::string> fields_;
};

}  // namespace quorvan
