#pragma once

#include <initializer_list>

class QWidget;

namespace quorvan {

// Tab reaches each group of radio buttons under `root` once, at its checked button (the first
// when none is checked); the arrow keys move within the group. Buttons added later are not
// covered: call it once the window is built.
void EnterRadioGroupsAtChecked(QWidget* root);

// Tab visits the controls in the order given, each after the one before.
void ChainTabOrder(std::initializer_list<QWidget*> controls);

// Tab visits the controls of `window` in the order of its layout, top to bottom, a button box's
// buttons as they are shown. A button box orders its buttons again when one is added, so call
// this once the window is complete (when it is shown).
void TabInLayoutOrder(QWidget* window);

}  // namespace quorvan
