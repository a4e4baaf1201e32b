// How the channel editors fill their controls from a record, with each band's defaults.
#include <cstdint>
#include <cstdio>

#include "core/model/RecordFields.h"
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

std::string RecordFrequency(std::int64_t hz) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%011lld", static_cast<long long>(hz));
  return buffer;
}

std::string RecordOffset(std::int64_t hz) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%09lld", static_cast<long long>(hz));
  return buffer;
}

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

ShiftChoice ShiftOfField(std::string_view field) {
  if (field == "1") return ShiftChoice::Plus;
  if (field == "2") return ShiftChoice::Minus;
  if (field == "3") return ShiftChoice::Special;
  return ShiftChoice::Simplex;
}

// Switches and tone indices read alike by every channel editor.
void ReadSwitches(const RadioImage& image, SlotKind kind, int slot, ChannelView& view) {
  auto field = [&](int n) { return image.Field(kind, slot, n); };
  view.reverse = field(kReverseField) == "1";
  view.tone = field(kToneField) == "1";
  view.ctcss = field(kCtcssField) == "1";
  view.dcs = field(kDcsField) == "1";
  view.toneIndex = ToneIndexOfField(field(kToneIndexField));
  view.ctcssIndex = ToneIndexOfField(field(kCtcssIndexField));
  view.dcsIndex = DcsIndexOfField(field(kDcsIndexField));
}

// Fields of a VFO or CALL record, where only an empty field counts as absent.
ChannelView LoadBandView(const RadioImage& image, SlotKind kind, int band,
                         const BandDefaults& defaults) {
  auto field = [&](int n) { return image.Field(kind, band, n); };
  ChannelView view;
  const std::string_view frequency = field(kFrequencyField);
  if (!frequency.empty()) {
    view.frequencyText = FormatFrequencyText(frequency);
  } else if (defaults.frequencyHz != kNone) {
    view.frequencyText = FormatFrequencyText(RecordFrequency(defaults.frequencyHz));
  }
  const std::string_view step = field(kStepField);
  view.step = !step.empty() ? StepIndexOfField(step) : defaults.step != kNone ? defaults.step : 0;
  const std::string_view mode = field(kModeField);
  view.mode = !mode.empty() ? ModeIndexOfField(mode) : defaults.mode != kNone ? defaults.mode : 0;
  const std::string_view offset = field(kOffsetField);
  view.offsetText =
      FormatOffsetText(!offset.empty() ? std::string(offset) : RecordOffset(defaults.offsetHz));
  view.shift = ShiftOfField(field(kShiftField));
  ReadSwitches(image, kind, band, view);
  return view;
}

}  // namespace

ChannelView LoadMemoryView(const RadioImage& image, int slot) {
  const BandPlan& plan = image.Plan();
  auto field = [&](int n) { return image.Field(SlotKind::Memory, slot, n); };
  ChannelView view;
  std::string frequency(field(kFrequencyField));
  if (frequency.size() < 11)
    frequency = plan.DestinationLetter() == 'J' ? "00145000000" : "00144000000";
  view.frequencyText = FormatFrequencyText(frequency);
  const std::string_view step = field(kStepField);
  if (step.empty()) {
    const char d = plan.DestinationLetter();
    view.step = d == 'J' ? kStep20k : d == 'K' ? kStep5k : kStep12k5;
  } else {
    view.step = StepIndexOfField(step);
  }
  view.mode = ModeIndexOfField(field(kModeField));
  std::string offset(field(kOffsetField));
  if (offset.size() < 9) offset = "000600000";
  view.offsetText = FormatOffsetText(offset);
  view.specialShiftCaption = std::string(
      SpecialShiftCaption(plan, ClassifyBand(plan, frequency), ShiftCaptionContext::MemoryLoad));
  const std::string_view tx = field(kTxFrequencyField);
  if (!tx.empty()) {
    view.shift = ShiftChoice::Split;
    view.txFrequencyText = FormatFrequencyText(tx);
  } else {
    view.shift = ShiftOfField(field(kShiftField));
    view.txFrequencyText = view.frequencyText;
  }
  ReadSwitches(image, SlotKind::Memory, slot, view);
  view.name = std::string(field(kChannelNameField));
  view.lockout = field(kLockoutField) == "1";
  return view;
}

ChannelView LoadVfoView(const RadioImage& image, int band) {
  ChannelView view = LoadBandView(image, SlotKind::Vfo, band, VfoDefaults(image.Plan(), band));
  view.specialShiftCaption =
      std::string(SpecialShiftCaption(image.Plan(), band, ShiftCaptionContext::VfoLoad));
  return view;
}

ChannelView LoadCallView(const RadioImage& image, int band) {
  ChannelView view = LoadBandView(image, SlotKind::Call, band, CallDefaults(image.Plan(), band));
  view.specialShiftCaption =
      std::string(SpecialShiftCaption(image.Plan(), band, ShiftCaptionContext::CallLoad));
  const std::string_view tx = image.Field(SlotKind::Call, band, kTxFrequencyField);
  if (!tx.empty()) {
    view.shift = ShiftChoice::Split;
    view.txFrequencyText = FormatFrequencyText(tx);
  } else {
    view.txFrequencyText = view.frequencyText;
  }
  return view;
}

}  // namespace quorvan
