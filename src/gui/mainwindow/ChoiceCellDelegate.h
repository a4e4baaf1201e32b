#pragma once

#include <QStyledItemDelegate>

namespace quorvan {

// Edits a grid cell in place: a list for a cell that offers choices (GridModel::kChoicesRole),
// a line for any other. Enter stores, Esc abandons. While it is open the keys are its own
// (Alt+Down opens the list): no window shortcut without Ctrl takes them away.
class ChoiceCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 protected:
  bool eventFilter(QObject* editor, QEvent* event) override;
};

}  // namespace quorvan
