#include "support/SampleImage.h"

#include "support/SlotFields.h"

namespace quorvan::testing {

namespace {

// Fields 1-13 of a memory channel that is neither split nor named.
constexpr std::string_view kPlainChannel = "00145000000,0,0,0,0,0,0,08,08,000,000600000,0,0";

std::string Channel(int slot, std::string_view split, std::string_view name) {
  return MemoryChannelLabel(slot) + "," + std::string(kPlainChannel) + "," +
         std::string(split.empty() ? "," : split) + ",," + std::string(name);
}

}  // namespace

RadioImage SampleImage(std::string_view type, std::string_view model) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan(type, model));
  const bool japan = image.Plan().DestinationLetter() == 'J';
  const std::string accented = japan ? "\xB1\xB2," : "A,B\xE9\x9A";
  image.Store(SlotKind::Memory, 0, Channel(0, "", "REPEAT"));
  image.Store(SlotKind::Memory, 5,
              "005,00146520000,5,1,0,1,0,0,12,12,007,000600000,0,1,00147000000,5,," + accented);
  image.Store(SlotKind::Memory, 399, Channel(399, "00440000000,8", "LAST"));
  image.Store(SlotKind::Memory, 400, Channel(400, "", ""));
  image.Store(SlotKind::Memory, 401, Channel(401, "00146000000,5", "UP"));
  image.Store(SlotKind::Memory, 420, Channel(420, "", "P1"));
  image.Store(SlotKind::Memory, 431, Channel(431, "", "I0"));
  // CALL channels as a read stores them: with and without a transmit part (its step is the
  // receive step, which is what the write sends).
  for (int n = 0; n < kCallSlots; ++n) {
    std::string record = image.Record(SlotKind::Call, n);
    if (record.empty()) continue;
    record.pop_back();
    image.Store(SlotKind::Call, n, record);
  }
  const std::string call2 = image.Record(SlotKind::Call, 2);
  image.Store(SlotKind::Call, 2,
              call2.substr(0, call2.size() - 4) + ",," + (japan ? "00434000000" : "00445000000") +
                  "," + std::string(SlotField(image, SlotKind::Call, 2, ChannelField::Step)) + ",");
  image.Store(SlotKind::Dtmf, 0, "00,12*#,HOME");
  image.Store(SlotKind::Dtmf, 3, "03,0123456789ABCD*#," + accented);
  image.Store(SlotKind::Dtmf, 9, "09,5,");
  image.Menu().Set(kMenuBC, "1");
  image.Menu().Set(kMenuMGL, "0 2     ");
  image.Menu().Set(kMenuCNT, "12");
  image.Menu().Set(kMenuMES, japan ? "\xCA\xDB\xB0 !!" : "HI \xC4\xD6\x8C");
  return image;
}

RadioImage ChangedSampleImage() {
  RadioImage image = SampleImage("KK,0F", "ARVEN");
  image.Store(SlotKind::Memory, 5,
              "005,00146520000,5,1,0,1,0,0,12,12,007,000600000,0,1,00147500000,5,,NEW");
  image.Store(SlotKind::Memory, 7, "007,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,SEVEN");
  image.Store(SlotKind::Memory, 399, "");
  image.Menu().Set(kMenuBAT, "1");
  return image;
}

}  // namespace quorvan::testing
