#pragma once

#include <QTableView>

#include "core/rules/GridTexts.h"

namespace quorvan {

// The table view behind every grid of the Memory page: whole-row selection, 17-pixel rows,
// focus reported to the owner, the row under a right-button press selected before the popup,
// and the editor asked for by double-click or key.
class GridView : public QTableView {
  Q_OBJECT

 public:
  static constexpr int kRowHeight = 17;

  explicit GridView(Grid grid, QWidget* parent = nullptr);

  Grid Shows() const { return grid_; }
  // Grid row (1-based, as the core counts) of the selected row; 1 when nothing is selected.
  int SelectedGridRow() const;
  void SelectGridRow(int gridRow);
  // Grid rows first..last become the selection, first the current row, scrolled into view.
  void SelectGridRows(int firstGridRow, int lastGridRow);
  // The grid rows of the selection in ascending order; the current row when none is selected.
  QList<int> SelectedGridRows() const;
  // In the DTMF grid any character key opens the editor, not only Enter.
  void SetAnyCharacterOpensEditor(bool on) { anyCharacterOpensEditor_ = on; }
  // Each column as wide as its header and cells need, and never narrower than `minimum`; the
  // user may drag them from there. Returns the columns' total width.
  int FitColumns(const QList<int>& minimum);
  // The view shows `rows` data rows under the header, at whatever font it has: exactly, or at
  // least when it grows with its window.
  void SetVisibleRows(int rows, bool growing = false);
  void setModel(QAbstractItemModel* model) override;
  // A cell being edited in place hands its text to the model and closes, so whatever comes next
  // sees what the user typed.
  void CommitOpenCell();

 signals:
  void Entered(quorvan::Grid grid);
  void Left(quorvan::Grid grid);
  void EditorRequested(quorvan::Grid grid, int gridRow);
  void PopupRequested(quorvan::Grid grid, const QPoint& globalPos);

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ChooseRowAtRightPress(int viewportY, const QPoint& globalPos);
  void PlaceCursor(int row, int column);
  void RememberRow();
  void RestoreRow();
  void FitVisibleRows();

  Grid grid_;
  bool anyCharacterOpensEditor_ = false;
  int rowBeforeReset_ = 0;
  int columnBeforeReset_ = kLabelColumn;
  int visibleRows_ = 1;
  bool growing_ = false;
};

}  // namespace quorvan
