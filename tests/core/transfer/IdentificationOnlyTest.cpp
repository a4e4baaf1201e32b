#include <gtest/gtest.h>

#include "core/transfer/IdentificationOnly.h"
#include "core/transfer/ReadSequence.h"
#include "core/transfer/WriteSequence.h"
#include "support/SampleImage.h"
#include "support/ScriptedRadio.h"

namespace quorvan {
namespace {

using testing::RunExchange;
using testing::SampleImage;
using testing::ScriptedRadio;

// The identification of a read or a write ends where the sequence would go on to the radio's
// contents, whatever the scope; a radio the sequence refuses ends it as the sequence says.
TEST(IdentificationOnly, StopsWhereTheContentsWouldBegin) {
  const RadioImage radioImage = SampleImage("ME,0B", "BELTO");
  const struct {
    const char* name;
    bool write;
    TransferScope scope;
    const char* typeReply;  // nullptr: the radio's own
    std::vector<std::string> commands;
    SequenceAction::Kind end;
  } cases[] = {
      {"read all",
       false,
       TransferScope::All,
       nullptr,
       {"VOX 0", "ID", "TYD", "FL 0", "FL 1"},
       SequenceAction::Kind::Finish},
      {"read menu",
       false,
       TransferScope::Menu,
       nullptr,
       {"VOX 0", "ID", "TYD", "FL 0", "FL 1"},
       SequenceAction::Kind::Finish},
      {"read of a radio that is no radio",
       false,
       TransferScope::All,
       "TYD ?",
       {"VOX 0", "ID", "TYD"},
       SequenceAction::Kind::InvalidRadio},
      {"write memory",
       true,
       TransferScope::Memory,
       nullptr,
       {"VOX 0", "ID", "TYD"},
       SequenceAction::Kind::Finish},
      {"write menu",
       true,
       TransferScope::Menu,
       nullptr,
       {"VOX 0", "ID", "TYD"},
       SequenceAction::Kind::Finish},
      {"write to another type",
       true,
       TransferScope::All,
       "TYD KK,0F",
       {"VOX 0", "ID", "TYD"},
       SequenceAction::Kind::InvalidRadio},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedRadio radio(radioImage);
    if (c.typeReply) radio.SetTypeReply(c.typeReply);
    RadioImage document;  // a read fills its plan; a write sends the radio's own document
    ReadSequence read(document, c.scope);
    WriteSequence write(radioImage, c.scope);
    IdentificationOnly identification(c.write ? static_cast<TransferSequence&>(write) : read);
    const auto result = RunExchange(identification, radio);
    EXPECT_EQ(result.commands, c.commands);
    EXPECT_EQ(result.end, c.end);
    EXPECT_EQ(identification.Identified(), c.end == SequenceAction::Kind::Finish);
    if (!c.write && identification.Identified()) {
      EXPECT_EQ(document.Plan().type, radioImage.Plan().type);
      EXPECT_EQ(document.Plan().model, radioImage.Plan().model);
      EXPECT_EQ(document.Plan().limits, radioImage.Plan().limits);
    }
    EXPECT_EQ(identification.OnReply("late\r").kind, SequenceAction::Kind::Finish);
  }
}

TEST(IdentificationOnly, CancelEndsItUnidentified) {
  RadioImage document;
  ReadSequence read(document, TransferScope::All);
  IdentificationOnly identification(read);
  ASSERT_EQ(identification.Start().command, "VOX 0");
  ASSERT_EQ(identification.OnReply("VOX 0\r").command, "ID");
  identification.Cancel();
  EXPECT_TRUE(identification.CancelRequested());
  EXPECT_EQ(identification.OnReply("ID ARVEN\r").kind, SequenceAction::Kind::Finish);
  EXPECT_FALSE(identification.Identified());
}

}  // namespace
}  // namespace quorvan
