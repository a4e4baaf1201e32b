#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

namespace quorvan {

// The bar over the grids while live mode is paused: what the radio may not hold, why and what to
// do, with Resume and Leave Live Mode.
class LiveBanner : public QFrame {
  Q_OBJECT

 public:
  explicit LiveBanner(QWidget* parent = nullptr);

  // Shows the bar with `text`, or hides it for an empty text.
  void ShowText(const QString& text);
  QString Text() const;
  QPushButton* ResumeButton() const { return resume_; }
  QPushButton* LeaveButton() const { return leave_; }

 signals:
  void ResumeClicked();
  void LeaveClicked();

 private:
  QLabel* text_;
  QPushButton* resume_;
  QPushButton* leave_;
};

}  // namespace quorvan
