#include <gtest/gtest.h>

#include "core/transfer/WriteEstimate.h"
#include "core/transfer/WriteSequence.h"
#include "support/SampleImage.h"
#include "support/ScriptedRadio.h"

namespace quorvan {
namespace {

using testing::RunExchange;
using testing::SampleImage;
using testing::ScriptedRadio;

// As many commands as a write to a radio sends, and as many bytes as they and the radio's echoes
// of them make (the identification replies are longer: "ID ARVEN", "TYD KK,0F").
TEST(WriteEstimate, CountsTheCommandsAWriteSendsAndTheirEchoes) {
  const RadioImage documents[] = {SampleImage("KK,0F", "ARVEN"), SampleImage("JJ,01", "BELTO"),
                                  MakeNewDocument(MakeDefaultBandPlan("ME,0B", "BELTO"))};
  for (const RadioImage& document : documents) {
    for (const TransferScope scope :
         {TransferScope::All, TransferScope::Memory, TransferScope::Menu}) {
      SCOPED_TRACE(document.Plan().type + " scope " + std::to_string(static_cast<int>(scope)));
      ScriptedRadio radio(document);
      WriteSequence write(document, scope);
      const auto sent = RunExchange(write, radio);
      ASSERT_EQ(sent.end, SequenceAction::Kind::Finish);
      long long commandBytes = 0;
      for (const std::string& command : sent.commands) commandBytes += command.size() + 1;

      const WriteEstimate estimate = EstimateWrite(document, scope);
      EXPECT_EQ(estimate.commands, static_cast<int>(sent.commands.size()));
      EXPECT_EQ(estimate.bytes, 2 * commandBytes + 6 + 6);
    }
  }
  EXPECT_EQ(
      EstimateWrite(MakeNewDocument(MakeDefaultBandPlan("KK,0F", "ARVEN")), TransferScope::Menu)
          .commands,
      3 + 4 + 5 + 32);
}

TEST(WriteEstimate, ADocumentTheWriteRefusesSendsNothing) {
  RadioImage document = SampleImage("KK,0F", "ARVEN");
  document.Store(SlotKind::Memory, 0, "000,0014518");
  const WriteEstimate estimate = EstimateWrite(document, TransferScope::All);
  EXPECT_EQ(estimate.commands, 0);
  EXPECT_EQ(estimate.bytes, 0);
}

TEST(WriteEstimate, LineSecondsAreTenBitsAByteRoundedUp) {
  const struct {
    long long bytes;
    long long bitsPerSecond;
    long long seconds;
  } cases[] = {{0, 9600, 0},      {1, 9600, 1},     {960, 9600, 1}, {961, 9600, 2},
               {76058, 9600, 80}, {9600, 1200, 80}, {5, 0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(LineSeconds(c.bytes, c.bitsPerSecond), c.seconds)
        << c.bytes << " at " << c.bitsPerSecond;
  }
}

}  // namespace
}  // namespace quorvan
