#pragma once

#include <cstddef>
#include <string>

namespace quorvan {

// The virtual radio's end of a pseudo-terminal, raw (no echo, no CR/LF translation, 8-bit
// clean) so that the client sees bytes as a radio sends them. The client opens the other end,
// DevicePath, like a serial port, and may close and open it again while this end stays open.
// One file per system that has them (posix/).
class PseudoTerminal {
 public:
  enum class Input { Bytes, Nothing, NoClient };

  PseudoTerminal() = default;
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  // False with a message when the system refuses one.
  bool Open(std::string& error);
  bool IsOpen() const { return handle_ >= 0; }
  void Close();
  // The device the client opens ("/dev/pts/N").
  const std::string& DevicePath() const { return path_; }

  // Waits up to `milliseconds` for the client's bytes and takes up to `size` of them (`got`).
  // NoClient: nobody has the device open, or the client has just closed it.
  Input Receive(char* buffer, std::size_t size, int milliseconds, std::size_t& got);
  // Writes what the line takes at once (`sent`, maybe 0); false when the line failed.
  bool Send(const char* data, std::size_t size, std::size_t& sent);
  // Waits up to `milliseconds` for the line to take more.
  void WaitForRoom(int milliseconds);
  // How many written bytes the client has not read yet, looked at through a second handle on
  // its end; -1 when that cannot be seen (the client holds the device exclusively).
  int UnreadByClient() const;

 private:
  int handle_ = -1;
  std::string path_;
};

}  // namespace quorvan
