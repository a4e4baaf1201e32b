#pragma once

#include <QWidget>

class QLineEdit;

namespace quorvan {

// The bar under the pages that Find opens: what to look for, "Find &Next" and a close button.
// It does not take the window's input away: the grids stay usable while it shows.
class FindBar : public QWidget {
  Q_OBJECT

 public:
  explicit FindBar(QWidget* parent = nullptr);

  QString Text() const;
  QLineEdit* Field() const { return field_; }
  // Shows the bar with its text selected, ready for typing.
  void Open();

 signals:
  // Enter in the field or the button.
  void FindNextRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* field_;
};

}  // namespace quorvan
