#include "CommandFramer.h"

#include "RadioModel.h"

namespace quorvan {

std::vector<std::string> CommandFramer::Feed(std::string_view bytes) {
  std::vector<std::string> commands;
  for (const char c : bytes) {
    if (c == '\r') {
      commands.push_back(std::move(pending_));
      pending_.clear();
    } else if (c != '\n' && pending_.size() <= kMaxCommandLength) {
      pending_ += c;
    }
  }
  return commands;
}

}  // namespace quorvan
