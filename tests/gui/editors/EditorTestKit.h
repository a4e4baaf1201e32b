#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <deque>
#include <functional>

#include "core/model/BandPlan.h"
#include "core/model/Document.h"
#include "core/model/RadioImage.h"
#include "gui/common/MessageService.h"

namespace quorvan {

// Records every message; questions take their answers from a queue, and a question nobody
// expected is answered No and counted so the test sees it.
class RecordingMessages : public MessageService {
 public:
  void Information(const QString& text) override {
    texts << text;
    if (onInformation) onInformation(text);
  }
  void Warning(const QString& text) override { texts << text; }
  void Error(const QString& text) override { texts << text; }
  bool AskYesNo(const QString& text, MessageIcon) override {
    texts << text;
    questions << text;
    if (answers.empty()) {
      ++unexpected;
      return false;
    }
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  Answer AskYesNoCancel(const QString& text, MessageIcon icon) override {
    return AskYesNo(text, icon) ? Answer::Yes : Answer::No;
  }
  void Clear() {
    texts.clear();
    questions.clear();
  }

  QStringList texts;
  QStringList questions;
  std::deque<bool> answers;
  int unexpected = 0;
  std::function<void(const QString&)> onInformation;
};

inline const QString kPending =
    QStringLiteral("The contents has been changed.\nDo you want to change?");
inline const QString kPendingClose =
    QStringLiteral("The contents has been changed.\nDo you want to change? ");
inline const QString kRounded = QStringLiteral("Frequency is rounded.");
inline const QString kBadFrequency =
    QStringLiteral("Invalid Frequency.\nPlease check and try again.");
inline const QString kBadOffset = QStringLiteral("Invalid Offset.\nPlease check and try again.");
inline const QString kBadCharacter =
    QStringLiteral("Invalid character.\nPlease check and try again.");

inline RadioImage MakeImage(const char* type, const char* model = "BELTO") {
  return MakeNewDocument(MakeDefaultBandPlan(type, model));
}

template <typename T>
T* Child(QObject& parent, const QString& name) {
  T* child = parent.findChild<T*>(name);
  if (child == nullptr) qFatal("no control %s", qPrintable(name));
  return child;
}
template <typename T>
T* Child(QObject& parent, const char* name) {
  return Child<T>(parent, QString::fromLatin1(name));
}

// Replaces a field's text the way a user does: select everything, then type.
inline void Type(QLineEdit* field, const QString& text) {
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

// Types characters QTest cannot spell as keys (accented letters, katakana, ideographs).
inline void TypeText(QWidget* field, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &release);
  }
}

// Picks a list entry as the user would (the change handlers run, the popup does not open).
inline void Choose(QComboBox* list, int index) {
  list->setCurrentIndex(index);
  emit list->activated(index);
}

inline std::string Rec(const Document& document, SlotKind kind, int slot) {
  return document.Image().Record(kind, slot);
}

// A record put into the document as a test needs it before an editor shows it, as if a file
// holding it had been opened.
inline void StoreInto(Document& document, SlotKind kind, int slot, const std::string& record) {
  RadioImage image = document.Image();
  image.Store(kind, slot, record);
  document.Open(std::move(image), {});
}

}  // namespace quorvan
