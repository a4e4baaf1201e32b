// Live mode against the virtual radio paced at 9600 bit/s: one memory channel changed as the
// editor's OK changes it, until the radio's read-back has confirmed it; and the longest the
// window's event loop went without turning meanwhile.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <string>

#include "FullImage.h"
#include "core/files/DocumentFile.h"
#include "core/files/ReadBackups.h"
#include "core/model/ChannelRecord.h"
#include "core/model/SettingsStore.h"
#include "gui/live/LiveMode.h"
#include "gui/mainwindow/MainFormServices.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/transfer/ModalTransferDialogs.h"
#include "gui/transfer/TReadForm.h"
#include "gui/transfer/TWriteForm.h"
#include "support/E2eProcess.h"
#include "support/ScriptedServices.h"

namespace quorvan::bench {

namespace {

constexpr int kGuardMs = 30000;
constexpr int kControlWaitMs = 400;

void BM_LiveOneChannelPaced9600(benchmark::State& state) {
  QTemporaryDir dir;
  const RadioImage image = FullImage();
  const QString file = dir.filePath(QStringLiteral("served.qvx"));
  if (!SaveDocumentFile(file.toStdString(), image, nullptr)) {
    state.SkipWithError("cannot write the served file");
    return;
  }
  testing::VirtualRadio radio(
      {QStringLiteral("--file"), file, QStringLiteral("--baud"), QStringLiteral("9600")});
  MemorySettingsStore settings;
  settings.SetValue("Type", image.Plan().type);
  settings.SetValue("Model", image.Plan().model);
  ScriptedMessages messages;
  ScriptedFileDialogs files;
  TReadForm read(messages);
  TWriteForm write(messages);
  ModalTransferDialogs transfers(read, write);
  MainFormServices services;
  services.settings = &settings;
  services.messages = &messages;
  services.fileDialogs = &files;
  services.transfers = &transfers;
  services.chooseSetupIndex = [] { return 0; };
  services.workingDirectory = dir.path() + QStringLiteral("/");
  services.backupFolder = dir.filePath(QStringLiteral("backups"));
  services.presetPort = radio.Device();
  TMainForm form(services);
  form.show();
  form.Document().Open(image, file.toStdString());
  // What the radio holds is known, as after a read of it a minute ago.
  std::string error;
  if (!SaveBackup(QFile::encodeName(services.backupFolder).toStdString(), image,
                  std::time(nullptr) - 60, ReadBackupKind(true, true), nullptr, &error)) {
    state.SkipWithError(error.c_str());
    return;
  }
  // Argument 0: the same edits with live mode off, waiting as long as a confirmation took;
  // what the loop is kept from turning then is the edit's own work and the machine's.
  const bool live = state.range(0) == 1;
  if (live) form.Action(MainCommand::RadioLiveMode)->trigger();
  if (live && !form.Live().Active()) {
    state.SkipWithError("live mode did not start");
    return;
  }

  // A timer that should fire every millisecond: the longest gap between two is the longest the
  // event loop was kept from turning.
  QElapsedTimer ticks;
  qint64 lastTick = 0;
  qint64 longestGap = 0;
  QTimer beat;
  beat.setInterval(1);
  QObject::connect(&beat, &QTimer::timeout, [&] {
    const qint64 now = ticks.nsecsElapsed();
    longestGap = std::max(longestGap, now - lastTick);
    lastTick = now;
  });
  ticks.start();
  beat.start();

  const ItemRef item{ItemKind::Memory, 5};
  double slowest = 0;
  qint64 blocked = 0;
  int edit = 0;
  for (auto _ : state) {
    ChannelRecord record = ChannelRecord::Parse(form.Image().Record(SlotKind::Memory, 5));
    record.Set(ChannelField::Name, "LIVE" + std::to_string(edit++ % 10));
    QElapsedTimer elapsed;
    elapsed.start();
    lastTick = ticks.nsecsElapsed();
    longestGap = 0;
    form.Document().Change("Edit 005", [&record](RadioImage& target) {
      target.Store(SlotKind::Memory, 5, record.Text());
    });
    const auto waiting = [&] {
      if (!live) return elapsed.elapsed() < kControlWaitMs;
      return form.Live().StateOf(item) != LiveItemState::Confirmed && !form.Live().Paused() &&
             elapsed.elapsed() < kGuardMs;
    };
    while (waiting()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double seconds = static_cast<double>(elapsed.nsecsElapsed()) / 1e9;
    if (live && form.Live().StateOf(item) != LiveItemState::Confirmed) {
      state.SkipWithError("the change was not confirmed");
      break;
    }
    state.SetIterationTime(seconds);
    slowest = std::max(slowest, seconds);
    blocked = std::max(blocked, longestGap);
  }
  state.counters["slowest_confirm_ms"] = slowest * 1000;
  state.counters["longest_loop_block_ms"] = static_cast<double>(blocked) / 1e6;
}

BENCHMARK(BM_LiveOneChannelPaced9600)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

}  // namespace

}  // namespace quorvan::bench

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
