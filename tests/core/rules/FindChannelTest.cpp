// Find: memory channels by a piece of their name or the leading digits of a frequency.
#include <gtest/gtest.h>

#include <string>

#include "core/rules/FindChannel.h"

namespace quorvan {
namespace {

std::string Channel(int slot, const std::string& hz, const std::string& txHz,
                    const std::string& name) {
  return MemoryChannelLabel(slot) + "," + hz + ",5,0,0,0,0,0,08,08,000,000600000,0,0," + txHz +
         (txHz.empty() ? ",," : ",5,") + "," + name;
}

RadioImage Channels(const char* type) {
  RadioImage image = MakeNewDocument(MakeDefaultBandPlan(type, "ARVEN"));
  image.Store(SlotKind::Memory, 3, Channel(3, "00145500000", "", "Club"));
  image.Store(SlotKind::Memory, 10, Channel(10, "00145525000", "", "CLUBHOUSE"));
  image.Store(SlotKind::Memory, 40, Channel(40, "00439100000", "00145550000", "x,clubb"));
  image.Store(SlotKind::Memory, 200, Channel(200, "01240000000", "", "\xC9T\xC9"));
  image.Store(SlotKind::Memory, 399, Channel(399, "00000530000", "", "AM 530"));
  return image;
}

TEST(FindChannel, NamesIgnoringCaseAndFrequenciesByTheirLeadingDigits) {
  struct Case {
    const char* typed;
    const char* type;
    int after;
    int expected;
  };
  const Case cases[] = {
      {"club", "KK,0F", -1, 3},
      {"club", "KK,0F", 3, 10},
      {"club", "KK,0F", 10, 40},   // the name runs on past its comma
      {"club", "KK,0F", 40, 3},    // wraps past the last slot
      {"CLUBH", "KK,0F", 10, 10},  // the only match is the row it starts from: found last
      {"145.5", "KK,0F", -1, 3},
      {"145.5", "KK,0F", 3, 10},   // 145.525 starts with 145.5
      {"145.5", "KK,0F", 10, 40},  // by its transmit frequency
      {"145.50", "KK,0F", 3, 3},   // 145.525 does not start with 145.50
      {"145.", "KK,0F", 40, 3},
      {"1240", "KK,0F", 0, 200},
      {"0.53", "KK,0F", 0, 399},
      {"530", "KK,0F", 0, 399},  // a number is also a piece of a name
      {"146", "KK,0F", 0, -1},
      {"145..5", "KK,0F", 0, -1},
      {"\xE9t\xE9", "KE,0F", 0, 200},  // accented letters fold outside destination J
      {"\xE9t\xE9", "KJ,0F", 0, -1},   // where those bytes are katakana
      {"", "KK,0F", 0, -1},
  };
  for (const Case& c : cases) {
    const RadioImage image = Channels(c.type);
    const std::string name = c.typed;
    const FindQuery query = MakeFindQuery(c.typed, &name);
    EXPECT_EQ(FindMemoryChannel(image, query, c.after), c.expected)
        << c.typed << " " << c.type << " after " << c.after;
  }
}

TEST(FindChannel, TextWithoutNameCharactersFindsOnlyFrequencies) {
  const RadioImage image = Channels("KK,0F");
  EXPECT_EQ(FindMemoryChannel(image, MakeFindQuery("1240", nullptr), 0), 200);
  EXPECT_EQ(FindMemoryChannel(image, MakeFindQuery("club", nullptr), 0), -1);
  EXPECT_EQ(FindMemoryChannel(image, MakeFindQuery("145", nullptr), 999), 3);
}

}  // namespace
}  // namespace quorvan
