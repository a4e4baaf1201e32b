#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "io/session/HeldOpenChannel.h"
#include "support/FakeChannel.h"

namespace quorvan {
namespace {

using testing::FakeChannel;

// The port stays open over the closes at the end of each transfer and goes only when let go
// or when another port is to be used.
TEST(HeldOpenChannel, KeepsThePortOpenUntilReleasedOrAnotherPortIsNamed) {
  const struct {
    const char* what;
    std::function<void(HeldOpenChannel&)> act;
    bool open;
    int opens;
    int closes;
  } cases[] = {
      {"a transfer's close is let pass",
       [](HeldOpenChannel& c) {
         c.Open();
         c.Close();
         c.Open();  // the next transfer
       },
       true, 1, 0},
      {"released",
       [](HeldOpenChannel& c) {
         c.Open();
         c.Close();
         c.Release();
       },
       false, 1, 1},
      {"the same port named again",
       [](HeldOpenChannel& c) {
         c.Open();
         c.SetPortName("COM1");
         c.CheckPortValid("COM1");
       },
       true, 1, 0},
      {"another port named",
       [](HeldOpenChannel& c) {
         c.Open();
         c.SetPortName("COM2");
       },
       false, 1, 1},
      {"another port checked",
       [](HeldOpenChannel& c) {
         c.Open();
         c.CheckPortValid("COM3");
       },
       false, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeChannel line;
    {
      HeldOpenChannel held(line);
      held.SetPortName("COM1");
      c.act(held);
      EXPECT_EQ(held.IsOpen(), c.open);
      EXPECT_EQ(line.openCount, c.opens);
      EXPECT_EQ(line.closeCount, c.closes);
    }
    EXPECT_FALSE(line.IsOpen()) << "let go with the channel";
  }
}

TEST(HeldOpenChannel, PassesTheLinesEventsOn) {
  FakeChannel line;
  HeldOpenChannel held(line);
  std::vector<std::uint32_t> replies;
  std::vector<std::string> errors;
  held.SetReplyHandler([&](std::uint32_t waiting) { replies.push_back(waiting); });
  held.SetLineErrorHandler([&](const std::string& text) { errors.push_back(text); });
  held.Open();
  line.Deliver("ID ARVEN\r");
  EXPECT_EQ(replies, std::vector<std::uint32_t>{9});
  EXPECT_EQ(held.ReadStringData(64), "ID ARVEN\r");
  line.FailLine("gone");
  EXPECT_EQ(errors, std::vector<std::string>{"gone"});
  // A dead line that reports itself again while it is let go.
  line.lineErrorOnClose = "gone again";
  held.Release();
  EXPECT_FALSE(line.IsOpen());
}

}  // namespace
}  // namespace quorvan
