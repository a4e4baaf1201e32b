// The help window's size as kept in the settings: read back only when it is a size.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/model/WindowSizeSetting.h"

namespace quorvan {
namespace {

TEST(WindowSizeSetting, StoredTextIsReadOnlyWhenItIsASizeWithinBounds) {
  struct Case {
    std::string stored;
    std::optional<std::pair<int, int>> expected;
  };
  const Case cases[] = {
      {"900x680", std::pair{900, 680}},
      {"200x20000", std::pair{200, 20000}},
      {"00640x0480", std::pair{640, 480}},
      {"", std::nullopt},
      {"199x680", std::nullopt},
      {"900x20001", std::nullopt},
      {"900", std::nullopt},
      {"900x", std::nullopt},
      {"x680", std::nullopt},
      {"+900x680", std::nullopt},
      {"900 x680", std::nullopt},
      {"900x680x1", std::nullopt},
      {"900X680", std::nullopt},
      {"99999999999999999999x680", std::nullopt},
  };
  for (const Case& c : cases) {
    MemorySettingsStore store;
    store.SetValue(kHelpWindowSizeSetting, c.stored);
    const std::optional<WindowSize> size = LoadWindowSize(store, kHelpWindowSizeSetting);
    ASSERT_EQ(size.has_value(), c.expected.has_value()) << c.stored;
    if (size) {
      EXPECT_EQ(size->width, c.expected->first) << c.stored;
      EXPECT_EQ(size->height, c.expected->second) << c.stored;
    }
  }
}

TEST(WindowSizeSetting, SavedSizeReadsBackAndOutOfBoundsSizesAreNotStored) {
  MemorySettingsStore store;
  SaveWindowSize(store, kHelpWindowSizeSetting, {1024, 700});
  EXPECT_EQ(store.Value(kHelpWindowSizeSetting), "1024x700");
  const std::optional<WindowSize> size = LoadWindowSize(store, kHelpWindowSizeSetting);
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 1024);
  EXPECT_EQ(size->height, 700);

  SaveWindowSize(store, kHelpWindowSizeSetting, {0, 700});
  SaveWindowSize(store, kHelpWindowSizeSetting, {1024, -5});
  EXPECT_EQ(store.Value(kHelpWindowSizeSetting), "1024x700");
}

}  // namespace
}  // namespace quorvan
