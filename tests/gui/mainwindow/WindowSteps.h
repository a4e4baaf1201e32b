#pragma once

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QObject>
#include <QTimer>
#include <functional>
#include <string>

#include "core/model/RadioImage.h"
#include "gui/csv/CsvCommands.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/TMainForm.h"

// What a test does to the main window as a user would: answer a modal dialog, enter a grid's
// rows, put a channel on the clipboard, choose a CSV file.
namespace quorvan::testing {

// The CSV dialogs: the file chosen, and the placement (at the selected row, or in file order).
class ScriptedCsvDialogs : public CsvFileDialogs {
 public:
  QString OpenCsvName(const QString&) override { return openName; }
  QString SaveCsvName(const QString&) override { return saveName; }
  bool ChooseImportPlacement(int selectedSlot, CsvPlacement& chosen) override {
    chosen = {inFileOrder, selectedSlot};
    return true;
  }
  QString openName;
  QString saveName;  // none: the export is cancelled
  bool inFileOrder = false;
};

// A simplex memory channel record of the slot.
inline std::string Channel(int slot, const char* hz, const char* name) {
  return MemoryChannelLabel(slot) + "," + hz + ",5,0,0,0,0,0,08,08,000,000600000,0,0,,,," + name;
}

// Runs `answer` on the modal dialog once it is up.
inline void AnswerModal(const std::function<void(QWidget*)>& answer,
                        const std::function<void()>& open) {
  QObject guard;
  QTimer::singleShot(0, &guard, [answer] {
    if (QWidget* dialog = QApplication::activeModalWidget()) answer(dialog);
  });
  open();
}

template <class T>
T* Child(QWidget* parent, const char* name) {
  T* child = parent->findChild<T*>(QString::fromLatin1(name));
  if (!child) qFatal("no %s", name);
  return child;
}

inline void Enter(TMainForm& form, Grid grid, int row) {
  form.GridOf(grid)->SelectGridRow(row);
  emit form.GridOf(grid)->Entered(grid);
}

// Selects the memory rows first..last (grid rows) and enters the grid.
inline void EnterRows(TMainForm& form, int first, int last) {
  GridView* view = form.GridOf(Grid::Memory);
  view->SelectGridRow(first);
  const QAbstractItemModel* model = view->model();
  view->selectionModel()->select(
      QItemSelection(model->index(first - 1, 0), model->index(last - 1, 0)),
      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  emit view->Entered(Grid::Memory);
}

inline void PutOnClipboard(const std::string& text) {
  auto* data = new QMimeData;
  data->setData(QStringLiteral("application/x-qrvx-clip"), QByteArray::fromStdString(text) + '\0');
  QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace quorvan::testing
