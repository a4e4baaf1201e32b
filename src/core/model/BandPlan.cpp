#include "core/model/BandPlan.h"

#include <vector>

namespace quorvan {

std::string_view BandPlan::VariantCode() const {
  if (type.size() < 4) return {};
  return std::string_view(type).substr(3, 2);
}

bool IsTypeCode(std::string_view text) {
  constexpr std::string_view kDestinationLetters = "KEJMX";
  const auto isVariant = [](char c) { return c > ' ' && c < 0x7F; };
  return text.size() == kTypeCapacity && text[0] >= 'A' && text[0] <= 'Z' &&
         kDestinationLetters.find(text[1]) != std::string_view::npos && text[2] == ',' &&
         isVariant(text[3]) && isVariant(text[4]);
}

const SetupChoice* SetupChoiceOfType(std::string_view type) {
  for (const SetupChoice& choice : kSetupChoices) {
    if (type == choice.type) return &choice;
  }
  return nullptr;
}

bool IsKnownModel(std::string_view model) {
  return model == kModelArven || model == kModelBelto || model == kModelCirra;
}

std::string_view MarketOfType(std::string_view type) {
  if (type.size() < 2) return {};
  for (const SetupChoice& choice : kSetupChoices) {
    if (choice.type[1] == type[1]) return choice.market;
  }
  return {};
}

std::string TypeWithMarket(std::string_view type) {
  const std::string_view market = MarketOfType(type);
  if (market.empty()) return std::string(type);
  return std::string(type) + " (" + std::string(market) + ")";
}

std::string DefaultBandLimit(int entry, std::string_view type, std::string_view model) {
  const char d = type.size() > 1 ? type[1] : '\0';
  const char t = type.empty() ? '\0' : type[0];
  const bool cirra = model == kModelCirra;
  switch (entry) {
    case 0:
      if (d == 'K') return "00137,00174";
      if (d == 'M') return "00144,00148";
      return "00144,00146";
    case 1:
      return (d == 'K' && t == 'K') ? "00216,00260" : "";
    case 2:
      return d == 'K' ? "00410,00470" : "00430,00440";
    case 3:
      if (!cirra) return "";
      return d == 'J' ? "01260,01300" : "01240,01300";
    case 4:
      return d == 'K' ? "0000010,0000180" : "0000010,0000171";
    case 5:
      return d == 'K' ? "0000180,0002970" : "0000171,0002970";
    case 6:
      if (d == 'K' || d == 'M' || d == 'X') return "0002970,0005400";
      if (d == 'E') return "0002970,0008750";
      return "0002970,0007600";
    case 7:
      if (d == 'K' || d == 'M' || d == 'X') return "0005400,0010800";
      if (d == 'E') return "0008750,0010800";
      return "0007600,0010800";
    case 8:
      return "00108,00137";
    case 9:
      return "00137,00174";
    case 10:
      if (d == 'M' || d == 'X') return "00174,00223";
      if (d == 'K') return "00174,00216";
      if (d == 'E') return "00174,00230";
      return "00174,00222";
    case 11:
      if (d == 'M' || d == 'X') return "00223,00400";
      if (d == 'K') return "00216,00400";
      if (d == 'E') return "00230,00400";
      return "00222,00415";
    case 12:
      return d == 'J' ? "00415,00470" : "00400,00470";
    case 13:
      if (t == 'K') return "00470,00806";
      if (d == 'M') return "00470,00890";
      if (d == 'K') return "00470,00806";
      if (d == 'E') return "00470,00862";
      return "00470,00770";
    case 14:
      if (t == 'K') return "00806,01300";
      if (d == 'M') return "00890,01300";
      if (d == 'K') return "00806,01300";
      if (d == 'E') return "00862,01300";
      return "00770,01300";
    default:
      return "";
  }
}

BandPlan MakeDefaultBandPlan(std::string_view type, std::string_view model) {
  BandPlan plan;
  plan.type = std::string(type.substr(0, kTypeCapacity));
  plan.model = std::string(model.substr(0, kModelCapacity));
  for (int i = 0; i < kBandLimitCount; ++i) {
    plan.limits[static_cast<std::size_t>(i)] = DefaultBandLimit(i, plan.type, plan.model);
  }
  return plan;
}

namespace {

// A limit number written left-aligned into an 8-character field padded with '0' on the right,
// read as a number: "00144" is 144000 kHz and "0000010" is 100 kHz.
bool LimitTextToKhz(std::string_view text, long& khz) {
  if (text.empty()) return false;
  long value = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    const char c = i < text.size() ? text[i] : '0';
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  khz = value;
  return true;
}

}  // namespace

bool LimitRangeKhz(std::string_view limit, long& lowerKhz, long& upperKhz) {
  const std::size_t comma = limit.find(',');
  if (comma == std::string_view::npos) return false;
  return LimitTextToKhz(limit.substr(0, comma), lowerKhz) &&
         LimitTextToKhz(limit.substr(comma + 1), upperKhz);
}

int BandOfFrequency(const BandPlan& plan, std::string_view frequencyHz) {
  long khz = 0;
  for (std::size_t i = 0; i < 8 && i < frequencyHz.size(); ++i) {
    const char c = frequencyHz[i];
    if (c < '0' || c > '9') break;
    khz = khz * 10 + (c - '0');
  }
  if (khz < 100) return 4;
  for (int i = 0; i < kBandLimitCount; ++i) {
    long lower = 0;
    long upper = 0;
    if (!LimitRangeKhz(plan.limits[static_cast<std::size_t>(i)], lower, upper)) continue;
    if (lower <= khz && khz < upper) return i;
  }
  return 14;
}

void ReplaceLimitsFromRadio(BandPlan& plan, int selector, std::string_view reply) {
  if (selector == 0) {
    for (int i = 0; i <= 3; ++i) plan.limits[static_cast<std::size_t>(i)].clear();
  } else {
    for (int i = 4; i <= 13; ++i) plan.limits[static_cast<std::size_t>(i)].clear();
  }
  std::string_view rest = reply.size() > 2 ? reply.substr(2) : std::string_view{};
  std::vector<std::string_view> values;
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    values.push_back(rest.substr(0, comma));
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  int nextBEntry = 4;
  for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
    std::string pair = std::string(values[i]) + "," + std::string(values[i + 1]);
    if (pair.size() > kBandLimitCapacity) pair.resize(kBandLimitCapacity);
    int entry;
    if (selector == 0) {
      const std::string_view lower = values[i];
      if (lower < "00200")
        entry = 0;
      else if (lower < "00300")
        entry = 1;
      else if (lower < "00500")
        entry = 2;
      else
        entry = 3;
    } else {
      if (nextBEntry >= kBandLimitCount) break;
      entry = nextBEntry++;
    }
    plan.limits[static_cast<std::size_t>(entry)] = std::move(pair);
  }
}

}  // namespace quorvan
