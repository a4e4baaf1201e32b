// Arbitrary bytes as a .qvx file. A file the reader takes holds no malformed record, and it
// reopens identically after a save: the image read back equals the image saved, and writing it
// again gives the same bytes. A rejected file leaves the image as it was and says which line is
// wrong.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/model/ChannelFile.h"
#include "core/model/MenuSettings.h"
#include "core/model/RecordForm.h"

namespace {

using quorvan::RadioImage;
using quorvan::fuzz::Require;

// An image as a caller may hand it to the reader: cleared, with the band-plan and menu
// defaults.
RadioImage PreparedImage(std::uint8_t planChoice) {
  RadioImage image;
  image.Plan() = quorvan::fuzz::PlanOfChoice(planChoice);
  image.Clear();
  quorvan::ApplyBandPlanDefaults(image);
  quorvan::ApplyMenuDefaults(image.Menu(), image.Plan());
  return image;
}

void RequireWellFormed(const RadioImage& image) {
  Require(!quorvan::FirstMalformedItem(image, true, true).has_value(),
          "an accepted file holds a malformed record");
  Require(quorvan::CommentProblem(image.Comment()).empty(),
          "an accepted file holds a malformed comment");
}

// Saves the image and opens the saved text again into `start`; the result must be the image.
void RequireReopensIdentically(const RadioImage& image, const RadioImage& start) {
  const std::string text = quorvan::WriteChannelFileText(image);
  RadioImage reopened = start;
  std::string problem;
  Require(quorvan::ReadChannelFileText(text, reopened, &problem),
          "the writer's own file was rejected");
  Require(reopened == image, "a saved file did not reopen identically");
  Require(quorvan::WriteChannelFileText(reopened) == text, "writing is not stable");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto planChoice = input.ConsumeIntegral<std::uint8_t>();
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  // Read as the fuzz target always has (into the defaults) and as Open does (into a cleared
  // image): both must hold only well-formed records and reopen identically.
  const RadioImage prepared = PreparedImage(planChoice);
  RadioImage cleared = prepared;
  cleared.Clear();
  for (const RadioImage& start : {prepared, cleared}) {
    RadioImage read = start;
    std::string problem;
    if (!quorvan::ReadChannelFileText(bytes, read, &problem)) {
      Require(read == start, "a rejected file changed the image");
      Require(problem.rfind("Line ", 0) == 0 || problem.rfind("The file is larger", 0) == 0,
              "a rejected file does not say where it is wrong");
      return 0;
    }
    quorvan::fuzz::RequireWithinCapacities(read);
    RequireWellFormed(read);
    RequireReopensIdentically(read, start);
  }
  return 0;
}
