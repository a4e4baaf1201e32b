#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "PseudoTerminal.h"

namespace quorvan {

PseudoTerminal::~PseudoTerminal() { Close(); }

void PseudoTerminal::Close() {
  if (handle_ >= 0) ::close(handle_);
  handle_ = -1;
}

bool PseudoTerminal::Open(std::string& error) {
  handle_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (handle_ < 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  char name[256] = {};
  if (::grantpt(handle_) != 0 || ::unlockpt(handle_) != 0 ||
      ::ptsname_r(handle_, name, sizeof name) != 0) {
    error = std::string("cannot prepare the pseudo-terminal: ") + std::strerror(errno);
    Close();
    return false;
  }
  termios settings{};
  if (::tcgetattr(handle_, &settings) == 0) {
    ::cfmakeraw(&settings);
    ::tcsetattr(handle_, TCSANOW, &settings);
  }
  const int flags = ::fcntl(handle_, F_GETFL);
  if (flags >= 0) ::fcntl(handle_, F_SETFL, flags | O_NONBLOCK);
  path_ = name;
  return true;
}

PseudoTerminal::Input PseudoTerminal::Receive(char* buffer, std::size_t size, int milliseconds,
                                              std::size_t& got) {
  got = 0;
  pollfd watch{handle_, POLLIN, 0};
  if (::poll(&watch, 1, milliseconds) <= 0) return Input::Nothing;  // a timeout or a signal
  // Without a client the master reports a hang-up at once.
  if ((watch.revents & POLLIN) == 0) return Input::NoClient;
  const ssize_t count = ::read(handle_, buffer, size);
  if (count > 0) {
    got = static_cast<std::size_t>(count);
    return Input::Bytes;
  }
  // EIO: the client closed the device; it may open it again.
  return count < 0 && errno != EAGAIN && errno != EINTR ? Input::NoClient : Input::Nothing;
}

bool PseudoTerminal::Send(const char* data, std::size_t size, std::size_t& sent) {
  sent = 0;
  const ssize_t written = ::write(handle_, data, size);
  if (written >= 0) {
    sent = static_cast<std::size_t>(written);
    return true;
  }
  return errno == EAGAIN || errno == EINTR;
}

void PseudoTerminal::WaitForRoom(int milliseconds) {
  pollfd watch{handle_, POLLOUT, 0};
  ::poll(&watch, 1, milliseconds);
}

int PseudoTerminal::UnreadByClient() const {
  const int peer = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (peer < 0) return -1;
  int waiting = 0;
  const bool seen = ::ioctl(peer, FIONREAD, &waiting) == 0;
  ::close(peer);
  return seen ? waiting : -1;
}

}  // namespace quorvan
