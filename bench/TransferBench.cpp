// Full scope-All read and write of a full image with the virtual radio over a pseudo-terminal:
// unpaced (what one exchange costs us) and paced at 9600 bit/s (how close to the wire we stay).
#include <benchmark/benchmark.h>
#include <time.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <memory>

#include "CountingSequence.h"
#include "FullImage.h"
#include "core/files/DocumentFile.h"
#include "core/transfer/ReadSequence.h"
#include "core/transfer/WriteSequence.h"
#include "support/E2eProcess.h"
#include "support/SessionLink.h"

namespace quorvan::bench {

namespace {

constexpr double kWireBitsPerByte = 10.0;
constexpr double kPacedBaud = 9600.0;

struct Totals {
  long exchanges = 0;
  long bytes = 0;
  long replyBytes = 0;
  double seconds = 0;
  double cpuSeconds = 0;  // this process only: the radio's work and the scheduler's are not ours
};

double ProcessCpuSeconds() {
  timespec now{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One transfer of the full image; false with a message on the state when it did not complete.
bool TransferOnce(benchmark::State& state, testing::SessionLink& link, const QString& device,
                  bool write, Totals& totals) {
  const RadioImage full = FullImage();
  RadioImage image = MakeNewDocument(full.Plan());
  ReadSequence read(image, TransferScope::All);
  WriteSequence writeSequence(full, TransferScope::All);
  TransferSequence& inner = write ? static_cast<TransferSequence&>(writeSequence) : read;
  CountingSequence counting(inner);

  const double cpuStart = ProcessCpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  const testing::SessionResult result = link.Run(counting, device);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  const double cpu = ProcessCpuSeconds() - cpuStart;
  if (!result.finished || result.outcome != TransferSession::Outcome::Completed ||
      !result.message.isEmpty()) {
    state.SkipWithError(("transfer failed: " + result.message.toStdString()).c_str());
    return false;
  }
  if (!write) {
    image.SetComment(full.Comment());
    if (!(image == full)) {
      const std::pair<SlotKind, int> kinds[] = {{SlotKind::Memory, kMemorySlots},
                                                {SlotKind::Call, kCallSlots},
                                                {SlotKind::Vfo, kVfoSlots},
                                                {SlotKind::Dtmf, kDtmfSlots},
                                                {SlotKind::ProgramVfo, kProgramVfoSlots}};
      for (const auto& [kind, count] : kinds) {
        for (int slot = 0; slot < count; ++slot) {
          if (image.Record(kind, slot) != full.Record(kind, slot)) {
            std::fprintf(stderr, "slot %d: read [%s] held [%s]\n", slot,
                         image.Record(kind, slot).c_str(), full.Record(kind, slot).c_str());
            break;
          }
        }
      }
      state.SkipWithError("the image read differs from the radio's");
      return false;
    }
  }
  totals.exchanges += counting.Exchanges();
  totals.bytes += counting.Bytes();
  totals.replyBytes += counting.ReplyBytes();
  totals.seconds += elapsed.count();
  totals.cpuSeconds += cpu;
  return true;
}

void RunTransfers(benchmark::State& state, bool write, long baud) {
  QTemporaryDir dir;
  const QString served = dir.filePath("full.qvx");
  if (!SaveDocumentFile(served.toStdString(), FullImage(), nullptr)) {
    state.SkipWithError("cannot write the served image");
    return;
  }
  QStringList args{"--file", served};
  if (baud > 0) args << "--baud" << QString::number(baud);
  testing::VirtualRadio radio(args);
  if (radio.Device().isEmpty()) {
    state.SkipWithError("the virtual radio did not start");
    return;
  }
  testing::SessionLink link;
  Totals totals;
  for (auto _ : state) {
    if (!TransferOnce(state, link, radio.Device(), write, totals)) return;
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["exchanges"] = static_cast<double>(totals.exchanges) / iterations;
  state.counters["bytes"] = static_cast<double>(totals.bytes) / iterations;
  const auto exchanges = static_cast<double>(totals.exchanges);
  state.counters["us_per_exchange"] = 1e6 * totals.seconds / exchanges;
  state.counters["cpu_us_per_exchange"] = 1e6 * totals.cpuSeconds / exchanges;
  if (baud > 0) {
    const double wireSeconds = static_cast<double>(totals.bytes) * kWireBitsPerByte / baud;
    state.counters["wire_ratio"] = totals.seconds / wireSeconds;
    // The virtual radio paces only its replies; a pseudo-terminal takes our commands at once.
    const double replySeconds = static_cast<double>(totals.replyBytes) * kWireBitsPerByte / baud;
    state.counters["reply_wire_ratio"] = totals.seconds / replySeconds;
  }
}

void BM_ReadAllUnpaced(benchmark::State& state) { RunTransfers(state, false, 0); }
void BM_WriteAllUnpaced(benchmark::State& state) { RunTransfers(state, true, 0); }
void BM_ReadAllPaced9600(benchmark::State& state) {
  RunTransfers(state, false, static_cast<long>(kPacedBaud));
}
void BM_WriteAllPaced9600(benchmark::State& state) {
  RunTransfers(state, true, static_cast<long>(kPacedBaud));
}

BENCHMARK(BM_ReadAllUnpaced)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteAllUnpaced)->Unit(benchmark::kMillisecond)->UseRealTime();
// About a minute per transfer: one iteration each.
BENCHMARK(BM_ReadAllPaced9600)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_WriteAllPaced9600)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

}  // namespace quorvan::bench

int main(int argc, char** argv) {
  // The serial port and the session's timers need an application object.
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
