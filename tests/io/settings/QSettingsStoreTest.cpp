#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "io/settings/QSettingsStore.h"
#include "support/TempConfigHome.h"

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
  EXPECT_TRUE(std::filesystem::exists(testing::ProcessConfigHome() / "QUENTAR" / "Quorvax.conf"));
}

}  // namespace
}  // namespace quorvan
