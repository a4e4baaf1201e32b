// Start-up to a shown main window, without the splash: the settings loaded from a filled store,
// every start-up window built as the program builds it, the main window shown until the window
// system exposes it, then torn down. And the first full refresh of the four grids after that.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <QtGlobal>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "FullImage.h"
#include "app/StartupWindows.h"
#include "core/model/AppSettings.h"
#include "core/rules/SortMemoryChannels.h"
#include "gui/mainwindow/GridView.h"
#include "gui/mainwindow/TMainForm.h"
#include "io/settings/QSettingsStore.h"

namespace quorvan::bench {

namespace {

using Clock = std::chrono::steady_clock;

QtMessageHandler previousHandler = nullptr;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// What a user who has run the program before has stored: the model, all fifteen limits, the
// folder and the port, so no model selection is asked.
void FillSettingsStore(const QString& folder) {
  QSettingsStore store;
  SaveBandPlan(store, MakeDefaultBandPlan(kSetupChoices[0].type, kSetupChoices[0].model));
  SavePath(store, (folder + QStringLiteral("/channels.qvx")).toStdString());
  SavePort(store, "COM2");
}

bool ShowAndWaitUntilExposed(StartupWindows& windows) {
  windows.ShowMainForm();
  QWindow* window = windows.MainForm().windowHandle();
  return window != nullptr && QTest::qWaitForWindowExposed(window);
}

// The offscreen platform says this once per shown window; the figures would drown in it.
void DropSizeHintNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QStringLiteral("This plugin does not support propagateSizeHints"))) return;
  if (previousHandler != nullptr) previousHandler(type, context, text);
}

// Widgets deleted later must be gone before the next iteration starts.
void FinishDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// The phases are counters; the iteration's time is all of them together.
void RunStartups(benchmark::State& state) {
  double constructMs = 0;
  double exposeMs = 0;
  double teardownMs = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    auto settings = std::make_unique<QSettingsStore>();
    auto windows = std::make_unique<StartupWindows>(*settings, QString());
    const Clock::time_point constructed = Clock::now();
    if (!ShowAndWaitUntilExposed(*windows)) {
      state.SkipWithError("the main window was never exposed");
      break;
    }
    const Clock::time_point exposed = Clock::now();
    windows.reset();
    settings.reset();
    FinishDeletes();
    constructMs += std::chrono::duration<double, std::milli>(constructed - start).count();
    exposeMs += std::chrono::duration<double, std::milli>(exposed - constructed).count();
    teardownMs += MillisecondsSince(exposed);
  }
  const auto perIteration = benchmark::Counter::kAvgIterations;
  state.counters["construct_ms"] = benchmark::Counter(constructMs, perIteration);
  state.counters["show_expose_ms"] = benchmark::Counter(exposeMs, perIteration);
  state.counters["teardown_ms"] = benchmark::Counter(teardownMs, perIteration);
}

// The first start-up in the process, right after the application object: fonts, styles and
// the window system are loaded here, as in a real start of the program.
void BM_FirstStartupToShownWindow(benchmark::State& state) { RunStartups(state); }
// Every later one.
void BM_StartupToShownWindow(benchmark::State& state) { RunStartups(state); }

// A shown window gets the full document (as after opening a file or a read); timed is the
// refresh of every grid, the views' item layout and one paint of each grid's cells.
void BM_FirstFullGridRefresh(benchmark::State& state) {
  for (auto _ : state) {
    QSettingsStore settings;
    std::optional<StartupWindows> windows(std::in_place, settings, QString());
    if (!ShowAndWaitUntilExposed(*windows)) {
      state.SkipWithError("the main window was never exposed");
      break;
    }
    TMainForm& form = windows->MainForm();
    form.Image() = FullImage();

    const Clock::time_point start = Clock::now();
    form.RefreshView();
    for (int number = 1; number <= TMainForm::kGridCount; ++number) {
      GridView* grid = form.Grid(number);
      grid->doItemsLayout();
      grid->viewport()->repaint();
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());

    windows.reset();
    FinishDeletes();
  }
}

// Undo and redo through a shown window on the full document, views included: the step taken
// back and made again, every grid refreshed and painted each time. range(0): 0 a Sort by name,
// 1 a Delete of the 400 ordinary channels.
void BM_WindowUndoRedo(benchmark::State& state) {
  QSettingsStore settings;
  std::optional<StartupWindows> windows(std::in_place, settings, QString());
  if (!ShowAndWaitUntilExposed(*windows)) {
    state.SkipWithError("the main window was never exposed");
    return;
  }
  TMainForm& form = windows->MainForm();
  form.Image() = FullImage();
  form.Document().StartHistory(true);
  if (state.range(0) == 0) {
    SortMemoryChannels(form.Image(), SortKey::Name);
  } else {
    for (int slot = 0; slot < kOrdinaryMemorySlots; ++slot) {
      form.Image().Store(SlotKind::Memory, slot, {});
    }
  }
  form.Document().RecordChange(std::string("step"));
  const auto paint = [&form] {
    for (int number = 1; number <= TMainForm::kGridCount; ++number) {
      form.Grid(number)->doItemsLayout();
      form.Grid(number)->viewport()->repaint();
    }
  };
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    form.Undo();
    paint();
    form.Redo();
    paint();
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
  windows.reset();
  FinishDeletes();
}

// Registered first so that it runs first.
BENCHMARK(BM_FirstStartupToShownWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FirstFullGridRefresh)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_WindowUndoRedo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace

}  // namespace quorvan::bench

int main(int argc, char** argv) {
  // Settings and data in a folder of their own, never the user's; the window system offscreen.
  QTemporaryDir home;
  if (!home.isValid()) return 1;
  const QByteArray homePath = home.path().toLocal8Bit();
  ::setenv("HOME", homePath.constData(), 1);
  ::setenv("XDG_CONFIG_HOME", homePath.constData(), 1);
  ::setenv("XDG_DATA_HOME", homePath.constData(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);

  quorvan::bench::previousHandler = qInstallMessageHandler(quorvan::bench::DropSizeHintNotices);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvan"));
  QApplication::setOrganizationName(QStringLiteral("QUENTAR"));
  quorvan::bench::FillSettingsStore(home.path());

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
