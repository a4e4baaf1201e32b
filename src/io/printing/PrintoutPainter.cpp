#include "io/printing/PrintoutPainter.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QString>
#include <algorithm>

#include "core/rules/PrintoutText.h"

namespace quorvan {

namespace {

const QString kJobTitle = QStringLiteral("Quorvan");

bool PaintPages(QPagedPaintDevice& device, const std::vector<PrintPage>& pages,
                char destinationLetter) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const int lineHeight = std::max(1, device.height() / kPrintLinesPerPage);
  QFont font = painter.font();
  font.setPixelSize(std::max(1, lineHeight - 5));
  painter.setFont(font);
  const int width = std::max(1, device.width() - kPrintLeftOffset);
  bool first = true;
  for (const PrintPage& page : pages) {
    if (!first && !device.newPage()) {
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

}  // namespace

bool PaintPrintout(QPrinter& printer, const std::vector<PrintPage>& pages, char destinationLetter) {
  printer.setDocName(kJobTitle);
  return PaintPages(printer, pages, destinationLetter);
}

bool RenderPrintoutPdf(const std::vector<PrintPage>& pages, char destinationLetter,
                       QByteArray& pdf) {
  // The page size and resolution a PDF printer would use, so the file looks as printed.
  QPrinter reference(QPrinter::HighResolution);
  reference.setOutputFormat(QPrinter::PdfFormat);
  pdf.clear();
  QBuffer buffer(&pdf);
  if (!buffer.open(QIODevice::WriteOnly)) return false;
  QPdfWriter writer(&buffer);
  writer.setTitle(kJobTitle);
  writer.setResolution(reference.resolution());
  writer.setPageLayout(reference.pageLayout());
  const bool painted = PaintPages(writer, pages, destinationLetter);
  buffer.close();
  return painted && !pdf.isEmpty();
}

}  // namespace quorvan
