#include "io/settings/BackupLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace quorvan {

namespace {

QString DataFolderLocation() {
  const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
  QString data;
  if (!dataHome.isEmpty() && QDir::isRelativePath(dataHome)) {
    data = QDir::homePath() + QStringLiteral("/.local/share/") +
           QCoreApplication::organizationName() + QLatin1Char('/') +
           QCoreApplication::applicationName();
  } else {
    data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  }
  return data;
}

}  // namespace

QString BackupFolderLocation() { return DataFolderLocation() + QStringLiteral("/backups"); }

QString RecoveryFolderLocation() { return DataFolderLocation() + QStringLiteral("/recovery"); }

}  // namespace quorvan
