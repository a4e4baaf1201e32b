#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvan {

// Cuts the bytes arriving on the line into commands: everything up to a CR is one command.
// LF bytes are no part of any command and are dropped. A command longer than the radio takes
// is kept only to one byte past that length, so garbage cannot grow the buffer.
class CommandFramer {
 public:
  std::vector<std::string> Feed(std::string_view bytes);
  bool HasPartialCommand() const { return !pending_.empty(); }

 private:
  std::string pending_;
};

}  // namespace quorvan
