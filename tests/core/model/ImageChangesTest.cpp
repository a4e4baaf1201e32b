#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/ImageChanges.h"

namespace quorvan {
namespace {

RadioImage Document() { return MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")); }

TEST(ImageChanges, SameDocumentHasNoChanges) {
  const RadioImage image = Document();
  EXPECT_TRUE(ImageChanges::Between(image, image).Empty());
}

// Every kind of item is seen, in item order, and the change takes either state to the other
// exactly.
TEST(ImageChanges, EveryKindOfItemInOrderAndBothWays) {
  const RadioImage before = Document();
  RadioImage after = before;
  after.SetComment("field day");
  after.Menu().Set(kMenuBAT, "1");
  after.Store(SlotKind::ProgramVfo, 2, "2,00430,00439");
  after.Store(SlotKind::Dtmf, 9, "9,123,HOME");
  after.Store(SlotKind::Call, 0, "");
  after.Store(SlotKind::Vfo, 14, "E,01250000000,8,0,0,0,0,0,08,08,000,000000000,0,,,,,");
  after.Store(SlotKind::Memory, 431, "");
  after.Store(SlotKind::Memory, 0, "000,00146520000,0,0,0,0,0,0,08,08,000,000600000,0,0,,,,");

  const ImageChanges changes = ImageChanges::Between(before, after);
  std::vector<ItemRef> items;
  for (const ItemChange& c : changes.Items()) items.push_back(c.item);
  const std::vector<ItemRef> expected{{ItemKind::Memory, 0},      {ItemKind::Memory, 431},
                                      {ItemKind::Vfo, 14},        {ItemKind::Call, 0},
                                      {ItemKind::Dtmf, 9},        {ItemKind::ProgramVfo, 2},
                                      {ItemKind::Menu, kMenuBAT}, {ItemKind::Comment, 0}};
  EXPECT_EQ(items, expected);
  EXPECT_EQ(changes.Items()[1].before, before.Record(SlotKind::Memory, 431));
  EXPECT_EQ(changes.Items()[1].after, "");

  RadioImage undone = after;
  changes.RevertIn(undone);
  EXPECT_EQ(undone, before);
  RadioImage redone = before;
  changes.ApplyTo(redone);
  EXPECT_EQ(redone, after);
}

// What a change holds grows with what changed, not with the document.
TEST(ImageChanges, HoldsOnlyWhatChanged) {
  const RadioImage before = Document();
  RadioImage after = before;
  after.Store(SlotKind::Memory, 5, "005,00145500000,5,0,0,0,0,0,08,08,000,000600000,0,0,,,,NAME");
  const ImageChanges one = ImageChanges::Between(before, after);
  EXPECT_EQ(one.Size(), 1u);
  EXPECT_LT(one.Bytes(), 200u);
}

}  // namespace
}  // namespace quorvan
