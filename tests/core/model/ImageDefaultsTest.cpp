#include <gtest/gtest.h>

#include "core/model/RadioImage.h"
#include "support/SlotFields.h"

namespace quorvan {
namespace {

RadioImage NewDoc(const char* type, const char* model) {
  return MakeNewDocument(MakeDefaultBandPlan(type, model));
}

std::string Rec(char code, const char* freq, char step, const char* offset, int mode) {
  return std::string(1, code) + "," + freq + "," + step + ",0,0,0,0,0,08,08,000," + offset + "," +
         std::to_string(mode) + ",,,,,";
}

struct VfoCase {
  const char* type;
  const char* model;
  int slot;
  std::string record;
};

TEST(BandPlanDefaults, VfoTable) {
  const VfoCase cases[] = {
      {"JJ,01", "BELTO", 0, "0,00145000000,7,0,0,0,0,0,08,08,000,000600000,0,,,,,"},
      {"KK,0F", "ARVEN", 0, Rec('0', "00144000000", '0', "000600000", 0)},
      {"ME,0B", "BELTO", 9, Rec('9', "00144000000", '5', "000600000", 0)},
      {"KK,0F", "ARVEN", 1, Rec('1', "00223000000", '7', "001600000", 0)},
      {"ME,0B", "BELTO", 1, ""},
      {"KK,0F", "ARVEN", 11, Rec('B', "00223000000", '7', "001600000", 0)},
      {"ME,0B", "BELTO", 11, Rec('B', "00230000000", '5', "000000000", 0)},
      {"JJ,01", "BELTO", 11, Rec('B', "00225000000", '5', "000000000", 0)},
      {"MM,07", "BELTO", 11, Rec('B', "00223000000", '0', "000000000", 0)},
      {"ME,0B", "BELTO", 2, "2,00430000000,8,0,0,0,0,0,08,08,000,001600000,0,,,,,"},
      {"ME,09", "BELTO", 2, Rec('2', "00432000000", '8', "001600000", 0)},
      {"ME,01", "BELTO", 12, Rec('C', "00432000000", '8', "001600000", 0)},
      {"KK,0F", "ARVEN", 12, Rec('C', "00440000000", '8', "005000000", 0)},
      {"JJ,01", "BELTO", 2, Rec('2', "00433000000", '7', "005000000", 0)},
      {"MM,07", "BELTO", 2, Rec('2', "00430000000", '8', "005000000", 0)},
      {"KK,0F", "CIRRA", 3, Rec('3', "01240000000", '8', "012000000", 0)},
      {"ME,0B", "CIRRA", 14, Rec('E', "01240000000", '8', "035000000", 0)},
      {"JJ,01", "CIRRA", 3, Rec('3', "01295000000", '7', "020000000", 0)},
      {"MM,07", "CIRRA", 3, Rec('3', "01240000000", '8', "020000000", 0)},
      {"JJ,01", "BELTO", 14, Rec('E', "01295000000", '7', "000000000", 0)},
      {"KK,0F", "ARVEN", 14, Rec('E', "01240000000", '8', "000000000", 0)},
      {"KK,0F", "ARVEN", 3, ""},
      {"KK,0F", "ARVEN", 4, Rec('4', "00000540000", '4', "000000000", 2)},
      {"JJ,01", "BELTO", 4, Rec('4', "00000531000", '3', "000000000", 2)},
      {"ME,0B", "BELTO", 5, Rec('5', "00003500000", '0', "000000000", 3)},
      {"ME,0B", "BELTO", 6, Rec('6', "00051000000", '4', "000000000", 0)},
      {"ME,0B", "BELTO", 7, Rec('7', "00087500000", 'A', "000000000", 1)},
      {"JJ,01", "BELTO", 7, Rec('7', "00076100000", 'B', "000000000", 1)},
      {"KK,0F", "ARVEN", 8, Rec('8', "00118000000", '5', "000000000", 2)},
      {"MM,07", "BELTO", 8, Rec('8', "00118000000", '8', "000000000", 2)},
      {"ME,0B", "BELTO", 10, Rec('A', "00180750000", 'A', "000000000", 1)},
      {"JJ,01", "BELTO", 10, Rec('A', "00175750000", 'A', "000000000", 1)},
      {"ME,0B", "BELTO", 13, Rec('D', "00476750000", 'A', "000000000", 1)},
      {"KK,0F", "ARVEN", 13, Rec('D', "00475750000", 'A', "000000000", 1)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NewDoc(c.type, c.model).Record(SlotKind::Vfo, c.slot), c.record)
        << c.type << " " << c.model << " VFO " << c.slot;
  }
}

TEST(BandPlanDefaults, CallAndProgramVfo) {
  const RadioImage k = NewDoc("KK,0F", "ARVEN");
  EXPECT_EQ(k.Record(SlotKind::Call, 0), Rec('0', "00144000000", '0', "000600000", 0));
  EXPECT_EQ(k.Record(SlotKind::Call, 1), Rec('1', "00223000000", '7', "001600000", 0));
  EXPECT_EQ(k.Record(SlotKind::Call, 3), "");
  EXPECT_EQ(k.Record(SlotKind::ProgramVfo, 0), "0,00137,00173");
  EXPECT_EQ(k.Record(SlotKind::ProgramVfo, 1), "1,00216,00259");
  EXPECT_EQ(k.Record(SlotKind::ProgramVfo, 2), "2,00410,00469");
  EXPECT_EQ(k.Record(SlotKind::ProgramVfo, 3), "");

  const RadioImage m = NewDoc("MM,07", "BELTO");
  EXPECT_EQ(m.Record(SlotKind::ProgramVfo, 0), "0,00144,00147");
  EXPECT_EQ(m.Record(SlotKind::ProgramVfo, 1), "");
  EXPECT_EQ(m.Record(SlotKind::Call, 1), "");

  const RadioImage c = NewDoc("JJ,01", "CIRRA");
  EXPECT_EQ(c.Record(SlotKind::ProgramVfo, 3), "3,01260,01299");
  EXPECT_EQ(c.Record(SlotKind::Call, 3), Rec('3', "01295000000", '7', "020000000", 0));
}

TEST(BandPlanDefaults, NonCirraLeavesSlot3AsItWas) {
  RadioImage image;
  image.Plan() = MakeDefaultBandPlan("KK,0F", "ARVEN");
  image.Store(SlotKind::Vfo, 3, "keep");
  image.Store(SlotKind::Call, 3, "keep");
  image.Store(SlotKind::ProgramVfo, 3, "keep");
  image.Store(SlotKind::ProgramVfo, 0, "old");
  ApplyBandPlanDefaults(image);
  EXPECT_EQ(image.Record(SlotKind::Vfo, 3), "keep");
  EXPECT_EQ(image.Record(SlotKind::Call, 3), "keep");
  EXPECT_EQ(image.Record(SlotKind::ProgramVfo, 3), "keep");
  EXPECT_EQ(image.Record(SlotKind::ProgramVfo, 0), "0,00137,00173");
}

TEST(IChannelDefaults, UsaJapanAndOthers) {
  const RadioImage k = NewDoc("KK,0F", "ARVEN");
  EXPECT_EQ(k.Record(SlotKind::Memory, 422),
            "I-1,00162550000,0,0,0,0,0,0,08,08,000,000000000,0,0,,,,WEATHER");
  EXPECT_EQ(k.Record(SlotKind::Memory, 431),
            "I-0,00163275000,0,0,0,0,0,0,08,08,000,000000000,0,0,,,,WEATHER");

  const RadioImage j = NewDoc("JJ,01", "BELTO");
  EXPECT_EQ(j.Record(SlotKind::Memory, 422),
            "I-1,00000567000,3,0,0,0,0,0,08,08,000,000000000,2,0,,,,NHK\xBB\xAF\xCE\xDF\xDB");
  EXPECT_EQ(testing::SlotField(j, SlotKind::Memory, 422, ChannelField::Name),
            "NHK\xBB\xAF\xCE\xDF\xDB");
  EXPECT_EQ(j.Record(SlotKind::Memory, 429),
            "I-8,00095750000,A,0,0,0,0,0,08,08,000,000000000,1,0,,,,TV-1");

  for (const char* type : {"ME,0B", "MM,07"}) {
    const RadioImage other = NewDoc(type, "BELTO");
    for (int slot = 0; slot < kMemorySlots; ++slot) {
      EXPECT_EQ(other.Record(SlotKind::Memory, slot), "") << type << " " << slot;
    }
  }
}

}  // namespace
}  // namespace quorvan
