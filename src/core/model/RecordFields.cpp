#include "core/model/RecordFields.h"

namespace quorvan {

namespace {

// Offset of the first character of field n, or npos when the record has fewer fields.
std::size_t FieldStart(std::string_view record, int n) {
  if (n < 0) return std::string_view::npos;
  std::size_t pos = 0;
  for (int k = 0; k < n; ++k) {
    const std::size_t comma = record.find(',', pos);
    if (comma == std::string_view::npos) return std::string_view::npos;
    pos = comma + 1;
  }
  return pos;
}

}  // namespace

std::string_view FieldOf(std::string_view record, int n, int lastField) {
  const std::size_t start = FieldStart(record, n);
  if (start == std::string_view::npos) return {};
  if (n == lastField) return record.substr(start);
  const std::size_t end = record.find(',', start);
  return record.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

std::string_view TextFrom(std::string_view record, int n) {
  const std::size_t start = FieldStart(record, n);
  if (start == std::string_view::npos) return {};
  return record.substr(start);
}

}  // namespace quorvan
