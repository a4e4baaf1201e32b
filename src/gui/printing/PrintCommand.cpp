#include "gui/printing/PrintCommand.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/messages/Messages.h"
#include "core/model/NameCodec.h"
#include "core/rules/Printout.h"
#include "gui/common/MessageService.h"
#include "io/printing/PrintoutPainter.h"

namespace quorvan {

bool SystemPrinterService::HasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }

bool SystemPrinterService::ConfirmPrint(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

std::string CaptionBytes(const QString& caption, char destinationLetter) {
  return NameBytesFromUtf8Lossy(caption.toStdString(), destinationLetter);
}

PrintCommand::PrintCommand(MessageService& messages, PrinterService& printers)
    : messages_(messages), printers_(printers) {}

bool PrintCommand::Print(const RadioImage& image, const QString& caption) {
  if (!printers_.HasDefaultPrinter()) {
    messages_.Warning(MessageText(WithDetail(kNoDefaultPrinterMessage, kPdfWithoutPrinterText)));
    return false;
  }
  QPrinter printer(QPrinter::HighResolution);
  if (!printers_.ConfirmPrint(printer)) return false;
  const char destination = image.Plan().DestinationLetter();
  if (!PaintPrintout(printer, BuildPrintout(image, CaptionBytes(caption, destination)),
                     destination)) {
    messages_.Error(MessageText(kPrinterNotStartedMessage));
    return false;
  }
  return true;
}

}  // namespace quorvan
