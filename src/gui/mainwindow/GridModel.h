#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

namespace quorvan {

// One grid's cells, asked of the core on demand; a refresh is a model reset. Model row r is
// the grid's data row r + 1 (the grid's header row is the view's horizontal header).
class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using RowCountFunction = std::function<int()>;
  using CellFunction = std::function<QString(int gridRow, int column)>;

  GridModel(QStringList headers, RowCountFunction rows, CellFunction cell,
            QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

  void Refresh();

 private:
  QStringList headers_;
  RowCountFunction rows_;
  CellFunction cell_;
};

}  // namespace quorvan
