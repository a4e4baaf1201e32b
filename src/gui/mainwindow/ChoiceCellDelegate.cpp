#include "gui/mainwindow/ChoiceCellDelegate.h"

#include <QComboBox>

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

}  // namespace quorvan
