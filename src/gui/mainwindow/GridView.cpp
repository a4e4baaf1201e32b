#include "gui/mainwindow/GridView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "gui/mainwindow/GridModel.h"

namespace quorvan {

GridView::GridView(Grid grid, QWidget* parent) : QTableView(parent), grid_(grid) {
  setObjectName(QStringLiteral("StringGrid%1").arg(static_cast<int>(grid)));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setShowGrid(false);
  setWordWrap(false);
  setTabKeyNavigation(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  verticalHeader()->setMinimumSectionSize(kRowHeight);
  horizontalHeader()->setFixedHeight(kRowHeight);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setStretchLastSection(true);
  horizontalHeader()->installEventFilter(this);
  setContextMenuPolicy(Qt::NoContextMenu);
}

int GridView::FitColumns(const QList<int>& minimum) {
  if (!model()) return 0;
  int total = 0;
  for (int c = 0; c < model()->columnCount(); ++c) {
    if (isColumnHidden(c)) continue;
    const int content = std::max(sizeHintForColumn(c), horizontalHeader()->sectionSizeHint(c));
    const int width = std::max(content, c < minimum.size() ? minimum.at(c) : 0);
    setColumnWidth(c, width);
    total += width;
  }
  return total;
}

void GridView::SetVisibleRows(int rows, bool growing) {
  visibleRows_ = std::max(rows, 1);
  growing_ = growing;
  setSizePolicy(QSizePolicy::Expanding, growing ? QSizePolicy::Expanding : QSizePolicy::Fixed);
  FitVisibleRows();
}

void GridView::changeEvent(QEvent* event) {
  QTableView::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitVisibleRows();
}

void GridView::FitVisibleRows() {
  const int rows = visibleRows_;
  // A face taller than the rows would clip the names; the rows then grow with it.
  const int rowHeight = std::max(kRowHeight, fontMetrics().height() + 2);
  verticalHeader()->setMinimumSectionSize(rowHeight);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  horizontalHeader()->setFixedHeight(rowHeight);
  const int height = (rows + 1) * rowHeight + 2 * frameWidth();
  if (growing_) {
    setMinimumHeight(height);
    // No taller than every row: the room beyond goes to the lists that can use it.
    const int all = model() ? (model()->rowCount() + 1) * rowHeight + 2 * frameWidth() : 0;
    setMaximumHeight(std::max(height, all > 0 ? all : QWIDGETSIZE_MAX));
  } else {
    setFixedHeight(height);
  }
}

void GridView::setModel(QAbstractItemModel* newModel) {
  QTableView::setModel(newModel);
  if (!newModel) return;
  // A model reset forgets the selection; keep the user's row across refreshes.
  connect(newModel, &QAbstractItemModel::modelAboutToBeReset, this, &GridView::RememberRow);
  connect(newModel, &QAbstractItemModel::modelReset, this, &GridView::RestoreRow);
  // Another band plan has another number of rows to grow to.
  connect(newModel, &QAbstractItemModel::modelReset, this, &GridView::FitVisibleRows);
  FitVisibleRows();
}

int GridView::SelectedGridRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? GridRowOfModelRow(current.row()) : 1;
}

void GridView::SelectGridRow(int gridRow) {
  if (!model() || gridRow < 1 || gridRow > model()->rowCount()) return;
  const int row = ModelRowOfGridRow(gridRow);
  const int column = currentIndex().isValid() ? currentIndex().column() : kLabelColumn;
  PlaceCursor(row, column);
}

void GridView::PlaceCursor(int row, int column) {
  // Selecting a row puts the cursor on its first column; put it back where it was, never on
  // the empty mark column: the cell under the cursor is what a screen reader says.
  selectRow(row);
  selectionModel()->setCurrentIndex(
      model()->index(row, std::max(column, static_cast<int>(kLabelColumn))),
      QItemSelectionModel::NoUpdate);
}

QModelIndex GridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex moved = QTableView::moveCursor(action, modifiers);
  if (!moved.isValid() || moved.column() != kMarkColumn) return moved;
  return model()->index(moved.row(), kLabelColumn);
}

void GridView::SelectGridRows(int firstGridRow, int lastGridRow) {
  if (!model()) return;
  SelectGridRow(firstGridRow);
  const QItemSelection block(model()->index(ModelRowOfGridRow(firstGridRow), 0),
                             model()->index(ModelRowOfGridRow(lastGridRow), 0));
  selectionModel()->select(block, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(currentIndex());
}

QList<int> GridView::SelectedGridRows() const {
  QList<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) {
    rows << GridRowOfModelRow(index.row());
  }
  if (rows.isEmpty()) rows << SelectedGridRow();
  std::sort(rows.begin(), rows.end());
  return rows;
}

void GridView::RememberRow() {
  rowBeforeReset_ = SelectedGridRow();
  columnBeforeReset_ = currentIndex().isValid() ? currentIndex().column() : kLabelColumn;
}

void GridView::RestoreRow() {
  if (!model() || model()->rowCount() == 0) return;
  PlaceCursor(ModelRowOfGridRow(std::min(std::max(rowBeforeReset_, 1), model()->rowCount())),
              columnBeforeReset_);
}

void GridView::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  if (!currentIndex().isValid()) {
    SelectGridRow(1);
  } else if (currentIndex().column() == kMarkColumn) {
    setCurrentIndex(model()->index(currentIndex().row(), kLabelColumn));
  }
  emit Entered(grid_);
}

void GridView::focusOutEvent(QFocusEvent* event) {
  QTableView::focusOutEvent(event);
  emit Left(grid_);
}

void GridView::ChooseRowAtRightPress(int viewportY, const QPoint& globalPos) {
  setFocus(Qt::MouseFocusReason);
  // A press on the header selects the top visible row; below the last row nothing changes.
  const int row = viewportY < 0 ? rowAt(0) : rowAt(viewportY);
  if (row >= 0) SelectGridRow(GridRowOfModelRow(row));
  emit Entered(grid_);
  emit PopupRequested(grid_, globalPos);
}

void GridView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    ChooseRowAtRightPress(event->position().toPoint().y(), event->globalPosition().toPoint());
    event->accept();
    return;
  }
  QTableView::mousePressEvent(event);
  emit Entered(grid_);  // a click counts as entering even when the grid had the focus
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == horizontalHeader() && event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::RightButton) {
      ChooseRowAtRightPress(-1, mouse->globalPosition().toPoint());
      return true;
    }
  }
  return QTableView::eventFilter(watched, event);
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int row = rowAt(event->position().toPoint().y());
  if (row >= 0) SelectGridRow(GridRowOfModelRow(row));
  emit EditorRequested(grid_, SelectedGridRow());
}

void GridView::CommitOpenCell() {
  if (state() != QAbstractItemView::EditingState) return;
  QWidget* editor = indexWidget(currentIndex());
  if (!editor) return;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void GridView::keyPressEvent(QKeyEvent* event) {
  // A key the open cell editor passed on (Enter ends the cell) is the cell's, not the row's.
  if (state() == QAbstractItemView::EditingState) {
    event->accept();
    return;
  }
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const bool character = !event->text().isEmpty() && event->text().at(0).isPrint() &&
                         !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  if (enter || (anyCharacterOpensEditor_ && character)) {
    emit EditorRequested(grid_, SelectedGridRow());
    event->accept();
    return;
  }
  // The keyboard's way to the popup: the Menu key or Shift+F10, at the current cell.
  const bool popup = event->key() == Qt::Key_Menu ||
                     (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
  if (popup) {
    const QRect cell = visualRect(currentIndex());
    const QPoint at = cell.isValid() ? cell.center() : QPoint(0, 0);
    emit PopupRequested(grid_, viewport()->mapToGlobal(at));
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace quorvan
