// How the channel editors fill their controls from a record, with each band's defaults.
#include <cstdint>

#include "core/model/RecordDigits.h"
#include "core/rules/EditorRules.h"
#include "core/rules/FrequencyRules.h"

namespace quorvan {

namespace {

constexpr int kStep5k = 0;
constexpr int kStep9k = 3;
constexpr int kStep10k = 4;
constexpr int kStep12k5 = 5;
constexpr int kStep20k = 7;
constexpr int kStep25k = 8;
constexpr int kStep50k = 10;
constexpr int kModeFm = 0;
constexpr int kModeWfm = 1;
constexpr int kModeAm = 2;
constexpr int kModeLsb = 3;
constexpr int kNone = -1;

// What an empty field of a VFO or CALL record shows; kNone where the band has no default.
struct BandDefaults {
  std::int64_t frequencyHz = kNone;
  int step = kNone;
  int mode = kNone;
  std::int64_t offsetHz = 0;
};

// The 430/440 MHz default of the editors (which differs from the image's own default for E).
std::int64_t Default430(const BandPlan& plan) {
  switch (plan.DestinationLetter()) {
    case 'J':
      return 433'000'000;
    case 'K':
      return 440'000'000;
    default:
      return plan.VariantCode() == "01" ? 430'000'000 : 432'000'000;
  }
}

BandDefaults VfoDefaults(const BandPlan& plan, int band) {
  const char d = plan.DestinationLetter();
  const bool j = d == 'J';
  const bool e = d == 'E';
  const bool k = d == 'K';
  switch (band) {
    case 0:
    case 9:
      return {j ? 145'000'000 : 144'000'000,
              j   ? kStep20k
              : k ? kStep5k
                  : kStep12k5,
              kModeFm, 600'000};
    case 1:
    case 11: {
      std::int64_t f = 223'000'000;
      if (band == 11 && j) f = 225'000'000;
      if (band == 11 && e) f = 230'000'000;
      return {f, k ? kStep20k : kStep12k5, j ? kModeAm : kModeFm, k ? 1'600'000 : 0};
    }
    case 2:
    case 12:
      return {Default430(plan), j ? kStep20k : kStep25k, kModeFm, e ? 1'600'000 : 5'000'000};
    case 3:
    case 14:
      return {j ? 1'295'000'000 : 1'240'000'000, j ? kStep20k : kStep25k, kModeFm,
              k   ? 12'000'000
              : e ? 35'000'000
                  : 20'000'000};
    case 4:
      return {j ? 531'000 : 540'000, j ? kStep9k : kStep10k, kModeAm, 0};
    case 5:
      return {3'500'000, kStep5k, kModeLsb, 0};
    case 6:
      return {51'000'000, kStep10k, kModeFm, 0};
    case 7:
      return {j ? 76'100'000 : e ? 87'500'000 : 87'900'000, kStep50k, kModeWfm, 0};
    case 8:
      return {118'000'000, j ? kStep25k : kStep12k5, kModeAm, 0};
    case 10:
      return {j ? 175'750'000 : e ? 180'750'000 : 179'750'000, kStep50k, kModeWfm, 0};
    default:
      return {};
  }
}

BandDefaults CallDefaults(const BandPlan& plan, int band) {
  BandDefaults defaults = VfoDefaults(plan, band);
  defaults.mode = kModeFm;
  return defaults;
}

// Fields of a VFO or CALL record, where only an empty field counts as absent.
ChannelRecord LoadBandRecord(const RadioImage& image, SlotKind kind, int band,
                             const BandDefaults& defaults) {
  ChannelRecord record = image.Channel(kind, band);
  if (record[ChannelField::Frequency].empty() && defaults.frequencyHz != kNone) {
    record.Set(ChannelField::Frequency, ZeroPadded(defaults.frequencyHz, 11));
  }
  const bool stepAbsent = record[ChannelField::Step].empty();
  record.SetStepIndex(!stepAbsent              ? record.StepIndex()
                      : defaults.step != kNone ? defaults.step
                                               : 0);
  const bool modeAbsent = record[ChannelField::Mode].empty();
  record.SetModeIndex(!modeAbsent              ? record.ModeIndex()
                      : defaults.mode != kNone ? defaults.mode
                                               : 0);
  if (record[ChannelField::Offset].empty()) {
    record.Set(ChannelField::Offset, ZeroPadded(defaults.offsetHz, 9));
  }
  return record;
}

}  // namespace

std::string ShownFrequency(std::string_view field) {
  return field.empty() ? std::string() : FormatFrequencyText(field);
}

std::string ShownTxFrequency(const ChannelRecord& record) {
  return ShownFrequency(record.IsSplit() ? record[ChannelField::TxFrequency]
                                         : record[ChannelField::Frequency]);
}

LoadedChannel LoadMemoryChannel(const RadioImage& image, int slot) {
  const BandPlan& plan = image.Plan();
  const char d = plan.DestinationLetter();
  ChannelRecord record = image.Channel(SlotKind::Memory, slot);
  if (record[ChannelField::Frequency].size() < 11) {
    record.Set(ChannelField::Frequency, d == 'J' ? "00145000000" : "00144000000");
  }
  if (record[ChannelField::Step].empty()) {
    record.SetStepIndex(d == 'J' ? kStep20k : d == 'K' ? kStep5k : kStep12k5);
  } else {
    record.SetStepIndex(record.StepIndex());
  }
  record.SetModeIndex(record.ModeIndex());
  if (record[ChannelField::Offset].size() < 9) record.Set(ChannelField::Offset, "000600000");
  const int band = ClassifyBand(plan, record[ChannelField::Frequency]);
  return {record, std::string(SpecialShiftCaption(plan, band, ShiftCaptionContext::MemoryLoad))};
}

LoadedChannel LoadVfoChannel(const RadioImage& image, int band) {
  ChannelRecord record =
      LoadBandRecord(image, SlotKind::Vfo, band, VfoDefaults(image.Plan(), band));
  record.SetSplit({});  // a VFO has no transmit frequency of its own
  return {record,
          std::string(SpecialShiftCaption(image.Plan(), band, ShiftCaptionContext::VfoLoad))};
}

LoadedChannel LoadCallChannel(const RadioImage& image, int band) {
  return {LoadBandRecord(image, SlotKind::Call, band, CallDefaults(image.Plan(), band)),
          std::string(SpecialShiftCaption(image.Plan(), band, ShiftCaptionContext::CallLoad))};
}

}  // namespace quorvan
