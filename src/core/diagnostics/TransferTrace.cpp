#include "core/diagnostics/TransferTrace.h"

#include <chrono>
#include <cstdio>
#include <utility>

#include "core/model/EscapedText.h"

namespace quorvan {

namespace {

long long SteadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

TransferTrace::TransferTrace() : TransferTrace(&SteadyMilliseconds) {}

TransferTrace::TransferTrace(Clock clock) : clock_(std::move(clock)) { start_ = clock_(); }

long long TransferTrace::Elapsed() const { return clock_() - start_; }

void TransferTrace::BeginTransfer(std::string_view title, const std::vector<std::string>& facts) {
  Flush(sent_);
  Flush(received_);
  ++transfers_;
  if (!lines_.empty()) AddLine({});
  std::string heading = "Transfer " + std::to_string(transfers_);
  if (!title.empty()) heading += ": " + EscapeControls(title);
  AddLine(std::move(heading));
  for (const std::string& fact : facts) AddLine(EscapeControls(fact));
  start_ = clock_();
}

void TransferTrace::Sent(std::string_view bytes) { Take(sent_, bytes); }

void TransferTrace::Received(std::string_view bytes) { Take(received_, bytes); }

void TransferTrace::Note(std::string_view text) {
  Flush(sent_);
  Flush(received_);
  AddTimed(Elapsed(), EscapeReversibly(text));
}

void TransferTrace::Take(Pending& pending, std::string_view bytes) {
  const long long now = Elapsed();
  while (!bytes.empty()) {
    if (pending.bytes.empty()) pending.at = now;
    const std::size_t room = kMaxPendingBytes - pending.bytes.size();
    const std::size_t cr = bytes.substr(0, room).find('\r');
    const std::size_t taken = cr == std::string_view::npos ? std::min(room, bytes.size()) : cr + 1;
    pending.bytes.append(bytes.substr(0, taken));
    bytes.remove_prefix(taken);
    // A line ends at its CR, which is when the command or reply was complete.
    if (cr != std::string_view::npos) pending.at = now;
    if (cr != std::string_view::npos || pending.bytes.size() >= kMaxPendingBytes) Flush(pending);
  }
}

void TransferTrace::Flush(Pending& pending) {
  if (pending.bytes.empty()) return;
  AddTimed(pending.at,
           std::string(1, pending.direction) + " \"" + EscapeReversibly(pending.bytes) + "\"");
  pending.bytes.clear();
}

void TransferTrace::AddTimed(long long at, std::string_view text) {
  char time[32];
  std::snprintf(time, sizeof time, "%8lld ms  ", at < 0 ? 0LL : at);
  AddLine(time + std::string(text));
}

void TransferTrace::AddLine(std::string line) {
  textBytes_ += line.size() + 1;
  lines_.push_back(std::move(line));
  while (!lines_.empty() && (lines_.size() > kMaxLines || textBytes_ > kMaxTextBytes)) {
    textBytes_ -= lines_.front().size() + 1;
    lines_.pop_front();
    ++dropped_;
  }
}

std::string TransferTrace::Text() const {
  std::string text;
  text.reserve(textBytes_ + 64);
  if (dropped_ > 0) {
    text += "(" + std::to_string(dropped_) + " earlier lines were not kept)\n";
  }
  for (const std::string& line : lines_) text += line + "\n";
  return text;
}

}  // namespace quorvan
