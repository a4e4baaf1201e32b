#pragma once

#include <string>

#include "core/model/RadioImage.h"
#include "core/rules/CsvTable.h"
#include "core/rules/EditorRules.h"

namespace quorvan {

// A memory record stored the way the memory editor stores it; fails the test on bad input.
std::string EditorRecord(const RadioImage& image, int slot, const EditorEntry& entry);

// A channel input for a frequency, everything else as an empty slot shows it.
EditorEntry InputAt(const RadioImage& image, const std::string& frequencyText);

// The exported text read back as a table (fails the test when it does not read).
CsvTable ReadBack(const std::string& text);

// Cell of the first data row whose Location is `slot`; empty when there is none.
std::string CellOf(const CsvTable& table, int slot, std::string_view column);

}  // namespace quorvan
