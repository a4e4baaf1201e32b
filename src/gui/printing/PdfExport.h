#pragma once

#include <QString>
#include <string>

#include "core/model/RadioImage.h"

class QWidget;

namespace quorvan {

class MessageService;

// Asks where a PDF goes; an empty answer means the dialog was cancelled.
class PdfFileDialog {
 public:
  virtual ~PdfFileDialog() = default;
  virtual QString PdfFileName(const QString& suggested) = 0;
};

class NativePdfFileDialog : public PdfFileDialog {
 public:
  explicit NativePdfFileDialog(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  QString PdfFileName(const QString& suggested) override;

 private:
  QWidget* parent_;
};

// The name offered for a document's PDF: the document's path with ".pdf" instead of its
// extension, or "Untitled.pdf" in `folder` for an unnamed document.
QString SuggestedPdfName(const QString& documentName, const QString& folder);

// Writes the printed pages of the document to a PDF file as WriteFileAtomically writes: an
// older file is replaced only by a complete new one. False, with `error` when given, when the
// file cannot be written.
bool WritePrintoutPdf(const RadioImage& image, const QString& caption, const QString& path,
                      std::string* error = nullptr);

// "Export PDF...": the printout for desktops without a printer.
class PdfExport {
 public:
  PdfExport(MessageService& messages, PdfFileDialog& dialog);

  // True when a PDF was written; a cancelled dialog writes nothing and says nothing.
  bool Export(const RadioImage& image, const QString& caption, const QString& suggestedName);

 private:
  MessageService& messages_;
  PdfFileDialog& dialog_;
};

}  // namespace quorvan
