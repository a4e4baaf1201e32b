#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <string>
#include <vector>

#include "io/session/TransferSession.h"
#include "support/FakeChannel.h"
#include "support/ManualClock.h"

namespace quorvan {
namespace {

using Outcome = TransferSession::Outcome;
using testing::FakeChannel;
using testing::ManualClock;

// Sends "C0", "C1", ... one per reply and finishes after `commands` replies; "?" is an invalid
// radio and "!" a malformed record. With `refusal` set it refuses to start.
class CountingSequence : public TransferSequence {
 public:
  explicit CountingSequence(int commands) : commands_(commands) {}
  SequenceAction Start() override {
    return refusal.empty() ? SequenceAction::Send("C0") : SequenceAction::Malformed(refusal);
  }
  SequenceAction OnReply(std::string_view bytes) override {
    replies.emplace_back(bytes);
    if (cancelled_) return SequenceAction::Finish();
    if (bytes == "?\r") return SequenceAction::Invalid("The radio answered \"?\".");
    if (bytes == "!\r") return SequenceAction::Malformed("malformed reply");
    ++answered_;
    if (answered_ >= commands_) return SequenceAction::Finish();
    return SequenceAction::Send("C" + std::to_string(answered_));
  }
  void Cancel() override { cancelled_ = true; }
  bool CancelRequested() const override { return cancelled_; }
  int ProgressMaximum() const override { return commands_; }
  int ProgressPosition() const override { return answered_ + overshoot; }

  std::vector<std::string> replies;
  int overshoot = 0;
  std::string refusal;

 private:
  int commands_;
  int answered_ = 0;
  bool cancelled_ = false;
};

class TransferSessionTest : public ::testing::Test {
 protected:
  TransferSessionTest() : session_(channel_, clock_) {}

  void Begin() { ASSERT_TRUE(session_.Start(sequence_, QStringLiteral("/dev/fake"))); }

  Outcome OnlyOutcome() const {
    EXPECT_EQ(finished_.count(), 1);
    return finished_.isEmpty() ? Outcome::Completed : finished_.first().at(0).value<Outcome>();
  }
  QString OnlyMessage() const {
    return finished_.isEmpty() ? QString() : finished_.first().at(1).toString();
  }

  FakeChannel channel_;
  ManualClock clock_;
  CountingSequence sequence_{3};
  TransferSession session_;
  QSignalSpy finished_{&session_, &TransferSession::finished};
  QSignalSpy progress_{&session_, &TransferSession::progress};
};

TEST_F(TransferSessionTest, RunsToCompletionOneCommandPerReply) {
  Begin();
  EXPECT_EQ(channel_.writes, (std::vector<std::string>{"C0", "\r"})) << "text and CR apart";
  channel_.Deliver("R0\r");
  channel_.Deliver("R1\r");
  EXPECT_EQ(finished_.count(), 0);
  channel_.Deliver("R2\r");
  EXPECT_EQ(OnlyOutcome(), Outcome::Completed);
  EXPECT_EQ(OnlyMessage(), QString());
  EXPECT_EQ(channel_.Commands(), (std::vector<std::string>{"C0\r", "C1\r", "C2\r"}));
  EXPECT_EQ(sequence_.replies, (std::vector<std::string>{"R0\r", "R1\r", "R2\r"}));
  EXPECT_FALSE(channel_.IsOpen());
  EXPECT_FALSE(session_.IsRunning());
  ASSERT_EQ(progress_.count(), 4);
  EXPECT_EQ(progress_.last().at(0).toInt(), 3);
  EXPECT_EQ(progress_.last().at(1).toInt(), 3);
}

TEST_F(TransferSessionTest, ReplyInTwoPiecesIsOneReply) {
  Begin();
  channel_.Deliver("R");
  EXPECT_TRUE(sequence_.replies.empty());
  channel_.Deliver("0\r");
  EXPECT_EQ(sequence_.replies, std::vector<std::string>{"R0\r"});
}

TEST_F(TransferSessionTest, SeveralRepliesInOneChunkAreHandedOverTogether) {
  Begin();
  channel_.Deliver("R0\rR1\r");
  EXPECT_EQ(sequence_.replies, std::vector<std::string>{"R0\rR1\r"});
  EXPECT_EQ(channel_.Commands().size(), 2u);
}

TEST_F(TransferSessionTest, ProgressNeverPassesTheMaximum) {
  sequence_.overshoot = 5;
  Begin();
  channel_.Deliver("R0\r");
  EXPECT_EQ(progress_.last().at(0).toInt(), 3);
}

TEST_F(TransferSessionTest, MissingReplyTimesOutAfterTwoSeconds) {
  Begin();
  clock_.Advance(1999);
  EXPECT_EQ(finished_.count(), 0);
  clock_.Advance(1);
  EXPECT_EQ(OnlyOutcome(), Outcome::TimedOut);
  EXPECT_EQ(OnlyMessage(),
            "Communication timeout error.\nCheck that the radio is on and not showing one of its "
            "menus, that the cable is seated at both ends and that /dev/fake is the cable's port.");
  EXPECT_FALSE(channel_.IsOpen());
}

TEST_F(TransferSessionTest, EachCommandGetsAFreshTimeout) {
  Begin();
  clock_.Advance(1500);
  channel_.Deliver("R0\r");
  clock_.Advance(1500);
  EXPECT_EQ(finished_.count(), 0);
  clock_.Advance(500);
  EXPECT_EQ(OnlyOutcome(), Outcome::TimedOut);
}

// A search for the radio waits a shorter time for each reply.
TEST_F(TransferSessionTest, AShortenedReplyTimeoutGuardsEveryCommand) {
  session_.SetReplyTimeout(400);
  Begin();
  clock_.Advance(399);
  channel_.Deliver("R0\r");
  clock_.Advance(399);
  EXPECT_EQ(finished_.count(), 0);
  clock_.Advance(1);
  EXPECT_EQ(OnlyOutcome(), Outcome::TimedOut);
}

TEST_F(TransferSessionTest, CancelWithoutReplyEndsAfterTheGracePeriod) {
  Begin();
  clock_.Advance(1900);
  session_.Cancel();
  clock_.Advance(299);
  EXPECT_EQ(finished_.count(), 0) << "the reply timeout is off after Cancel";
  clock_.Advance(1);
  EXPECT_EQ(OnlyOutcome(), Outcome::Cancelled);
  EXPECT_EQ(OnlyMessage(), QString());
  EXPECT_FALSE(channel_.IsOpen());
  EXPECT_EQ(channel_.Commands().size(), 1u);
  clock_.Advance(5000);
  EXPECT_EQ(finished_.count(), 1);
}

TEST_F(TransferSessionTest, CancelThenLateReplyEndsAtTheReplyWithoutSending) {
  Begin();
  session_.Cancel();
  clock_.Advance(100);
  channel_.Deliver("R0\r");
  EXPECT_EQ(OnlyOutcome(), Outcome::Cancelled);
  EXPECT_EQ(channel_.Commands().size(), 1u);
  clock_.Advance(1000);
  EXPECT_EQ(finished_.count(), 1) << "the grace timer is stopped";
}

TEST_F(TransferSessionTest, RefusedIdentificationIsAnInvalidRadio) {
  Begin();
  channel_.Deliver("?\r");
  EXPECT_EQ(OnlyOutcome(), Outcome::InvalidRadio);
  EXPECT_EQ(OnlyMessage(),
            "The radio is invalid.\nPlease check and try again.\nThe radio answered \"?\".");
  EXPECT_FALSE(channel_.IsOpen());
}

TEST_F(TransferSessionTest, UnusablePortIsReportedFromTheEventLoop) {
  channel_.portValid = false;
  Begin();
  EXPECT_EQ(finished_.count(), 0) << "never from inside Start()";
  QCoreApplication::processEvents();
  EXPECT_EQ(OnlyOutcome(), Outcome::InvalidPort);
  // The plugged adapters named after it are this machine's.
  EXPECT_TRUE(OnlyMessage().startsWith(
      "COM port is invalid.\nPlease check and try again.\n/dev/fake does not exist; "))
      << OnlyMessage().toStdString();
  EXPECT_EQ(channel_.openCount, 0);
  EXPECT_TRUE(channel_.writes.empty());
  EXPECT_EQ(channel_.checkedPorts, std::vector<std::string>{"/dev/fake"});
}

TEST_F(TransferSessionTest, MalformedRecordsEndTheTransferWithTheSequencesMessage) {
  // A write that refuses to start does not even look at the port.
  sequence_.refusal = "Nothing was written to the radio.";
  Begin();
  EXPECT_EQ(finished_.count(), 0) << "never from inside Start()";
  QCoreApplication::processEvents();
  EXPECT_EQ(OnlyOutcome(), Outcome::MalformedRecord);
  EXPECT_EQ(OnlyMessage(), "Nothing was written to the radio.");
  EXPECT_TRUE(channel_.checkedPorts.empty());
  EXPECT_EQ(channel_.openCount, 0);
  EXPECT_TRUE(channel_.writes.empty());

  // A read that meets a malformed record stops there and closes the port.
  CountingSequence reading(5);
  QSignalSpy finished(&session_, &TransferSession::finished);
  ASSERT_TRUE(session_.Start(reading, QStringLiteral("/dev/fake")));
  channel_.Deliver("R0\r");
  channel_.Deliver("!\r");
  ASSERT_EQ(finished.count(), 1);
  EXPECT_EQ(finished.first().at(0).value<Outcome>(), Outcome::MalformedRecord);
  EXPECT_EQ(finished.first().at(1).toString(), "malformed reply");
  EXPECT_EQ(channel_.Commands(), (std::vector<std::string>{"C0\r", "C1\r"}));
  EXPECT_FALSE(channel_.IsOpen());
}

TEST_F(TransferSessionTest, SerialErrorsEndTheTransferWithTheirText) {
  struct Case {
    const char* name;
    std::function<void(FakeChannel&)> arrange;
    std::function<void(FakeChannel&)> act;
    const char* text;
    const char* detail;  // how the line after the text begins
  };
  const char* const kMissing = "/dev/fake does not exist; ";
  const char* const kFailed = "The line to /dev/fake failed during the transfer; check that the ";
  const std::vector<Case> cases{
      {"open", [](FakeChannel& c) { c.openError = kCommOpenInvalidHandle; }, [](FakeChannel&) {},
       kCommOpenInvalidHandle, kMissing},
      {"second write", [](FakeChannel& c) { c.failWriteAt = 3; },
       [](FakeChannel& c) { c.Deliver("R0\r"); }, kCommTooMuchWriteData, kFailed},
      {"line", [](FakeChannel&) {},
       [](FakeChannel& c) { c.FailLine("Communication Read Error  ErrorMask=9"); },
       "Communication Read Error  ErrorMask=9", kFailed},
      {"line, failing again at close",
       [](FakeChannel& c) { c.lineErrorOnClose = "Communication Read Error  ErrorMask=6"; },
       [](FakeChannel& c) { c.FailLine("Communication Read Error  ErrorMask=6"); },
       "Communication Read Error  ErrorMask=6", kFailed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeChannel channel;
    ManualClock clock;
    CountingSequence sequence(3);
    TransferSession session(channel, clock);
    QSignalSpy finished(&session, &TransferSession::finished);
    c.arrange(channel);
    ASSERT_TRUE(session.Start(sequence, QStringLiteral("/dev/fake")));
    c.act(channel);
    QCoreApplication::processEvents();
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(finished.first().at(0).value<Outcome>(), Outcome::CommError);
    const QString message = finished.first().at(1).toString();
    EXPECT_TRUE(message.startsWith(QString::fromLatin1(c.text) + "\n" + c.detail))
        << message.toStdString();
    EXPECT_FALSE(channel.IsOpen());
    clock.Advance(10000);
    EXPECT_EQ(finished.count(), 1);
  }
}

TEST_F(TransferSessionTest, PortIsReusableAtOnceAndBusySessionRefusesStart) {
  Begin();
  CountingSequence other(1);
  EXPECT_FALSE(session_.Start(other, QStringLiteral("/dev/fake")));
  clock_.Advance(2000);
  ASSERT_TRUE(session_.Start(other, QStringLiteral("/dev/fake")));
  channel_.Deliver("R\r");
  EXPECT_EQ(finished_.count(), 2);
  EXPECT_EQ(finished_.last().at(0).value<Outcome>(), Outcome::Completed);
  EXPECT_EQ(channel_.openCount, 2);
  EXPECT_EQ(channel_.closeCount, 2);
}

TEST_F(TransferSessionTest, RefusedCommandsAreSummarisedAfterAWrite) {
  ASSERT_TRUE(session_.Start(sequence_, QStringLiteral("/dev/fake"), [] {
    return TransferSession::Rejections{3, "MW 0,005,00145000000"};
  }));
  for (const char* reply : {"R0\r", "R1\r", "R2\r"}) channel_.Deliver(reply);
  EXPECT_EQ(OnlyOutcome(), Outcome::Completed);
  EXPECT_EQ(OnlyMessage(),
            "The radio did not accept 3 commands.\nThe first was \"MW 0,005,00145000000\".\n"
            "Please check the radio and try again.");
}

TEST_F(TransferSessionTest, RefusalsCountedByTheSequenceItselfAreReported) {
  class RefusingSequence : public CountingSequence {
   public:
    RefusingSequence() : CountingSequence(1) {}
    int RejectedCount() const override { return 1; }
    std::string FirstRejectedCommand() const override { return "DM 03,12EF"; }
  } refusing;
  ASSERT_TRUE(session_.Start(refusing, QStringLiteral("/dev/fake")));
  channel_.Deliver("N\r");
  EXPECT_EQ(OnlyOutcome(), Outcome::Completed);
  EXPECT_TRUE(
      OnlyMessage().startsWith("The radio did not accept 1 command.\n"
                               "The first was \"DM 03,12EF\"."))
      << OnlyMessage().toStdString();
}

TEST(RejectedCommandsMessage, QuotesTheCommandEscapedAndShort) {
  EXPECT_EQ(TransferSession::RejectedCommandsMessage(1, "PC 0,1"),
            "The radio did not accept 1 command.\nThe first was \"PC 0,1\".\n"
            "Please check the radio and try again.");
  const QString odd = TransferSession::RejectedCommandsMessage(2, std::string("MNA 0\x01\xff", 7));
  EXPECT_TRUE(odd.contains("\"MNA 0\\x01\\xff\"")) << odd.toStdString();
  const QString longOne = TransferSession::RejectedCommandsMessage(2, std::string(200, 'X'));
  EXPECT_TRUE(longOne.contains(QString(40, 'X') + "...\"")) << longOne.toStdString();
  EXPECT_FALSE(longOne.contains(QString(41, 'X')));
}

}  // namespace
}  // namespace quorvan
