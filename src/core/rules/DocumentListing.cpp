#include "core/rules/DocumentListing.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/model/ChannelTables.h"
#include "core/model/NameCodec.h"
#include "core/model/RecordDigits.h"
#include "core/rules/CsvChannelColumns.h"
#include "core/rules/CsvNames.h"
#include "core/rules/CsvTable.h"
#include "core/rules/DisplayTexts.h"
#include "core/rules/FrequencyRules.h"
#include "core/rules/JsonText.h"

namespace quorvan {

namespace {

enum Column : int {
  kKind,
  kSlot,
  kReceive,
  kTransmit,
  kShift,
  kOffset,
  kReverse,
  kTone,
  kMode,
  kStep,
  kLockout,
  kPower,
  kName,
  kCode,
  kValue,
  kColumnCount
};

struct ColumnInfo {
  std::string_view key;    // JSON key and CSV header
  std::string_view title;  // text table header
  bool flag;               // yes or no
};

constexpr std::array<ColumnInfo, kColumnCount> kColumns{{
    {"kind", "Kind", false},
    {"slot", "Slot", false},
    {"receive", "Receive", false},
    {"transmit", "Transmit", false},
    {"shift", "Shift", false},
    {"offset", "Offset", false},
    {"reverse", "Reverse", true},
    {"tone", "Tone", false},
    {"mode", "Mode", false},
    {"step", "Step", false},
    {"lockout", "Lockout", true},
    {"power", "Power", false},
    {"name", "Name", false},
    {"code", "Code", false},
    {"value", "Value", false},
}};

using Cells = std::array<std::string, kColumnCount>;

// One kind of entry: its name, the title of its table and the fields it has.
struct Section {
  std::string_view key;
  std::string_view title;
  std::vector<int> columns;
  std::vector<Cells> rows;
};

std::string_view YesNo(bool on) { return on ? "yes" : "no"; }

void FillChannel(const BandPlan& plan, const ChannelRecord& record, Cells& cells) {
  using F = ChannelField;
  cells[kReceive] = FrequencyText(record[F::Frequency]);
  if (record.IsSplit()) cells[kTransmit] = FrequencyText(record[F::TxFrequency]);
  switch (record.Shift()) {
    case ShiftChoice::Simplex:
      break;
    case ShiftChoice::Plus:
    case ShiftChoice::Minus:
      cells[kShift] = record.Shift() == ShiftChoice::Plus ? "+" : "-";
      cells[kOffset] = OffsetText(record[F::Offset]);
      break;
    case ShiftChoice::Special: {
      cells[kShift] = "fixed";
      const std::int64_t hz = FixedShiftHz(plan, ClassifyBand(plan, record[F::Frequency]));
      if (hz > 0) cells[kOffset] = OffsetText(ZeroPadded(hz, 9));
      break;
    }
    case ShiftChoice::Split:
      cells[kShift] = "split";
      break;
  }
  cells[kReverse] = YesNo(record.IsOn(F::Reverse));
  if (record.IsOn(F::Dcs)) {
    cells[kTone] = "DCS " + std::string(kDcsCodes[static_cast<std::size_t>(record.DcsIndex())]);
  } else if (record.IsOn(F::Ctcss)) {
    cells[kTone] = "CT " + std::string(kTones[static_cast<std::size_t>(record.CtcssIndex())]);
  } else if (record.IsOn(F::Tone)) {
    cells[kTone] = "T " + std::string(kTones[static_cast<std::size_t>(record.ToneIndex())]);
  }
  cells[kMode] = kModes[static_cast<std::size_t>(record.ModeIndex())];
  cells[kStep] = kSteps[static_cast<std::size_t>(record.StepIndex())].caption;
  cells[kLockout] = YesNo(record.IsOn(F::Lockout));
  cells[kPower] = PowerCaption(record[F::Power]);
  cells[kName] = NameToUtf8(record[F::Name], plan.DestinationLetter());
}

Section ChannelSection(const RadioImage& image, SlotKind kind) {
  const BandPlan& plan = image.Plan();
  Section section;
  if (kind == SlotKind::Memory) {
    section = {"memory",
               "Memory",
               {kSlot, kReceive, kTransmit, kShift, kOffset, kReverse, kTone, kMode, kStep,
                kLockout, kPower, kName},
               {}};
  } else {
    section = {kind == SlotKind::Call ? "call" : "vfo",
               kind == SlotKind::Call ? "CALL" : "VFO",
               {kSlot, kReceive, kTransmit, kShift, kOffset, kReverse, kTone, kMode, kStep, kPower},
               {}};
  }
  for (int slot = 0; slot < SlotCount(kind); ++slot) {
    const ChannelRecord record = image.Channel(kind, slot);
    if (record[ChannelField::Frequency].empty()) continue;
    Cells cells;
    cells[kSlot] = kind == SlotKind::Memory ? MemoryChannelLabel(slot)
                   : kind == SlotKind::Call ? std::string(CallBandName(plan, slot))
                                            : std::string(VfoBandName(plan, slot));
    FillChannel(plan, record, cells);
    section.rows.push_back(std::move(cells));
  }
  return section;
}

Section DtmfSection(const RadioImage& image) {
  Section section{"dtmf", "DTMF", {kSlot, kCode, kName}, {}};
  for (int slot = 0; slot < kDtmfSlots; ++slot) {
    const DtmfRecord record = image.Dtmf(slot);
    if (record.Empty()) continue;
    Cells cells;
    cells[kSlot] = std::to_string(slot);
    cells[kCode] = record.Code();
    cells[kName] = NameToUtf8(record.Name(), image.Plan().DestinationLetter());
    section.rows.push_back(std::move(cells));
  }
  return section;
}

Section MenuSection(const RadioImage& image) {
  Section section{"menu", "Menu", {kSlot, kValue}, {}};
  for (int item = 0; item < kMenuItemCount; ++item) {
    const std::string& value = image.Menu().Get(item);
    if (value.empty()) continue;  // the item does not exist for this band plan
    Cells cells;
    cells[kSlot] = MenuMnemonic(item);
    cells[kValue] = item == kMenuMES ? NameToUtf8(value, image.Plan().DestinationLetter()) : value;
    section.rows.push_back(std::move(cells));
  }
  return section;
}

// Columns a terminal gives the text: one per character, not per byte.
std::size_t Width(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

std::string TextTable(const Section& section) {
  std::vector<std::vector<std::string>> lines;
  std::vector<std::string> header;
  for (const int column : section.columns) {
    header.emplace_back(column == kSlot ? section.title : kColumns[column].title);
  }
  lines.push_back(header);
  for (const Cells& cells : section.rows) {
    std::vector<std::string> line;
    for (const int column : section.columns) {
      line.push_back(PrintableUtf8(cells[column]));
    }
    lines.push_back(std::move(line));
  }
  std::vector<std::size_t> widths(section.columns.size(), 0);
  for (const auto& line : lines) {
    for (std::size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], Width(line[i]));
  }
  std::string text;
  for (const auto& line : lines) {
    std::string row;
    for (std::size_t i = 0; i < line.size(); ++i) {
      row += line[i];
      if (i + 1 < line.size()) row += std::string(widths[i] - Width(line[i]) + 2, ' ');
    }
    row.erase(row.find_last_not_of(' ') + 1);
    text += row + "\n";
  }
  return text;
}

std::string CsvListing(const std::vector<Section>& sections) {
  std::vector<int> columns{kKind};
  for (int column = kSlot; column < kColumnCount; ++column) {
    for (const Section& section : sections) {
      const auto& own = section.columns;
      if (std::find(own.begin(), own.end(), column) != own.end()) {
        columns.push_back(column);
        break;
      }
    }
  }
  std::vector<std::string> fields;
  for (const int column : columns) fields.emplace_back(kColumns[column].key);
  std::string text = CsvLine(fields);
  for (const Section& section : sections) {
    for (const Cells& cells : section.rows) {
      fields.clear();
      for (const int column : columns) {
        fields.push_back(column == kKind ? std::string(section.key) : PrintableUtf8(cells[column]));
      }
      text += CsvLine(fields);
    }
  }
  return text;
}

std::string JsonListing(const BandPlan& plan, const std::vector<Section>& sections) {
  std::string text =
      "{\n  \"type\": " + JsonString(plan.type) + ",\n  \"model\": " + JsonString(plan.model);
  for (const Section& section : sections) {
    text += ",\n  " + JsonString(section.key) + ": [";
    for (std::size_t r = 0; r < section.rows.size(); ++r) {
      text += r == 0 ? "\n    {" : ",\n    {";
      for (std::size_t i = 0; i < section.columns.size(); ++i) {
        const ColumnInfo& column = kColumns[section.columns[i]];
        const std::string& cell = section.rows[r][section.columns[i]];
        text += (i == 0 ? "" : ", ") + JsonString(column.key) + ": ";
        text += column.flag ? (cell == "yes" ? "true" : "false") : JsonString(cell);
      }
      text += "}";
    }
    text += section.rows.empty() ? "]" : "\n  ]";
  }
  return text + "\n}\n";
}

}  // namespace

std::string DocumentListing(const RadioImage& image, bool all, ListingFormat format) {
  std::vector<Section> sections{ChannelSection(image, SlotKind::Memory)};
  if (all) {
    sections.push_back(ChannelSection(image, SlotKind::Call));
    sections.push_back(ChannelSection(image, SlotKind::Vfo));
    sections.push_back(DtmfSection(image));
    sections.push_back(MenuSection(image));
  }
  switch (format) {
    case ListingFormat::Csv:
      return CsvListing(sections);
    case ListingFormat::Json:
      return JsonListing(image.Plan(), sections);
    case ListingFormat::Text:
      break;
  }
  std::string text;
  for (const Section& section : sections) {
    if (!text.empty()) text += "\n";
    text += TextTable(section);
  }
  return text;
}

}  // namespace quorvan
