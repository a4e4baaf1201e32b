#include "io/printing/PrintoutPainter.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <algorithm>

#include "core/rules/PrintoutText.h"

namespace quorvan {

bool PaintPrintout(QPrinter& printer, const std::vector<PrintPage>& pages, char destinationLetter) {
  printer.setDocName(QStringLiteral("Quorvan"));
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const int lineHeight = std::max(1, printer.height() / kPrintLinesPerPage);
  QFont font = painter.font();
  font.setPixelSize(std::max(1, lineHeight - 5));
  painter.setFont(font);
  const int width = std::max(1, printer.width() - kPrintLeftOffset);
  bool first = true;
  for (const PrintPage& page : pages) {
    if (!first && !printer.newPage()) {
      painter.end();
      return false;
    }
    first = false;
    for (const PrintLine& line : page) {
      const QRect cell(kPrintLeftOffset, line.line * lineHeight, width, lineHeight);
      painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                       QString::fromStdString(PrintLineUtf8(line.text, destinationLetter)));
    }
  }
  return painter.end();
}

}  // namespace quorvan
