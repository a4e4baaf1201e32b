// Arbitrary clipboard payloads pasted onto every grid: all VFO and CALL bands, both DTMF ends
// and the memory slots of every label form. Paste must store exactly the record it offers,
// only where it is available, fitting the slot, under the target's own identifier.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/model/ChannelRecord.h"
#include "core/model/DtmfRecord.h"
#include "core/rules/ClipboardRules.h"
#include "core/rules/GridTexts.h"
#include "core/rules/PasteRules.h"

namespace {

using quorvan::EditTarget;
using quorvan::Grid;
using quorvan::RadioImage;
using quorvan::SlotKind;
using quorvan::fuzz::Require;

// Well past the clipboard buffer, so overlong payloads reach the rules as well.
constexpr std::size_t kLongestPayload = 256;
constexpr std::size_t kLongestName = 8;

std::vector<EditTarget> Targets(int extraMemorySlot) {
  std::vector<EditTarget> targets;
  for (const int slot : {0, 7, 399, 400, 401, 419, 420, 421, 422, 431, extraMemorySlot}) {
    targets.push_back({Grid::Memory, slot});
  }
  for (int slot = 0; slot < quorvan::kVfoSlots; ++slot) targets.push_back({Grid::Vfo, slot});
  for (int slot = 0; slot < quorvan::kCallSlots; ++slot) targets.push_back({Grid::Call, slot});
  targets.push_back({Grid::Dtmf, 0});
  targets.push_back({Grid::Dtmf, 9});
  targets.push_back({Grid::None, -1});
  targets.push_back({Grid::Memory, -1});
  return targets;
}

// A record's identifier and name, read through its record type.
std::string IdentifierOf(const RadioImage& image, SlotKind kind, int slot) {
  const std::string& text = image.Record(kind, slot);
  if (kind == SlotKind::Dtmf) return std::string(quorvan::DtmfRecord::Parse(text).Number());
  return std::string(quorvan::ChannelRecord::Parse(text)[quorvan::ChannelField::Id]);
}

std::string NameOf(const RadioImage& image, SlotKind kind, int slot) {
  const std::string& text = image.Record(kind, slot);
  if (kind == SlotKind::Dtmf) return std::string(quorvan::DtmfRecord::Parse(text).Name());
  return std::string(quorvan::ChannelRecord::Parse(text)[quorvan::ChannelField::Name]);
}

// The identifier a pasted record must start with, so the record stays where it was pasted when
// the file is read back: the slot's own channel label, the DTMF memory number, or the band code
// the target record holds (its slot's code when the target is empty).
std::string ExpectedIdentifier(const RadioImage& image, const EditTarget& target) {
  char number[8];
  switch (target.grid) {
    case Grid::Memory:
      return quorvan::MemoryChannelLabel(target.slot);
    case Grid::Dtmf:
      std::snprintf(number, sizeof number, "%02d", target.slot);
      return number;
    default: {
      const std::string own =
          IdentifierOf(image, quorvan::SlotKindOfGrid(target.grid), target.slot);
      if (!own.empty()) return own;
      std::snprintf(number, sizeof number, "%X", static_cast<unsigned>(target.slot));
      return number;
    }
  }
}

void PasteOnto(const RadioImage& image, std::string_view clipboard, const EditTarget& target) {
  const bool available = quorvan::PasteAvailable(image, clipboard, target);
  const std::optional<std::string> built = quorvan::BuildPasteRecord(image, clipboard, target);
  RadioImage pasted = image;
  const bool stored = quorvan::PasteInto(pasted, clipboard, target);

  Require(stored == available, "Paste stored where it was not offered, or refused where it was");
  if (!stored) {
    Require(pasted == image, "a refused paste changed the image");
    return;
  }
  Require(built.has_value(), "an available paste has no record");
  const SlotKind kind = quorvan::SlotKindOfGrid(target.grid);
  const std::string& record = pasted.Record(kind, target.slot);
  Require(record == *built, "Paste stored another record than it built");
  Require(record.size() <= quorvan::SlotCapacity(kind), "pasted record overfills its slot");
  Require(IdentifierOf(pasted, kind, target.slot) == ExpectedIdentifier(image, target),
          "pasted record lost the target's identifier");
  if (kind == SlotKind::Memory || kind == SlotKind::Dtmf) {
    Require(NameOf(pasted, kind, target.slot).size() <= kLongestName,
            "pasted name longer than 8 characters");
  }
  RadioImage restored = pasted;
  restored.Store(kind, target.slot, image.Record(kind, target.slot));
  Require(restored == image, "Paste changed more than its target");
}

// Several rows pasted from a memory slot on: only the slots from there to the end of its range
// change, the rows that were left out are named, and each pasted slot carries its own label.
void PasteRowsOnto(const RadioImage& image, const std::vector<std::string>& rows, int first) {
  RadioImage pasted = image;
  const std::vector<quorvan::SkippedPasteRow> skipped =
      quorvan::PasteMemoryRows(pasted, rows, first);
  Require(skipped.size() <= rows.size(), "more rows skipped than there were");
  const int end =
      first < quorvan::kOrdinaryMemorySlots ? quorvan::kOrdinaryMemorySlots : quorvan::kMemorySlots;
  for (int slot = 0; slot < quorvan::kMemorySlots; ++slot) {
    const bool changed =
        pasted.Record(SlotKind::Memory, slot) != image.Record(SlotKind::Memory, slot);
    if (!changed) continue;
    Require(slot >= first && slot < end, "a paste of rows changed a slot outside its range");
    Require(IdentifierOf(pasted, SlotKind::Memory, slot) == quorvan::MemoryChannelLabel(slot),
            "a pasted row lost its slot's label");
  }
  for (const quorvan::SkippedPasteRow& row : skipped) {
    Require(row.row >= 0 && static_cast<std::size_t>(row.row) < rows.size(),
            "a skipped row that was not on the clipboard");
    Require(!quorvan::SkippedPasteLine(rows, row).empty(), "a skipped row without a name");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto planChoice = input.ConsumeIntegral<std::uint8_t>();
  const int extraSlot = input.ConsumeIntegralInRange<int>(0, quorvan::kMemorySlots - 1);
  const std::string payload = input.ConsumeRandomLengthString(kLongestPayload);

  RadioImage image = quorvan::MakeNewDocument(quorvan::fuzz::PlanOfChoice(planChoice));
  // A record already in place must not leak into the pasted one.
  image.Store(SlotKind::Memory, 7, "007,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,1,,,,OLD");

  quorvan::ClipboardBuffer buffer;
  const bool taken = buffer.Take(payload);
  Require(buffer.Text().size() <= quorvan::ClipboardBuffer::kCapacity, "buffer overfilled");
  Require(taken || buffer.Empty(), "a refused payload filled the buffer");

  const std::vector<std::string>& rows = buffer.Rows();
  Require(taken == !rows.empty(), "a taken payload without rows, or rows without one");
  if (taken) {
    Require(rows.front() == buffer.Text(), "the first row is not the single record");
    Require(rows.size() <= static_cast<std::size_t>(quorvan::kMemorySlots), "too many rows");
    for (const std::string& row : rows) {
      Require(row.size() <= quorvan::ClipboardBuffer::kCapacity, "a row overfills a slot");
    }
    PasteRowsOnto(image, rows, extraSlot);
  }

  for (const EditTarget& target : Targets(extraSlot)) {
    PasteOnto(image, buffer.Text(), target);
    // The rules also meet text the buffer would not hold.
    if (!taken) PasteOnto(image, payload, target);
  }
  return 0;
}
