#include "gui/common/MessageService.h"

#include <QMessageBox>
#include <QPushButton>

#include "core/messages/Messages.h"

namespace quorvan {

QString MessageText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString FileOpenErrorMessage(const std::string& reason) {
  return MessageText(WithDetail(kFileOpenErrorMessage, reason));
}

namespace {

const QString kTitle = QStringLiteral("Quorvan");

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButton Show(QWidget* parent, MessageIcon icon, const QString& text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton) {
  QMessageBox box(BoxIcon(icon), kTitle, text, buttons, parent);
  box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void BoxMessageService::Information(const QString& text) {
  Show(parent_, MessageIcon::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

void BoxMessageService::Warning(const QString& text) {
  Show(parent_, MessageIcon::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void BoxMessageService::Error(const QString& text) {
  Show(parent_, MessageIcon::Error, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool BoxMessageService::AskYesNo(const QString& text, MessageIcon icon) {
  return Show(parent_, icon, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

Answer BoxMessageService::AskYesNoCancel(const QString& text, MessageIcon icon) {
  switch (Show(parent_, icon, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
               QMessageBox::Yes)) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;  // Escape and the close box count as Cancel
  }
}

Answer BoxMessageService::AskThreeWay(const QString& text, const QStringList& buttons,
                                      MessageIcon icon) {
  if (buttons.size() != 3) return AskYesNoCancel(text, icon);
  QMessageBox box(BoxIcon(icon), kTitle, text, QMessageBox::NoButton, parent_);
  QPushButton* yes = box.addButton(buttons.at(0), QMessageBox::YesRole);
  QPushButton* no = box.addButton(buttons.at(1), QMessageBox::NoRole);
  QPushButton* cancel = box.addButton(buttons.at(2), QMessageBox::RejectRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == yes) return Answer::Yes;
  if (box.clickedButton() == no) return Answer::No;
  return Answer::Cancel;
}

}  // namespace quorvan
