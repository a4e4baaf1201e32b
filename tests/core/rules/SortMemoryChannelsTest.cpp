#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/model/ChannelRecord.h"
#include "core/rules/SortMemoryChannels.h"
#include "support/SlotFields.h"

namespace quorvan {
namespace {

// A full memory record: label, frequency in Hz, the fixed middle fields and the name.
std::string Channel(const std::string& label, const std::string& frequency,
                    const std::string& name = "") {
  return label + "," + frequency + ",0,0,0,0,0,0,08,08,000,000600000,0,0,,,," + name;
}

class SortMemoryChannelsTest : public ::testing::Test {
 protected:
  void Put(int slot, const std::string& frequency, const std::string& name = "") {
    image.Store(SlotKind::Memory, slot, Channel(MemoryChannelLabel(slot), frequency, name));
  }
  std::string Frequency(int slot) const {
    return std::string(testing::SlotField(image, SlotKind::Memory, slot, ChannelField::Frequency));
  }
  std::string Name(int slot) const {
    return std::string(testing::SlotField(image, SlotKind::Memory, slot, ChannelField::Name));
  }
  std::string Label(int slot) const {
    return std::string(testing::SlotField(image, SlotKind::Memory, slot, ChannelField::Id));
  }
  void ExpectNamesInOrder(const std::vector<std::string>& names) const {
    for (std::size_t i = 0; i < names.size(); ++i) {
      EXPECT_EQ(Name(static_cast<int>(i)), names[i]) << "slot " << i;
    }
    EXPECT_TRUE(image.Record(SlotKind::Memory, static_cast<int>(names.size())).empty());
  }

  RadioImage image;
};

TEST_F(SortMemoryChannelsTest, ClosesGapsAndRenumbersInFrequencyOrder) {
  Put(5, "00146000000", "C");
  Put(9, "00144000000", "A");
  Put(200, "00145000000", "B");
  SortMemoryChannels(image, SortKey::Frequency);
  ExpectNamesInOrder({"A", "B", "C"});
  EXPECT_EQ(image.Record(SlotKind::Memory, 0), Channel("000", "00144000000", "A"));
  EXPECT_EQ(Label(1), "001");
  EXPECT_EQ(Label(2), "002");
}

TEST_F(SortMemoryChannelsTest, EqualFrequenciesEndInTheExchangeSortsOrder) {
  Put(0, "00145000000", "FIRST");
  Put(1, "00145000000", "SECOND");
  Put(2, "00144000000", "LOW");
  SortMemoryChannels(image, SortKey::Frequency);
  ExpectNamesInOrder({"LOW", "SECOND", "FIRST"});
}

TEST_F(SortMemoryChannelsTest, ByNameNamedFirstThenUnnamedByFrequency) {
  Put(0, "00145000000");
  Put(1, "00146000000", "BRAVO");
  Put(2, "00144000000");
  Put(3, "00147000000", "ALPHA");
  SortMemoryChannels(image, SortKey::Name);
  ExpectNamesInOrder({"ALPHA", "BRAVO", "", ""});
  EXPECT_EQ(Frequency(2), "00144000000");
  EXPECT_EQ(Frequency(3), "00145000000");
}

TEST_F(SortMemoryChannelsTest, EqualNamesEndInTheExchangeSortsOrder) {
  Put(0, "00145000000", "SAME");
  Put(1, "00146000000", "SAME");
  Put(2, "00147000000", "ABC");
  SortMemoryChannels(image, SortKey::Name);
  ExpectNamesInOrder({"ABC", "SAME", "SAME"});
  EXPECT_EQ(Frequency(1), "00146000000");
  EXPECT_EQ(Frequency(2), "00145000000");
}

TEST_F(SortMemoryChannelsTest, NamesCompareAsUnsignedBytes) {
  Put(0, "00145000000",
      "\xC0"
      "BC");
  Put(1, "00145000000", "zulu");
  Put(2, "00145000000", "Zulu");
  SortMemoryChannels(image, SortKey::Name);
  ExpectNamesInOrder({"Zulu", "zulu",
                      "\xC0"
                      "BC"});
}

TEST_F(SortMemoryChannelsTest, NamesWithCommasTravelWhole) {
  Put(3, "00145000000", "B,C");
  Put(7, "00144000000", "A,Z");
  SortMemoryChannels(image, SortKey::Name);
  ExpectNamesInOrder({"A,Z", "B,C"});
}

TEST_F(SortMemoryChannelsTest, ChannelsFrom400OnKeepTheirPlaces) {
  Put(10, "00146000000");
  image.Store(SlotKind::Memory, 400, Channel("L0", "00100000000"));
  image.Store(SlotKind::Memory, 420, Channel("PR1", "00100000000"));
  const RadioImage before = image;
  SortMemoryChannels(image, SortKey::Frequency);
  for (int slot = kFirstLimitSlot; slot < kMemorySlots; ++slot) {
    EXPECT_EQ(image.Record(SlotKind::Memory, slot), before.Record(SlotKind::Memory, slot));
  }
  EXPECT_EQ(Frequency(0), "00146000000");
}

TEST_F(SortMemoryChannelsTest, EmptyDocumentStaysUnchanged) {
  const RadioImage before = image;
  SortMemoryChannels(image, SortKey::Name);
  EXPECT_EQ(image, before);
}

TEST_F(SortMemoryChannelsTest, FullListIsSortedToTheLastSlot) {
  for (int slot = 0; slot < kOrdinaryMemorySlots; ++slot) {
    char frequency[16];
    std::snprintf(frequency, sizeof frequency, "%011d", 500000000 - slot * 10000);
    Put(slot, frequency);
  }
  SortMemoryChannels(image, SortKey::Frequency);
  for (int slot = 1; slot < kOrdinaryMemorySlots; ++slot) {
    ASSERT_LT(Frequency(slot - 1), Frequency(slot)) << "slot " << slot;
  }
  EXPECT_EQ(Label(399), "399");
  EXPECT_EQ(Frequency(399), "00500000000");
}

TEST_F(SortMemoryChannelsTest, RenumberingRebuildsAllEighteenFields) {
  image.Store(SlotKind::Memory, 7, "007,00145000000,0");
  SortMemoryChannels(image, SortKey::Frequency);
  EXPECT_EQ(image.Record(SlotKind::Memory, 0), "000,00145000000,0,,,,,,,,,,,,,,,");
}

TEST_F(SortMemoryChannelsTest, RecordWithoutFrequencyIsMovedAsideNotLost) {
  image.Store(SlotKind::Memory, 0, "000,,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,ODD");
  image.Store(SlotKind::Memory, 1, "001,5,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,ONE");
  Put(4, "00145000000", "REAL");
  std::vector<std::string> before;
  for (int slot = 0; slot < kOrdinaryMemorySlots; ++slot) {
    const std::string& record = image.Record(SlotKind::Memory, slot);
    if (!record.empty())
      before.push_back(std::string(ChannelRecord::Parse(record)[ChannelField::Name]));
  }
  SortMemoryChannels(image, SortKey::Frequency);
  std::vector<std::string> after;
  for (int slot = 0; slot < kOrdinaryMemorySlots; ++slot) {
    const std::string& record = image.Record(SlotKind::Memory, slot);
    if (!record.empty())
      after.push_back(std::string(ChannelRecord::Parse(record)[ChannelField::Name]));
  }
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  EXPECT_EQ(after, before);
  EXPECT_EQ(Name(0), "REAL");
  EXPECT_EQ(Label(0), "000");
}

}  // namespace
}  // namespace quorvan
