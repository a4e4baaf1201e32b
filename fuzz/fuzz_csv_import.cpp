// Arbitrary bytes as a channel list, imported into a new document by Location or in file order
// from a chosen channel. A list the import refuses changes nothing. A list it takes changes
// memory slots only, and only where the placement allows; every row is counted; the report
// holds no control character but its line breaks; the saved file reopens identically; and the
// memory exported as a list and imported again comes back unchanged with nothing to report.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/model/ChannelFile.h"
#include "core/model/ChannelRecord.h"
#include "core/model/MenuSettings.h"
#include "core/rules/CsvExport.h"
#include "core/rules/CsvImport.h"
#include "core/rules/CsvTable.h"

namespace {

using quorvan::CsvImportReport;
using quorvan::CsvPlacement;
using quorvan::RadioImage;
using quorvan::SlotKind;
using quorvan::fuzz::Require;

// The image Open reads a channel file into: cleared, with the band-plan and menu defaults.
RadioImage OpenTarget(const quorvan::BandPlan& plan) {
  RadioImage image;
  image.Plan() = plan;
  image.Clear();
  quorvan::ApplyBandPlanDefaults(image);
  quorvan::ApplyMenuDefaults(image.Menu(), image.Plan());
  return image;
}

std::size_t RowCount(const std::string& text, const CsvPlacement& placement) {
  quorvan::CsvTable table;
  std::string error;
  const bool read = quorvan::ReadCsvTable(
      text,
      placement.inFileOrder ? std::vector<std::string_view>{"Frequency"}
                            : std::vector<std::string_view>{"Location", "Frequency"},
      table, &error);
  Require(read, "the list read for the import does not read again");
  return table.rows.size();
}

// No control character but the line breaks: neither 0x00-0x1F and 0x7F nor, in UTF-8,
// U+0080-U+009F.
bool IsPrintableReport(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte < 0x20 && byte != '\n') || byte == 0x7F) return false;
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (byte == 0xC2 && next >= 0x80 && next < 0xA0) return false;
  }
  return true;
}

void RequireMemoryOnlyWherePlaced(const RadioImage& before, const RadioImage& after,
                                  const CsvPlacement& placement, int imported) {
  RadioImage restored = after;
  for (int slot = 0; slot < quorvan::kMemorySlots; ++slot) {
    const std::string& record = after.Record(SlotKind::Memory, slot);
    const bool placed = placement.inFileOrder && slot >= placement.firstSlot &&
                        slot < placement.firstSlot + imported;
    if (placement.inFileOrder) {
      Require(placed || record == before.Record(SlotKind::Memory, slot),
              "a row in file order went outside its run of channels");
      Require(!placed || !record.empty(), "a channel of the run was left empty");
    }
    if (record != before.Record(SlotKind::Memory, slot) || placed) {
      Require(quorvan::ChannelRecord::Parse(
                  after.Record(SlotKind::Memory, slot))[quorvan::ChannelField::Id] ==
                  quorvan::MemoryChannelLabel(slot),
              "an imported record names another channel");
    }
    restored.Store(SlotKind::Memory, slot, before.Record(SlotKind::Memory, slot));
  }
  Require(restored == before, "the import changed more than memory channels");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto planChoice = input.ConsumeIntegral<std::uint8_t>();
  CsvPlacement placement;
  placement.inFileOrder = input.ConsumeBool();
  placement.firstSlot = input.ConsumeIntegralInRange<int>(0, quorvan::kOrdinaryMemorySlots - 1);
  const std::string text = input.ConsumeRemainingBytesAsString();

  const RadioImage prepared = quorvan::MakeNewDocument(quorvan::fuzz::PlanOfChoice(planChoice));
  RadioImage image = prepared;
  CsvImportReport report;
  std::string error;
  if (!quorvan::ImportMemoryCsv(text, placement, image, report, &error)) {
    Require(image == prepared, "a refused list changed the image");
    Require(!error.empty(), "a refused list has no reason");
    return 0;
  }
  quorvan::fuzz::RequireWithinCapacities(image);
  Require(report.imported >= 0 && report.skipped >= 0, "negative counts");
  Require(static_cast<std::size_t>(report.imported + report.skipped) == RowCount(text, placement),
          "the report does not account for every row");
  Require(IsPrintableReport(report.Text()), "the report passes a control character on");
  RequireMemoryOnlyWherePlaced(prepared, image, placement, report.imported);

  RadioImage reopened = OpenTarget(image.Plan());
  Require(quorvan::ReadChannelFileText(quorvan::WriteChannelFileText(image), reopened),
          "the saved file was refused");
  Require(reopened == image, "the saved file reopened differently");

  const quorvan::CsvExportResult exported = quorvan::ExportMemoryCsv(image);
  Require(exported.unreadable.empty(), "an imported channel cannot be exported");
  RadioImage again = prepared;
  CsvImportReport againReport;
  Require(quorvan::ImportMemoryCsv(exported.text, again, againReport, &error),
          "the exported list was refused");
  Require(again == image, "the exported list imported differently");
  Require(againReport.GroupLines().empty() && againReport.RowLines().empty(),
          "the exported list needed adjusting");
  return 0;
}
