// Where both programs keep their backups.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

#include "io/settings/BackupLocation.h"

namespace quorvan {
namespace {

TEST(BackupFolderLocation, FollowsAnAbsoluteXdgDataHomeAndIgnoresARelativeOne) {
  QCoreApplication::setOrganizationName(QStringLiteral("QUENTAR"));
  QCoreApplication::setApplicationName(QStringLiteral("Quorvan"));
  const QByteArray saved = qgetenv("XDG_DATA_HOME");
  const bool had = qEnvironmentVariableIsSet("XDG_DATA_HOME");
  const struct {
    const char* dataHome;  // null: not set
    QString folder;
  } cases[] = {
      {"/srv/data", QStringLiteral("/srv/data/QUENTAR/Quorvan/backups")},
      {nullptr, QDir::homePath() + QStringLiteral("/.local/share/QUENTAR/Quorvan/backups")},
      {"", QDir::homePath() + QStringLiteral("/.local/share/QUENTAR/Quorvan/backups")},
      {"data", QDir::homePath() + QStringLiteral("/.local/share/QUENTAR/Quorvan/backups")},
      {"./share", QDir::homePath() + QStringLiteral("/.local/share/QUENTAR/Quorvan/backups")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dataHome ? c.dataHome : "(not set)");
    if (c.dataHome) {
      qputenv("XDG_DATA_HOME", c.dataHome);
    } else {
      qunsetenv("XDG_DATA_HOME");
    }
    EXPECT_EQ(BackupFolderLocation().toStdString(), c.folder.toStdString());
  }
  if (had) {
    qputenv("XDG_DATA_HOME", saved);
  } else {
    qunsetenv("XDG_DATA_HOME");
  }
}

}  // namespace
}  // namespace quorvan
