#pragma once

#include <QStyledItemDelegate>

namespace quorvan {

// Edits a grid cell in place: a list for a cell that offers choices (GridModel::kChoicesRole),
// a line for any other. Enter stores, Esc abandons.
class ChoiceCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
};

}  // namespace quorvan
