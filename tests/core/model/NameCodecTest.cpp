#include <gtest/gtest.h>

#include <string>

#include "core/model/NameCharset.h"
#include "core/model/NameCodec.h"

namespace quorvan {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (const int v : values) out.push_back(static_cast<char>(v));
  return out;
}

TEST(NameCharset, ByteRangesPerDestination) {
  struct Case {
    int byte;
    bool japan;
    bool others;
  };
  const Case cases[] = {
      {0x1F, false, false}, {0x20, true, true},  {0x7E, true, true},   {0x7F, false, false},
      {0x8A, false, true},  {0x8C, false, true}, {0x8B, false, false}, {0x9A, false, true},
      {0x9C, false, true},  {0x9F, false, true}, {0x9E, false, false}, {0xA0, false, false},
      {0xA1, true, false},  {0xBF, true, false}, {0xC0, true, true},   {0xD6, true, true},
      {0xD7, true, false},  {0xD8, true, true},  {0xDD, true, true},   {0xDE, true, false},
      {0xDF, true, true},   {0xE0, false, true}, {0xF6, false, true},  {0xF7, false, false},
      {0xF8, false, true},  {0xFD, false, true}, {0xFE, false, false}, {0xFF, false, true},
      {0x00, false, false},
  };
  for (const Case& c : cases) {
    const auto b = static_cast<unsigned char>(c.byte);
    EXPECT_EQ(IsNameChar(b, 'J'), c.japan) << std::hex << c.byte;
    for (const char d : {'K', 'E', 'M', 'X'}) {
      EXPECT_EQ(IsNameChar(b, d), c.others) << std::hex << c.byte << " " << d;
    }
  }
}

TEST(NameCharset, NamesHoldAtMostEightNameCharacters) {
  EXPECT_TRUE(IsValidName("", 'K'));
  EXPECT_TRUE(IsValidName("REPEATER", 'K'));
  EXPECT_FALSE(IsValidName("REPEATERS", 'K'));
  EXPECT_TRUE(IsValidName("NHK\xBB\xAF\xCE\xDF\xDB", 'J'));
  EXPECT_FALSE(IsValidName("NHK\xBB\xAF\xCE\xDF\xDB", 'K'));
  EXPECT_TRUE(IsValidName("Z\xFCrich", 'E'));
  EXPECT_FALSE(IsValidName("Z\xFCrich", 'J'));
  EXPECT_FALSE(IsValidName(std::string("AB\0C", 4), 'K'));
}

struct CodecCase {
  char destination;
  std::string bytes;
  const char* utf8;
};

TEST(NameCodec, BothDirectionsAgreeOnRepresentableNames) {
  const CodecCase cases[] = {
      {'K', "WEATHER", "WEATHER"},
      {'E', "Z\xFCrich", "Z\xC3\xBCrich"},
      {'E', Bytes({0x8A, 0x8C, 0x9A, 0x9C, 0x9F, 0xFF}),
       "\xC5\xA0\xC5\x92\xC5\xA1\xC5\x93\xC5\xB8\xC3\xBF"},
      {'M', Bytes({0x80, 0x99}), "\xE2\x82\xAC\xE2\x84\xA2"},
      // The Japanese default names: "NHK" and half-width katakana U+FF61-U+FF9F.
      {'J', Bytes({0x4E, 0x48, 0x4B, 0xBB, 0xAF, 0xCE, 0xDF, 0xDB}),
       "NHK\xEF\xBD\xBB\xEF\xBD\xAF\xEF\xBE\x8E\xEF\xBE\x9F\xEF\xBE\x9B"},
      {'J', Bytes({0xA1, 0xDF}), "\xEF\xBD\xA1\xEF\xBE\x9F"},
      {'J', "TV-1", "TV-1"},
  };
  for (const CodecCase& c : cases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(NameToUtf8(c.bytes, c.destination), c.utf8);
    const std::optional<std::string> back = NameFromUtf8(c.utf8, c.destination);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, c.bytes);
  }
}

TEST(NameCodec, UndefinedBytesShowAsReplacementCharacter) {
  EXPECT_EQ(NameToUtf8(Bytes({'A', 0x81, 'B'}), 'K'),
            "A\xEF\xBF\xBD"
            "B");
  EXPECT_EQ(NameToUtf8(Bytes({0xE0}), 'J'), "\xEF\xBF\xBD");
  EXPECT_EQ(NameToUtf8(Bytes({0xA0}), 'J'), "\xEF\xBF\xBD");
}

TEST(NameCodec, UnrepresentableOrMalformedTextFails) {
  const struct {
    char destination;
    const char* utf8;
  } cases[] = {
      {'J', "Z\xC3\xBCrich"},                             // u-umlaut has no half-width byte
      {'K', "\xEF\xBD\xBB"},                              // katakana outside Japan
      {'K', "\xE3\x81\x82"},                              // full-width hiragana anywhere
      {'J', "\xE3\x81\x82"},  {'E', "\xF0\x9F\x93\xBB"},  // beyond the basic plane
      {'E', "\xC3"},                                      // truncated sequence
      {'E', "\xC0\xA0"},                                  // overlong
      {'E', "\xED\xA0\x80"},                              // surrogate
      {'E', "\x80"},                                      // stray continuation byte
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(NameFromUtf8(c.utf8, c.destination).has_value()) << c.utf8;
  }
  EXPECT_FALSE(NameFromUtf8(std::string_view("A\0B", 3), 'K').has_value());
}

TEST(NameCodec, EveryNameCharacterSurvivesTheRoundTrip) {
  for (const char d : {'J', 'K'}) {
    for (int b = 1; b < 256; ++b) {
      const auto byte = static_cast<unsigned char>(b);
      if (!IsNameChar(byte, d)) continue;
      const std::string bytes(1, static_cast<char>(byte));
      EXPECT_EQ(NameFromUtf8(NameToUtf8(bytes, d), d), bytes) << d << " " << b;
    }
  }
}

}  // namespace
}  // namespace quorvan
