#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace quorvan {

// A control's name and description for assistive technology. The name says what the control is
// (a screen reader speaks it before the value); the description what its tooltip would say more.
void NameControl(QWidget* control, const QString& name, const QString& description = QString());

// The label in front of a control names it: its mnemonic moves the focus there too.
void LabelControl(QLabel* label, QWidget* control);

// A control's name, as assistive technology takes it: its own or its buddy label's, without
// mnemonic marks. Empty when it has none.
QString AccessibleNameOf(QWidget* control);

}  // namespace quorvan
