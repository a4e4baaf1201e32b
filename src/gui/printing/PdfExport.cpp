#include "gui/printing/PdfExport.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "core/files/DocumentFile.h"
#include "core/messages/Messages.h"
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
  return QFileDialog::getSaveFileName(parent_, QFileDialog::tr("Export PDF"), suggested,
                                      QFileDialog::tr("PDF Files(*.pdf)"));
}

QString SuggestedPdfName(const QString& documentName, const QString& folder) {
  const QFileInfo document(documentName);
  // A document without a file is named in the window's language; it gets the folder of the
  // last file.
  const QDir where = document.isAbsolute() ? document.dir() : QDir(folder);
  return where.filePath(document.completeBaseName() + QStringLiteral(".pdf"));
}

bool WritePrintoutPdf(const RadioImage& image, const QString& caption, const QString& path,
                      std::string* error) {
  const char destination = image.Plan().DestinationLetter();
  QByteArray pdf;
  if (!RenderPrintoutPdf(BuildPrintout(image, CaptionBytes(caption, destination)), destination,
                         pdf)) {
    if (error) *error = "the printout could not be drawn";
    return false;
  }
  return WriteFileAtomically(
      QFile::encodeName(path).toStdString(),
      std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), error);
}

PdfExport::PdfExport(MessageService& messages, PdfFileDialog& dialog)
    : messages_(messages), dialog_(dialog) {}

bool PdfExport::Export(const RadioImage& image, const QString& caption,
                       const QString& suggestedName) {
  const QString chosen = dialog_.PdfFileName(suggestedName);
  if (chosen.isEmpty()) return false;
  std::string error;
  if (!WritePrintoutPdf(image, caption, WithPdfSuffix(chosen), &error)) {
    messages_.Error(MessageText(FileNotWrittenMessage(error)));
    return false;
  }
  return true;
}

}  // namespace quorvan
