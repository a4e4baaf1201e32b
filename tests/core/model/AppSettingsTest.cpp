#include <gtest/gtest.h>

#include <string>

#include "core/model/AppSettings.h"

namespace quorvan {
namespace {

constexpr const char* kWorkDir = "/home/op/radio/";

// A setup dialog that must not be shown.
int NoDialog() {
  ADD_FAILURE() << "setup dialog shown";
  return 0;
}

// The four first-run choices; the limit defaults themselves are checked with the band plan.
const struct {
  int choice;
  const char* type;
  const char* model;
} kFirstRunCases[] = {
    {0, "KK,0F", "ARVEN"}, {1, "ME,0B", "BELTO"}, {2, "JJ,01", "BELTO"}, {3, "MM,07", "BELTO"}};

TEST(AppSettingsLoad, FirstRunStoresTheChosenSetupAndItsLimits) {
  for (const auto& c : kFirstRunCases) {
    SCOPED_TRACE(c.type);
    MemorySettingsStore store;
    int shown = 0;
    const AppSettings settings = LoadAppSettings(
        store, [&] { return ++shown, c.choice; }, kWorkDir);

    EXPECT_EQ(shown, 1);
    EXPECT_EQ(settings.path, kWorkDir);
    EXPECT_EQ(settings.commPort, "COM1");
    EXPECT_EQ(settings.plan.type, c.type);
    EXPECT_EQ(settings.plan.model, c.model);
    EXPECT_EQ(store.Value("Path"), kWorkDir);
    EXPECT_EQ(store.Value("CommPort"), "COM1");
    EXPECT_EQ(store.Value("Type"), c.type);
    EXPECT_EQ(store.Value("Model"), c.model);
    const BandPlan defaults = MakeDefaultBandPlan(c.type, c.model);
    EXPECT_EQ(settings.plan.limits[1], c.choice == 0 ? "00216,00260" : "");
    EXPECT_EQ(settings.plan.limits[3], "");
    if (c.choice == 2) {
      EXPECT_EQ(store.Value("Limit12"), "00415,00470");
    }
    for (int n = 0; n < kBandLimitCount; ++n) {
      const auto i = static_cast<std::size_t>(n);
      EXPECT_EQ(settings.plan.limits[i], defaults.limits[i]) << "entry " << n;
      // Every entry is written back, the absent bands as empty values.
      const std::string name = "Limit" + std::to_string(n);
      EXPECT_TRUE(store.Has(name)) << name;
      EXPECT_EQ(store.Value(name), defaults.limits[i]) << name;
    }
  }
}

TEST(AppSettingsLoad, StoredValuesAreKeptAndTheDialogIsNotShown) {
  MemorySettingsStore store;
  store.SetValue("Path", "/data/qvx/");
  store.SetValue("CommPort", "COM3");
  store.SetValue("Type", "ME,09");
  store.SetValue("Model", "BELTO");
  store.SetValue("Limit0", "00144,00148");
  store.SetValue("Limit12", "00400,00480");

  const AppSettings settings = LoadAppSettings(store, NoDialog, kWorkDir);
  EXPECT_EQ(settings.path, "/data/qvx/");
  EXPECT_EQ(settings.commPort, "COM3");
  EXPECT_EQ(settings.plan.type, "ME,09");
  EXPECT_EQ(settings.plan.model, "BELTO");
  EXPECT_EQ(settings.plan.limits[0], "00144,00148");
  EXPECT_EQ(settings.plan.limits[12], "00400,00480");
  EXPECT_EQ(settings.plan.limits[13], "00470,00862");  // missing: the E default
  EXPECT_EQ(store.Value("Limit13"), "00470,00862");
}

TEST(AppSettingsLoad, MissingModelWithoutDialogIsTheFirstChoicesModel) {
  MemorySettingsStore store;
  store.SetValue("Type", "JJ,01");
  const AppSettings settings = LoadAppSettings(store, NoDialog, kWorkDir);
  EXPECT_EQ(settings.plan.model, "ARVEN");
  EXPECT_EQ(store.Value("Model"), "ARVEN");
}

struct Limit3Case {
  const char* type;
  const char* model;
  const char* stored;  // nullptr: nothing stored
  const char* expected;
};

TEST(AppSettingsLoad, Limit3ExistsOnlyForCirra) {
  const Limit3Case cases[] = {
      {"KK,0F", "ARVEN", "01240,01300", ""},
      {"JJ,01", "BELTO", "01260,01300", ""},
      {"JJ,01", "CIRRA", nullptr, "01260,01300"},
      {"KK,0F", "CIRRA", nullptr, "01240,01300"},
      {"ME,0B", "CIRRA", "01250,01290", "01250,01290"},
  };
  for (const Limit3Case& c : cases) {
    SCOPED_TRACE(std::string(c.type) + " " + c.model);
    MemorySettingsStore store;
    store.SetValue("Type", c.type);
    store.SetValue("Model", c.model);
    if (c.stored) store.SetValue("Limit3", c.stored);
    const AppSettings settings = LoadAppSettings(store, NoDialog, kWorkDir);
    EXPECT_EQ(settings.plan.limits[3], c.expected);
    EXPECT_TRUE(store.Has("Limit3"));
    EXPECT_EQ(store.Value("Limit3"), c.expected);
  }
}

TEST(AppSettingsLoad, UntrustedValuesAreBoundedOrReplaced) {
  MemorySettingsStore store;
  store.SetValue("Path", std::string(kPathCapacity + 1, 'p'));
  store.SetValue("CommPort", std::string(200, 'C'));
  store.SetValue("Type", "KK,0F and more");
  store.SetValue("Model", "CIRRA-EXTENDED");
  store.SetValue("Limit0", "garbage");
  store.SetValue("Limit2", "00410");
  store.SetValue("Limit4", "00000100000000000000,1");  // longer than an entry holds
  store.SetValue("Limit5", ",0002970");

  const AppSettings settings = LoadAppSettings(store, NoDialog, kWorkDir);
  EXPECT_EQ(settings.path, kWorkDir);
  EXPECT_EQ(settings.commPort, "COM1");
  EXPECT_EQ(settings.plan.type, "KK,0F");
  EXPECT_EQ(settings.plan.model, "CIRRA-EXT");
  EXPECT_EQ(settings.plan.limits[0], "00137,00174");
  EXPECT_EQ(settings.plan.limits[2], "00410,00470");
  EXPECT_EQ(settings.plan.limits[4], "0000010,0000180");
  EXPECT_EQ(settings.plan.limits[5], "0000180,0002970");
  EXPECT_EQ(store.Value("Limit0"), "00137,00174");
}

TEST(AppSettingsLoad, OutOfRangeDialogAnswerIsTheFirstChoice) {
  for (const int answer : {-1, 4, 99}) {
    MemorySettingsStore store;
    const AppSettings settings = LoadAppSettings(
        store, [answer] { return answer; }, kWorkDir);
    EXPECT_EQ(settings.plan.type, "KK,0F") << answer;
    EXPECT_EQ(settings.plan.model, "ARVEN") << answer;
  }
}

TEST(AppSettingsPath, FolderKeepsItsSeparatorAndANameWithoutFolderStoresEmpty) {
  EXPECT_EQ(FolderOfFileName("/home/op/radio/my.qvx"), "/home/op/radio/");
  EXPECT_EQ(FolderOfFileName("/my.qvx"), "/");
  EXPECT_EQ(FolderOfFileName("Untitled"), "");

  MemorySettingsStore store;
  EXPECT_EQ(SavePath(store, "/home/op/radio/my.qvx"), "/home/op/radio/");
  EXPECT_EQ(store.Value("Path"), "/home/op/radio/");
  EXPECT_EQ(SavePath(store, "Untitled"), "");
  EXPECT_TRUE(store.Has("Path"));
  EXPECT_EQ(store.Value("Path"), "");

  // The next start replaces the empty folder by the working directory.
  store.SetValue("Type", "KK,0F");
  EXPECT_EQ(LoadAppSettings(store, NoDialog, kWorkDir).path, kWorkDir);
  EXPECT_EQ(store.Value("Path"), kWorkDir);
}

TEST(AppSettingsSave, PortAndBandPlanComeBackOnTheNextLoad) {
  MemorySettingsStore store;
  BandPlan plan = MakeDefaultBandPlan("JJ,01", "CIRRA");
  plan.limits[9] = "00136,00174";
  SaveBandPlan(store, plan);
  SavePort(store, "COM4");

  const AppSettings settings = LoadAppSettings(store, NoDialog, kWorkDir);
  EXPECT_EQ(settings.commPort, "COM4");
  EXPECT_EQ(settings.plan.type, plan.type);
  EXPECT_EQ(settings.plan.model, plan.model);
  EXPECT_EQ(settings.plan.limits, plan.limits);
}

TEST(AppSettingsStoredPlan, ReadsWithoutWritingAndNeedsAType) {
  MemorySettingsStore empty;
  EXPECT_FALSE(StoredBandPlan(empty).has_value());
  EXPECT_TRUE(empty.Values().empty());

  MemorySettingsStore store;
  store.SetValue("Type", "MM,07");
  store.SetValue("Model", "BELTO");
  store.SetValue("Limit3", "01240,01300");
  const std::optional<BandPlan> plan = StoredBandPlan(store);
  ASSERT_TRUE(plan.has_value());
  EXPECT_EQ(plan->type, "MM,07");
  EXPECT_EQ(plan->limits[0], "00144,00148");
  EXPECT_EQ(plan->limits[3], "");
  EXPECT_EQ(store.Values().size(), 3u);
}

}  // namespace
}  // namespace quorvan
