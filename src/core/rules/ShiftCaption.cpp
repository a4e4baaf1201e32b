// The caption of the channel editors' extra repeater shift.
#include "core/messages/Translatable.h"
#include "core/rules/FrequencyRules.h"

namespace quorvan {

namespace {

bool VariantLacks76Shift(const BandPlan& plan) {
  const std::string_view variant = plan.VariantCode();
  return variant == "09" || variant == "01";
}

// The -7.6 MHz shift exists in the European 430 MHz band except for two variants.
bool Has76Shift(const BandPlan& plan, int band) {
  return (band == 2 || band == 12) && plan.DestinationLetter() == 'E' && !VariantLacks76Shift(plan);
}

// Bands that carry the 1200 MHz repeater shift in each dialog when it loads a channel.
bool Is1200ShiftBand(int band, ShiftCaptionContext context, const BandPlan& plan) {
  if (band == 3) return true;
  if (band != 14) return false;
  return context == ShiftCaptionContext::MemoryLoad ||
         (context == ShiftCaptionContext::VfoLoad && plan.IsCirra());
}

}  // namespace

std::string_view SpecialShiftCaption(const BandPlan& plan, int band, ShiftCaptionContext context) {
  const char destination = plan.DestinationLetter();
  if (Has76Shift(plan, band)) return QT_TRANSLATE_NOOP("Messages", "-7.6MHz Shift");
  if (context == ShiftCaptionContext::MemoryApply) {
    // The memory editor's own captions after a reclassification; band 3 only.
    if (band != 3) return {};
    if (destination == 'E') return QT_TRANSLATE_NOOP("Messages", "-6MHz Shift");
    if (destination == 'K') return QT_TRANSLATE_NOOP("Messages", "-20MHz Shift");
    return {};
  }
  if (!Is1200ShiftBand(band, context, plan)) return {};
  if (destination == 'E') return QT_TRANSLATE_NOOP("Messages", "-6.0MHz Shift");
  if (destination == 'K') return QT_TRANSLATE_NOOP("Messages", "-20.0MHz Shift");
  return {};
}

}  // namespace quorvan
