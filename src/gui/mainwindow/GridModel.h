#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

namespace quorvan {

// The core counts a grid's data rows from 1 (row 0 is the header); the model counts its rows
// from 0 and shows the header as the view's horizontal header. These two are where they meet.
constexpr int GridRowOfModelRow(int modelRow) { return modelRow + 1; }
constexpr int ModelRowOfGridRow(int gridRow) { return gridRow - 1; }

// One grid's cells, asked of the core on demand: a changed row is shown again by itself, a
// replaced document by a model reset.
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

  // Every row, as after a new document; the row count may have changed.
  void Refresh();
  // The cells of the grid rows first..last (rows outside the grid are left out).
  void RefreshRows(int firstGridRow, int lastGridRow);

  // Cells edited in place: which may be, the list a choice cell offers (empty for a typed
  // cell), and the store of an edited text. The store decides; the model only hands it over.
  static constexpr int kChoicesRole = Qt::UserRole + 1;
  using EditableFunction = std::function<bool(int gridRow, int column)>;
  using ChoicesFunction = std::function<QStringList(int gridRow, int column)>;
  using StoreFunction = std::function<void(int gridRow, int column, const QString& text)>;
  void SetEditing(EditableFunction editable, ChoicesFunction choices, StoreFunction store);

  // What a screen reader says: of the row-label cell, the whole row (the label cell is where
  // the cursor sits); of a header without a caption, its name.
  using SpokenRowFunction = std::function<QString(int gridRow)>;
  void SetSpoken(SpokenRowFunction row, int rowColumn, QStringList headers);
  // A mark on whole rows (what live mode knows of each row's item): asked for the background
  // and the tip of every cell, and for the word (AccessibleTextRole) said after the row; an
  // invalid value for none.
  using RowMarkFunction = std::function<QVariant(int gridRow, int role)>;
  void SetRowMark(RowMarkFunction mark) { mark_ = std::move(mark); }

  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 private:
  QStringList headers_;
  RowCountFunction rows_;
  CellFunction cell_;
  EditableFunction editable_;
  ChoicesFunction choices_;
  StoreFunction store_;
  SpokenRowFunction spokenRow_;
  int spokenRowColumn_ = -1;
  QStringList spokenHeaders_;
  RowMarkFunction mark_;
};

}  // namespace quorvan
