#include "gui/common/AccessibleNames.h"

#include <QAccessible>
#include <QLabel>
#include <QWidget>

namespace quorvan {

void NameControl(QWidget* control, const QString& name, const QString& description) {
  QString plain = name;
  plain.remove(QLatin1Char('&'));
  control->setAccessibleName(plain);
  if (!description.isEmpty()) control->setAccessibleDescription(description);
}

void LabelControl(QLabel* label, QWidget* control) {
  label->setBuddy(control);
  // Some roles speak their value as their name unless the name is given; take the label's.
  NameControl(control, label->text());
}

QString AccessibleNameOf(QWidget* control) {
  if (!control->accessibleName().isEmpty()) return control->accessibleName();
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
  return face ? face->text(QAccessible::Name) : QString();
}

}  // namespace quorvan
