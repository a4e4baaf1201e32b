#include "gui/common/FittingScrollArea.h"

#include <QScreen>
#include <QScrollBar>

namespace quorvan {

namespace {

// What a window frame and a title bar take of the screen, about.
constexpr QSize kWindowFrame(40, 80);
// Small enough for any screen, large enough to scroll in.
constexpr QSize kSmallest(200, 150);

}  // namespace

FittingScrollArea::FittingScrollArea(QWidget* content, QWidget* parent) : QScrollArea(parent) {
  setObjectName(QStringLiteral("ContentScroller"));
  setFrameShape(QFrame::NoFrame);
  // Not a stop of its own: it scrolls to whichever control takes the focus.
  setFocusPolicy(Qt::NoFocus);
  setWidgetResizable(true);
  setWidget(content);
}

QSize FittingScrollArea::sizeHint() const {
  QSize natural = widget() ? widget()->sizeHint() : QSize();
  natural += QSize(2 * frameWidth(), 2 * frameWidth());
  const QScreen* shown = screen();
  if (!shown) return natural;
  const QSize room = shown->availableGeometry().size() - kWindowFrame;
  if (natural.height() > room.height()) natural.rwidth() += verticalScrollBar()->sizeHint().width();
  if (natural.width() > room.width())
    natural.rheight() += horizontalScrollBar()->sizeHint().height();
  return natural.boundedTo(room);
}

QSize FittingScrollArea::minimumSizeHint() const { return kSmallest.boundedTo(sizeHint()); }

}  // namespace quorvan
