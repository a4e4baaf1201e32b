#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;
class QKeyEvent;

namespace quorvan {

class MessageService;

// Runs a handler on every key press of one field; the handler returns true to swallow the key.
class KeyPressFilter : public QObject {
 public:
  KeyPressFilter(QLineEdit* field, std::function<bool(QKeyEvent*)> handler);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<bool(QKeyEvent*)> handler_;
};

// Frequency, offset and program VFO fields: digits, the point and backspace pass; Enter runs
// `onEnter`; every other character is swallowed without a message.
void InstallFrequencyKeys(QLineEdit* field, std::function<void()> onEnter);

// Names of memories and DTMF memories: single-byte characters of the destination's set pass;
// anything else (for destination J also every double-byte character) is refused with a message.
// Pasted or otherwise changed text is checked whole and the field emptied when it holds a bad
// character. `onChanged` runs after every accepted change by the user.
void InstallNameChecks(QLineEdit* field, MessageService& messages,
                       std::function<char()> destinationLetter, std::function<void()> onChanged);

// The DTMF code field: keys are upper-cased, the code characters pass, others are refused with
// a message; a pasted text with a bad character is refused whole. `onChanged` as above.
void InstallDtmfCodeChecks(QLineEdit* field, MessageService& messages,
                           std::function<void()> onChanged);

}  // namespace quorvan
