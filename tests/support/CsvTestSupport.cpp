#include "support/CsvTestSupport.h"

#include <gtest/gtest.h>

namespace quorvan {

std::string EditorRecord(const RadioImage& image, int slot, const ChannelInput& input) {
  const StoreOutcome out = ComposeMemoryRecord(image, slot, input);
  EXPECT_EQ(out.error, EditError::None) << input.frequencyText;
  return out.record;
}

ChannelInput InputAt(const RadioImage& image, const std::string& frequencyText) {
  RadioImage blank;
  blank.Plan() = image.Plan();
  const ChannelView view = LoadMemoryView(blank, 0);
  ChannelInput input;
  input.frequencyText = frequencyText;
  input.txFrequencyText = frequencyText;
  input.offsetText = view.offsetText;
  input.step = view.step;
  input.toneIndex = view.toneIndex;
  input.ctcssIndex = view.ctcssIndex;
  input.dcsIndex = view.dcsIndex;
  return input;
}

CsvTable ReadBack(const std::string& text) {
  CsvTable table;
  std::string error;
  EXPECT_TRUE(ReadCsvTable(text, {"Location", "Frequency"}, table, error)) << error;
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
