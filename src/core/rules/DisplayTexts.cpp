#include "core/rules/DisplayTexts.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/messages/Translatable.h"
#include "core/model/RadioImage.h"

namespace quorvan {
namespace {

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

constexpr std::array<std::string_view, kBandLimitCount> kVfoNamesK{
    "A_144MHz", "A_220MHz", "A_440MHz", "A_1200MHz", "B_AM",     "B_HF",     "B_50MHz",  "B_FM",
    "B_118MHz", "B_144MHz", "B_TV-VHF", "B_220MHz",  "B_440MHz", "B_TV-UHF", "B_1200MHz"};
constexpr std::array<std::string_view, kBandLimitCount> kVfoNamesOther{
    "A_144MHz", "A_220MHz", "A_430MHz", "A_1200MHz", "B_AM",     "B_HF",     "B_50MHz",  "B_FM",
    "B_118MHz", "B_144MHz", "B_TV-VHF", "B_200MHz",  "B_430MHz", "B_TV-UHF", "B_1200MHz"};
constexpr std::array<std::string_view, 4> kCallNamesK{"144MHz", "220MHz", "440MHz", "1200MHz"};
constexpr std::array<std::string_view, 4> kCallNamesOther{"144MHz", "220MHz", "430MHz", "1200MHz"};

}  // namespace

std::string WholeNumberText(std::string_view digits) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string_view::npos) return digits.empty() ? std::string() : std::string("0");
  return std::string(digits.substr(first));
}

std::string FrequencyText(std::string_view frequencyHz) {
  if (!AllDigits(frequencyHz)) return std::string(frequencyHz);
  // Work on the digits rather than a number, so no length of input can overflow.
  std::string digits = WholeNumberText(frequencyHz);
  if (digits.size() < 7) digits.insert(0, 7 - digits.size(), '0');
  const std::size_t mhzDigits = digits.size() - 6;
  std::string text = digits.substr(0, mhzDigits);
  text += '.';
  text += digits.substr(mhzDigits, 3);
  std::string_view rest = std::string_view(digits).substr(mhzDigits + 3);
  while (!rest.empty() && rest.back() == '0') rest.remove_suffix(1);
  text += rest;
  return text;
}

std::string OffsetText(std::string_view offsetHz) {
  if (offsetHz.size() < 5 || !AllDigits(offsetHz)) return std::string(offsetHz);
  std::string text;
  if (offsetHz[1] == '0') {
    text += offsetHz[2];
  } else {
    text += offsetHz.substr(1, 2);
  }
  text += '.';
  text += offsetHz.substr(3, 2);
  return text;
}

GridFont FontForDestination(const BandPlan& plan) {
  return plan.DestinationLetter() == 'J' ? GridFont::Japanese : GridFont::TimesNewRoman;
}

std::string_view FontFamilyName(GridFont font) {
  return font == GridFont::Japanese
             ? "\xEF\xBC\xAD\xEF\xBC\xB3\xE3\x80\x80\xEF\xBC\xB0\xE6\x98\x8E\xE6\x9C\x9D"
             : "Times New Roman";
}

NarrowBoxLayout NarrowBoxesFor(const BandPlan& plan) {
  const char d = plan.DestinationLetter();
  return NarrowBoxLayout{d == 'K', d == 'J', plan.IsCirra(),
                         d == 'K' ? QT_TRANSLATE_NOOP("Messages", "440MHz Band")
                                  : QT_TRANSLATE_NOOP("Messages", "430MHz Band"),
                         QT_TRANSLATE_NOOP("Messages", "220MHz Band")};
}

std::string_view VfoBandName(const BandPlan& plan, int bandCode) {
  if (bandCode < 0 || bandCode >= kBandLimitCount) return {};
  const auto& names = plan.DestinationLetter() == 'K' ? kVfoNamesK : kVfoNamesOther;
  return names[static_cast<std::size_t>(bandCode)];
}

std::string_view CallBandName(const BandPlan& plan, int bandCode) {
  if (bandCode < 0 || bandCode >= kCallSlots) return {};
  const auto& names = plan.DestinationLetter() == 'K' ? kCallNamesK : kCallNamesOther;
  return names[static_cast<std::size_t>(bandCode)];
}

}  // namespace quorvan
