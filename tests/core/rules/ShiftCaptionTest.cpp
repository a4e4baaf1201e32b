#include <gtest/gtest.h>

#include "core/model/BandPlan.h"
#include "core/rules/FrequencyRules.h"

namespace quorvan {
namespace {

TEST(ToneGroupEnabled, OnlyInFm) {
  EXPECT_TRUE(ToneGroupEnabled(0));
  for (int mode = 1; mode <= 5; ++mode) EXPECT_FALSE(ToneGroupEnabled(mode)) << mode;
}

struct ShiftCase {
  const char* type;
  const char* model;
  int band;
  ShiftCaptionContext context;
  const char* caption;
};

TEST(SpecialShiftCaption, ByDestinationBandAndDialog) {
  using C = ShiftCaptionContext;
  const ShiftCase cases[] = {{"ME,0B", "CIRRA", 3, C::MemoryLoad, "-6.0MHz Shift"},
                             {"KK,0F", "CIRRA", 3, C::MemoryLoad, "-20.0MHz Shift"},
                             {"JJ,01", "CIRRA", 3, C::MemoryLoad, ""},
                             {"MM,07", "CIRRA", 3, C::MemoryLoad, ""},
                             {"ME,0B", "BELTO", 14, C::MemoryLoad, "-6.0MHz Shift"},
                             {"KK,0F", "ARVEN", 14, C::MemoryLoad, "-20.0MHz Shift"},
                             {"ME,0B", "BELTO", 14, C::VfoLoad, ""},
                             {"ME,0B", "CIRRA", 14, C::VfoLoad, "-6.0MHz Shift"},
                             {"KK,0F", "CIRRA", 14, C::VfoLoad, "-20.0MHz Shift"},
                             {"KK,0F", "CIRRA", 3, C::VfoLoad, "-20.0MHz Shift"},
                             {"ME,0B", "CIRRA", 3, C::CallLoad, "-6.0MHz Shift"},
                             {"KK,0F", "CIRRA", 14, C::CallLoad, ""},
                             {"ME,0B", "BELTO", 2, C::MemoryLoad, "-7.6MHz Shift"},
                             {"ME,0B", "BELTO", 12, C::VfoLoad, "-7.6MHz Shift"},
                             {"ME,0B", "BELTO", 2, C::CallLoad, "-7.6MHz Shift"},
                             {"ME,09", "BELTO", 2, C::MemoryLoad, ""},
                             {"ME,01", "BELTO", 12, C::MemoryLoad, ""},
                             {"KK,0F", "ARVEN", 2, C::MemoryLoad, ""},
                             {"JJ,01", "BELTO", 12, C::MemoryLoad, ""},
                             {"MM,07", "BELTO", 2, C::VfoLoad, ""},
                             {"ME,0B", "BELTO", 0, C::MemoryLoad, ""},
                             {"KK,0F", "ARVEN", 9, C::MemoryLoad, ""},
                             {"ME,0B", "CIRRA", 3, C::MemoryApply, "-6MHz Shift"},
                             {"KK,0F", "CIRRA", 3, C::MemoryApply, "-20MHz Shift"},
                             {"ME,0B", "BELTO", 14, C::MemoryApply, ""},
                             {"ME,0B", "BELTO", 12, C::MemoryApply, "-7.6MHz Shift"},
                             {"ME,09", "BELTO", 2, C::MemoryApply, ""},
                             {"JJ,01", "CIRRA", 3, C::MemoryApply, ""},
                             {"K", "ARVEN", 3, C::MemoryLoad, ""},
                             {"", "", 2, C::MemoryLoad, ""}};
  for (const ShiftCase& c : cases) {
    BandPlan plan = MakeDefaultBandPlan(c.type, c.model);
    EXPECT_EQ(SpecialShiftCaption(plan, c.band, c.context), c.caption)
        << c.type << " " << c.model << " band " << c.band << " context "
        << static_cast<int>(c.context);
  }
}

}  // namespace
}  // namespace quorvan
