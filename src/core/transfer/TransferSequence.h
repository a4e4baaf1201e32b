#pragma once

#include <string>
#include <string_view>

namespace quorvan {

// What the next read or write transfers.
enum class TransferScope { All = 0, Memory = 1, Menu = 2 };

// What a sequence wants done next.
struct SequenceAction {
  enum class Kind {
    Send,    // write `command` followed by one CR, then wait for the reply
    Finish,  // the transfer is complete (or was cancelled): close the port
    // "The radio is invalid.\nPlease check and try again."; `message` says what the radio
    // answered.
    InvalidRadio,
    // A record is malformed: one the radio sent (the read stops before storing it) or one the
    // document holds (the write refuses to start). `message` says which and what is wrong.
    MalformedRecord,
    // Nothing to send yet: the sequence waits on work of its own (its journal being kept) and
    // its owner calls the driver's Resume once that is done. No reply is awaited meanwhile.
    Wait,
  };
  Kind kind = Kind::Finish;
  std::string command;  // without the CR; only for Send
  std::string message;  // only for InvalidRadio and MalformedRecord

  static SequenceAction Send(std::string text) { return {Kind::Send, std::move(text), {}}; }
  static SequenceAction Finish() { return {Kind::Finish, {}, {}}; }
  static SequenceAction Invalid(std::string detail) {
    return {Kind::InvalidRadio, {}, std::move(detail)};
  }
  static SequenceAction Malformed(std::string text) {
    return {Kind::MalformedRecord, {}, std::move(text)};
  }
  static SequenceAction Wait() { return {Kind::Wait, {}, {}}; }
};

// A read or write exchange with the radio as a plain state machine: one command outstanding
// at a time; each reply event hands over every byte that was waiting when a CR arrived.
// The driver (TransferSession, tests, fuzzers) owns the port and the timers.
class TransferSequence {
 public:
  virtual ~TransferSequence() = default;

  // The first command ("VOX 0").
  virtual SequenceAction Start() = 0;
  // All bytes waiting at the reply event (CRs included, possibly several replies' worth).
  virtual SequenceAction OnReply(std::string_view waitingBytes) = 0;
  // After a Wait: what to do now that the work waited on is done.
  virtual SequenceAction Resume() { return SequenceAction::Finish(); }
  // After Cancel the next reply finishes the sequence without sending anything further.
  virtual void Cancel() = 0;
  virtual bool CancelRequested() const = 0;

  virtual int ProgressMaximum() const = 0;
  virtual int ProgressPosition() const = 0;

  // Diagnostics: the code of the step now outstanding and the last command sent (without CR).
  virtual int StepCode() const { return -1; }
  virtual std::string LastCommand() const { return {}; }
  // What the exchange is busy with, for the progress dialog ("Memory channels", "Checking 3
  // items"); empty when there is nothing to tell.
  virtual std::string Activity() const { return {}; }
  // Replies that did not begin with their command's header (the radio refused the command):
  // how many, and the first such command. Only a write counts them.
  virtual int RejectedCount() const { return 0; }
  virtual std::string FirstRejectedCommand() const { return {}; }
};

}  // namespace quorvan
