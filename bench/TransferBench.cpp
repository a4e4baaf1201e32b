// Full scope-All read and write of a full image with the virtual radio over a pseudo-terminal:
// unpaced (what one exchange costs us) and paced at 9600 bit/s (how close to the wire we stay).
// Beside them, in the same run, what writing only changes saves: a write of three changed
// memory channels and a menu value (the check of what it replaces included), the same write with
// its journal kept in a backups folder on the disk (what it replaces and what it is to leave,
// before the first change is sent; made the "-written" backup when it ends), the read-back of
// those items, and a verify of the whole radio.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>

#include "CountingSequence.h"
#include "FullImage.h"
#include "core/files/DocumentFile.h"
#include "core/files/WriteJournal.h"
#include "core/model/ChannelRecord.h"
#include "core/rules/DocumentComparison.h"
#include "core/transfer/CheckedWriteSequence.h"
#include "core/transfer/ReadSequence.h"
#include "core/transfer/TransferCommands.h"
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

enum class Transfer {
  ReadAll,
  WriteAll,
  WriteChanges,
  WriteChangesJournaled,
  ReadBackChanges,
  VerifyAll
};

// The full image with memory channels 10, 200 and 350 renamed and the battery type changed.
RadioImage ChangedImage() {
  RadioImage image = FullImage();
  for (const int slot : {10, 200, 350}) {
    ChannelRecord channel = image.Channel(SlotKind::Memory, slot);
    channel.Set(ChannelField::Name, "CHANGED");
    image.Store(SlotKind::Memory, slot, channel.Text());
  }
  image.Menu().Set(kMenuBAT, image.Menu().Get(kMenuBAT) == "1" ? "0" : "1");
  return image;
}

// Why a read did not give back what the radio holds, or empty.
std::string ReadMismatch(const RadioImage& held, const RadioImage& read, const ItemSet& items) {
  const std::vector<FieldDifference> differences = CompareRadioItems(held, read, items);
  if (differences.empty()) return {};
  return "the items read differ from the radio's: " +
         DescribeDifferences(differences, "held", "read");
}

// One transfer; false with a message on the state when it did not complete.
// A write of changes sends only what the radio lacks, so every other one writes the changes
// back (`back`): the radio holds the full image before the odd ones and the changed one before
// the even ones, and each sends the same three channels and menu value.
bool TransferOnce(benchmark::State& state, testing::SessionLink& link, const QString& device,
                  Transfer transfer, const std::string& backups, bool back, Totals& totals) {
  const RadioImage full = FullImage();
  const RadioImage changedImage = ChangedImage();
  const RadioImage& held = back ? changedImage : full;
  const RadioImage& changed = back ? full : changedImage;
  const ItemSet changes = ChangesToWrite(full, changedImage);
  RadioImage image = MakeNewDocument(full.Plan());
  ReadSequence read(image, TransferScope::All);
  WriteSequence writeSequence(full, TransferScope::All);
  WritePlan plan;
  plan.changes = changes;
  plan.baseline = &held;
  WriteJournal journal(backups);
  if (transfer == Transfer::WriteChangesJournaled) {
    plan.keepJournal = [&journal](const RadioImage* replaced, const RadioImage& target,
                                  std::string* error) {
      return journal.Begin(replaced, target, std::time(nullptr), error);
    };
  }
  CheckedWriteSequence writeChanges(changed, plan);
  RadioImage itemsRead = full;
  ReadSequence readBack(itemsRead, changes);
  ReadSequence verify(itemsRead, ItemsOfScope(TransferScope::All));
  TransferSequence* inner = &read;
  switch (transfer) {
    case Transfer::ReadAll:
      break;
    case Transfer::WriteAll:
      inner = &writeSequence;
      break;
    case Transfer::WriteChanges:
    case Transfer::WriteChangesJournaled:
      inner = &writeChanges;
      break;
    case Transfer::ReadBackChanges:
      inner = &readBack;
      break;
    case Transfer::VerifyAll:
      inner = &verify;
      break;
  }
  CountingSequence counting(*inner);

  const double cpuStart = ProcessCpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  const testing::SessionResult result = link.Run(counting, device);
  // A journal that ends is part of the write: its "-written" backup is what the write leaves.
  std::string journalError;
  const std::optional<RadioImage> holds = writeChanges.RadioNowHolds();
  const bool journalEnded =
      !journal.Begun() || (holds && journal.Finish(*holds, std::time(nullptr), &journalError));
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  const double cpu = ProcessCpuSeconds() - cpuStart;
  if (!result.finished || result.outcome != TransferSession::Outcome::Completed ||
      !result.message.isEmpty()) {
    state.SkipWithError(("transfer failed: " + result.message.toStdString()).c_str());
    return false;
  }
  std::string mismatch;
  if (transfer == Transfer::ReadAll) {
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
      mismatch = "the image read differs from the radio's";
    }
  } else if (transfer == Transfer::WriteChanges || transfer == Transfer::WriteChangesJournaled) {
    if (writeChanges.StoppedBeforeWriting() || !writeChanges.WriteCompleted()) {
      mismatch = "the write of changes did not write";
    } else if (transfer == Transfer::WriteChangesJournaled && !journalEnded) {
      mismatch = "the journal did not end: " + journalError;
    }
  } else if (transfer == Transfer::ReadBackChanges) {
    mismatch = ReadMismatch(full, itemsRead, changes);
  } else if (transfer == Transfer::VerifyAll) {
    mismatch = ReadMismatch(full, itemsRead, ItemsOfScope(TransferScope::All));
  }
  if (!mismatch.empty()) {
    state.SkipWithError(mismatch.c_str());
    return false;
  }
  totals.exchanges += counting.Exchanges();
  totals.bytes += counting.Bytes();
  totals.replyBytes += counting.ReplyBytes();
  totals.seconds += elapsed.count();
  totals.cpuSeconds += cpu;
  return true;
}

void RunTransfers(benchmark::State& state, Transfer transfer, long baud) {
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
  // On the disk the benchmark runs from, as a user's backups folder is, not on a tmpfs.
  QTemporaryDir backups(QDir::currentPath() + QStringLiteral("/backups-XXXXXX"));
  bool back = false;
  for (auto _ : state) {
    if (!TransferOnce(state, link, radio.Device(), transfer, backups.path().toStdString(), back,
                      totals)) {
      return;
    }
    if (transfer == Transfer::WriteChanges || transfer == Transfer::WriteChangesJournaled) {
      back = !back;
    }
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

constexpr long kPaced = static_cast<long>(kPacedBaud);

void BM_ReadAllUnpaced(benchmark::State& state) { RunTransfers(state, Transfer::ReadAll, 0); }
void BM_WriteAllUnpaced(benchmark::State& state) { RunTransfers(state, Transfer::WriteAll, 0); }
void BM_ReadAllPaced9600(benchmark::State& state) {
  RunTransfers(state, Transfer::ReadAll, kPaced);
}
void BM_WriteAllPaced9600(benchmark::State& state) {
  RunTransfers(state, Transfer::WriteAll, kPaced);
}
void BM_WriteChangesPaced9600(benchmark::State& state) {
  RunTransfers(state, Transfer::WriteChanges, kPaced);
}
// Unpaced, the journal's own cost stands out from the line's.
void BM_WriteChangesUnpaced(benchmark::State& state) {
  RunTransfers(state, Transfer::WriteChanges, 0);
}
void BM_WriteChangesJournaledUnpaced(benchmark::State& state) {
  RunTransfers(state, Transfer::WriteChangesJournaled, 0);
}
void BM_WriteChangesJournaledPaced9600(benchmark::State& state) {
  RunTransfers(state, Transfer::WriteChangesJournaled, kPaced);
}
void BM_ReadBackChangesPaced9600(benchmark::State& state) {
  RunTransfers(state, Transfer::ReadBackChanges, kPaced);
}
void BM_VerifyAllPaced9600(benchmark::State& state) {
  RunTransfers(state, Transfer::VerifyAll, kPaced);
}

BENCHMARK(BM_ReadAllUnpaced)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteAllUnpaced)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteChangesUnpaced)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteChangesJournaledUnpaced)->Unit(benchmark::kMillisecond)->UseRealTime();
// About a minute per whole transfer: one iteration each.
BENCHMARK(BM_ReadAllPaced9600)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_WriteAllPaced9600)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_WriteChangesPaced9600)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_WriteChangesJournaledPaced9600)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK(BM_ReadBackChangesPaced9600)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_VerifyAllPaced9600)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

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
