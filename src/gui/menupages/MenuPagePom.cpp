#include "gui/menupages/MenuPagePom.h"

#include <QEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "core/messages/Messages.h"
#include "core/model/NameCharset.h"
#include "core/model/NameCodec.h"
#include "gui/common/MessageService.h"

namespace quorvan {

std::optional<std::string> PowerOnMessageBytes(const QString& text, char destinationLetter) {
  std::optional<std::string> bytes = NameFromUtf8(text.toStdString(), destinationLetter);
  if (!bytes || !IsValidName(*bytes, destinationLetter)) return std::nullopt;
  return bytes;
}

MenuPagePomKeyFilter::MenuPagePomKeyFilter(std::function<char()> destinationLetter,
                                           MessageService& messages, QObject* parent)
    : QObject(parent), destinationLetter_(std::move(destinationLetter)), messages_(messages) {}

bool MenuPagePomKeyFilter::Refuse(const QString& typed) {
  // Editing and shortcut keys arrive as control characters; they are the field's business.
  for (const QChar c : typed) {
    if (c.category() == QChar::Other_Control) return false;
  }
  if (typed.isEmpty() || PowerOnMessageBytes(typed, destinationLetter_())) return false;
  messages_.Information(MessageText(kInvalidCharacterMessage));
  return true;
}

bool MenuPagePomKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) return true;
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
      return QObject::eventFilter(watched, event);
    }
    if (Refuse(key->text())) return true;
  } else if (event->type() == QEvent::InputMethod) {
    // A composed character (a katakana or kanji from an input method) is one typed character.
    const auto* input = static_cast<QInputMethodEvent*>(event);
    if (Refuse(input->commitString())) return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace quorvan
