#pragma once

namespace quorvan {

// SIGINT (Ctrl+C), SIGTERM (`timeout`, a service manager, a shutdown) and SIGHUP (a closed
// terminal) while a transfer runs: each handler only writes the signal's number into a pipe,
// whose reading end the transfer's event loop watches, so the transfer stops between two
// commands as the dialog's Cancel button stops it. The previous handlers come back when the
// object goes. Made in one file per system (posix/); the rest of quorvan-cli sees only the
// pipe and the signal's number.
class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The descriptor that becomes readable when a signal arrived; -1 when none could be set up.
  int ReadFd() const;
  // The signal that arrived since the last call (the first of several), or 0.
  int TakeSignal();
};

// Whether it was Ctrl+C, which a user means as Cancel rather than as a request to end.
bool IsInterrupt(int signal);

// The exit status a shell reports for a program a signal ended: 130 for SIGINT, 143 for
// SIGTERM, 129 for SIGHUP.
int ExitStatusOfSignal(int signal);

// "SIGTERM" and the like, for a message.
const char* SignalName(int signal);

}  // namespace quorvan
