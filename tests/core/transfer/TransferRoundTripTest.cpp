#include <gtest/gtest.h>

#include "core/transfer/ReadSequence.h"
#include "core/transfer/WriteSequence.h"
#include "support/SampleImage.h"
#include "support/ScriptedRadio.h"

namespace quorvan {
namespace {

// Writing an image to a radio and reading the radio back gives the same image.
TEST(TransferRoundTrip, WriteThenReadGivesTheImageBack) {
  for (const auto& [type, model] :
       {std::pair{"KK,0F", "ARVEN"}, std::pair{"JJ,01", "BELTO"}, std::pair{"ME,0B", "BELTO"}}) {
    const RadioImage original = testing::SampleImage(type, model);
    testing::ScriptedRadio radio(MakeNewDocument(original.Plan()));

    WriteSequence write(original, TransferScope::All);
    EXPECT_EQ(testing::RunExchange(write, radio).end, SequenceAction::Kind::Finish);
    EXPECT_EQ(write.RejectedCount(), 0);

    RadioImage copy = MakeNewDocument(MakeDefaultBandPlan("MM,07", "BELTO"));
    ReadSequence read(copy, TransferScope::All);
    EXPECT_EQ(testing::RunExchange(read, radio).end, SequenceAction::Kind::Finish);
    EXPECT_TRUE(copy == original) << type;
    for (int slot : {0, 5, 399, 401, 431}) {
      EXPECT_EQ(copy.Record(SlotKind::Memory, slot), original.Record(SlotKind::Memory, slot));
    }
  }
}

}  // namespace
}  // namespace quorvan
