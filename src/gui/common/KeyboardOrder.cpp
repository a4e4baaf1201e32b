#include "gui/common/KeyboardOrder.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QHash>
#include <QLayout>
#include <QList>
#include <QRadioButton>

namespace quorvan {

namespace {

// The buttons that are checked together: a button group, or the auto-exclusive buttons of one
// parent.
QHash<QObject*, QList<QRadioButton*>> RadioGroups(QWidget* root) {
  QHash<QObject*, QList<QRadioButton*>> groups;
  for (QRadioButton* button : root->findChildren<QRadioButton*>()) {
    QObject* key = button->group();
    if (key == nullptr) key = button->autoExclusive() ? button->parent() : button;
    groups[key].append(button);
  }
  return groups;
}

void GiveTabToChecked(const QList<QRadioButton*>& buttons) {
  QRadioButton* entry = nullptr;
  for (QRadioButton* button : buttons) {
    if (button->isChecked()) entry = button;
  }
  if (entry == nullptr) {
    for (QRadioButton* button : buttons) {
      if (!button->isHidden() && button->isEnabled()) {
        entry = button;
        break;
      }
    }
  }
  for (QRadioButton* button : buttons) {
    button->setFocusPolicy(button == entry ? Qt::StrongFocus : Qt::ClickFocus);
  }
}

void CollectInLayoutOrder(QLayout* layout, QList<QWidget*>& controls);

void CollectWidget(QWidget* widget, QList<QWidget*>& controls) {
  if (widget->isHidden()) return;
  if (auto* box = qobject_cast<QDialogButtonBox*>(widget)) {
    if (box->layout() != nullptr) CollectInLayoutOrder(box->layout(), controls);
    return;
  }
  if (widget->focusPolicy() & Qt::TabFocus) {
    controls.append(widget);
    return;
  }
  if (widget->layout() != nullptr) CollectInLayoutOrder(widget->layout(), controls);
}

void CollectInLayoutOrder(QLayout* layout, QList<QWidget*>& controls) {
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (QWidget* widget = item->widget()) {
      CollectWidget(widget, controls);
    } else if (QLayout* inner = item->layout()) {
      CollectInLayoutOrder(inner, controls);
    }
  }
}

}  // namespace

void TabInLayoutOrder(QWidget* window) {
  if (window->layout() == nullptr) return;
  QList<QWidget*> controls;
  CollectInLayoutOrder(window->layout(), controls);
  for (int i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls[i - 1], controls[i]);
}

void EnterRadioGroupsAtChecked(QWidget* root) {
  const QHash<QObject*, QList<QRadioButton*>> groups = RadioGroups(root);
  for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
    const QList<QRadioButton*> buttons = it.value();
    GiveTabToChecked(buttons);
    for (QRadioButton* button : buttons) {
      QObject::connect(button, &QAbstractButton::toggled, button,
                       [buttons] { GiveTabToChecked(buttons); });
    }
  }
}

void ChainTabOrder(std::initializer_list<QWidget*> controls) {
  QWidget* before = nullptr;
  for (QWidget* control : controls) {
    if (control == nullptr) continue;
    if (before != nullptr) QWidget::setTabOrder(before, control);
    before = control;
  }
}

}  // namespace quorvan
