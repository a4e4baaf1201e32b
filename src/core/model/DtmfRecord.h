#pragma once

#include <string>
#include <string_view>

namespace quorvan {

// A DTMF memory: number, code and name separated by commas ("3,0123*#ABCD,HOME"). The name runs
// to the end of the record, commas included. Fields keep their text as it stood, so a parsed
// record is written back byte for byte.
class DtmfRecord {
 public:
  DtmfRecord() = default;  // no record
  static DtmfRecord Parse(std::string_view text);
  // The record the DTMF editor writes: the number in decimal, the code and the name.
  static DtmfRecord Make(int number, std::string_view code, std::string_view name);

  std::string Text() const;
  bool Empty() const { return text_.empty(); }

  std::string_view Number() const;  // one digit from the editor, two from paste and the radio
  std::string_view Code() const;    // up to 16 characters; "*" and "#" for the radio's E and F
  std::string_view Name() const;

 private:
  std::string text_;
  std::size_t codeStart_ = std::string::npos;  // npos: the field is missing
  std::size_t nameStart_ = std::string::npos;
};

}  // namespace quorvan
