#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempConfigHome.h"
#include "model/AppSettings.h"
#include "platform/QSettingsStore.h"

namespace quorvan {
namespace {

TEST(QSettingsStore, ValuesSurviveANewStoreByteForByte) {
  const std::string latin1 = "Z\xFCrich \xE9\xFF,\x8A;=[x]";
  {
    QSettingsStore store;
    store.SetValue("Path", latin1);
    store.SetValue("Limit0", "00144,00146");
    store.SetValue("Limit1", "");
  }
  QSettingsStore reopened;
  EXPECT_EQ(reopened.Value("Path"), latin1);
  EXPECT_EQ(reopened.Value("Limit0"), "00144,00146");
  EXPECT_EQ(reopened.Value("Limit1"), "");
  EXPECT_EQ(reopened.Value("NeverWritten"), "");
  EXPECT_TRUE(std::filesystem::exists(test::ProcessConfigHome() / "QUENTAR" / "Quorvax.conf"));
}

TEST(QSettingsStore, LoadAppSettingsWritesEveryValue) {
  {
    QSettingsStore store;
    store.SetValue("Type", "");
    store.SetValue("Model", "");
    int shown = 0;
    const AppSettings settings = LoadAppSettings(
        store, [&] { return ++shown, 2; }, "/w/");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(settings.plan.type, "JJ,01");
  }
  QSettingsStore reopened;
  EXPECT_EQ(reopened.Value("Type"), "JJ,01");
  EXPECT_EQ(reopened.Value("Model"), "BELTO");
  EXPECT_EQ(reopened.Value("Limit12"), "00415,00470");
}

}  // namespace
}  // namespace quorvan
