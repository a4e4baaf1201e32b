#include <gtest/gtest.h>

#include "core/model/SettingsStore.h"
#include "gui/language/AppLanguage.h"

namespace quorvan {
namespace {

// The stored choice wins; nothing stored, or a language the window does not ship, leaves the
// system's.
TEST(ChosenLocaleTest, StoredChoiceOrTheSystems) {
  struct Case {
    const char* stored;
    const char* system;
    QLocale::Language expected;
  };
  const Case cases[] = {
      {"", "de_DE", QLocale::German},    {"", "nl_NL", QLocale::Dutch},
      {"en", "ja_JP", QLocale::English}, {"ja", "en_US", QLocale::Japanese},
      {"fr", "de_AT", QLocale::French},  {"xx", "it_IT", QLocale::Italian},
      {"nl", "es_ES", QLocale::Spanish},
  };
  for (const Case& c : cases) {
    MemorySettingsStore settings;
    if (*c.stored) settings.SetValue(kLanguageKey, c.stored);
    EXPECT_EQ(ChosenLocale(settings, QLocale(QString::fromLatin1(c.system))).language(), c.expected)
        << c.stored << " on " << c.system;
  }
}

}  // namespace
}  // namespace quorvan
