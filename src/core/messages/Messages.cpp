#include "core/messages/Messages.h"

#include "core/model/EscapedText.h"

namespace quorvan {

std::string WithDetail(std::string_view text, std::string_view detail) {
  std::string message(text);
  message += '\n';
  message += EscapeControls(detail);
  return message;
}

std::string FileNotWrittenMessage(std::string_view reason) {
  return "The file could not be written: " + EscapeControls(reason);
}

}  // namespace quorvan
