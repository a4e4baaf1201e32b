#pragma once

#include <QString>
#include <string>

#include "core/model/RadioImage.h"

class QPrinter;
class QWidget;

namespace quorvan {

class MessageService;

// The installed printers and the print dialog, behind an interface so tests never face a
// modal dialog or a real printer.
class PrinterService {
 public:
  virtual ~PrinterService() = default;
  virtual bool HasDefaultPrinter() = 0;
  // Lets the user set up `printer`; false when the dialog was not confirmed.
  virtual bool ConfirmPrint(QPrinter& printer) = 0;
};

class SystemPrinterService : public PrinterService {
 public:
  explicit SystemPrinterService(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  bool HasDefaultPrinter() override;
  bool ConfirmPrint(QPrinter& printer) override;

 private:
  QWidget* parent_;
};

// The window caption as printed bytes in the destination's coding; a character the coding
// cannot hold prints as "?".
std::string CaptionBytes(const QString& caption, char destinationLetter);

// "&Print...": the whole document on the chosen printer. Printing reads the document only.
class PrintCommand {
 public:
  PrintCommand(MessageService& messages, PrinterService& printers);

  // True when the pages went to the printer.
  bool Print(const RadioImage& image, const QString& caption);

 private:
  MessageService& messages_;
  PrinterService& printers_;
};

}  // namespace quorvan
