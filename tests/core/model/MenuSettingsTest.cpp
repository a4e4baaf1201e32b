#include <gtest/gtest.h>

#include "core/model/BandPlan.h"
#include "core/model/MenuSettings.h"

namespace quorvan {
namespace {

TEST(MenuDefaults, ByDestinationAndModel) {
  struct Case {
    const char* type;
    const char* model;
    const char* ckey;
    const char* nar1;
    const char* pc2;
  };
  const Case cases[] = {{"KK,0F", "ARVEN", "0", "0", ""},
                        {"ME,0B", "BELTO", "1", "", ""},
                        {"JJ,01", "BELTO", "0", "", ""},
                        {"MM,07", "BELTO", "0", "", ""},
                        {"KK,0F", "CIRRA", "0", "0", "0"}};
  for (const auto& c : cases) {
    MenuSettings menu;
    ApplyMenuDefaults(menu, MakeDefaultBandPlan(c.type, c.model));
    EXPECT_EQ(menu.Get(kMenuCKEY), c.ckey) << c.type;
    EXPECT_EQ(menu.Get(kMenuNAR1), c.nar1) << c.type;
    EXPECT_EQ(menu.Get(kMenuPC2), c.pc2) << c.model;
    EXPECT_EQ(menu.Get(kMenuPC3), c.pc2) << c.model;
    EXPECT_EQ(menu.Get(kMenuNAR3), c.pc2) << c.model;
  }
}

TEST(MenuDefaults, FixedValuesInItemOrder) {
  MenuSettings menu;
  ApplyMenuDefaults(menu, MakeDefaultBandPlan("MM,07", "BELTO"));
  const char* expected[kMenuItemCount] = {
      "0", "2", "1", "0", "0", "0", "0", "0",        "0",  "",  "",  "0", "        ", "0",
      "1", "0", "0", "0", "0", "0", "0", "HELLO !!", "08", "5", "1", "1", "0",        "4",
      "1", "0", "0", "0", "1", "0", "0", "0",        "",   "0", "",  "0", "0"};
  for (int i = 0; i < kMenuItemCount; ++i) EXPECT_EQ(menu.Get(i), expected[i]) << "item " << i;
}

TEST(MenuSettings, GetSetAndBounds) {
  MenuSettings menu;
  menu.Set(kMenuPC2, "1");
  menu.Set(kMenuPC3, "0");
  EXPECT_EQ(menu.Get(10), "0");
  EXPECT_EQ(menu.Get(9), "1");
  menu.Set(kMenuMES, "TOO LONG MESSAGE");
  EXPECT_EQ(menu.Get(kMenuMES), "TOO LONG");
  menu.Set(kMenuCNT, "123");
  EXPECT_EQ(menu.Get(kMenuCNT), "12");
  menu.Set(41, "x");
  menu.Set(-1, "x");
  EXPECT_EQ(menu.Get(41), "");
  EXPECT_EQ(MenuMnemonic(10), "PC 3");
  EXPECT_EQ(MenuMnemonic(39), "NAR 5");
  EXPECT_EQ(MenuMnemonic(40), "BAT");
}

// A message the destination's characters cannot show is emptied as the document comes in;
// every other one, the empty one included, stays as it is.
TEST(MenuSettings, UnshowablePowerOnMessageIsEmptied) {
  struct Case {
    const char* type;
    const char* message;
    bool emptied;
  };
  const Case cases[] = {
      {"JJ,01", "HI\xE9", true},     // a double-byte lead byte: not a name character for J
      {"JJ,01", "\xB1\xB2", false},  // half-width katakana
      {"ME,0B", "Caf\xE9", false},   // an accented letter Europe's radios show
      {"KK,0F",
       "A\xD7"
       "B",
       true},  // the times sign is no name character
      {"KK,0F", "HELLO !!", false},
      {"KK,0F", "", false},
  };
  for (const Case& c : cases) {
    MenuSettings menu;
    menu.Set(kMenuMES, c.message);
    EXPECT_EQ(EmptyUnshowablePowerOnMessage(menu, MakeDefaultBandPlan(c.type, "BELTO")), c.emptied)
        << c.type << " " << c.message;
    EXPECT_EQ(menu.Get(kMenuMES), c.emptied ? "" : c.message) << c.type << " " << c.message;
  }
}

}  // namespace
}  // namespace quorvan
