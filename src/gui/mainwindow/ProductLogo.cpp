#include "gui/mainwindow/ProductLogo.h"

#include <QPainter>
#include <QPainterPath>

namespace quorvan {

QPixmap ProductLogo(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x1f, 0x6f, 0xc5));
  painter.drawRoundedRect(QRectF(0.1 * s, 0.3 * s, 0.8 * s, 0.65 * s), 0.08 * s, 0.08 * s);
  painter.setBrush(QColor(0xe0, 0xe0, 0xe0));
  painter.drawRect(QRectF(0.7 * s, 0.02 * s, 0.07 * s, 0.3 * s));  // the antenna
  painter.setBrush(QColor(0x9f, 0xe8, 0x9f));
  painter.drawRect(QRectF(0.2 * s, 0.4 * s, 0.6 * s, 0.2 * s));  // the display
  painter.setPen(QPen(Qt::white, 0.04 * s));
  for (int i = 1; i <= 3; ++i) {
    const qreal r = 0.08 * s * i;
    painter.drawArc(QRectF(0.735 * s - r, 0.05 * s - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
  }
  return pixmap;
}

}  // namespace quorvan
