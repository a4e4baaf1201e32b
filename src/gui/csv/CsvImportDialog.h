#pragma once

#include <QDialog>

class QRadioButton;

namespace quorvan {

// Where "Import CSV..." puts the rows: "By Location" (the default) or "From the selected
// channel on, in file order". The second choice is offered only when an ordinary channel
// (0-399) is selected.
class CsvImportDialog : public QDialog {
  Q_OBJECT

 public:
  // `selectedSlot` is the selected memory channel, or -1 when none of 0-399 is selected.
  explicit CsvImportDialog(int selectedSlot, QWidget* parent = nullptr);

  bool InFileOrder() const;

 private:
  QRadioButton* byLocation_;
  QRadioButton* inFileOrder_;
};

}  // namespace quorvan
