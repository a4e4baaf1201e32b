#include "gui/editors/FieldFilters.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <memory>

#include "core/model/NameCharset.h"
#include "core/model/NameCodec.h"
#include "core/model/RecordForm.h"
#include "core/rules/EditorRules.h"
#include "core/rules/FrequencyRules.h"
#include "gui/common/MessageService.h"
#include "gui/editors/EditorText.h"

namespace quorvan {

namespace {

// Keys that carry no character, control characters and shortcuts are left to the field.
bool IsCharacterKey(const QKeyEvent* key) {
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = key->text();
  if (text.isEmpty()) return false;
  const char16_t first = text.at(0).unicode();
  return first >= 0x20 && first != 0x7F;
}

bool IsEnter(const QKeyEvent* key) {
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

std::optional<std::string> NameBytes(const QString& text, char destination) {
  const QByteArray utf8 = text.toUtf8();
  return NameFromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                      destination);
}

}  // namespace

KeyPressFilter::KeyPressFilter(QLineEdit* field, std::function<bool(QKeyEvent*)> handler)
    : QObject(field), handler_(std::move(handler)) {
  field->installEventFilter(this);
}

bool KeyPressFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && handler_(static_cast<QKeyEvent*>(event))) return true;
  return QObject::eventFilter(watched, event);
}

void InstallFrequencyKeys(QLineEdit* field, std::function<void()> onEnter) {
  new KeyPressFilter(field, [onEnter = std::move(onEnter)](QKeyEvent* key) {
    if (IsEnter(key)) {
      if (onEnter) onEnter();
      return true;
    }
    if (!IsCharacterKey(key)) return false;
    const QString text = key->text();
    return text.size() != 1 || text.at(0).unicode() > 0x7F ||
           !IsFrequencyFieldKey(static_cast<char>(text.at(0).unicode()));
  });
}

void InstallNameChecks(QLineEdit* field, MessageService& messages,
                       std::function<char()> destinationLetter, std::function<void()> onChanged) {
  const QString refusal = ToQString(kInvalidCharacterMessage);
  new KeyPressFilter(field, [&messages, destinationLetter, refusal](QKeyEvent* key) {
    if (!IsCharacterKey(key)) return false;
    const char destination = destinationLetter();
    const std::optional<std::string> bytes = NameBytes(key->text(), destination);
    if (bytes && bytes->size() == 1 &&
        IsNameChar(static_cast<unsigned char>((*bytes)[0]), destination)) {
      return false;
    }
    messages.Information(refusal);
    return true;
  });
  QObject::connect(field, &QLineEdit::textEdited, field,
                   [field, &messages, destinationLetter = std::move(destinationLetter), refusal,
                    onChanged = std::move(onChanged)](const QString& text) {
                     const std::optional<std::string> bytes = NameBytes(text, destinationLetter());
                     if (!bytes || !IsValidName(*bytes, destinationLetter())) {
                       messages.Information(refusal);
                       field->clear();
                     }
                     if (onChanged) onChanged();
                   });
}

void InstallDtmfCodeChecks(QLineEdit* field, MessageService& messages,
                           std::function<void()> onChanged) {
  const QString refusal = ToQString(kInvalidCharacterMessage);
  new KeyPressFilter(field, [field, &messages, refusal](QKeyEvent* key) {
    if (!IsCharacterKey(key)) return false;
    const QString text = key->text();
    char typed = text.size() == 1 && text.at(0).unicode() <= 0x7F
                     ? static_cast<char>(text.at(0).unicode())
                     : '\0';
    const char asTyped = typed;
    switch (FilterDtmfCodeKey(typed)) {
      case DtmfKeyAction::Accept:
        if (typed == asTyped) return false;
        // Lower-case letters go in upper-cased, as a user edit.
        field->insert(QString(QChar(typed)));
        emit field->textEdited(field->text());
        return true;
      case DtmfKeyAction::Swallow:
        return true;
      case DtmfKeyAction::Refuse:
        messages.Information(refusal);
        return true;
    }
    return true;
  });
  // The last accepted code, so a refused paste leaves the field as it was.
  auto accepted = std::make_shared<QString>();
  QObject::connect(field, &QLineEdit::textChanged, field, [field, accepted](const QString& text) {
    if (!field->isModified()) *accepted = text;  // set by the program (loading a channel)
  });
  QObject::connect(
      field, &QLineEdit::textEdited, field,
      [field, &messages, refusal, accepted, onChanged = std::move(onChanged)](const QString& text) {
        const QString upper = text.toUpper();
        if (!IsDtmfCode(ToAscii(upper))) {
          messages.Information(refusal);
          field->setText(*accepted);
          return;
        }
        if (upper != text) field->setText(upper);
        *accepted = upper;
        if (onChanged) onChanged();
      });
}

}  // namespace quorvan
