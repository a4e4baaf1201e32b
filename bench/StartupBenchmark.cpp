// Start-up to a shown main window, without the splash: the settings loaded from a filled store,
// every start-up window built as the program builds it, the main window shown until the window
// system exposes it, then torn down. And the first full refresh of the four grids after that,
// a one-channel edit and undo and redo through the shown window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <QtGlobal>
#include <array>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "FullImage.h"
#include "app/StartupWindows.h"
#include "core/model/AppSettings.h"
#include "core/rules/EditorRules.h"
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

// Every grid of the window laid out again and painted, as the window system would after a
// change of what they show.
void PaintGrids(TMainForm& form) {
  for (const Grid grid : kGrids) {
    form.GridOf(grid)->doItemsLayout();
    form.GridOf(grid)->viewport()->repaint();
  }
}

// A shown window gets the full document (as after opening a file); timed is the refresh of
// every grid the new document brings, the views' item layout and one paint of each grid's cells.
void BM_FirstFullGridRefresh(benchmark::State& state) {
  for (auto _ : state) {
    QSettingsStore settings;
    std::optional<StartupWindows> windows(std::in_place, settings, QString());
    if (!ShowAndWaitUntilExposed(*windows)) {
      state.SkipWithError("the main window was never exposed");
      break;
    }
    TMainForm& form = windows->MainForm();

    const Clock::time_point start = Clock::now();
    form.Document().Open(FullImage(), "full.qvx");
    PaintGrids(form);
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());

    windows.reset();
    FinishDeletes();
  }
}

// A shown window on the full document, the memory grid scrolled to the channel edited.
struct ShownFullDocument {
  QSettingsStore settings;
  std::optional<StartupWindows> windows;
  TMainForm* form = nullptr;

  bool Show() {
    windows.emplace(settings, QString());
    if (!ShowAndWaitUntilExposed(*windows)) return false;
    form = &windows->MainForm();
    form->Document().Open(FullImage(), "full.qvx");
    return true;
  }
  ~ShownFullDocument() {
    windows.reset();
    FinishDeletes();
  }
};

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
};

// One channel stored as the memory editor stores it, through the document: the undo step
// recorded, the changed row, the status bar and the commands told, and what they marked for
// painting painted. Each iteration changes the channel's name back or forth.
void BM_WindowOneChannelEdit(benchmark::State& state) {
  ShownFullDocument shown;
  if (!shown.Show()) {
    state.SkipWithError("the main window was never exposed");
    return;
  }
  TMainForm& form = *shown.form;
  constexpr int kSlot = 4;
  GridView* memory = form.GridOf(Grid::Memory);
  memory->SelectGridRow(SlotToRow(form.Image().Plan(), Grid::Memory, kSlot));
  const std::array<std::string, 2> names{"EDITED", "AGAIN"};
  std::size_t turn = 0;
  PaintCounter counter;
  memory->viewport()->installEventFilter(&counter);
  for (auto _ : state) {
    EditorEntry entry;
    entry.choices = LoadMemoryChannel(form.Image(), kSlot).record;
    entry.typed = {"145.500", "", "0.60"};
    entry.choices.Set(ChannelField::Name, names[turn++ % names.size()]);
    const Clock::time_point start = Clock::now();
    const StoreOutcome out = ComposeMemoryRecord(form.Image(), kSlot, entry);
    const bool changed = form.Document().Change("Edit 004", [&out](RadioImage& image) {
      image.Store(SlotKind::Memory, kSlot, out.record);
    });
    // What the change marked for painting is painted, as the event loop would.
    QCoreApplication::processEvents();
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    if (!changed) {
      state.SkipWithError("the edit made no step");
      break;
    }
  }
  memory->viewport()->removeEventFilter(&counter);
  // Each edit must have been painted: the row is shown, not only changed.
  state.counters["paints"] = benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
}

// Undo and redo through a shown window on the full document, views included: the step taken
// back and made again, every grid refreshed and painted each time; undo_ms and redo_ms are
// each half. range(0): 0 a Sort by name, 1 a Delete of the 400 ordinary channels.
void BM_WindowUndoRedo(benchmark::State& state) {
  ShownFullDocument shown;
  if (!shown.Show()) {
    state.SkipWithError("the main window was never exposed");
    return;
  }
  TMainForm& form = *shown.form;
  form.Document().Change("step", [&state](RadioImage& image) {
    if (state.range(0) == 0) {
      SortMemoryChannels(image, SortKey::Name);
    } else {
      for (int slot = 0; slot < kOrdinaryMemorySlots; ++slot) {
        image.Store(SlotKind::Memory, slot, {});
      }
    }
  });
  double undoMs = 0;
  double redoMs = 0;
  for (auto _ : state) {
    const Clock::time_point start = Clock::now();
    form.Undo();
    PaintGrids(form);
    const Clock::time_point undone = Clock::now();
    form.Redo();
    PaintGrids(form);
    const Clock::time_point redone = Clock::now();
    undoMs += std::chrono::duration<double, std::milli>(undone - start).count();
    redoMs += std::chrono::duration<double, std::milli>(redone - undone).count();
    state.SetIterationTime(std::chrono::duration<double>(redone - start).count());
  }
  const auto perIteration = benchmark::Counter::kAvgIterations;
  state.counters["undo_ms"] = benchmark::Counter(undoMs, perIteration);
  state.counters["redo_ms"] = benchmark::Counter(redoMs, perIteration);
}

// Registered first so that it runs first.
BENCHMARK(BM_FirstStartupToShownWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FirstFullGridRefresh)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_WindowOneChannelEdit)->Unit(benchmark::kMillisecond)->UseManualTime();
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
