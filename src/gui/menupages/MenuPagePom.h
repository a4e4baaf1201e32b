#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

namespace quorvan {

class MessageService;

// The radio bytes of a power-on message, or nothing when any character of it is outside the
// destination's name characters (or it is longer than a name).
std::optional<std::string> PowerOnMessageBytes(const QString& text, char destinationLetter);

// Sits on the power-on message field and drops each typed character the message cannot hold,
// telling the user once per character. Escape is dropped silently; editing keys pass.
class MenuPagePomKeyFilter : public QObject {
 public:
  MenuPagePomKeyFilter(std::function<char()> destinationLetter, MessageService& messages,
                       QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // True when the text would be swallowed.
  bool Refuse(const QString& typed);

  std::function<char()> destinationLetter_;
  MessageService& messages_;
};

}  // namespace quorvan
