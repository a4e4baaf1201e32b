#include "FullImage.h"

#include <cstdio>
#include <string>

namespace quorvan::bench {

namespace {

std::string Digits(long value, int width) {
  char text[24];
  std::snprintf(text, sizeof text, "%0*ld", width, value);
  return text;
}

std::string MemoryRecord(int slot) {
  const long frequency = 144000000L + 12500L * slot;
  const std::string split =
      slot % 2 == 0 ? "," : Digits(frequency + 5000000L, 11) + "," + std::to_string(slot % 10);
  const std::string name = slot % 3 == 0 ? "A,B" + Digits(slot, 3) : "CHAN" + Digits(slot, 3);
  return MemoryChannelLabel(slot) + "," + Digits(frequency, 11) + ",5,1,0,1,0,0,08,08,000," +
         "000600000,0,0," + split + ",," + name;
}

// A CALL record as a read stores it: band digit, fields 1-12, then the transmit part.
std::string CallRecord(int n) {
  const long frequency = 145000000L + 1000000L * n;
  return std::to_string(n) + "," + Digits(frequency, 11) + ",5,0,0,0,0,0,08,08,000,000600000,0,," +
         Digits(frequency + 600000L, 11) + ",5,,";
}

}  // namespace

RadioImage FullImage() {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN"));
  image.SetComment("every slot in use");
  for (int slot = 0; slot < kMemorySlots; ++slot) {
    image.Store(SlotKind::Memory, slot, MemoryRecord(slot));
  }
  for (int n = 0; n < kCallSlots; ++n) image.Store(SlotKind::Call, n, CallRecord(n));
  for (int n = 0; n < kDtmfSlots; ++n) {
    image.Store(SlotKind::Dtmf, n, Digits(n, 2) + ",0123456789ABCD*#,DIAL," + std::to_string(n));
  }
  return image;
}

}  // namespace quorvan::bench
