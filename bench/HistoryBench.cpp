// The history of a radio: `quorvan-cli history restore` of a state that differs from what the
// radio holds in three memory channels, the whole program against the virtual radio paced at
// 9600 bit/s (what a user waits for, from start to exit); and listing the largest history the
// retention keeps, every backup opened and compared with the one before.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <ctime>

#include "FullImage.h"
#include "core/files/DocumentFile.h"
#include "core/files/RadioHistory.h"
#include "core/files/ReadBackups.h"
#include "core/model/ChannelRecord.h"
#include "support/E2eProcess.h"

namespace quorvan::bench {

namespace {

constexpr const char* kBackups = ".local/share/QUENTAR/Quorvan/backups/";
constexpr const char* kFullState = "20261209T141500Z-0001-ARVEN-KK0F.qvx";
constexpr const char* kChangedState = "20261209T141500Z-0002-ARVEN-KK0F-written.qvx";

// The full image with memory channels 10, 200 and 350 renamed.
RadioImage ThreeChannelsChanged() {
  RadioImage image = FullImage();
  for (const int slot : {10, 200, 350}) {
    ChannelRecord channel = image.Channel(SlotKind::Memory, slot);
    channel.Set(ChannelField::Name, "CHANGED");
    image.Store(SlotKind::Memory, slot, channel.Text());
  }
  return image;
}

// Restores the two states in turns, each by its file name (the numbers move on as backups are
// kept): every run writes the same three channels.
void RunRestores(benchmark::State& state, bool verify) {
  testing::Cli cli;
  QDir().mkpath(cli.File(kBackups));
  const std::string backups = cli.File(kBackups).toStdString();
  const RadioImage changed = ThreeChannelsChanged();
  if (!SaveDocumentFile(backups + kFullState, FullImage(), nullptr) ||
      !SaveDocumentFile(backups + kChangedState, changed, nullptr) ||
      !SaveDocumentFile(cli.File("served.qvx").toStdString(), changed, nullptr)) {
    state.SkipWithError("cannot write the backups");
    return;
  }
  testing::VirtualRadio radio({"--file", cli.File("served.qvx"), "--baud", "9600"});
  if (radio.Device().isEmpty()) {
    state.SkipWithError("the virtual radio did not start");
    return;
  }
  bool toFull = true;
  for (auto _ : state) {
    QStringList args{"history", "restore",      toFull ? kFullState : kChangedState,
                     "--port",  radio.Device(), "--type",
                     "KK,0F",   "--quiet"};
    if (verify) args << "--verify";
    const auto start = std::chrono::steady_clock::now();
    const testing::CliRun run = cli.Run(args);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (run.exitCode != 0) {
      state.SkipWithError(("the restore failed: " + run.err.toStdString()).c_str());
      return;
    }
    state.SetIterationTime(elapsed.count());
    toFull = !toFull;
  }
}

void BM_HistoryRestoreThreeChannelsPaced9600(benchmark::State& state) { RunRestores(state, false); }
void BM_HistoryRestoreThreeChannelsVerifiedPaced9600(benchmark::State& state) {
  RunRestores(state, true);
}

// As many full backups as the retention keeps of the kinds a history of reads and writes of
// changes leaves: 50 whole reads, 50 writes and the 50 states they replaced.
void BM_LoadFullHistory(benchmark::State& state) {
  QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/history-XXXXXX"));
  const std::string folder = dir.path().toStdString();
  const RadioImage full = FullImage();
  const RadioImage changed = ThreeChannelsChanged();
  for (std::size_t n = 0; n < kKeptBackups; ++n) {
    for (const BackupKind kind : {BackupKind::Read, BackupKind::Replaced, BackupKind::Written}) {
      if (!SaveBackup(folder, n % 2 == 0 ? full : changed, std::time(nullptr), kind, nullptr,
                      nullptr)) {
        state.SkipWithError("cannot keep the backups");
        return;
      }
    }
  }
  std::size_t entries = 0;
  for (auto _ : state) {
    entries = LoadRadioHistory(folder, full.Plan()).size();
    benchmark::DoNotOptimize(entries);
  }
  state.counters["entries"] = static_cast<double>(entries);
}

BENCHMARK(BM_HistoryRestoreThreeChannelsPaced9600)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(6);
BENCHMARK(BM_HistoryRestoreThreeChannelsVerifiedPaced9600)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(4);
BENCHMARK(BM_LoadFullHistory)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

}  // namespace quorvan::bench

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
