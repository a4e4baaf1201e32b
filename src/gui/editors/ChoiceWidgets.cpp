#include "gui/editors/ChoiceWidgets.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace quorvan {

void PromptingComboBox::showPopup() {
  if (beforePopup_ && !beforePopup_()) return;
  QComboBox::showPopup();
}

UpDownControl::UpDownControl(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* up = new QToolButton(this);
  up->setObjectName(QStringLiteral("UpDown1Up"));
  up->setArrowType(Qt::UpArrow);
  auto* down = new QToolButton(this);
  down->setObjectName(QStringLiteral("UpDown1Down"));
  down->setArrowType(Qt::DownArrow);
  for (QToolButton* button : {up, down}) {
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(button);
  }
  connect(up, &QToolButton::clicked, this, [this] { emit Stepped(1); });
  connect(down, &QToolButton::clicked, this, [this] { emit Stepped(-1); });
}

}  // namespace quorvan
