// A settings store filled with arbitrary values under the names the program reads (and a few
// others), loaded as at start-up, then the plan put to use: band lookups, defaults and a new
// document. Loading again must find everything in place and not ask for the model again.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "core/model/AppSettings.h"
#include "core/model/ChannelFile.h"

namespace {

using quorvan::AppSettings;
using quorvan::BandPlan;
using quorvan::MemorySettingsStore;
using quorvan::fuzz::Require;

constexpr std::size_t kLongestValue = 5000;  // past the longest folder the program keeps
constexpr std::size_t kLongestFrequencyText = 16;
constexpr int kFrequencyProbes = 8;

std::string ValueName(FuzzedDataProvider& input) {
  const int pick = input.ConsumeIntegralInRange<int>(0, 20);
  switch (pick) {
    case 0:
      return quorvan::kPathSetting;
    case 1:
      return quorvan::kCommPortSetting;
    case 2:
      return quorvan::kTypeSetting;
    case 3:
      return quorvan::kModelSetting;
    case 4:
      return "Limit";  // not a value the program reads
    case 5:
      return "Limit15";
    default:
      return quorvan::LimitSettingName(pick - 6);
  }
}

bool SamePlan(const BandPlan& a, const BandPlan& b) {
  return a.type == b.type && a.model == b.model && a.limits == b.limits;
}

void UsePlan(const BandPlan& plan, FuzzedDataProvider& input) {
  for (int probe = 0; probe < kFrequencyProbes && input.remaining_bytes() > 0; ++probe) {
    const std::string frequency = input.ConsumeRandomLengthString(kLongestFrequencyText);
    const int band = quorvan::BandOfFrequency(plan, frequency);
    Require(band >= 0 && band < quorvan::kBandLimitCount, "band index out of range");
  }
  for (int entry = 0; entry < quorvan::kBandLimitCount; ++entry) {
    const std::string limit = quorvan::DefaultBandLimit(entry, plan.type, plan.model);
    Require(limit.empty() || quorvan::IsWellFormedBandLimit(limit), "malformed default limit");
    long lower = 0;
    long upper = 0;
    quorvan::LimitRangeKhz(plan.limits[static_cast<std::size_t>(entry)], lower, upper);
  }

  const quorvan::RadioImage document = quorvan::MakeNewDocument(plan);
  quorvan::fuzz::RequireWithinCapacities(document);
  // A new document saved at once must open again.
  quorvan::RadioImage reopened;
  reopened.Plan() = plan;
  reopened.Clear();
  quorvan::ApplyBandPlanDefaults(reopened);
  Require(quorvan::ReadChannelFileText(quorvan::WriteChannelFileText(document), reopened),
          "a new document's file was rejected");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int dialogAnswer = input.ConsumeIntegralInRange<int>(0, 3);
  const int values = input.ConsumeIntegralInRange<int>(0, 24);

  MemorySettingsStore store;
  for (int i = 0; i < values && input.remaining_bytes() > 0; ++i) {
    const std::string name = ValueName(input);
    store.SetValue(name, input.ConsumeRandomLengthString(kLongestValue));
  }
  const bool typeStored = !store.Value(quorvan::kTypeSetting).empty();

  int dialogCalls = 0;
  const auto dialog = [&dialogCalls, dialogAnswer] {
    ++dialogCalls;
    return dialogAnswer;
  };
  const AppSettings settings = quorvan::LoadAppSettings(store, dialog, "/home/user/");
  Require(dialogCalls == (typeStored ? 0 : 1), "the model dialog shown wrongly");
  Require(!settings.path.empty() && settings.path.size() <= quorvan::kPathCapacity, "bad path");
  Require(!settings.commPort.empty() && settings.commPort.size() <= quorvan::kPortNameCapacity,
          "bad port name");
  const BandPlan& plan = settings.plan;
  Require(!plan.type.empty() && plan.type.size() <= quorvan::kTypeCapacity, "bad type code");
  Require(!plan.model.empty() && plan.model.size() <= quorvan::kModelCapacity, "bad model");
  for (const std::string& limit : plan.limits) {
    Require(limit.empty() || quorvan::IsWellFormedBandLimit(limit), "unreadable band limit");
  }

  const AppSettings again = quorvan::LoadAppSettings(store, dialog, "/elsewhere/");
  Require(dialogCalls <= 1, "the model dialog shown on the second load");
  Require(again.path == settings.path && again.commPort == settings.commPort &&
              SamePlan(again.plan, plan),
          "loading the stored settings again gave other settings");
  const std::optional<BandPlan> stored = quorvan::StoredBandPlan(store);
  Require(stored.has_value() && SamePlan(*stored, plan), "stored plan differs from the loaded");

  UsePlan(plan, input);
  return 0;
}
