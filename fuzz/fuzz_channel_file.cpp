// Arbitrary bytes as a .qvx file. A file the reader takes must survive writing and reading
// back: every record the writer carries comes back byte for byte, and from then on writing and
// reading change nothing. A rejected file leaves the image as it was.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/model/ChannelFile.h"
#include "core/model/MenuSettings.h"

namespace {

using quorvan::RadioImage;
using quorvan::SlotKind;
using quorvan::fuzz::Require;

// The image Open reads into: cleared, with the band-plan and menu defaults.
RadioImage PreparedImage(std::uint8_t planChoice) {
  RadioImage image;
  image.Plan() = quorvan::fuzz::PlanOfChoice(planChoice);
  image.Clear();
  quorvan::ApplyBandPlanDefaults(image);
  quorvan::ApplyMenuDefaults(image.Menu(), image.Plan());
  return image;
}

// Shorter records are not written (stubs and empty slots).
std::size_t ShortestWritten(SlotKind kind) {
  switch (kind) {
    case SlotKind::Dtmf:
      return 2;
    case SlotKind::ProgramVfo:
      return 0;
    default:
      return 5;
  }
}

void RequireWrittenRecordsKept(const RadioImage& before, const RadioImage& after) {
  for (const SlotKind kind :
       {SlotKind::Memory, SlotKind::Vfo, SlotKind::Call, SlotKind::Dtmf, SlotKind::ProgramVfo}) {
    for (int slot = 0; slot < quorvan::SlotCount(kind); ++slot) {
      const std::string& record = before.Record(kind, slot);
      if (record.size() < ShortestWritten(kind)) continue;
      Require(after.Record(kind, slot) == record, "a written record did not read back");
    }
  }
  Require(after.Menu() == before.Menu(), "menu values did not read back");
  Require(after.Comment() == before.Comment(), "comment did not read back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto planChoice = input.ConsumeIntegral<std::uint8_t>();
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  const RadioImage prepared = PreparedImage(planChoice);
  RadioImage first = prepared;
  if (!quorvan::ReadChannelFileText(bytes, first)) {
    Require(first == prepared, "a rejected file changed the image");
    return 0;
  }
  quorvan::fuzz::RequireWithinCapacities(first);

  const std::string firstText = quorvan::WriteChannelFileText(first);
  RadioImage second = prepared;
  Require(quorvan::ReadChannelFileText(firstText, second), "the writer's own file was rejected");
  RequireWrittenRecordsKept(first, second);

  // Slots the first file emptied take their defaults again, so stability is asked from here.
  const std::string secondText = quorvan::WriteChannelFileText(second);
  RadioImage third = prepared;
  Require(quorvan::ReadChannelFileText(secondText, third), "the writer's own file was rejected");
  Require(third == second, "reading a written file changed the image");
  Require(quorvan::WriteChannelFileText(third) == secondText, "writing is not stable");
  return 0;
}
