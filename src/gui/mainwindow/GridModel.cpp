#include "gui/mainwindow/GridModel.h"

#include <algorithm>

namespace quorvan {

GridModel::GridModel(QStringList headers, RowCountFunction rows, CellFunction cell, QObject* parent)
    : QAbstractTableModel(parent),
      headers_(std::move(headers)),
      rows_(std::move(rows)),
      cell_(std::move(cell)) {}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : std::max(0, rows_());
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  if (role == kChoicesRole) {
    return choices_ ? choices_(GridRowOfModelRow(index.row()), index.column()) : QStringList();
  }
  if (role == Qt::AccessibleTextRole) {
    if (!spokenRow_ || index.column() != spokenRowColumn_) return {};
    const int row = GridRowOfModelRow(index.row());
    QString spoken = spokenRow_(row);
    // The mark's colour is not seen by everyone: its word follows the row.
    const QString mark = mark_ ? mark_(row, role).toString() : QString();
    if (!mark.isEmpty()) spoken += QStringLiteral(", ") + mark;
    return spoken;
  }
  if (role == Qt::BackgroundRole || role == Qt::ToolTipRole) {
    return mark_ ? mark_(GridRowOfModelRow(index.row()), role) : QVariant();
  }
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  return cell_(GridRowOfModelRow(index.row()), index.column());
}

void GridModel::SetSpoken(SpokenRowFunction row, int rowColumn, QStringList headers) {
  spokenRow_ = std::move(row);
  spokenRowColumn_ = rowColumn;
  spokenHeaders_ = std::move(headers);
}

void GridModel::SetEditing(EditableFunction editable, ChoicesFunction choices,
                           StoreFunction store) {
  editable_ = std::move(editable);
  choices_ = std::move(choices);
  store_ = std::move(store);
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.isValid() && editable_ && editable_(GridRowOfModelRow(index.row()), index.column())) {
    flags |= Qt::ItemIsEditable;
  }
  return flags;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole || !store_) return false;
  const int row = GridRowOfModelRow(index.row());
  if (!editable_ || !editable_(row, index.column())) return false;
  // The document tells the view what the store kept.
  store_(row, index.column(), value.toString());
  return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role == Qt::AccessibleTextRole && orientation == Qt::Horizontal && section >= 0 &&
      section < spokenHeaders_.size() && !spokenHeaders_.at(section).isEmpty()) {
    return spokenHeaders_.at(section);
  }
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal && section >= 0 && section < headers_.size()) {
    return headers_.at(section);
  }
  return {};
}

void GridModel::Refresh() {
  beginResetModel();
  endResetModel();
}

void GridModel::RefreshRows(int firstGridRow, int lastGridRow) {
  const int first = std::max(ModelRowOfGridRow(firstGridRow), 0);
  const int last = std::min(ModelRowOfGridRow(lastGridRow), rowCount() - 1);
  if (first > last || columnCount() == 0) return;
  emit dataChanged(index(first, 0), index(last, columnCount() - 1));
}

}  // namespace quorvan
