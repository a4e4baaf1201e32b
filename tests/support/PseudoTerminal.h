#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

namespace quorvan::testing {

// The far end of a serial line: the test holds the master side, the code under test opens
// the device path of the other side.
class PseudoTerminal {
 public:
  PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    const char* name = ptsname(master_);
    if (name) path_ = name;
  }
  ~PseudoTerminal() {
    if (master_ >= 0) close(master_);
  }
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  // Hangs up the line, as a radio that is switched off or unplugged.
  void HangUp() {
    if (master_ >= 0) close(master_);
    master_ = -1;
  }

  bool IsValid() const { return !path_.empty(); }
  const std::string& Path() const { return path_; }

  bool Send(const std::string& bytes) const {
    return write(master_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  }

  // What the device side wrote, gathered until `expected` bytes came or the line went quiet.
  std::string Receive(std::size_t expected, int quietMs = 2000) const {
    std::string got;
    char buffer[512];
    while (got.size() < expected) {
      pollfd fd{master_, POLLIN, 0};
      if (poll(&fd, 1, quietMs) <= 0) break;
      const ssize_t n = read(master_, buffer, sizeof buffer);
      if (n <= 0) break;
      got.append(buffer, static_cast<std::size_t>(n));
    }
    return got;
  }

 private:
  int master_ = -1;
  std::string path_;
};

}  // namespace quorvan::testing
