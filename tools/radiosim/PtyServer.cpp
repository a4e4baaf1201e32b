#include "PtyServer.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "CommandFramer.h"
#include "RadioModel.h"
#include "SimOptions.h"

namespace quorvan {

namespace {

constexpr int kPollIntervalMs = 50;
// Without a client the line reports a hang-up at once; wait this long before looking again.
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

void PtyServer::Serve(RadioModel& model, const SimOptions& options, std::ostream* log,
                      const volatile std::sig_atomic_t& stop) {
  CommandFramer framer;
  long received = 0;
  char buffer[512];
  while (!stop && line_.IsOpen()) {
    std::size_t count = 0;
    const PseudoTerminal::Input input =
        line_.Receive(buffer, sizeof buffer, kPollIntervalMs, count);
    if (input == PseudoTerminal::Input::NoClient) std::this_thread::sleep_for(kNoClientPause);
    if (input != PseudoTerminal::Input::Bytes) continue;  // look at `stop` again
    for (const std::string& command : framer.Feed(std::string_view(buffer, count))) {
      ++received;
      if (log != nullptr) *log << command << '\n' << std::flush;
      if (options.stopAfter >= 0 && received > options.stopAfter) continue;
      Reply(model.Answer(command), options, stop);
      if (options.closeAfter >= 0 && received >= options.closeAfter) {
        WaitUntilTaken(stop);
        line_.Close();
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

// Closing the line throws away what the client has not read yet, so the last reply would never
// arrive. Wait until the client's input queue is empty, or a while when it cannot be seen. The
// written bytes reach that queue a moment after the write, hence the short pause first.
void PtyServer::WaitUntilTaken(const volatile std::sig_atomic_t& stop) {
  SleepUnlessStopped(std::chrono::milliseconds(kPollIntervalMs), stop);
  if (line_.UnreadByClient() < 0) {
    SleepUnlessStopped(kLastReplyGrace, stop);
    return;
  }
  for (int waitedMs = 0; waitedMs < kWriteGiveUpMs && !stop; waitedMs += kPollIntervalMs) {
    if (line_.UnreadByClient() <= 0) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollIntervalMs));
  }
}

// Writes what the line takes; bytes nobody reads within a while are dropped, as on a cable.
void PtyServer::WriteAll(const char* data, std::size_t size,
                         const volatile std::sig_atomic_t& stop) {
  int waitedMs = 0;
  while (size > 0 && !stop && line_.IsOpen() && waitedMs < kWriteGiveUpMs) {
    std::size_t sent = 0;
    if (!line_.Send(data, size, sent)) return;
    if (sent > 0) {
      data += sent;
      size -= sent;
      continue;
    }
    line_.WaitForRoom(kPollIntervalMs);
    waitedMs += kPollIntervalMs;
  }
}

}  // namespace quorvan
