#include "gui/csv/CsvCommands.h"

#include <QFile>
#include <QFileDialog>
#include <QSaveFile>
#include <string>

#include "core/rules/CsvExport.h"
#include "core/rules/CsvImport.h"
#include "core/rules/CsvTable.h"
#include "gui/common/MessageService.h"

namespace quorvan {

namespace {

const QString kFilter = QStringLiteral("CSV Files(*.csv);;All Files(*)");
const QString kFileOpenError = QStringLiteral("File Open error.");

}  // namespace

QString NativeCsvFileDialogs::OpenCsvName(const QString& folder) {
  return QFileDialog::getOpenFileName(parent_, QObject::tr("Import CSV"), folder, kFilter);
}

QString NativeCsvFileDialogs::SaveCsvName(const QString& folder) {
  QFileDialog dialog(parent_, QObject::tr("Export CSV"), folder, kFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("csv"));
  return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
             ? dialog.selectedFiles().first()
             : QString();
}

CsvCommands::CsvCommands(RadioImage& image, MessageService& messages, CsvFileDialogs& dialogs,
                         ReportViewer showReport)
    : image_(image), messages_(messages), dialogs_(dialogs), showReport_(std::move(showReport)) {}

bool CsvCommands::ExportCsv(const QString& folder) {
  const QString path = dialogs_.SaveCsvName(folder);
  if (path.isEmpty()) return false;
  const CsvExportResult result = ExportMemoryCsv(image_);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(result.text.data(), static_cast<qint64>(result.text.size())) !=
          static_cast<qint64>(result.text.size()) ||
      !file.commit()) {
    messages_.Error(kFileOpenError);
    return false;
  }
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

bool CsvCommands::ImportCsv(const QString& folder) {
  const QString path = dialogs_.OpenCsvName(folder);
  if (path.isEmpty()) return false;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    messages_.Error(kFileOpenError);
    return false;
  }
  // Read one byte past the limit so an oversized file is refused rather than cut.
  const QByteArray bytes = file.read(static_cast<qint64>(kCsvMaxBytes) + 1);
  if (bytes.size() > static_cast<qint64>(kCsvMaxBytes)) {
    messages_.Error(QString::fromStdString(CsvNotAChannelListMessage(
        "the file is larger than " + std::to_string(kCsvMaxBytes / (1024 * 1024)) + " MB")));
    return false;
  }
  const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  CsvImportReport report;
  std::string error;
  if (!ImportMemoryCsv(text, image_, report, error)) {
    messages_.Error(QString::fromStdString(CsvNotAChannelListMessage(error)));
    return false;
  }
  showReport_(QString::fromStdString(report.Text()));
  return report.imported > 0;
}

}  // namespace quorvan
