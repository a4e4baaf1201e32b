#include "gui/mainwindow/GridModel.h"

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
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  if (index.row() >= rowCount() || index.column() >= columnCount()) return {};
  return cell_(index.row() + 1, index.column());
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
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

}  // namespace quorvan
