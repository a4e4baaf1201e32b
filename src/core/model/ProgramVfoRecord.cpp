#include "core/model/ProgramVfoRecord.h"

#include "core/model/RecordDigits.h"

namespace quorvan {

ProgramVfoRecord ProgramVfoRecord::Parse(std::string_view text) {
  ProgramVfoRecord record;
  record.text_ = std::string(text);
  return record;
}

ProgramVfoRecord ProgramVfoRecord::Make(int band, int lowerMhz, int upperMhz) {
  return Parse(std::to_string(band) + "," + ZeroPadded(lowerMhz, 5) + "," +
               ZeroPadded(upperMhz, 5));
}

std::string_view ProgramVfoRecord::FieldAt(int n) const {
  const std::string_view text(text_);
  std::size_t start = 0;
  for (int k = 0; k < n; ++k) {
    const std::size_t comma = text.find(',', start);
    if (comma == std::string_view::npos) return {};
    start = comma + 1;
  }
  const std::size_t end = text.find(',', start);
  return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string_view ProgramVfoRecord::Band() const { return FieldAt(0); }
std::string_view ProgramVfoRecord::Lower() const { return FieldAt(1); }
std::string_view ProgramVfoRecord::Upper() const { return FieldAt(2); }

}  // namespace quorvan
