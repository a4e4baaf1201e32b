#include "gui/help/HelpTopics.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "core/messages/Messages.h"
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

QString UserGuideMissingText(const QStringList& candidates) {
  QString text =
      QCoreApplication::translate("quorvan::HelpTopics",
                                  "The user guide was not found.\nIt is installed with Quorvan as "
                                  "share/doc/quorvan/user-guide.md; it was looked for as:");
  for (const QString& candidate : candidates) {
    text += QLatin1Char('\n') + QDir::toNativeSeparators(candidate);
  }
  return text;
}

HelpTopics::HelpTopics(QWidget& owner, SettingsStore& settings, MessageService& messages,
                       QStringList candidates, UrlOpener openExternal)
    : owner_(owner),
      settings_(settings),
      messages_(messages),
      candidates_(std::move(candidates)),
      openExternal_(std::move(openExternal)) {
  if (candidates_.isEmpty()) {
    candidates_ = UserGuideCandidates(QCoreApplication::applicationDirPath());
  }
  if (!openExternal_) {
    openExternal_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  }
}

void HelpTopics::Show() {
  if (!window_) {
    const QString guide = FindUserGuide(candidates_);
    if (guide.isEmpty()) {
      messages_.Warning(UserGuideMissingText(candidates_));
      return;
    }
    auto* window = new THelpForm(settings_, openExternal_, &owner_);
    if (!window->LoadGuide(guide)) {
      delete window;
      messages_.Warning(MessageText(kGuideNotReadMessage) + QLatin1Char('\n') +
                        QDir::toNativeSeparators(guide));
      return;
    }
    window_ = window;
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace quorvan
