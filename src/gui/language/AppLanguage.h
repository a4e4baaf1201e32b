#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>
#include <array>
#include <string_view>

class QCoreApplication;

namespace quorvan {

class SettingsStore;

// A language the window can be shown in besides English, named in that language.
struct ShippedLanguage {
  const char* code;
  const char* name;
};
inline constexpr std::array<ShippedLanguage, 5> kShippedLanguages{{
    {"de", "Deutsch"},
    {"fr", "Fran\u00e7ais"},
    {"es", "Espa\u00f1ol"},
    {"it", "Italiano"},
    {"ja", "\u65e5\u672c\u8a9e"},
}};

// The settings store's value for the language: empty for the system's, "en" or a shipped code.
inline constexpr std::string_view kLanguageKey = "Language";
inline constexpr std::string_view kEnglishCode = "en";

// The language the window is shown in: the stored choice, or the system's when none is stored
// (or what is stored is no language the window ships).
QLocale ChosenLocale(const SettingsStore& settings, const QLocale& system);

// Where the program's .qm files are looked for: installed beside the program, then in the build
// tree it was built in.
QStringList TranslationFolders(const QString& applicationFolder);

// Loads the window's texts and Qt's own (its buttons and standard dialogs) for a language into
// the application; English loads nothing. False when the window has no texts in that language.
bool InstallTranslations(QCoreApplication& app, const QLocale& locale, const QStringList& folders);

}  // namespace quorvan
