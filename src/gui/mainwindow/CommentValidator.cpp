#include "gui/mainwindow/CommentValidator.h"

#include "core/model/NameCodec.h"
#include "core/model/RecordForm.h"

namespace quorvan {

CommentValidator::CommentValidator(std::function<char()> destinationLetter, QObject* parent)
    : QValidator(parent), destinationLetter_(std::move(destinationLetter)) {}

QValidator::State CommentValidator::validate(QString& input, int& /*position*/) const {
  // What the channel file can hold and read back as the same comment: no control character,
  // no section marker, only what the destination's coding holds.
  const QByteArray utf8 = input.toUtf8();
  const auto bytes =
      NameFromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                   destinationLetter_());
  return bytes && CommentProblem(*bytes).empty() ? Acceptable : Invalid;
}

}  // namespace quorvan
