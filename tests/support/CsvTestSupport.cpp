#include "support/CsvTestSupport.h"

#include <gtest/gtest.h>

#include "core/rules/FrequencyRules.h"

namespace quorvan {

std::string EditorRecord(const RadioImage& image, int slot, const EditorEntry& entry) {
  const StoreOutcome out = ComposeMemoryRecord(image, slot, entry);
  EXPECT_EQ(out.error, EditError::None) << entry.typed.rx;
  return out.record;
}

EditorEntry InputAt(const RadioImage& image, const std::string& frequencyText) {
  RadioImage blank;
  blank.Plan() = image.Plan();
  const ChannelRecord shown = LoadMemoryChannel(blank, 0).record;
  EditorEntry entry;
  entry.typed = {frequencyText, frequencyText, FormatOffsetText(shown[ChannelField::Offset])};
  entry.choices.SetStepIndex(shown.StepIndex());
  entry.choices.SetToneIndex(shown.ToneIndex());
  entry.choices.SetCtcssIndex(shown.CtcssIndex());
  entry.choices.SetDcsIndex(shown.DcsIndex());
  return entry;
}

CsvTable ReadBack(const std::string& text) {
  CsvTable table;
  std::string error;
  EXPECT_TRUE(ReadCsvTable(text, {"Location", "Frequency"}, table, &error)) << error;
  return table;
}

std::string CellOf(const CsvTable& table, int slot, std::string_view column) {
  for (const CsvRow& row : table.rows) {
    if (table.Cell(row, table.Column("Location")) == std::to_string(slot)) {
      return std::string(table.Cell(row, table.Column(column)));
    }
  }
  return {};
}

}  // namespace quorvan
