// Window sizes and places as kept in the settings: read back only when they are one.
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

TEST(WindowGeometrySetting, StoredTextIsReadOnlyWhenItIsAPlaceAndSizeWithinBounds) {
  struct Case {
    std::string stored;
    bool valid;
    int x, y, width, height;
    bool maximized;
  };
  const Case cases[] = {
      {"120,80,900x680", true, 120, 80, 900, 680, false},
      {"-1900,-20,900x680,maximized", true, -1900, -20, 900, 680, true},
      {"-100000,100000,200x20000", true, -100000, 100000, 200, 20000, false},
      {"", false, 0, 0, 0, 0, false},
      {"120,80", false, 0, 0, 0, 0, false},
      {"120,80,900x680,", false, 0, 0, 0, 0, false},
      {"120,80,900x680,Maximized", false, 0, 0, 0, 0, false},
      {",maximized", false, 0, 0, 0, 0, false},
      {"100001,0,900x680", false, 0, 0, 0, 0, false},
      {"1,-,900x680", false, 0, 0, 0, 0, false},
      {"1,--2,900x680", false, 0, 0, 0, 0, false},
      {"1,2,3,900x680", false, 0, 0, 0, 0, false},
      {"1,2,100x680", false, 0, 0, 0, 0, false},
      {"99999999999,2,900x680", false, 0, 0, 0, 0, false},
  };
  for (const Case& c : cases) {
    MemorySettingsStore store;
    store.SetValue(kMainWindowGeometrySetting, c.stored);
    const std::optional<WindowGeometry> g = LoadWindowGeometry(store, kMainWindowGeometrySetting);
    ASSERT_EQ(g.has_value(), c.valid) << c.stored;
    if (!g) continue;
    EXPECT_EQ(g->x, c.x) << c.stored;
    EXPECT_EQ(g->y, c.y) << c.stored;
    EXPECT_EQ(g->size.width, c.width) << c.stored;
    EXPECT_EQ(g->size.height, c.height) << c.stored;
    EXPECT_EQ(g->maximized, c.maximized) << c.stored;
  }
}

TEST(WindowGeometrySetting, SavedGeometryReadsBackAndOutOfBoundsOnesAreNotStored) {
  MemorySettingsStore store;
  SaveWindowGeometry(store, kMainWindowGeometrySetting, {-40, 30, {1024, 700}, true});
  EXPECT_EQ(store.Value(kMainWindowGeometrySetting), "-40,30,1024x700,maximized");
  const std::optional<WindowGeometry> g = LoadWindowGeometry(store, kMainWindowGeometrySetting);
  ASSERT_TRUE(g);
  EXPECT_EQ(g->x, -40);
  EXPECT_TRUE(g->maximized);

  SaveWindowGeometry(store, kMainWindowGeometrySetting, {200000, 0, {1024, 700}, false});
  SaveWindowGeometry(store, kMainWindowGeometrySetting, {0, 0, {1024, 50}, false});
  EXPECT_EQ(store.Value(kMainWindowGeometrySetting), "-40,30,1024x700,maximized");
}

}  // namespace
}  // namespace quorvan
