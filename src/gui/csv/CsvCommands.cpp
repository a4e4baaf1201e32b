#include "gui/csv/CsvCommands.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <string>

#include "core/files/DocumentFile.h"
#include "core/messages/Messages.h"
#include "core/messages/TransferNotes.h"
#include "core/model/Document.h"
#include "core/rules/CsvExport.h"
#include "core/rules/CsvImport.h"
#include "core/rules/CsvTable.h"
#include "core/rules/EditStepNames.h"
#include "gui/common/MessageService.h"
#include "gui/csv/CsvImportDialog.h"

namespace quorvan {

namespace {

QString Filter() { return QFileDialog::tr("CSV Files(*.csv);;All Files(*)"); }

}  // namespace

QString NativeCsvFileDialogs::OpenCsvName(const QString& folder) {
  return QFileDialog::getOpenFileName(parent_, QObject::tr("Import CSV"), folder, Filter());
}

QString NativeCsvFileDialogs::SaveCsvName(const QString& folder) {
  QFileDialog dialog(parent_, QObject::tr("Export CSV"), folder, Filter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("csv"));
  return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
             ? dialog.selectedFiles().first()
             : QString();
}

bool NativeCsvFileDialogs::ChooseImportPlacement(int selectedSlot, CsvPlacement& placement) {
  CsvImportDialog dialog(selectedSlot, parent_);
  if (dialog.exec() != QDialog::Accepted) return false;
  placement.inFileOrder = dialog.InFileOrder();
  placement.firstSlot = placement.inFileOrder ? selectedSlot : 0;
  return true;
}

CsvCommands::CsvCommands(Document& document, MessageService& messages, CsvFileDialogs& dialogs,
                         ReportViewer showReport, StatusLine showStatus)
    : document_(document),
      messages_(messages),
      dialogs_(dialogs),
      showReport_(std::move(showReport)),
      showStatus_(std::move(showStatus)) {}

void CsvCommands::ShowStatus(const std::string& text) const {
  if (showStatus_) showStatus_(MessageText(text));
}

bool CsvCommands::ExportCsv(const QString& folder) {
  const QString path = dialogs_.SaveCsvName(folder);
  if (path.isEmpty()) return false;
  const CsvExportResult result = ExportMemoryCsv(document_.Image());
  std::string error;
  const std::string name = QFileInfo(path).fileName().toStdString();
  if (!WriteFileAtomically(QFile::encodeName(path).toStdString(), result.text, &error)) {
    ShowStatus(ExportFailedText(name));
    messages_.Error(MessageText(FileNotWrittenMessage(error)));
    return false;
  }
  ShowStatus(ExportEndingText(result.rows, name));
  if (!result.unreadable.empty()) {
    QString labels;
    for (const std::string& label : result.unreadable) {
      labels += (labels.isEmpty() ? "" : ", ") + QString::fromStdString(label);
    }
    messages_.Warning(QObject::tr("These channels were left out because their frequency "
                                  "cannot be read: %1")
                          .arg(labels));
  }
  return true;
}

bool CsvCommands::ImportCsv(const QString& folder, int selectedSlot) {
  const QString path = dialogs_.OpenCsvName(folder);
  if (path.isEmpty()) return false;
  const bool ordinary = selectedSlot >= 0 && selectedSlot < kOrdinaryMemorySlots;
  CsvPlacement placement;
  if (!dialogs_.ChooseImportPlacement(ordinary ? selectedSlot : -1, placement)) return false;
  std::string text;
  std::string error;
  const std::string name = QFileInfo(path).fileName().toStdString();
  if (!ReadRegularFile(QFile::encodeName(path).toStdString(), kCsvMaxBytes, text, &error)) {
    ShowStatus(ImportUnreadText(name));
    messages_.Error(FileOpenErrorMessage(error));
    return false;
  }
  CsvImportReport report;
  bool isList = true;
  // By Location or in file order, every row the import stores is one step to undo.
  document_.Change(
      [&report](const ImageChanges&) { return ImportStepName(report.imported); },
      [&](RadioImage& image) { isList = ImportMemoryCsv(text, placement, image, report, &error); });
  ShowStatus(ImportEndingText(report.imported, name, isList));
  if (!isList) {
    messages_.Error(MessageText(CsvNotAChannelListMessage(error)));
    return false;
  }
  showReport_(QString::fromStdString(report.Text()));
  return report.imported > 0;
}

}  // namespace quorvan
