#include "app/ScreenshotHook.h"

#include <QApplication>
#include <QTimer>

#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/TMainForm.h"

namespace quorvan {

void ReadAndGrabLater(TMainForm& form, const QString& pngPath) {
  QTimer::singleShot(0, &form, [&form, pngPath] {
    form.ReadFromRadio(TransferScope::All);
    // Without a window manager nothing activates the window; the grid's focus shows a
    // selected row, its bold caption and the status texts.
    QApplication::setActiveWindow(&form);
    form.GridOf(Grid::Memory)->setFocus();
    form.GridOf(Grid::Memory)->SelectGridRow(2);
    QTimer::singleShot(300, &form, [&form, pngPath] {
      const bool saved = form.grab().save(pngPath, "PNG");
      form.Document().SetModified(false);  // the picture is all that was wanted
      QApplication::exit(saved ? 0 : 1);
    });
  });
}

}  // namespace quorvan
