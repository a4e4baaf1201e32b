#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>

#include "cli/StopSignals.h"

namespace quorvan {

namespace {

constexpr std::array<int, 3> kStopSignals{SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalBase = 128;

// One set of handlers at a time, as there is one transfer at a time.
int gPipe[2] = {-1, -1};
struct sigaction gPrevious[kStopSignals.size()];
bool gInstalled[kStopSignals.size()] = {};

extern "C" void OnStopSignal(int signal) {
  const char number = static_cast<char>(signal);
  [[maybe_unused]] const auto ignored = write(gPipe[1], &number, 1);
}

}  // namespace

StopSignals::StopSignals() {
  if (pipe(gPipe) != 0) {
    gPipe[0] = gPipe[1] = -1;
    return;
  }
  for (const int fd : gPipe) {
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    fcntl(fd, F_SETFD, FD_CLOEXEC);
  }
  struct sigaction action {};
  action.sa_handler = &OnStopSignal;
  sigemptyset(&action.sa_mask);
  for (std::size_t i = 0; i < kStopSignals.size(); ++i) {
    gInstalled[i] = sigaction(kStopSignals[i], &action, &gPrevious[i]) == 0;
  }
}

StopSignals::~StopSignals() {
  for (std::size_t i = 0; i < kStopSignals.size(); ++i) {
    if (gInstalled[i]) sigaction(kStopSignals[i], &gPrevious[i], nullptr);
    gInstalled[i] = false;
  }
  for (int& fd : gPipe) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
}

int StopSignals::ReadFd() const { return gPipe[0]; }

int StopSignals::TakeSignal() {
  int first = 0;
  char numbers[16];
  ssize_t got = 0;
  while (gPipe[0] >= 0 && (got = read(gPipe[0], numbers, sizeof numbers)) > 0) {
    if (first == 0) first = static_cast<unsigned char>(numbers[0]);
  }
  return first;
}

bool IsInterrupt(int signal) { return signal == SIGINT; }

int ExitStatusOfSignal(int signal) { return kSignalBase + signal; }

const char* SignalName(int signal) {
  switch (signal) {
    case SIGINT:
      return "SIGINT";
    case SIGTERM:
      return "SIGTERM";
    case SIGHUP:
      return "SIGHUP";
    default:
      return "a signal";
  }
}

}  // namespace quorvan
