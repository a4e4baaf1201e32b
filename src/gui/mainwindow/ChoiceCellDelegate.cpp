#include "gui/mainwindow/ChoiceCellDelegate.h"

#include <QComboBox>
#include <QKeyEvent>

#include "gui/mainwindow/GridModel.h"

namespace quorvan {

QWidget* ChoiceCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
  const QStringList choices = index.data(GridModel::kChoicesRole).toStringList();
  if (choices.isEmpty()) return QStyledItemDelegate::createEditor(parent, option, index);
  auto* list = new QComboBox(parent);
  list->setObjectName(QStringLiteral("CellChoices"));
  list->addItems(choices);
  return list;
}

void ChoiceCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* list = qobject_cast<QComboBox*>(editor)) {
    list->setCurrentIndex(std::max(0, list->findText(index.data().toString())));
    return;
  }
  QStyledItemDelegate::setEditorData(editor, index);
}

void ChoiceCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
  if (auto* list = qobject_cast<QComboBox*>(editor)) {
    model->setData(index, list->currentText());
    return;
  }
  QStyledItemDelegate::setModelData(editor, model, index);
}

bool ChoiceCellDelegate::eventFilter(QObject* editor, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    // Accepting the override hands the key to the editor instead of a window shortcut; the
    // Ctrl shortcuts (Save, Undo...) stay the window's unless the editor claims them itself.
    auto* key = static_cast<QKeyEvent*>(event);
    if (!(key->modifiers() & Qt::ControlModifier)) {
      key->accept();
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(editor, event);
}

}  // namespace quorvan
