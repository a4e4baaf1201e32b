#pragma once

#include <QDialog>

class QRadioButton;

namespace quorvan {

// The model selection asked once on the first start: the four market variants, the first
// preselected, and OK. Closing it another way keeps the selection it shows.
class TSetupForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSetupForm(QWidget* parent = nullptr);

  // Shows the dialog modally and returns the selected entry of the setup choices (0-3).
  int ChooseIndex();
  int SelectedIndex() const;

 private:
  QList<QRadioButton*> choices_;
};

}  // namespace quorvan
