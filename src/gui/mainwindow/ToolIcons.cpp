#include "gui/mainwindow/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quorvan {

namespace {

const QColor kInk(0x30, 0x30, 0x30);
const QColor kPaper(0xfa, 0xfa, 0xfa);
const QColor kBlue(0x1f, 0x6f, 0xc5);
const QColor kGreen(0x2e, 0x8b, 0x3e);
const QColor kBrown(0xa0, 0x72, 0x3c);

// A sheet of paper with a folded corner, in a 16-unit square.
void Sheet(QPainter& p, const QRectF& r) {
  const qreal fold = r.width() * 0.3;
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - fold, r.top());
  path.lineTo(r.right(), r.top() + fold);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
  p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void Lines(QPainter& p, qreal left, qreal right, qreal top, int count) {
  p.setPen(QPen(kInk.lighter(180), 1));
  for (int i = 0; i < count; ++i)
    p.drawLine(QPointF(left, top + 2 * i), QPointF(right, top + 2 * i));
}

// A thick arrow along a vertical line, pointing down or up.
void UpDownArrow(QPainter& p, qreal x, qreal top, qreal bottom, bool down, const QColor& c) {
  const qreal head = 5;
  QPainterPath path;
  if (down) {
    path.moveTo(x - 2, top);
    path.lineTo(x + 2, top);
    path.lineTo(x + 2, bottom - head);
    path.lineTo(x + head, bottom - head);
    path.lineTo(x, bottom);
    path.lineTo(x - head, bottom - head);
    path.lineTo(x - 2, bottom - head);
  } else {
    path.moveTo(x - 2, bottom);
    path.lineTo(x + 2, bottom);
    path.lineTo(x + 2, top + head);
    path.lineTo(x + head, top + head);
    path.lineTo(x, top);
    path.lineTo(x - head, top + head);
    path.lineTo(x - 2, top + head);
  }
  path.closeSubpath();
  p.setPen(QPen(c.darker(130), 0.8));
  p.setBrush(c);
  p.drawPath(path);
}

// A curved arrow that turns back to the left (undo) or on to the right (redo).
void TurningArrow(QPainter& p, bool back) {
  p.save();
  if (!back) {
    p.translate(16, 0);
    p.scale(-1, 1);
  }
  QPainterPath curve;
  curve.moveTo(4, 7);
  curve.cubicTo(9, 3, 15, 5, 13, 12);
  p.setPen(QPen(kBlue, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(curve);
  QPainterPath head;
  head.moveTo(1, 7.5);
  head.lineTo(7, 3);
  head.lineTo(7, 11);
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawPath(head);
  p.restore();
}

void Draw(QPainter& p, ToolPicture picture) {
  switch (picture) {
    case ToolPicture::New:
      Sheet(p, QRectF(3.5, 1.5, 9, 13));
      break;
    case ToolPicture::Open:
      p.setPen(QPen(kBrown.darker(140), 1));
      p.setBrush(kBrown.lighter(140));
      p.drawRect(QRectF(1.5, 4.5, 12, 9));
      p.setBrush(kBrown.lighter(170));
      p.drawPolygon(QPolygonF({{1.5, 13.5}, {4.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}}));
      break;
    case ToolPicture::Save:
      p.setPen(QPen(kBlue.darker(150), 1));
      p.setBrush(kBlue);
      p.drawRect(QRectF(1.5, 1.5, 13, 13));
      p.setBrush(kPaper);
      p.drawRect(QRectF(4.5, 1.5, 7, 5));
      p.drawRect(QRectF(3.5, 9.5, 9, 5));
      break;
    case ToolPicture::Print:
      Sheet(p, QRectF(4.5, 0.5, 7, 7));
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(0xb0, 0xb0, 0xb0));
      p.drawRect(QRectF(1.5, 6.5, 13, 6));
      p.setBrush(kPaper);
      p.drawRect(QRectF(4.5, 10.5, 7, 5));
      break;
    case ToolPicture::Read:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(0xd8, 0xd8, 0xd8));
      p.drawRect(QRectF(1.5, 11.5, 13, 3));
      UpDownArrow(p, 8, 0.5, 11, true, kGreen);
      break;
    case ToolPicture::Write:
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(0xd8, 0xd8, 0xd8));
      p.drawRect(QRectF(1.5, 11.5, 13, 3));
      UpDownArrow(p, 8, 0.5, 11, false, QColor(0xc5, 0x4b, 0x1f));
      break;
    case ToolPicture::Cut:
      p.setPen(QPen(kInk, 1.4));
      p.setBrush(Qt::NoBrush);
      p.drawLine(QPointF(5, 1), QPointF(10.5, 10));
      p.drawLine(QPointF(11, 1), QPointF(5.5, 10));
      p.setBrush(kPaper);
      p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
      p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
      break;
    case ToolPicture::Copy:
      Sheet(p, QRectF(1.5, 1.5, 8, 10));
      Sheet(p, QRectF(6.5, 4.5, 8, 11));
      Lines(p, 8.5, 12.5, 9.5, 3);
      break;
    case ToolPicture::Paste:
      p.setPen(QPen(kBrown.darker(140), 1));
      p.setBrush(kBrown.lighter(130));
      p.drawRect(QRectF(2.5, 2.5, 11, 13));
      p.setBrush(QColor(0xb0, 0xb0, 0xb0));
      p.drawRect(QRectF(5.5, 1.5, 5, 3));
      Sheet(p, QRectF(5.5, 6.5, 8, 9));
      Lines(p, 7.5, 11.5, 10.5, 3);
      break;
    case ToolPicture::Undo:
      TurningArrow(p, true);
      break;
    case ToolPicture::Redo:
      TurningArrow(p, false);
      break;
  }
}

QPixmap Drawn(ToolPicture picture, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 16.0, size / 16.0);
  Draw(painter, picture);
  return pixmap;
}

}  // namespace

QString ThemeIconName(ToolPicture picture) {
  switch (picture) {
    case ToolPicture::New:
      return QStringLiteral("document-new");
    case ToolPicture::Open:
      return QStringLiteral("document-open");
    case ToolPicture::Save:
      return QStringLiteral("document-save");
    case ToolPicture::Print:
      return QStringLiteral("document-print");
    case ToolPicture::Cut:
      return QStringLiteral("edit-cut");
    case ToolPicture::Copy:
      return QStringLiteral("edit-copy");
    case ToolPicture::Paste:
      return QStringLiteral("edit-paste");
    case ToolPicture::Undo:
      return QStringLiteral("edit-undo");
    case ToolPicture::Redo:
      return QStringLiteral("edit-redo");
    case ToolPicture::Read:
    case ToolPicture::Write:
      break;
  }
  return {};
}

QIcon DrawnToolIcon(ToolPicture picture) {
  QIcon icon;
  for (const int size : {16, 24, 32, 48}) icon.addPixmap(Drawn(picture, size));
  return icon;
}

QIcon ToolIcon(ToolPicture picture) {
  const QString name = ThemeIconName(picture);
  if (!name.isEmpty() && QIcon::hasThemeIcon(name)) return QIcon::fromTheme(name);
  return DrawnToolIcon(picture);
}

}  // namespace quorvan
