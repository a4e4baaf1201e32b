#include "gui/help/HelpTopics.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "gui/common/MessageService.h"

namespace quorvan {

QStringList UserGuideCandidates(const QString& applicationDir) {
  QStringList folders;
  folders << QDir::cleanPath(applicationDir + QStringLiteral("/../share/doc/quorvan"));
#ifdef QUORVAN_SOURCE_DOCS
  folders << QStringLiteral(QUORVAN_SOURCE_DOCS);
#endif
  QStringList candidates;
  for (const QString& folder : folders) {
    candidates << folder + QStringLiteral("/user-guide.html")
               << folder + QStringLiteral("/user-guide.md");
  }
  return candidates;
}

QString FindUserGuide(const QStringList& candidates) {
  for (const QString& candidate : candidates) {
    const QFileInfo info(candidate);
    if (info.isFile() && info.isReadable()) return info.absoluteFilePath();
  }
  return {};
}

void HelpTopics(MessageService& messages, const QStringList& candidates, const UrlOpener& open) {
  const QString guide = FindUserGuide(candidates);
  if (guide.isEmpty()) {
    messages.Warning(
        QStringLiteral("The user guide was not found.\nIt is installed with Quorvan as "
                       "share/doc/quorvan/user-guide.md."));
    return;
  }
  if (!open(QUrl::fromLocalFile(guide))) {
    messages.Warning(QStringLiteral("The user guide could not be shown.\nIt is here:\n") +
                     QDir::toNativeSeparators(guide));
  }
}

void HelpTopics(MessageService& messages) {
  HelpTopics(messages, UserGuideCandidates(QCoreApplication::applicationDirPath()),
             [](const QUrl& url) { return QDesktopServices::openUrl(url); });
}

}  // namespace quorvan
