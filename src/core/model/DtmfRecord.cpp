#include "core/model/DtmfRecord.h"

namespace quorvan {

DtmfRecord DtmfRecord::Parse(std::string_view text) {
  DtmfRecord record;
  record.text_ = std::string(text);
  const std::size_t first = text.find(',');
  if (first == std::string_view::npos) return record;
  record.codeStart_ = first + 1;
  const std::size_t second = text.find(',', first + 1);
  if (second != std::string_view::npos) record.nameStart_ = second + 1;
  return record;
}

DtmfRecord DtmfRecord::Make(int number, std::string_view code, std::string_view name) {
  std::string text = std::to_string(number);
  text += ',';
  text += code;
  text += ',';
  text += name;
  return Parse(text);
}

std::string DtmfRecord::Text() const { return text_; }

std::string_view DtmfRecord::Number() const {
  const std::string_view text(text_);
  return codeStart_ == std::string::npos ? text : text.substr(0, codeStart_ - 1);
}

std::string_view DtmfRecord::Code() const {
  if (codeStart_ == std::string::npos) return {};
  const std::string_view text(text_);
  const std::size_t end = nameStart_ == std::string::npos ? text.size() : nameStart_ - 1;
  return text.substr(codeStart_, end - codeStart_);
}

std::string_view DtmfRecord::Name() const {
  if (nameStart_ == std::string::npos) return {};
  return std::string_view(text_).substr(nameStart_);
}

}  // namespace quorvan
