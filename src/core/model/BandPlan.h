#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/messages/Translatable.h"

namespace quorvan {

constexpr int kBandLimitCount = 15;
constexpr std::size_t kTypeCapacity = 5;
constexpr std::size_t kModelCapacity = 9;
constexpr std::size_t kBandLimitCapacity = 19;

// The band-plan selection: the radio's type code (e.g. "KK,0F"), its model identifier and
// the fifteen band limits "lower,upper" (entries 4-7 in 10 kHz units, the others in MHz).
struct BandPlan {
  std::string type;
  std::string model;
  std::array<std::string, kBandLimitCount> limits;

  // Character 2 of the type code: K U.S.A./Canada, E Europe, J Japan, M general market.
  char DestinationLetter() const { return type.size() > 1 ? type[1] : '\0'; }
  char FirstLetter() const { return type.empty() ? '\0' : type[0]; }
  // Characters 4-5 of the type code.
  std::string_view VariantCode() const;
  bool IsCirra() const { return model == "CIRRA"; }
  // The A-band 220 MHz band (VFO 1, CALL 1, program VFO 1) exists for destination K only.
  bool HasA220() const { return DestinationLetter() == 'K'; }
  // Both letters of the type code are K (the grids' row mapping tests this).
  bool IsTypeKK() const { return type.size() > 1 && type[0] == 'K' && type[1] == 'K'; }
};

// A radio type code as the radio reports it: two upper-case letters, the second a destination
// letter this program has a band plan for (K, E, J, M, or X, which the band limits name), a
// comma and a two-character variant code of printable characters ("KK,0F").
bool IsTypeCode(std::string_view text);

constexpr const char* kModelArven = "ARVEN";
constexpr const char* kModelBelto = "BELTO";
constexpr const char* kModelCirra = "CIRRA";

// The market variants offered on first start, in their fixed order; the first is preselected.
// This one table names the markets wherever the program shows a type code: the first-start
// dialog, quorvan-cli's --type and its messages, and the transfer messages.
struct SetupChoice {
  const char* caption;
  const char* type;
  const char* model;
  const char* market;  // the market the caption names, without the parentheses
};
inline constexpr std::array<SetupChoice, 4> kSetupChoices{{
    {QT_TRANSLATE_NOOP("Messages", "ARVENA (U.S.A./Canada)"), "KK,0F", "ARVEN", "U.S.A./Canada"},
    {QT_TRANSLATE_NOOP("Messages", "BELTOE (Europe)"), "ME,0B", "BELTO", "Europe"},
    {QT_TRANSLATE_NOOP("Messages", "BELTO (Japan)"), "JJ,01", "BELTO", "Japan"},
    {QT_TRANSLATE_NOOP("Messages", "BELTOA (General market)"), "MM,07", "BELTO", "General market"},
}};

// The entry of kSetupChoices with this type code, or null: the codes the program makes
// documents for.
const SetupChoice* SetupChoiceOfType(std::string_view type);
// "ARVEN", "BELTO" or "CIRRA".
bool IsKnownModel(std::string_view model);

// The market of a type code by its destination letter ("U.S.A./Canada" for any K code), or
// empty for a letter no choice has.
std::string_view MarketOfType(std::string_view type);
// "KK,0F (U.S.A./Canada)"; the code alone when its market is not known.
std::string TypeWithMarket(std::string_view type);

// Default text of band-limit entry 0-14 for a type code and model ("" where the band is absent).
std::string DefaultBandLimit(int entry, std::string_view type, std::string_view model);

// A plan with the default limits of its type and model.
BandPlan MakeDefaultBandPlan(std::string_view type, std::string_view model);

// Lower and upper value of a limit entry in kHz, or false when the entry is empty or malformed.
bool LimitRangeKhz(std::string_view limit, long& lowerKhz, long& upperKhz);

// The band-limit index holding an 11-digit frequency text in Hz (A-band entries first; 14 when
// no entry matches; 4 below 100 kHz).
int BandOfFrequency(const BandPlan& plan, std::string_view frequencyHz);

// Replaces the limits from the radio's "FL 0" (selector 0, A band) or "FL 1" (B band) reply
// text, which starts with the selector and a comma.
void ReplaceLimitsFromRadio(BandPlan& plan, int selector, std::string_view reply);

}  // namespace quorvan
