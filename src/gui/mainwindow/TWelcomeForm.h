#pragma once

#include <QDialog>

class QTimer;

namespace quorvan {

// The splash shown once at start: black, the product name in white bold type, gone after
// two seconds.
class TWelcomeForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kShowMs = 2000;

  explicit TWelcomeForm(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QTimer* timer_;
};

}  // namespace quorvan
