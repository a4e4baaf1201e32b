#include "PtyServer.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "CommandFramer.h"
#include "RadioModel.h"
#include "SimOptions.h"

namespace quorvan {

namespace {

constexpr int kPollIntervalMs = 50;
// Without a client the master reports hang-up at once; wait this long before looking again.
constexpr auto kNoClientPause = std::chrono::milliseconds(20);
constexpr auto kSplitPause = std::chrono::milliseconds(30);
constexpr int kWriteGiveUpMs = 2000;
constexpr auto kLastReplyGrace = std::chrono::milliseconds(300);

void SleepUnlessStopped(std::chrono::nanoseconds duration, const volatile std::sig_atomic_t& stop) {
  const auto until = std::chrono::steady_clock::now() + duration;
  while (!stop) {
    const auto now = std::chrono::steady_clock::now();
    if (now >= until) return;
    std::this_thread::sleep_for(std::min<std::chrono::nanoseconds>(
        until - now, std::chrono::milliseconds(kPollIntervalMs)));
  }
}

}  // namespace

PtyServer::~PtyServer() { Close(); }

void PtyServer::Close() {
  if (master_ >= 0) ::close(master_);
  master_ = -1;
}

bool PtyServer::Open(std::string& error) {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0) {
    error = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    return false;
  }
  char name[256] = {};
  if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
      ::ptsname_r(master_, name, sizeof name) != 0) {
    error = std::string("cannot prepare the pseudo-terminal: ") + std::strerror(errno);
    Close();
    return false;
  }
  // Raw: no echo, no CR/LF translation, 8-bit clean, so the client sees bytes as a radio sends.
  termios settings{};
  if (::tcgetattr(master_, &settings) == 0) {
    ::cfmakeraw(&settings);
    ::tcsetattr(master_, TCSANOW, &settings);
  }
  const int flags = ::fcntl(master_, F_GETFL);
  if (flags >= 0) ::fcntl(master_, F_SETFL, flags | O_NONBLOCK);
  path_ = name;
  return true;
}

void PtyServer::Serve(RadioModel& model, const SimOptions& options, std::ostream* log,
                      const volatile std::sig_atomic_t& stop) {
  CommandFramer framer;
  long received = 0;
  char buffer[512];
  while (!stop && master_ >= 0) {
    pollfd watch{master_, POLLIN, 0};
    const int ready = ::poll(&watch, 1, kPollIntervalMs);
    if (ready <= 0) continue;  // timeout or a signal: look at `stop` again
    if ((watch.revents & POLLIN) == 0) {
      std::this_thread::sleep_for(kNoClientPause);  // no client has the port open
      continue;
    }
    const ssize_t count = ::read(master_, buffer, sizeof buffer);
    if (count <= 0) {
      // EIO: the client closed the port; it may open it again.
      if (count < 0 && errno != EAGAIN && errno != EINTR)
        std::this_thread::sleep_for(kNoClientPause);
      continue;
    }
    for (const std::string& command :
         framer.Feed(std::string_view(buffer, static_cast<std::size_t>(count)))) {
      ++received;
      if (log != nullptr) *log << command << '\n' << std::flush;
      if (options.stopAfter >= 0 && received > options.stopAfter) continue;
      Reply(model.Answer(command), options, stop);
      if (options.closeAfter >= 0 && received >= options.closeAfter) {
        WaitUntilTaken(stop);
        Close();
        return;
      }
    }
  }
}

void PtyServer::Reply(const std::string& reply, const SimOptions& options,
                      const volatile std::sig_atomic_t& stop) {
  if (options.delayMs > 0) SleepUnlessStopped(std::chrono::milliseconds(options.delayMs), stop);
  const std::string line = reply + '\r';
  if (options.baud > 0) {
    const auto perByte = std::chrono::nanoseconds(10'000'000'000LL / options.baud);
    for (std::size_t i = 0; i < line.size() && !stop; ++i) {
      WriteAll(&line[i], 1, stop);
      SleepUnlessStopped(perByte, stop);
    }
    return;
  }
  if (options.split && line.size() > 1) {
    const std::size_t half = line.size() / 2;
    WriteAll(line.data(), half, stop);
    SleepUnlessStopped(kSplitPause, stop);
    WriteAll(line.data() + half, line.size() - half, stop);
    return;
  }
  WriteAll(line.data(), line.size(), stop);
}

// Closing the master throws away what the client has not read yet, so the last reply would
// never arrive. Wait until the client's input queue is empty (looked at through a second handle
// on the device), or a while when the client holds the device exclusively. The written bytes
// reach that queue a moment after the write, hence the short pause first.
void PtyServer::WaitUntilTaken(const volatile std::sig_atomic_t& stop) {
  SleepUnlessStopped(std::chrono::milliseconds(kPollIntervalMs), stop);
  const int peer = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
  if (peer < 0) {
    SleepUnlessStopped(kLastReplyGrace, stop);
    return;
  }
  for (int waitedMs = 0; waitedMs < kWriteGiveUpMs && !stop; waitedMs += kPollIntervalMs) {
    int waiting = 0;
    if (::ioctl(peer, FIONREAD, &waiting) != 0 || waiting == 0) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollIntervalMs));
  }
  ::close(peer);
}

// Writes what the line takes; bytes nobody reads within a while are dropped, as on a cable.
void PtyServer::WriteAll(const char* data, std::size_t size,
                         const volatile std::sig_atomic_t& stop) {
  int waitedMs = 0;
  while (size > 0 && !stop && master_ >= 0 && waitedMs < kWriteGiveUpMs) {
    const ssize_t written = ::write(master_, data, size);
    if (written > 0) {
      data += written;
      size -= static_cast<std::size_t>(written);
      continue;
    }
    if (written < 0 && errno != EAGAIN && errno != EINTR) return;
    pollfd watch{master_, POLLOUT, 0};
    ::poll(&watch, 1, kPollIntervalMs);
    waitedMs += kPollIntervalMs;
  }
}

}  // namespace quorvan
