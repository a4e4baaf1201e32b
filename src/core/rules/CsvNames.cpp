#include "core/rules/CsvNames.h"

#include <optional>

#include "core/model/EscapedText.h"
#include "core/model/NameCharset.h"
#include "core/model/NameCodec.h"

namespace quorvan {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at the start of `text`, or 0 when it is not one.
std::size_t SequenceLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF)
    length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4)
    length = 4;
  else
    return 0;
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
  }
  const auto second = static_cast<unsigned char>(text[1]);
  // Overlong forms, surrogates and code points above U+10FFFF.
  if (lead == 0xE0 && second < 0xA0) return 0;
  if (lead == 0xED && second > 0x9F) return 0;
  if (lead == 0xF0 && second < 0x90) return 0;
  if (lead == 0xF4 && second > 0x8F) return 0;
  return length;
}

// Each well-formed character of `text` as `keep` gives it back, each byte that is not part of
// one as U+FFFD.
template <typename Keep>
std::string MapCharacters(std::string_view text, Keep keep) {
  std::string shown;
  while (!text.empty()) {
    const std::size_t length = SequenceLength(text);
    if (length == 0) {
      shown += kReplacementCharacter;
      text.remove_prefix(1);
      continue;
    }
    shown += keep(text.substr(0, length));
    text.remove_prefix(length);
  }
  return shown;
}

}  // namespace

std::string NameBytesFromCell(std::string_view utf8, char destinationLetter) {
  std::string name;
  while (!utf8.empty() && name.size() < kNameCapacity) {
    const std::size_t length = SequenceLength(utf8);
    if (length == 0) {
      utf8.remove_prefix(1);
      continue;
    }
    const std::optional<std::string> bytes =
        NameFromUtf8(utf8.substr(0, length), destinationLetter);
    utf8.remove_prefix(length);
    if (bytes && bytes->size() == 1 &&
        IsNameChar(static_cast<unsigned char>((*bytes)[0]), destinationLetter)) {
      name += *bytes;
    }
  }
  return name;
}

std::string WellFormedUtf8(std::string_view text) {
  return MapCharacters(text, [](std::string_view character) { return std::string(character); });
}

std::string PrintableUtf8(std::string_view text) {
  return MapCharacters(text, [](std::string_view character) {
    // U+0080 to U+009F are control characters as well: terminals take some of them (U+009B)
    // as the start of a command.
    const bool c1Control = character.size() == 2 &&
                           static_cast<unsigned char>(character[0]) == 0xC2 &&
                           static_cast<unsigned char>(character[1]) < 0xA0;
    return c1Control ? EscapeUnprintable(character) : EscapeControls(character);
  });
}

}  // namespace quorvan
