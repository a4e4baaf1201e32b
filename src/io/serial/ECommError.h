#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace quorvan {

// A failure of the serial component, carrying one of its fixed texts.
class ECommError : public std::runtime_error {
 public:
  explicit ECommError(const std::string& message) : std::runtime_error(message) {}
  // The text with its "%d" replaced by `value` (the driver's error mask). The format is never
  // handed to printf, so a stray conversion in it cannot read past the arguments.
  ECommError(std::string_view format, long value) : std::runtime_error(Format(format, value)) {}

 private:
  static std::string Format(std::string_view format, long value) {
    std::string text(format);
    const auto at = text.find("%d");
    if (at != std::string::npos) text.replace(at, 2, std::to_string(value));
    return text;
  }
};

inline constexpr const char* kCommOpenInvalidHandle = "CommOpen Error,invalid HANDLE:0xFFFFFFFF";
inline constexpr const char* kCommNotStarted = "Have not started communications";
inline constexpr const char* kCommTooMuchWriteData = "Too much write data";
inline constexpr const char* kCommReadErrorFormat = "Communication Read Error  ErrorMask=%d";
inline constexpr const char* kCommWriteErrorFormat = "Communication Write Error  ErrorMask=%d";

}  // namespace quorvan
