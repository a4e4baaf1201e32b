// A write sequence fed arbitrary identification and type replies, then arbitrary
// acknowledgements. Nothing of the image may be sent unless the radio identified itself as one
// of the two models with a type code of the image's type letters; after that any reply moves
// the write on.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/transfer/WriteSequence.h"

namespace {

using quorvan::RadioImage;
using quorvan::SequenceAction;
using quorvan::SlotKind;
using quorvan::TransferScope;
using quorvan::fuzz::Require;

constexpr std::size_t kLongestEvent = 512;
// The identification replies are read into 19 characters.
constexpr std::size_t kIdentificationCapacity = 19;

// A document with a named channel, a split channel, a scan edge and a DTMF memory, so that
// every kind of write command is sent.
RadioImage SampleImage(std::uint8_t planChoice) {
  RadioImage image = quorvan::MakeNewDocument(quorvan::fuzz::PlanOfChoice(planChoice));
  image.Store(SlotKind::Memory, 5, "005,00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,ABC,D");
  image.Store(SlotKind::Memory, 12,
              "012,00146520000,5,0,0,1,0,0,12,08,000,000000000,0,1,00446000000,8,,SPLIT");
  image.Store(SlotKind::Memory, 401, "U0,00147000000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,");
  image.Store(SlotKind::Dtmf, 3, "03,12*#,HOME");
  image.Store(SlotKind::Call, 0, "0,00145000000,5,0,0,0,0,0,08,08,000,000600000,0,,00435000000,8");
  return image;
}

// The reply text as the sequence reads it: CRs and NULs dropped, at most 19 characters.
std::string IdentificationText(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) {
    if (c == '\r' || c == '\0') continue;
    if (text.size() == kIdentificationCapacity) break;
    text.push_back(c);
  }
  return text;
}

bool SentCommand(const SequenceAction& action, std::string_view prefix) {
  return action.kind == SequenceAction::Kind::Send &&
         std::string_view(action.command).substr(0, prefix.size()) == prefix;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto scope = static_cast<TransferScope>(input.ConsumeIntegralInRange<int>(0, 2));
  const auto planChoice = input.ConsumeIntegral<std::uint8_t>();
  const auto cancelBefore = input.ConsumeIntegral<std::uint16_t>();

  const RadioImage image = SampleImage(planChoice);
  const RadioImage untouched = image;
  quorvan::WriteSequence sequence(image, scope);
  quorvan::fuzz::SequenceDriver driver(sequence);
  driver.Start();

  // The reply to "VOX 0" is never examined.
  int event = 1;
  if (cancelBefore == event) driver.Cancel();
  driver.Reply(input.ConsumeRandomLengthString(kLongestEvent));

  ++event;
  const bool cancelAtId = cancelBefore == event;
  if (cancelAtId) driver.Cancel();
  const std::string idReply = input.ConsumeRandomLengthString(kLongestEvent);
  const SequenceAction afterId = driver.Reply(idReply);
  if (!cancelAtId && cancelBefore != 1) {
    const std::string text = IdentificationText(idReply);
    const bool valid = text == "ID ARVEN" || text == "ID BELTO";
    Require(valid == SentCommand(afterId, "TYD"), "ID reply judged wrongly");
    Require(valid || afterId.kind == SequenceAction::Kind::InvalidRadio,
            "a wrong ID did not report an invalid radio");
  }

  ++event;
  const bool cancelAtType = cancelBefore == event;
  if (cancelAtType) driver.Cancel();
  const std::string typeReply = input.ConsumeRandomLengthString(kLongestEvent);
  const SequenceAction afterType = driver.Reply(typeReply);
  if (SentCommand(afterId, "TYD") && !cancelAtType) {
    const std::string text = IdentificationText(typeReply);
    const std::string& type = image.Plan().type;
    const bool matches = text.size() >= 6 && text.compare(0, 4, "TYD ") == 0 &&
                         quorvan::IsTypeCode(text.substr(4)) && text[4] == type[0] &&
                         text[5] == type[1];
    const char* first = scope == TransferScope::Menu ? "PC 0," : "VMC 0,0";
    Require(matches == SentCommand(afterType, first), "TYD reply judged wrongly");
    Require(matches || afterType.kind == SequenceAction::Kind::InvalidRadio,
            "a wrong type did not report an invalid radio");
  }

  while (input.remaining_bytes() > 0 && !driver.Finished()) {
    ++event;
    if (event == cancelBefore) driver.Cancel();
    driver.Reply(input.ConsumeRandomLengthString(kLongestEvent));
  }
  driver.DrainWithEmptyReplies();

  if (driver.End() == SequenceAction::Kind::InvalidRadio) {
    Require(driver.Sends() <= 3, "image data sent to an invalid radio");
  }
  Require(sequence.RejectedCount() >= 0 && sequence.RejectedCount() <= driver.Sends(),
          "more refusals than commands");
  Require(image == untouched, "a write changed the image");
  return 0;
}
