#include "core/rules/CsvExport.h"

#include <cstdint>
#include <string_view>

#include "core/model/ChannelTables.h"
#include "core/model/NameCodec.h"
#include "core/model/RecordFields.h"
#include "core/rules/CsvChannelColumns.h"
#include "core/rules/CsvTable.h"
#include "core/rules/FrequencyRules.h"

namespace quorvan {

namespace {

// Hz of a 9-digit offset or 11-digit frequency field; 0 when it does not read.
std::int64_t FieldHz(std::string_view field) {
  std::int64_t hz = 0;
  return ReadFrequencyHz(field, hz) ? hz : 0;
}

std::string_view ToneKind(const RadioImage& image, int slot) {
  if (image.Field(SlotKind::Memory, slot, kToneField) == "1") return "Tone";
  if (image.Field(SlotKind::Memory, slot, kCtcssField) == "1") return "TSQL";
  if (image.Field(SlotKind::Memory, slot, kDcsField) == "1") return "DTCS";
  return "";
}

std::string_view PowerText(std::string_view field) {
  if (field == "0") return "High";
  if (field == "1") return "Low";
  if (field == "2") return "EL";
  return "";
}

struct ShiftColumns {
  std::string duplex;
  std::string offset;
  std::string comment;  // words for what the two columns cannot say
};

void AddWord(std::string& comment, std::string_view word) {
  if (!comment.empty()) comment += ' ';
  comment += word;
}

ShiftColumns ShiftOf(const RadioImage& image, int slot) {
  const std::string_view offsetField = image.Field(SlotKind::Memory, slot, kOffsetField);
  const std::int64_t storedOffset = FieldHz(offsetField);
  ShiftColumns columns;
  const std::string_view tx = image.Field(SlotKind::Memory, slot, kTxFrequencyField);
  const std::string_view shift = image.Field(SlotKind::Memory, slot, kShiftField);
  std::int64_t shownOffset = storedOffset;
  if (!tx.empty()) {
    columns.duplex = "split";
    columns.offset = MhzText(FieldHz(tx));
    if (offsetField != kDefaultOffsetField) {
      AddWord(columns.comment, std::string(kCsvOffsetWordPrefix) + MhzText(storedOffset));
    }
    return columns;
  }
  if (shift == "1") {
    columns.duplex = "+";
  } else if (shift == "2") {
    columns.duplex = "-";
  } else if (shift == "3") {
    // Other programs know the fixed split only as a minus shift of its distance.
    columns.duplex = "-";
    const std::string_view rx = image.Field(SlotKind::Memory, slot, kFrequencyField);
    const std::int64_t fixed = FixedShiftHz(image.Plan(), ClassifyBand(image.Plan(), rx));
    if (fixed > 0) shownOffset = fixed;
    AddWord(columns.comment, kCsvFixedShiftWord);
    if (shownOffset != storedOffset) {
      AddWord(columns.comment, std::string(kCsvOffsetWordPrefix) + MhzText(storedOffset));
    }
  }
  columns.offset = MhzText(shownOffset);
  return columns;
}

std::vector<std::string> RowOf(const RadioImage& image, int slot, std::int64_t rxHz) {
  auto field = [&](int n) { return image.Field(SlotKind::Memory, slot, n); };
  const ShiftColumns shift = ShiftOf(image, slot);
  std::string comment = slot >= kFirstLimitSlot ? MemoryChannelLabel(slot) : std::string();
  if (field(kReverseField) == "1") AddWord(comment, kCsvReverseWord);
  if (!shift.comment.empty()) AddWord(comment, shift.comment);

  std::vector<std::string> row;
  row.reserve(kCsvColumns.size());
  row.push_back(std::to_string(slot));
  row.push_back(NameToUtf8(field(kChannelNameField), image.Plan().DestinationLetter()));
  row.push_back(MhzText(rxHz));
  row.push_back(shift.duplex);
  row.push_back(shift.offset);
  row.emplace_back(ToneKind(image, slot));
  row.emplace_back(ToneValueText(ToneIndexOfField(field(kToneIndexField))));
  row.emplace_back(ToneValueText(ToneIndexOfField(field(kCtcssIndexField))));
  row.emplace_back(kDcsCodes[static_cast<std::size_t>(DcsIndexOfField(field(kDcsIndexField)))]);
  row.emplace_back("NN");
  row.emplace_back();  // RxDtcsCode
  row.emplace_back();  // CrossMode
  row.emplace_back(kModes[static_cast<std::size_t>(ModeIndexOfField(field(kModeField)))]);
  row.push_back(StepKhzText(StepIndexOfField(field(kStepField))));
  row.emplace_back(field(kLockoutField) == "1" ? "S" : "");
  row.emplace_back(PowerText(field(kPowerField)));
  row.push_back(comment);
  row.resize(kCsvColumns.size());  // URCALL, RPT1CALL, RPT2CALL, DVCODE stay empty
  return row;
}

}  // namespace

CsvExportResult ExportMemoryCsv(const RadioImage& image) {
  CsvExportResult result;
  result.text = CsvLine(std::vector<std::string>(kCsvColumns.begin(), kCsvColumns.end()));
  for (int slot = 0; slot < kMemorySlots; ++slot) {
    if (image.Record(SlotKind::Memory, slot).empty()) continue;
    std::int64_t rxHz = 0;
    if (!ReadFrequencyHz(image.Field(SlotKind::Memory, slot, kFrequencyField), rxHz)) {
      result.unreadable.push_back(MemoryChannelLabel(slot));
      continue;
    }
    result.text += CsvLine(RowOf(image, slot, rxHz));
    ++result.rows;
  }
  return result;
}

}  // namespace quorvan
