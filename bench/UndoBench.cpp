// Undo and redo of the two largest single steps on a full document: a Sort that moves every
// named channel and a Delete of all 400 ordinary channels. Timed: taking the step back and
// making it again in the document, as the window does before it refreshes its views.
#include <benchmark/benchmark.h>

#include "FullImage.h"
#include "core/model/EditHistory.h"
#include "core/rules/SortMemoryChannels.h"

namespace quorvan::bench {

namespace {

RadioImage Sorted(RadioImage image) {
  SortMemoryChannels(image, SortKey::Name);
  return image;
}

RadioImage Deleted(RadioImage image) {
  for (int slot = 0; slot < kOrdinaryMemorySlots; ++slot) image.Store(SlotKind::Memory, slot, {});
  return image;
}

void UndoRedo(benchmark::State& state, const RadioImage& after) {
  const RadioImage before = FullImage();
  EditHistory history;
  history.Reset(true);
  const ImageChanges changes = ImageChanges::Between(before, after);
  state.counters["items"] = static_cast<double>(changes.Size());
  history.Record("step", changes);
  RadioImage image = after;
  for (auto _ : state) {
    history.Undo(image);
    history.Redo(image);
    benchmark::DoNotOptimize(image);
  }
  if (image != after) state.SkipWithError("redo did not give the document after the step");
}

void BM_UndoRedoSortByName(benchmark::State& state) { UndoRedo(state, Sorted(FullImage())); }

void BM_UndoRedoDelete400(benchmark::State& state) { UndoRedo(state, Deleted(FullImage())); }

// Recording the step: the comparison of the two documents the window makes after a command.
void BM_RecordSortStep(benchmark::State& state) {
  const RadioImage before = FullImage();
  const RadioImage after = Sorted(before);
  for (auto _ : state) {
    EditHistory history;
    history.Record("Sort by Memory Name", ImageChanges::Between(before, after));
    benchmark::DoNotOptimize(history.Bytes());
  }
}

BENCHMARK(BM_UndoRedoSortByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoDelete400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordSortStep)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace quorvan::bench

BENCHMARK_MAIN();
