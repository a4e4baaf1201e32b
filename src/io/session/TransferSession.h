#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "core/transfer/ByteChannel.h"
#include "core/transfer/TransferClock.h"
#include "core/transfer/TransferSequence.h"

namespace quorvan {

// Drives one read or write sequence over a byte channel: sends each command with its CR, waits
// for the reply event, guards every command with the reply timeout and Cancel with its grace
// period. Reply handling, the timers and Cancel all run on the thread that owns the session,
// one after another, so the sequence needs no locks. The port is closed at every end.
class TransferSession : public QObject {
  Q_OBJECT

 public:
  // MalformedRecord: the radio sent one (a read), or the document holds one (a write, which
  // then sends nothing); the finished() message names it.
  enum class Outcome {
    Completed,
    Cancelled,
    TimedOut,
    InvalidRadio,
    InvalidPort,
    CommError,
    MalformedRecord
  };
  Q_ENUM(Outcome)

  // Commands the radio answered with a refusal (a write reports these after it completes).
  struct Rejections {
    int count = 0;
    std::string firstCommand;
  };
  using RejectionProbe = std::function<Rejections()>;

  static constexpr int kReplyTimeoutMs = 2000;  // Timer1
  static constexpr int kCancelGraceMs = 300;    // Timer3

  // Timers from the Qt event loop.
  explicit TransferSession(ByteChannel& channel, QObject* parent = nullptr);
  // Timers from `clock` (tests move it by hand). The clock must outlive the session.
  TransferSession(ByteChannel& channel, TransferClock& clock, QObject* parent = nullptr);
  ~TransferSession() override;

  // Checks and opens `portName`, then runs `sequence` (which must outlive the transfer) until it
  // finishes. A sequence that refuses to start (a write of a malformed document) ends the
  // transfer before the port is touched. finished() is never emitted from inside Start(): a
  // refusal or a port that cannot be used is reported from the event loop, so a caller may
  // connect or show a dialog after Start().
  // After a completed transfer the commands the radio refused are reported in the finished()
  // message; they are asked of the sequence (RejectedCount()), or of `probe` when given.
  // Returns false and does nothing while a transfer is running.
  bool Start(TransferSequence& sequence, const QString& portName, RejectionProbe probe = {});

  // What the dialog's Cancel does: no further command is sent; the next reply or the end of
  // the grace period finishes the transfer as Cancelled. Ignored when nothing is running.
  void Cancel();
  // After the sequence asked to wait (SequenceAction::Wait): goes on with what it does next.
  // Ignored unless the running sequence is waiting.
  void Resume();

  // How long each reply is waited for (kReplyTimeoutMs unless changed): a search for the radio
  // gives each port a shorter time. Takes effect at the next command.
  void SetReplyTimeout(int ms) { replyTimeoutMs_ = ms; }

  bool IsRunning() const { return running_; }
  Outcome LastOutcome() const { return outcome_; }
  QString LastMessage() const { return message_; }

  // The fixed text shown for an outcome ("" for Completed and Cancelled; CommError carries the
  // serial component's own text instead). The finished() message adds a line of detail after
  // it: what the radio answered, what to check after a timeout, the device and its state.
  static QString MessageFor(Outcome outcome);
  // "The radio did not accept 3 commands.\nThe first was "MW 0,005,...".\n..."
  static QString RejectedCommandsMessage(int count, const std::string& firstCommand);

 signals:
  void progress(int position, int maximum);
  void finished(quorvan::TransferSession::Outcome outcome, const QString& message);

 private:
  void Construct(TransferClock& clock);
  void OnReply();
  void OnLineError(const std::string& text);
  void OnReplyTimeout();
  void OnCancelGraceOver();
  void Perform(const SequenceAction& action);
  void SendCommand(const std::string& command);
  std::string TakeWaitingBytes();
  void EmitProgress();
  void Finish(Outcome outcome, const QString& message);
  void FinishLater(Outcome outcome, const QString& message);
  QString WithLineFailureAdvice(const QString& message) const;

  ByteChannel& channel_;
  std::unique_ptr<TransferClock> ownClock_;
  std::unique_ptr<OneShotTimer> replyTimer_;
  std::unique_ptr<OneShotTimer> cancelTimer_;
  TransferSequence* sequence_ = nullptr;
  RejectionProbe probe_;
  QString portName_;
  int replyTimeoutMs_ = kReplyTimeoutMs;
  bool running_ = false;
  bool waiting_ = false;  // on the sequence's own work: no reply is awaited
  bool finishing_ = false;
  Outcome outcome_ = Outcome::Completed;
  QString message_;
};

}  // namespace quorvan
