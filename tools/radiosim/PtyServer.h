#pragma once

#include <csignal>
#include <ostream>
#include <string>

#include "PseudoTerminal.h"

namespace quorvan {

class RadioModel;
struct SimOptions;

// The virtual radio on its end of a pseudo-terminal: commands in, the model's replies out at the
// pace and with the faults the options ask for. The pseudo-terminal stays open for the whole
// run, so clients may close and reopen the port.
class PtyServer {
 public:
  PtyServer() = default;
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  // Creates the pseudo-terminal. False with a message when the system refuses.
  bool Open(std::string& error) { return line_.Open(error); }
  // The device the client opens ("/dev/pts/N").
  const std::string& DevicePath() const { return line_.DevicePath(); }

  // Answers commands until `stop` is set, or until the line is closed after the number of
  // commands --close-after names. Commands are logged to `log` when it is given.
  void Serve(RadioModel& model, const SimOptions& options, std::ostream* log,
             const volatile std::sig_atomic_t& stop);

 private:
  void Reply(const std::string& reply, const SimOptions& options,
             const volatile std::sig_atomic_t& stop);
  void WriteAll(const char* data, std::size_t size, const volatile std::sig_atomic_t& stop);
  void WaitUntilTaken(const volatile std::sig_atomic_t& stop);

  PseudoTerminal line_;
};

}  // namespace quorvan
