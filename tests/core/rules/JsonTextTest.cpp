#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QString>

#include "core/rules/JsonText.h"

namespace quorvan {
namespace {

// Whatever the bytes, the literal parses, and to the text they hold.
TEST(JsonString, AnyBytesGiveALiteralThatParsesToTheirText) {
  const struct {
    std::string bytes;
    QString parsed;
  } cases[] = {
      {"", ""},
      {"HOME", "HOME"},
      {"a\"b\\c/d", "a\"b\\c/d"},
      {"line\nbreak\r\ttab", "line\nbreak\r\ttab"},
      {std::string("\x00\x01\x1f\x7f", 4), QString::fromUtf16(u"\u0000\u0001\u001f\u007f", 4)},
      {"\xC3\x80\xC3\x89 \xEF\xBD\xB1 \xF0\x9F\x93\xBB", QString::fromUtf8("ÀÉ ｱ 📻")},
      {"\xFF"
       "A\xC3",
       QString::fromUtf16(u"\uFFFDA\uFFFD")},
      {"\xED\xA0\x80", QString::fromUtf16(u"\uFFFD\uFFFD\uFFFD")},  // a surrogate is not UTF-8
  };
  for (const auto& c : cases) {
    const std::string literal = JsonString(c.bytes);
    SCOPED_TRACE(literal);
    QJsonParseError error{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString("[" + literal + "]"), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(document.array().at(0).toString(), c.parsed);
    for (const char byte : literal) EXPECT_GE(static_cast<unsigned char>(byte), 0x20);
  }
}

}  // namespace
}  // namespace quorvan
