#pragma once

#include <QScrollArea>

namespace quorvan {

// A window's whole content, shown at its natural size while the screen has room and scrolled
// when it has not (large fonts, a high scale factor): no minimum larger than the screen keeps
// OK out of reach.
class FittingScrollArea : public QScrollArea {
  Q_OBJECT

 public:
  explicit FittingScrollArea(QWidget* content, QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
};

}  // namespace quorvan
