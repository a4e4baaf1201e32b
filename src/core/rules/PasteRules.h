#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/RadioImage.h"
#include "core/rules/ClipboardRules.h"

namespace quorvan {

// Whether the clipboard text may be pasted onto the target. A channel record must carry an
// 11-digit frequency inside the target's limits (the band holding it on the memory grid, the
// CALL band's limits, the VFO band's limits or, for the A-band VFOs, the program VFO range
// with the frequency on its step and the mode FM). A DTMF text (at most 28 bytes) suits only
// the DTMF grid. The text must also build a record that fits the target slot.
bool PasteAvailable(const RadioImage& image, std::string_view clipboard, const EditTarget& target);

// The record Paste would store: rebuilt field by field from the clipboard text around the
// target's own channel identifier, with the fields the target kind cannot hold reset. Nothing
// when the target is not a record, or the result would not be a well-formed record there
// (RecordProblem).
std::optional<std::string> BuildPasteRecord(const RadioImage& image, std::string_view clipboard,
                                            const EditTarget& target);

// Stores the pasted record into the target when the clipboard text suits it there; returns
// whether anything was stored.
bool PasteInto(RadioImage& image, std::string_view clipboard, const EditTarget& target);

// Paste of several rows onto the memory grid: row i goes to slot first + i through the rules of
// PasteInto, within the ordinary memories when `first` is one of them, else within 400-431.
// An empty row leaves its slot alone. Returns the rows (from 0) that did not fit their slot.
struct SkippedPasteRow {
  int row = 0;
  int slot = 0;  // where it would have gone; -1 past the last slot
};
std::vector<SkippedPasteRow> PasteMemoryRows(RadioImage& image,
                                             const std::vector<std::string>& rows, int first);

// "row 3 (012) does not fit slot 014": the row by its position and the label it was copied
// with.
std::string SkippedPasteLine(const std::vector<std::string>& rows, const SkippedPasteRow& skipped);

}  // namespace quorvan
