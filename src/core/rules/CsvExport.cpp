#include "core/rules/CsvExport.h"

#include <cstdint>
#include <string_view>

#include "core/model/ChannelTables.h"
#include "core/model/NameCodec.h"
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

std::string_view ToneKind(const ChannelRecord& record) {
  if (record.IsOn(ChannelField::Tone)) return "Tone";
  if (record.IsOn(ChannelField::Ctcss)) return "TSQL";
  if (record.IsOn(ChannelField::Dcs)) return "DTCS";
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

ShiftColumns ShiftOf(const BandPlan& plan, const ChannelRecord& record) {
  const std::string_view offsetField = record[ChannelField::Offset];
  const std::int64_t storedOffset = FieldHz(offsetField);
  ShiftColumns columns;
  const std::string_view tx = record[ChannelField::TxFrequency];
  const std::string_view shift = record[ChannelField::Shift];
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
    const std::string_view rx = record[ChannelField::Frequency];
    const std::int64_t fixed = FixedShiftHz(plan, ClassifyBand(plan, rx));
    if (fixed > 0) shownOffset = fixed;
    AddWord(columns.comment, kCsvFixedShiftWord);
    if (shownOffset != storedOffset) {
      AddWord(columns.comment, std::string(kCsvOffsetWordPrefix) + MhzText(storedOffset));
    }
  }
  columns.offset = MhzText(shownOffset);
  return columns;
}

std::vector<std::string> RowOf(const RadioImage& image, int slot, const ChannelRecord& record,
                               std::int64_t rxHz) {
  using F = ChannelField;
  const ShiftColumns shift = ShiftOf(image.Plan(), record);
  std::string comment = slot >= kFirstLimitSlot ? MemoryChannelLabel(slot) : std::string();
  if (record.IsOn(F::Reverse)) AddWord(comment, kCsvReverseWord);
  if (!shift.comment.empty()) AddWord(comment, shift.comment);

  std::vector<std::string> row;
  row.reserve(kCsvColumns.size());
  row.push_back(std::to_string(slot));
  row.push_back(NameToUtf8(record[F::Name], image.Plan().DestinationLetter()));
  row.push_back(MhzText(rxHz));
  row.push_back(shift.duplex);
  row.push_back(shift.offset);
  row.emplace_back(ToneKind(record));
  row.emplace_back(ToneValueText(record.ToneIndex()));
  row.emplace_back(ToneValueText(record.CtcssIndex()));
  row.emplace_back(kDcsCodes[static_cast<std::size_t>(record.DcsIndex())]);
  row.emplace_back("NN");
  row.emplace_back();  // RxDtcsCode
  row.emplace_back();  // CrossMode
  row.emplace_back(kModes[static_cast<std::size_t>(record.ModeIndex())]);
  row.push_back(StepKhzText(record.StepIndex()));
  row.emplace_back(record.IsOn(F::Lockout) ? "S" : "");
  row.emplace_back(PowerCaption(record[F::Power]));
  row.push_back(comment);
  row.resize(kCsvColumns.size());  // URCALL, RPT1CALL, RPT2CALL, DVCODE stay empty
  return row;
}

}  // namespace

CsvExportResult ExportMemoryCsv(const RadioImage& image) {
  CsvExportResult result;
  result.text = CsvLine(std::vector<std::string>(kCsvColumns.begin(), kCsvColumns.end()));
  for (int slot = 0; slot < kMemorySlots; ++slot) {
    const ChannelRecord record = image.Channel(SlotKind::Memory, slot);
    if (record.Empty()) continue;
    std::int64_t rxHz = 0;
    if (!ReadFrequencyHz(record[ChannelField::Frequency], rxHz)) {
      result.unreadable.push_back(MemoryChannelLabel(slot));
      continue;
    }
    result.text += CsvLine(RowOf(image, slot, record, rxHz));
    ++result.rows;
  }
  return result;
}

}  // namespace quorvan
