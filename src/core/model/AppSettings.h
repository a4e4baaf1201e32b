#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/model/BandPlan.h"
#include "core/model/SettingsStore.h"

namespace quorvan {

// Value names in the settings store.
constexpr const char* kPathSetting = "Path";
constexpr const char* kCommPortSetting = "CommPort";
constexpr const char* kTypeSetting = "Type";
constexpr const char* kModelSetting = "Model";
// "Limit0" .. "Limit14".
std::string LimitSettingName(int entry);

constexpr const char* kDefaultCommPort = "COM1";
// Stored values are cut to these lengths; they come from outside the program.
constexpr std::size_t kPathCapacity = 4096;
constexpr std::size_t kPortNameCapacity = 64;

// The settings the main window holds for the whole run.
struct AppSettings {
  std::string path;      // initial folder of the file dialogs
  std::string commPort;  // "COM1" .. "COM4"
  BandPlan plan;
};

// Loads the settings, writing every defaulted value back. chooseSetupIndex shows the model
// selection dialog and returns the chosen entry of kSetupChoices (0-3); it is called at most
// once, and only when no "Type" is stored. workingDirectory replaces a missing "Path".
AppSettings LoadAppSettings(SettingsStore& store, const std::function<int()>& chooseSetupIndex,
                            std::string_view workingDirectory);

// The band plan as stored, read without writing anything back: a missing "Model" is "ARVEN",
// missing or unreadable limits take their defaults, entry 3 exists for "CIRRA" only.
// Empty when no "Type" is stored.
std::optional<BandPlan> StoredBandPlan(const SettingsStore& store);

// A band-limit text the band lookups can use: two digit strings joined by one comma, within
// the entry's capacity.
bool IsWellFormedBandLimit(std::string_view limit);

// The folder part of a file name, with its trailing separator; empty when there is none.
std::string FolderOfFileName(std::string_view fileName);

// After a file was opened or saved: stores and returns the file's folder.
std::string SavePath(SettingsStore& store, std::string_view fileName);
void SavePort(SettingsStore& store, std::string_view portName);
// After a radio read: stores "Type", "Model" and the fifteen limits.
void SaveBandPlan(SettingsStore& store, const BandPlan& plan);

}  // namespace quorvan
