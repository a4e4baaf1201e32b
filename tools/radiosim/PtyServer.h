#pragma once

#include <csignal>
#include <ostream>
#include <string>

namespace quorvan {

class RadioModel;
struct SimOptions;

// The virtual radio's end of a pseudo-terminal. The client opens the slave device like a serial
// port; the master stays open for the whole run, so clients may close and reopen the port.
class PtyServer {
 public:
  PtyServer() = default;
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  // Creates the pseudo-terminal in raw mode. False with a message when the system refuses.
  bool Open(std::string& error);
  // The slave device the client opens ("/dev/pts/N").
  const std::string& DevicePath() const { return path_; }

  // Answers commands until `stop` is set, or until the line is closed after the number of
  // commands --close-after names. Commands are logged to `log` when it is given.
  void Serve(RadioModel& model, const SimOptions& options, std::ostream* log,
             const volatile std::sig_atomic_t& stop);

 private:
  void Reply(const std::string& reply, const SimOptions& options,
             const volatile std::sig_atomic_t& stop);
  void WriteAll(const char* data, std::size_t size, const volatile std::sig_atomic_t& stop);
  void WaitUntilTaken(const volatile std::sig_atomic_t& stop);
  void Close();

  int master_ = -1;
  std::string path_;
};

}  // namespace quorvan
