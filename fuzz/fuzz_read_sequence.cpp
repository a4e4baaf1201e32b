// A full read sequence fed arbitrary reply events: any bytes, replies longer than every buffer,
// NULs, events without a CR or with many. The image must stay within its capacities, hold no
// malformed record, and change only after a valid identification and type code; the exchange
// must stay one command per reply.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "core/model/MenuSettings.h"
#include "core/model/RecordForm.h"
#include "core/transfer/ReadSequence.h"

namespace {

using quorvan::RadioImage;
using quorvan::SlotKind;
using quorvan::TransferScope;
using quorvan::fuzz::Require;

// Longer than the 250-byte reply buffer, so overlong replies are exercised.
constexpr std::size_t kLongestEvent = 1024;

bool SameRecords(const RadioImage& a, const RadioImage& b) {
  for (const SlotKind kind :
       {SlotKind::Memory, SlotKind::Vfo, SlotKind::Call, SlotKind::Dtmf, SlotKind::ProgramVfo}) {
    for (int slot = 0; slot < quorvan::SlotCount(kind); ++slot) {
      if (a.Record(kind, slot) != b.Record(kind, slot)) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto scope = static_cast<TransferScope>(input.ConsumeIntegralInRange<int>(0, 2));
  const auto planChoice = input.ConsumeIntegral<std::uint8_t>();
  // 0: never cancel; otherwise Cancel just before that reply event.
  const auto cancelBefore = input.ConsumeIntegral<std::uint16_t>();

  const RadioImage original = quorvan::MakeNewDocument(quorvan::fuzz::PlanOfChoice(planChoice));
  RadioImage image = original;
  quorvan::ReadSequence sequence(image, scope);
  quorvan::fuzz::SequenceDriver driver(sequence);
  driver.Start();

  int event = 0;
  while (input.remaining_bytes() > 0 && !driver.Finished()) {
    ++event;
    if (event == cancelBefore) driver.Cancel();
    driver.Reply(input.ConsumeRandomLengthString(kLongestEvent));
  }
  driver.DrainWithEmptyReplies();

  quorvan::fuzz::RequireWithinCapacities(image);
  Require(!quorvan::FirstMalformedItem(image, true, true).has_value(),
          "a read stored a malformed record");
  if (driver.End() == quorvan::SequenceAction::Kind::InvalidRadio) {
    Require(image == original, "an invalid radio changed the image");
  }
  if (!(image == original)) {
    const std::string& model = image.Plan().model;
    Require(model == quorvan::kModelArven || model == quorvan::kModelBelto,
            "image changed without a valid identification");
    Require(quorvan::IsTypeCode(image.Plan().type), "image changed without a type code");
  }
  if (scope == TransferScope::Menu) {
    Require(SameRecords(image, original), "a menu read changed the records");
  }
  if (scope == TransferScope::Memory) {
    Require(image.Menu() == original.Menu(), "a memory read changed the menu");
  }
  return 0;
}
