#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

class QWidget;

namespace quorvan {

enum class MessageIcon { Information, Warning, Error, Question };
enum class Answer { Yes, No, Cancel };

// Every message towards the user passes here, so tests can script the answers and read the
// texts instead of facing a modal box.
class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual void Information(const QString& text) = 0;
  virtual void Warning(const QString& text) = 0;
  virtual void Error(const QString& text) = 0;
  virtual bool AskYesNo(const QString& text, MessageIcon icon) = 0;
  virtual Answer AskYesNoCancel(const QString& text, MessageIcon icon = MessageIcon::Warning) = 0;
  // A question whose three buttons say what they do ("Restore", "Discard", "Later"): Yes is the
  // first, No the second, Cancel the third (and Escape). A service without such boxes asks
  // Yes, No or Cancel.
  virtual Answer AskThreeWay(const QString& text, const QStringList& /*buttons*/,
                             MessageIcon icon) {
    return AskYesNoCancel(text, icon);
  }
};

// A text of the message catalogue (or built from one) for a box, in the window's language: a
// text of the catalogue, or a sentence made from one of its patterns, is translated; a detail
// on the lines after one is kept as it is unless it is one too. In English nothing changes.
QString MessageText(std::string_view text);
QString TranslatedMessage(const QString& english);
// One text or pattern of the catalogue in the window's language, as UTF-8 for the core to fill in.
std::string CatalogueText(const char* text);

// "File Open error." and, on the next line, why: the line of a file and what is wrong with it,
// or what the system refused (control characters shown escaped).
QString FileOpenErrorMessage(const std::string& reason);

// Modal message boxes titled "Quorvan".
class BoxMessageService : public MessageService {
 public:
  explicit BoxMessageService(QWidget* parent = nullptr) : parent_(parent) {}
  // The window the boxes are centred on (the main window, once it exists).
  void SetParent(QWidget* parent) { parent_ = parent; }
  void Information(const QString& text) override;
  void Warning(const QString& text) override;
  void Error(const QString& text) override;
  bool AskYesNo(const QString& text, MessageIcon icon) override;
  Answer AskYesNoCancel(const QString& text, MessageIcon icon) override;
  Answer AskThreeWay(const QString& text, const QStringList& buttons, MessageIcon icon) override;

 private:
  QWidget* parent_;
};

}  // namespace quorvan
