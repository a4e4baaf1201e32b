#include "gui/common/FileDialogService.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace quorvan {

namespace {

QString Filter() { return QFileDialog::tr("Quorvan Files (*.qvx)"); }
const QString kSuffix = QStringLiteral("qvx");

QString RunDialog(QFileDialog& dialog) {
  dialog.setNameFilter(Filter());
  dialog.setDefaultSuffix(kSuffix);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.first();
}

}  // namespace

QString NativeFileDialogService::OpenFileName(const QString& folder) {
  QFileDialog dialog(parent_, QString(), folder);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return RunDialog(dialog);
}

QString NativeFileDialogService::SaveFileName(const QString& folder, const QString& suggested) {
  QFileDialog dialog(parent_, QString(), folder);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // Replacing an existing file is not confirmed: Save As over the open file is routine here.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.selectFile(QFileInfo(suggested).fileName());
  return RunDialog(dialog);
}

bool HasChannelFileExtension(const QString& path) {
  return QFileInfo(path).suffix().compare(kSuffix, Qt::CaseInsensitive) == 0;
}

}  // namespace quorvan
