#include "io/session/TransferSession.h"

#include <QMetaObject>
#include <string>
#include <utility>

#include "core/messages/MessagePatterns.h"
#include "core/messages/Messages.h"
#include "core/model/EscapedText.h"
#include "io/serial/ECommError.h"
#include "io/serial/PortAdvice.h"
#include "io/session/QtTransferClock.h"

namespace quorvan {

namespace {

QString ToMessage(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One reply event takes at most this many bytes: a runaway line cannot keep the loop busy.
constexpr std::uint32_t kMaxBytesPerReply = 16 * 1024;
constexpr std::uint32_t kReadChunk = 4096;
constexpr std::size_t kMaxQuotedCommand = 40;

QString CommErrorText(const ECommError& error) { return QString::fromStdString(error.what()); }

}  // namespace

TransferSession::TransferSession(ByteChannel& channel, QObject* parent)
    : QObject(parent), channel_(channel), ownClock_(std::make_unique<QtTransferClock>()) {
  Construct(*ownClock_);
}

TransferSession::TransferSession(ByteChannel& channel, TransferClock& clock, QObject* parent)
    : QObject(parent), channel_(channel) {
  Construct(clock);
}

void TransferSession::Construct(TransferClock& clock) {
  replyTimer_ = clock.CreateTimer([this] { OnReplyTimeout(); });
  cancelTimer_ = clock.CreateTimer([this] { OnCancelGraceOver(); });
  channel_.SetReplyHandler([this](std::uint32_t) { OnReply(); });
  channel_.SetLineErrorHandler([this](const std::string& text) { OnLineError(text); });
}

TransferSession::~TransferSession() {
  channel_.SetReplyHandler({});
  channel_.SetLineErrorHandler({});
  if (running_) channel_.Close();
}

QString TransferSession::MessageFor(Outcome outcome) {
  switch (outcome) {
    case Outcome::InvalidPort:
      return ToMessage(kComPortInvalidMessage);
    case Outcome::InvalidRadio:
      return ToMessage(kRadioInvalidMessage);
    case Outcome::TimedOut:
      return ToMessage(kTimeoutMessage);
    case Outcome::Completed:
    case Outcome::Cancelled:
    case Outcome::CommError:
    case Outcome::MalformedRecord:
      break;
  }
  return {};
}

QString TransferSession::RejectedCommandsMessage(int count, const std::string& firstCommand) {
  // The command comes from the document; show it escaped and short.
  QString quoted =
      QString::fromStdString(EscapeUnprintable(firstCommand.substr(0, kMaxQuotedCommand)));
  if (firstCommand.size() > kMaxQuotedCommand) quoted += QStringLiteral("...");
  const std::string first = quoted.toStdString();
  return QString::fromStdString(
      count == 1 ? FillIn(pattern::kRejectedOneCommand, {first})
                 : FillIn(pattern::kRejectedCommands, {std::to_string(count), first}));
}

bool TransferSession::Start(TransferSequence& sequence, const QString& portName,
                            RejectionProbe probe) {
  if (running_) return false;
  running_ = true;
  finishing_ = false;
  waiting_ = false;
  sequence_ = &sequence;
  probe_ = std::move(probe);
  portName_ = portName;
  outcome_ = Outcome::Completed;
  message_.clear();
  emit progress(0, 0);

  const SequenceAction first = sequence.Start();
  if (first.kind == SequenceAction::Kind::MalformedRecord) {
    FinishLater(Outcome::MalformedRecord, QString::fromStdString(first.message));
    return true;
  }
  const std::string name = portName.toStdString();
  if (!channel_.CheckPortValid(name)) {
    FinishLater(Outcome::InvalidPort,
                WithPortAccessAdvice(MessageFor(Outcome::InvalidPort), portName));
    return true;
  }
  try {
    channel_.SetPortName(name);
    channel_.Open();
  } catch (const ECommError& error) {
    FinishLater(Outcome::CommError, WithPortAccessAdvice(CommErrorText(error), portName));
    return true;
  }
  Perform(first);
  return true;
}

void TransferSession::Cancel() {
  if (!running_ || finishing_ || sequence_->CancelRequested()) return;
  replyTimer_->Stop();
  sequence_->Cancel();
  cancelTimer_->Start(kCancelGraceMs);
}

void TransferSession::Resume() {
  if (!running_ || finishing_ || !waiting_) return;
  waiting_ = false;
  if (sequence_->CancelRequested()) {
    Finish(Outcome::Cancelled, {});
    return;
  }
  const SequenceAction action = sequence_->Resume();
  EmitProgress();
  Perform(action);
}

void TransferSession::OnReply() {
  // Bytes that come while the sequence waits stay waiting for the reply they belong with.
  if (!running_ || finishing_ || waiting_) return;
  replyTimer_->Stop();
  std::string bytes;
  try {
    bytes = TakeWaitingBytes();
  } catch (const ECommError& error) {
    Finish(Outcome::CommError, WithLineFailureAdvice(CommErrorText(error)));
    return;
  }
  const SequenceAction action = sequence_->OnReply(bytes);
  EmitProgress();
  Perform(action);
}

std::string TransferSession::TakeWaitingBytes() {
  std::string bytes;
  for (;;) {
    const std::int32_t waiting = channel_.CountInBuff();
    if (waiting <= 0 || bytes.size() >= kMaxBytesPerReply) break;
    const auto want = std::min<std::uint32_t>(static_cast<std::uint32_t>(waiting), kReadChunk);
    const std::string chunk = channel_.ReadStringData(want);
    if (chunk.empty()) break;  // the channel reported bytes it could not deliver
    bytes += chunk;
  }
  if (bytes.size() > kMaxBytesPerReply) bytes.resize(kMaxBytesPerReply);
  return bytes;
}

void TransferSession::Perform(const SequenceAction& action) {
  switch (action.kind) {
    case SequenceAction::Kind::Send:
      if (sequence_->CancelRequested()) {
        // A sequence must not go on after Cancel; end here rather than send anything more.
        Finish(Outcome::Cancelled, {});
        return;
      }
      SendCommand(action.command);
      return;
    case SequenceAction::Kind::Finish:
      if (sequence_->CancelRequested()) {
        Finish(Outcome::Cancelled, {});
        return;
      }
      {
        const Rejections rejected =
            probe_ ? probe_()
                   : Rejections{sequence_->RejectedCount(), sequence_->FirstRejectedCommand()};
        if (rejected.count > 0) {
          Finish(Outcome::Completed,
                 RejectedCommandsMessage(rejected.count, rejected.firstCommand));
          return;
        }
      }
      Finish(Outcome::Completed, {});
      return;
    case SequenceAction::Kind::InvalidRadio:
      // What the radio answered goes on the line after the fixed text.
      Finish(Outcome::InvalidRadio, action.message.empty()
                                        ? MessageFor(Outcome::InvalidRadio)
                                        : MessageFor(Outcome::InvalidRadio) + QLatin1Char('\n') +
                                              QString::fromStdString(action.message));
      return;
    case SequenceAction::Kind::MalformedRecord:
      Finish(Outcome::MalformedRecord, QString::fromStdString(action.message));
      return;
    case SequenceAction::Kind::Wait:
      waiting_ = true;
      return;
  }
}

void TransferSession::SendCommand(const std::string& command) {
  try {
    // The text and its CR go out as two writes.
    channel_.WriteData(command);
    channel_.WriteData("\r");
  } catch (const ECommError& error) {
    Finish(Outcome::CommError, WithLineFailureAdvice(CommErrorText(error)));
    return;
  }
  if (running_ && !finishing_) replyTimer_->Start(replyTimeoutMs_);
}

void TransferSession::OnLineError(const std::string& text) {
  if (!running_ || finishing_) return;
  Finish(Outcome::CommError, WithLineFailureAdvice(QString::fromStdString(text)));
}

QString TransferSession::WithLineFailureAdvice(const QString& message) const {
  return message + QLatin1Char('\n') + LineFailureAdvice(portName_);
}

void TransferSession::OnReplyTimeout() {
  if (!running_ || finishing_) return;
  Finish(Outcome::TimedOut,
         MessageFor(Outcome::TimedOut) + QLatin1Char('\n') + TimeoutAdvice(portName_));
}

void TransferSession::OnCancelGraceOver() {
  if (!running_ || finishing_) return;
  Finish(Outcome::Cancelled, {});
}

void TransferSession::EmitProgress() {
  const int maximum = sequence_->ProgressMaximum();
  const int position = std::min(sequence_->ProgressPosition(), maximum);
  emit progress(position < 0 ? 0 : position, maximum);
}

void TransferSession::Finish(Outcome outcome, const QString& message) {
  replyTimer_->Stop();
  cancelTimer_->Stop();
  // Not running any more before the port closes: a close can report the line failing again.
  running_ = false;
  finishing_ = false;
  waiting_ = false;
  channel_.Close();
  sequence_ = nullptr;
  probe_ = {};
  outcome_ = outcome;
  message_ = message;
  emit finished(outcome, message);
}

void TransferSession::FinishLater(Outcome outcome, const QString& message) {
  finishing_ = true;
  QMetaObject::invokeMethod(
      this, [this, outcome, message] { Finish(outcome, message); }, Qt::QueuedConnection);
}

}  // namespace quorvan
