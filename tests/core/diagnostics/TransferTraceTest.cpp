#include <gtest/gtest.h>

#include <stdexcept>

#include "core/diagnostics/TracingByteChannel.h"
#include "core/diagnostics/TransferTrace.h"
#include "core/model/EscapedText.h"
#include "support/FakeChannel.h"

namespace quorvan {
namespace {

using testing::FakeChannel;

// A clock the test moves by hand.
struct HandClock {
  long long now = 1000;
  TransferTrace::Clock Clock() {
    return [this] { return now; };
  }
};

TEST(EscapeReversibly, EveryByteThatCouldMisleadIsEscapedAndOnlyThose) {
  const struct {
    std::string bytes;
    const char* escaped;
  } cases[] = {
      {"VOX 0\r", "VOX 0\\r"},
      {"a\nb\tc", "a\\nb\\tc"},
      {"say \"hi\"", "say \\\"hi\\\""},
      {"\\x0d is text", "\\\\x0d is text"},
      {std::string("\0\x1b[2J\x7f\xe9", 7), "\\x00\\x1b[2J\\x7f\\xe9"},
      {"MN 000,ABC~", "MN 000,ABC~"},
  };
  for (const auto& c : cases) EXPECT_EQ(EscapeReversibly(c.bytes), c.escaped) << c.escaped;
}

TEST(TransferTrace, LinesSplitAtEachCrAndTimedFromTheTransfersStart) {
  HandClock clock;
  TransferTrace trace(clock.Clock());
  trace.BeginTransfer("Read", {"Port: /dev/ttyUSB0, 9600 bit/s", "Adapter: USB 067b:2303"});
  trace.Note("open /dev/ttyUSB0");
  clock.now += 2;
  trace.Sent("VOX 0");
  trace.Sent("\r");
  clock.now += 38;
  trace.Received("VOX");  // the rest of the reply comes later: one line, at its CR
  clock.now += 5;
  trace.Received(" 0\rID ");
  clock.now += 7;
  trace.Received("ARVEN\r");
  clock.now += 1950;
  trace.Received("TY");  // held without a CR until the transfer ends
  trace.Note("end: Communication timeout error.\nCheck the cable.");
  EXPECT_EQ(trace.Text(),
            "Transfer 1: Read\n"
            "Port: /dev/ttyUSB0, 9600 bit/s\n"
            "Adapter: USB 067b:2303\n"
            "       0 ms  open /dev/ttyUSB0\n"
            "       2 ms  > \"VOX 0\\r\"\n"
            "      45 ms  < \"VOX 0\\r\"\n"
            "      52 ms  < \"ID ARVEN\\r\"\n"
            "    2002 ms  < \"TY\"\n"
            "    2002 ms  end: Communication timeout error.\\nCheck the cable.\n");

  // The next transfer counts on, starts its own time and stands apart by an empty line.
  clock.now += 60000;
  trace.BeginTransfer({}, {});
  trace.Sent("ID\r");
  EXPECT_EQ(trace.TransferCount(), 2);
  const std::string text = trace.Text();
  EXPECT_EQ(text.substr(text.find("\n\nTransfer 2\n")),
            "\n\nTransfer 2\n       0 ms  > \"ID\\r\"\n");
}

TEST(TransferTrace, HostileBytesCannotForgeLinesAndARunawayLineIsCut) {
  HandClock clock;
  TransferTrace trace(clock.Clock());
  trace.BeginTransfer("Write\n       9 ms  < \"forged\"", {"Port: /dev/pts/1\x1b]0;x\a"});
  trace.Received("a\nb\"\\\x1b\r");
  trace.Received(std::string(TransferTrace::kMaxPendingBytes + 10, 'x'));
  trace.Note("close");
  const std::string text = trace.Text();
  EXPECT_NE(text.find("Transfer 1: Write\\x0a       9 ms"), std::string::npos) << text;
  EXPECT_NE(text.find("Port: /dev/pts/1\\x1b]0;x\\x07\n"), std::string::npos) << text;
  EXPECT_NE(text.find("< \"a\\nb\\\"\\\\\\x1b\\r\"\n"), std::string::npos) << text;
  EXPECT_NE(text.find("< \"" + std::string(TransferTrace::kMaxPendingBytes, 'x') + "\"\n"),
            std::string::npos);
  EXPECT_NE(text.find("< \"xxxxxxxxxx\"\n"), std::string::npos);
  // Every line of the trace is one the trace wrote: a heading, a fact or a timed line.
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 6);
}

TEST(TransferTrace, KeepsTheNewestLinesAndSaysHowManyWentBefore) {
  HandClock clock;
  TransferTrace trace(clock.Clock());
  trace.BeginTransfer("Read", {});
  for (std::size_t i = 0; i < TransferTrace::kMaxLines + 5; ++i) trace.Sent("MR 0,000\r");
  trace.Note("close");
  const std::string text = trace.Text();
  EXPECT_EQ(text.rfind("(7 earlier lines were not kept)\n", 0), 0u) << text.substr(0, 80);
  EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')),
            TransferTrace::kMaxLines + 1);
  EXPECT_NE(text.find("close\n"), std::string::npos);
}

// The channel passes every call on and traces what went over the line, failures included.
TEST(TracingByteChannel, TracesTheLineAndPassesEventsOn) {
  HandClock clock;
  TransferTrace trace(clock.Clock());
  FakeChannel line;
  TracingByteChannel channel(line);
  int replies = 0;
  std::string lineError;
  channel.SetReplyHandler([&](std::uint32_t) { ++replies; });
  channel.SetLineErrorHandler([&](const std::string& text) { lineError = text; });

  channel.SetPortName("/dev/pts/7");
  channel.Open();  // not traced yet: nothing in the trace
  channel.Close();
  EXPECT_TRUE(trace.Empty());

  channel.SetTrace(&trace);
  trace.BeginTransfer({}, {});
  channel.Open();
  channel.WriteData("ID");
  channel.WriteData("\r");
  line.Deliver("ID ARVEN\r");
  EXPECT_EQ(replies, 1);
  EXPECT_EQ(channel.ReadStringData(64), "ID ARVEN\r");
  line.failWriteAt = line.writes.size();
  EXPECT_THROW(channel.WriteData("TYD"), std::runtime_error);
  line.FailLine("Communication Read Error  ErrorMask=8");
  EXPECT_EQ(lineError, "Communication Read Error  ErrorMask=8");
  channel.Close();
  line.openError = "CommOpen Error,invalid HANDLE:0xFFFFFFFF";
  EXPECT_THROW(channel.Open(), std::runtime_error);
  line.portValid = false;
  EXPECT_FALSE(channel.CheckPortValid("/dev/pts/7"));

  EXPECT_EQ(line.Commands(), (std::vector<std::string>{"ID\r"}));
  EXPECT_EQ(trace.Text(),
            "Transfer 1\n"
            "       0 ms  open /dev/pts/7\n"
            "       0 ms  > \"ID\\r\"\n"
            "       0 ms  < \"ID ARVEN\\r\"\n"
            "       0 ms  write failed: Too much write data\n"
            "       0 ms  line failed: Communication Read Error  ErrorMask=8\n"
            "       0 ms  close\n"
            "       0 ms  open /dev/pts/7 failed: CommOpen Error,invalid HANDLE:0xFFFFFFFF\n"
            "       0 ms  port check: /dev/pts/7 cannot be used\n");
}

}  // namespace
}  // namespace quorvan
