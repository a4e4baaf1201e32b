#include "gui/printing/PdfExport.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

#include "core/rules/Printout.h"
#include "gui/common/MessageService.h"
#include "gui/printing/PrintCommand.h"
#include "io/printing/PrintoutPainter.h"

namespace quorvan {

namespace {

const QString kPdfSuffix = QStringLiteral("pdf");

QString WithPdfSuffix(const QString& path) {
  return QFileInfo(path).suffix().compare(kPdfSuffix, Qt::CaseInsensitive) == 0
             ? path
             : path + QLatin1Char('.') + kPdfSuffix;
}

}  // namespace

QString NativePdfFileDialog::PdfFileName(const QString& suggested) {
  return QFileDialog::getSaveFileName(parent_, QStringLiteral("Export PDF"), suggested,
                                      QStringLiteral("PDF Files(*.pdf)"));
}

QString SuggestedPdfName(const QString& documentName, const QString& folder) {
  const QFileInfo document(documentName);
  if (!document.isAbsolute()) return QDir(folder).filePath(QStringLiteral("Untitled.pdf"));
  return document.dir().filePath(document.completeBaseName() + QStringLiteral(".pdf"));
}

bool WritePrintoutPdf(const RadioImage& image, const QString& caption, const QString& path) {
  // Written next to the target first, so a failed export leaves an older file untouched.
  QTemporaryFile partial(QFileInfo(path).absoluteDir().filePath(QStringLiteral("pdf-XXXXXX")));
  if (!partial.open()) return false;
  partial.close();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(partial.fileName());
  const char destination = image.Plan().DestinationLetter();
  if (!PaintPrintout(printer, BuildPrintout(image, CaptionBytes(caption, destination)),
                     destination)) {
    return false;
  }
  if (QFile::exists(path) && !QFile::remove(path)) return false;
  if (!QFile::rename(partial.fileName(), path)) return false;
  partial.setAutoRemove(false);
  return true;
}

PdfExport::PdfExport(MessageService& messages, PdfFileDialog& dialog)
    : messages_(messages), dialog_(dialog) {}

bool PdfExport::Export(const RadioImage& image, const QString& caption,
                       const QString& suggestedName) {
  const QString chosen = dialog_.PdfFileName(suggestedName);
  if (chosen.isEmpty()) return false;
  if (!WritePrintoutPdf(image, caption, WithPdfSuffix(chosen))) {
    messages_.Error(QStringLiteral("File Open error."));
    return false;
  }
  return true;
}

}  // namespace quorvan
