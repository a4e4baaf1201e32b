#include "gui/language/AppLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "core/model/SettingsStore.h"

namespace quorvan {

namespace {

bool IsShipped(const QString& code) {
  for (const ShippedLanguage& language : kShippedLanguages) {
    if (code == QLatin1String(language.code)) return true;
  }
  return false;
}

}  // namespace

QLocale ChosenLocale(const SettingsStore& settings, const QLocale& system) {
  const QString stored = QString::fromStdString(settings.Value(kLanguageKey));
  if (stored == QLatin1String(kEnglishCode.data(), static_cast<qsizetype>(kEnglishCode.size()))) {
    return QLocale(QLocale::English);
  }
  if (IsShipped(stored)) return QLocale(stored);
  return system;
}

QStringList TranslationFolders(const QString& applicationFolder) {
  QStringList folders{
      QDir(applicationFolder).filePath(QStringLiteral("../share/quorvan/translations"))};
#ifdef QUORVAN_BUILD_TRANSLATIONS
  folders << QStringLiteral(QUORVAN_BUILD_TRANSLATIONS);
#endif
  return folders;
}

bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders) {
  if (locale.language() == QLocale::English || locale.language() == QLocale::C) return false;
  auto* own = new QTranslator(&app);
  bool found = false;
  for (const QString& folder : folders) {
    if (own->load(locale, QStringLiteral("quorvan"), QStringLiteral("_"), folder)) {
      found = true;
      break;
    }
  }
  if (!found) {
    delete own;
    return false;
  }
  QCoreApplication::installTranslator(own);
  // Qt's own texts are only wanted beside ours: a window half in one language is worse.
  auto* qt = new QTranslator(&app);
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt);
  } else {
    delete qt;
  }
  return true;
}

}  // namespace quorvan
