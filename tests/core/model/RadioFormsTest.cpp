#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/model/ItemSet.h"
#include "core/model/RadioForms.h"

namespace quorvan {
namespace {

constexpr const char* kMain = "00146520000,5,1,0,1,0,0,12,12,007,000600000,0";

// Each case stores one item into a new document and names what the radio gives back for it.
struct GivenBackCase {
  const char* what;
  const char* type;
  ItemRef item;
  std::string stored;
  std::string givenBack;
};

void Store(RadioImage& image, ItemRef item, const std::string& text) {
  StoreItem(image, item, text);
}

TEST(AsRadioGivesBack, KeepsWhatAWriteCarriesInTheFormsTheReadBuilds) {
  const std::string main = kMain;
  const GivenBackCase cases[] = {
      {"memory: no power, no transmit step alone, name through the coding",
       "KK,0F",
       {ItemKind::Memory, 5},
       "005," + main + ",1,,5,2,AB\xD7,C",
       "005," + main + ",1,,,,AB\x9A,C"},
      {"memory split",
       "KK,0F",
       {ItemKind::Memory, 401},
       "U0," + main + ",0,00147000000,5,,UP",
       "U0," + main + ",0,00147000000,5,,UP"},
      {"memory label from the slot, destination J names as they are",
       "JJ,01",
       {ItemKind::Memory, 420},
       "PR1," + main + ",0,,,,\xB1\xD7",
       "PR1," + main + ",0,,,,\xB1\xD7"},
      {"broadcast preset for destination J",
       "JJ,01",
       {ItemKind::Memory, 7},
       "007,00095750000,B,0,0,0,0,0,08,08,000,000000000,2,0,,,,",
       "007,00095750000,A,0,0,0,0,0,08,08,000,000000000,2,0,,,,"},
      {"broadcast preset elsewhere",
       "KK,0F",
       {ItemKind::Memory, 7},
       "007,00095750000,B,0,0,0,0,0,08,08,000,000000000,2,0,,,,",
       "007,00095750000,B,0,0,0,0,0,08,08,000,000000000,2,0,,,,"},
      {"CALL split: the receive step is the transmit step, no power",
       "KK,0F",
       {ItemKind::Call, 2},
       "2,00440000000,8,0,0,0,0,0,08,08,000,005000000,0,,00445000000,5,1,",
       "2,00440000000,8,0,0,0,0,0,08,08,000,005000000,0,,00445000000,8,,"},
      {"CALL in the shorter form a read of it builds",
       "KK,0F",
       {ItemKind::Call, 3},
       "3,01240000000,8,0,0,0,0,0,08,08,000,012000000,0,,,,",
       "3,01240000000,8,0,0,0,0,0,08,08,000,012000000,0,,,,,"},
      {"CALL without a frequency is passed over", "KK,0F", {ItemKind::Call, 0}, "0,,5", ""},
      {"VFO",
       "KK,0F",
       {ItemKind::Vfo, 7},
       "7,00088100000,B,0,0,0,0,0,08,08,000,000000000,1,,9,,,",
       "7,00088100000,B,0,0,0,0,0,08,08,000,000000000,1,,,,,"},
      {"program VFO", "KK,0F", {ItemKind::ProgramVfo, 0}, "0,00144,00145", "0,00144,00145"},
      {"program VFO without a range", "KK,0F", {ItemKind::ProgramVfo, 1}, "1,,", ""},
      {"DTMF number in two digits", "KK,0F", {ItemKind::Dtmf, 4}, "4,*1#,NO,TE", "04,*1#,NO,TE"},
      {"DTMF name through the coding", "KK,0F", {ItemKind::Dtmf, 3}, "03,12,\xD7", "03,12,\x9A"},
      {"DTMF without a code is not read", "KK,0F", {ItemKind::Dtmf, 2}, "02,,HOME", ""},
      {"power-on message through the coding",
       "KK,0F",
       {ItemKind::Menu, kMenuMES},
       "HI\xD7",
       "HI\x9A"},
      {"power-on message for destination J",
       "JJ,01",
       {ItemKind::Menu, kMenuMES},
       "HI\xD7",
       "HI\xD7"},
      {"menu value", "KK,0F", {ItemKind::Menu, kMenuMGL}, "0 2  5  ", "0 2  5  "},
      {"the comment stays on the computer", "KK,0F", {ItemKind::Comment, 0}, "field day", ""},
  };
  for (const GivenBackCase& c : cases) {
    SCOPED_TRACE(c.what);
    RadioImage image = MakeNewDocument(MakeDefaultBandPlan(c.type, "BELTO"));
    Store(image, c.item, c.stored);
    const RadioImage back = AsRadioGivesBack(image);
    EXPECT_EQ(ItemText(back, c.item), c.givenBack);
    EXPECT_EQ(back.Plan().type, c.type);
    // What the radio gives back is given back as it is: both sides of a comparison can be
    // taken to this form.
    EXPECT_TRUE(AsRadioGivesBack(back) == back);
  }
}

TEST(ItemSet, HoldsItemsOfEveryKindInItemOrderAndNothingOutOfRange) {
  ItemSet set;
  set.Add({ItemKind::Menu, kMenuBAT});
  set.Add({ItemKind::Memory, 431});
  set.Add({ItemKind::Comment, 0});
  set.Add({ItemKind::ProgramVfo, 3});
  set.Add({ItemKind::Vfo, 0});
  set.Add({ItemKind::Memory, 432});  // out of range: ignored
  set.Add({ItemKind::Dtmf, -1});
  EXPECT_EQ(set.Items(), (std::vector<ItemRef>{{ItemKind::Memory, 431},
                                               {ItemKind::Vfo, 0},
                                               {ItemKind::ProgramVfo, 3},
                                               {ItemKind::Menu, kMenuBAT},
                                               {ItemKind::Comment, 0}}));
  EXPECT_EQ(set.Count(), 5);
  EXPECT_FALSE(set.Contains({ItemKind::Memory, 432}));
  EXPECT_FALSE(set.HasAny(ItemKind::Call));
  set.Remove({ItemKind::Memory, 431});
  EXPECT_FALSE(set.HasAny(ItemKind::Memory));

  const ItemSet records = ItemSet::Records();
  EXPECT_EQ(records.Count(), kMemorySlots + kVfoSlots + kCallSlots + kDtmfSlots + kProgramVfoSlots);
  EXPECT_FALSE(records.HasAny(ItemKind::Menu));
  ItemSet all = records;
  all.Add(ItemSet::MenuValues());
  EXPECT_EQ(all.Count(), records.Count() + kMenuItemCount);
  EXPECT_FALSE(all.Contains({ItemKind::Comment, 0}));
}

}  // namespace
}  // namespace quorvan
