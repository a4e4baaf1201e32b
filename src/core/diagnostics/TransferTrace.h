#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvan {

// What went over the line during transfers, for a bug report: a heading and the facts of each
// transfer (port, settings, adapter), then every command and reply and what happened to the
// port, each on a line of its own with the milliseconds since the transfer began:
//
//   Transfer 1: Read
//   Port: /dev/ttyUSB0, 9600 bit/s, ...
//        0 ms  open
//        3 ms  > "VOX 0\r"
//       41 ms  < "VOX 0\r"
//
// Bytes are written as the inside of a C string (EscapeReversibly), so a line can be pasted
// anywhere and the bytes told back exactly. Sent and received bytes are split into lines after
// each CR; bytes without a CR are held until one comes or the port closes. The trace keeps its
// newest lines within a bound and says how many older ones it let go.
class TransferTrace {
 public:
  // Milliseconds of a steady clock.
  using Clock = std::function<long long()>;

  static constexpr std::size_t kMaxLines = 20000;
  static constexpr std::size_t kMaxTextBytes = 4 * 1024 * 1024;
  // Bytes of one direction held without a CR before they are written out as a line anyway.
  static constexpr std::size_t kMaxPendingBytes = 256;

  // The system's steady clock.
  TransferTrace();
  explicit TransferTrace(Clock clock);

  // Starts the next transfer: its heading ("Transfer 2", then ": " and the title when given),
  // the lines of its facts, and a new time base.
  void BeginTransfer(std::string_view title, const std::vector<std::string>& facts);
  void Sent(std::string_view bytes);
  void Received(std::string_view bytes);
  // Something that happened to the port or the transfer ("open", "end: ..."); held bytes are
  // written out first.
  void Note(std::string_view text);

  int TransferCount() const { return transfers_; }
  bool Empty() const { return lines_.empty() && dropped_ == 0; }
  // Every line kept, each ended by a line break.
  std::string Text() const;

 private:
  struct Pending {
    char direction;
    std::string bytes;
    long long at = 0;
  };

  long long Elapsed() const;
  void Take(Pending& pending, std::string_view bytes);
  void Flush(Pending& pending);
  void AddTimed(long long at, std::string_view text);
  void AddLine(std::string line);

  Clock clock_;
  long long start_ = 0;
  int transfers_ = 0;
  Pending sent_{'>', {}, 0};
  Pending received_{'<', {}, 0};
  std::deque<std::string> lines_;
  std::size_t textBytes_ = 0;
  std::size_t dropped_ = 0;
};

}  // namespace quorvan
