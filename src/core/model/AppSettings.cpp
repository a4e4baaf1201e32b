#include "core/model/AppSettings.h"

#include <cstddef>

namespace quorvan {

namespace {

bool IsDigits(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::string Bounded(std::string value, std::size_t capacity) {
  if (value.size() > capacity) value.resize(capacity);
  return value;
}

// A folder or port name longer than any real one cannot be read and counts as missing.
std::string UnlessTooLong(std::string value, std::size_t capacity) {
  return value.size() > capacity ? std::string() : value;
}

std::string ModelForChoice(int choice) { return choice == 0 ? kModelArven : kModelBelto; }

// Entry 3 (the 1200 MHz A band) exists only for "CIRRA"; every other entry keeps a readable
// stored value and otherwise takes the plan's default.
std::string StoredLimit(const SettingsStore& store, int entry, const BandPlan& plan) {
  if (entry == 3 && !plan.IsCirra()) return {};
  std::string value = store.Value(LimitSettingName(entry));
  if (!value.empty() && IsWellFormedBandLimit(value)) return value;
  return DefaultBandLimit(entry, plan.type, plan.model);
}

void FillLimits(const SettingsStore& store, BandPlan& plan) {
  for (int entry = 0; entry < kBandLimitCount; ++entry) {
    plan.limits[static_cast<std::size_t>(entry)] = StoredLimit(store, entry, plan);
  }
}

}  // namespace

std::string LimitSettingName(int entry) { return "Limit" + std::to_string(entry); }

bool IsWellFormedBandLimit(std::string_view limit) {
  if (limit.size() > kBandLimitCapacity) return false;
  const std::size_t comma = limit.find(',');
  if (comma == std::string_view::npos) return false;
  return IsDigits(limit.substr(0, comma)) && IsDigits(limit.substr(comma + 1));
}

AppSettings LoadAppSettings(SettingsStore& store, const std::function<int()>& chooseSetupIndex,
                            std::string_view workingDirectory) {
  AppSettings settings;

  settings.path = UnlessTooLong(store.Value(kPathSetting), kPathCapacity);
  if (settings.path.empty()) {
    settings.path = Bounded(std::string(workingDirectory), kPathCapacity);
    store.SetValue(kPathSetting, settings.path);
  }

  settings.commPort = UnlessTooLong(store.Value(kCommPortSetting), kPortNameCapacity);
  if (settings.commPort.empty()) {
    settings.commPort = kDefaultCommPort;
    store.SetValue(kCommPortSetting, settings.commPort);
  }

  // The dialog's first choice stays selected unless the dialog is shown and changed.
  int choice = 0;
  BandPlan& plan = settings.plan;
  plan.type = Bounded(store.Value(kTypeSetting), kTypeCapacity);
  if (plan.type.empty()) {
    const int picked = chooseSetupIndex ? chooseSetupIndex() : 0;
    choice = (picked >= 0 && picked < static_cast<int>(kSetupChoices.size())) ? picked : 0;
    plan.type = kSetupChoices[static_cast<std::size_t>(choice)].type;
    store.SetValue(kTypeSetting, plan.type);
  }

  plan.model = Bounded(store.Value(kModelSetting), kModelCapacity);
  if (plan.model.empty()) {
    plan.model = ModelForChoice(choice);
    store.SetValue(kModelSetting, plan.model);
  }

  FillLimits(store, plan);
  for (int entry = 0; entry < kBandLimitCount; ++entry) {
    store.SetValue(LimitSettingName(entry), plan.limits[static_cast<std::size_t>(entry)]);
  }
  return settings;
}

std::optional<BandPlan> StoredBandPlan(const SettingsStore& store) {
  BandPlan plan;
  plan.type = Bounded(store.Value(kTypeSetting), kTypeCapacity);
  if (plan.type.empty()) return std::nullopt;
  plan.model = Bounded(store.Value(kModelSetting), kModelCapacity);
  if (plan.model.empty()) plan.model = ModelForChoice(0);
  FillLimits(store, plan);
  return plan;
}

std::string FolderOfFileName(std::string_view fileName) {
  const std::size_t slash = fileName.find_last_of('/');
  if (slash == std::string_view::npos) return {};
  return std::string(fileName.substr(0, slash + 1));
}

std::string SavePath(SettingsStore& store, std::string_view fileName) {
  std::string folder = Bounded(FolderOfFileName(fileName), kPathCapacity);
  store.SetValue(kPathSetting, folder);
  return folder;
}

void SavePort(SettingsStore& store, std::string_view portName) {
  store.SetValue(kCommPortSetting, portName.substr(0, kPortNameCapacity));
}

void SaveBandPlan(SettingsStore& store, const BandPlan& plan) {
  store.SetValue(kTypeSetting, plan.type);
  store.SetValue(kModelSetting, plan.model);
  for (int entry = 0; entry < kBandLimitCount; ++entry) {
    store.SetValue(LimitSettingName(entry), plan.limits[static_cast<std::size_t>(entry)]);
  }
}

}  // namespace quorvan
