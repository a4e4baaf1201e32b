#include "gui/mainwindow/CommentValidator.h"

#include "core/model/NameCodec.h"

namespace quorvan {

CommentValidator::CommentValidator(std::function<char()> destinationLetter, QObject* parent)
    : QValidator(parent), destinationLetter_(std::move(destinationLetter)) {}

QValidator::State CommentValidator::validate(QString& input, int& /*position*/) const {
  // Control characters would break the comment's line in the file or change on reading it back.
  for (const QChar c : input) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) return Invalid;
  }
  const QByteArray utf8 = input.toUtf8();
  const auto bytes =
      NameFromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                   destinationLetter_());
  return bytes || input.isEmpty() ? Acceptable : Invalid;
}

}  // namespace quorvan
