#include "core/model/RadioForms.h"

#include <string_view>

#include "core/model/ChannelRecord.h"
#include "core/model/DtmfRecord.h"
#include "core/model/ProgramVfoRecord.h"
#include "core/model/RadioNameCoding.h"
#include "core/model/RecordDigits.h"

namespace quorvan {

namespace {

using F = ChannelField;

// A name as the radio gives it back: in its coding and out again, except for destination J,
// whose names travel as they are.
std::string NameRoundTrip(std::string_view name, char destination) {
  return destination == 'J' ? std::string(name) : DecodeRadioName(EncodeRadioName(name));
}

// The fields a channel command carries, copied into a complete eighteen-field record.
ChannelRecord CarriedFields(const ChannelRecord& record, std::string_view id, F last) {
  ChannelRecord out = ChannelRecord::Blank(id);
  for (int f = static_cast<int>(F::Frequency); f <= static_cast<int>(last); ++f) {
    out.Set(static_cast<F>(f), record[static_cast<F>(f)]);
  }
  return out;
}

// "MW 0" carries fields 1-13, "MW 1" the transmit frequency and step, "MNA" the name; the read
// leaves the power field empty.
std::string MemoryGivenBack(const RadioImage& image, int slot, char destination) {
  const ChannelRecord record = image.Channel(SlotKind::Memory, slot);
  if (record[F::Frequency].empty()) return {};
  ChannelRecord out = CarriedFields(record, MemoryChannelLabel(slot), F::Lockout);
  if (record.IsSplit()) {
    out.Set(F::TxFrequency, record[F::TxFrequency]);
    out.Set(F::TxStep, record[F::TxStep]);
  }
  out.Set(F::Name, NameRoundTrip(record[F::Name], destination));
  std::string text = out.Text();
  if (destination == 'J') ApplyBroadcastFix(text, slot);
  return text;
}

// "CW 0" carries fields 1-12, "CW 1" the transmit frequency with the receive step as its step.
std::string CallGivenBack(const RadioImage& image, int slot) {
  const ChannelRecord record = image.Channel(SlotKind::Call, slot);
  if (record[F::Frequency].empty()) return {};
  ChannelRecord out = CarriedFields(record, std::to_string(slot), F::Mode);
  if (record.IsSplit()) {
    out.Set(F::TxFrequency, record[F::TxFrequency]);
    out.Set(F::TxStep, record[F::Step]);
  }
  return out.Text();
}

// "VW" carries the band code and fields 1-12.
std::string VfoGivenBack(const RadioImage& image, int slot) {
  const ChannelRecord record = image.Channel(SlotKind::Vfo, slot);
  if (record[F::Frequency].empty()) return {};
  return CarriedFields(record, record[F::Id], F::Mode).Text();
}

std::string ProgramVfoGivenBack(const RadioImage& image, int slot) {
  const ProgramVfoRecord range = image.ProgramVfo(slot);
  if (range.Lower().empty()) return {};
  return std::string(range.Band()) + "," + std::string(range.Lower()) + "," +
         std::string(range.Upper());
}

// The radio answers "DM dd" with two digits; a memory without a code is not read at all.
std::string DtmfGivenBack(const RadioImage& image, int slot, char destination) {
  const DtmfRecord record = image.Dtmf(slot);
  if (record.Code().empty()) return {};
  return ZeroPadded(slot, 2) + "," + std::string(record.Code()) + "," +
         NameRoundTrip(record.Name(), destination);
}

}  // namespace

void ApplyBroadcastFix(std::string& channelText, int slot) {
  // The label and its comma: "007," "PR1," "I-1," are four characters, "L0," three.
  const std::size_t start = MemoryChannelLabel(slot).size() + 1;
  constexpr std::size_t kLength = 13;
  if (channelText.size() < start + kLength) return;
  const std::string_view presets[] = {"00095750000,B", "00101750000,B", "00107750000,B"};
  const std::string_view field = std::string_view(channelText).substr(start, kLength);
  for (const std::string_view preset : presets) {
    if (field == preset) {
      channelText[start + kLength - 1] = 'A';
      return;
    }
  }
}

RadioImage AsRadioGivesBack(const RadioImage& image) {
  const char destination = image.Plan().DestinationLetter();
  RadioImage out;
  out.Plan() = image.Plan();
  for (int slot = 0; slot < kMemorySlots; ++slot) {
    out.Store(SlotKind::Memory, slot, MemoryGivenBack(image, slot, destination));
  }
  for (int slot = 0; slot < kCallSlots; ++slot) {
    out.Store(SlotKind::Call, slot, CallGivenBack(image, slot));
  }
  for (int slot = 0; slot < kVfoSlots; ++slot) {
    out.Store(SlotKind::Vfo, slot, VfoGivenBack(image, slot));
  }
  for (int slot = 0; slot < kProgramVfoSlots; ++slot) {
    out.Store(SlotKind::ProgramVfo, slot, ProgramVfoGivenBack(image, slot));
  }
  for (int slot = 0; slot < kDtmfSlots; ++slot) {
    out.Store(SlotKind::Dtmf, slot, DtmfGivenBack(image, slot, destination));
  }
  for (int item = 0; item < kMenuItemCount; ++item) {
    const std::string& value = image.Menu().Get(item);
    out.Menu().Set(item, item == kMenuMES ? NameRoundTrip(value, destination) : value);
  }
  return out;
}

}  // namespace quorvan
