#pragma once

#include <string>
#include <string_view>

namespace quorvan {

// A programmable VFO range: band code and the lower and upper whole megahertz, five digits each
// ("0,00144,00147"). Fields keep their text as it stood.
class ProgramVfoRecord {
 public:
  ProgramVfoRecord() = default;  // no range
  static ProgramVfoRecord Parse(std::string_view text);
  static ProgramVfoRecord Make(int band, int lowerMhz, int upperMhz);

  std::string Text() const { return text_; }
  bool Empty() const { return text_.empty(); }

  std::string_view Band() const;
  std::string_view Lower() const;
  std::string_view Upper() const;

 private:
  std::string_view FieldAt(int n) const;
  std::string text_;
};

}  // namespace quorvan
