// Loading a language at start-up: the window's translation and Qt's own, from the .qm files
// built with the program, as main() loads them; and a box text of the catalogue looked up in
// the loaded language (a sentence made from a pattern, the slowest kind).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTranslator>

#include "core/messages/Messages.h"
#include "gui/common/MessageService.h"
#include "gui/language/AppLanguage.h"

namespace quorvan::bench {
namespace {

const QStringList kFolders{QStringLiteral(QUORVAN_BUILD_TRANSLATIONS)};

void UnloadTranslations() {
  for (QTranslator* translator : qApp->findChildren<QTranslator*>()) delete translator;
}

void BM_LoadTranslation(benchmark::State& state) {
  const ShippedLanguage& language = kShippedLanguages[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(language.code);
  const QLocale locale(QString::fromLatin1(language.code));
  for (auto _ : state) {
    if (!InstallTranslations(*qApp, locale, kFolders)) {
      state.SkipWithError("no translation built");
      break;
    }
    state.PauseTiming();
    UnloadTranslations();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadTranslation)
    ->DenseRange(0, kShippedLanguages.size() - 1)
    ->Unit(benchmark::kMillisecond);

void BM_TranslatedPatternSentence(benchmark::State& state) {
  InstallTranslations(*qApp, QLocale(QLocale::German), kFolders);
  const std::string english = WithDetail(RestoreQuestion("9 Dec 2026 14:15", 3), "detail");
  for (auto _ : state) benchmark::DoNotOptimize(MessageText(english));
  UnloadTranslations();
}
BENCHMARK(BM_TranslatedPatternSentence)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvan::bench

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
