// The two largest edits of many rows on a full document: Change Selected on all 400 ordinary
// channels and a move of a 200-row block by one. Timed as the window runs them: a copy of the
// document, the edit through the core, and the comparison that records the undo step.
#include <benchmark/benchmark.h>

#include <vector>

#include "FullImage.h"
#include "core/model/ImageChanges.h"
#include "core/rules/ChannelSettings.h"
#include "core/rules/MemoryRows.h"

namespace quorvan::bench {

namespace {

void BM_ChangeSelected400(benchmark::State& state) {
  const RadioImage full = FullImage();
  std::vector<int> slots;
  for (int slot = 0; slot < kOrdinaryMemorySlots; ++slot) slots.push_back(slot);
  ChannelSettings settings;
  settings.mode = 2;  // AM
  settings.step = 5;  // 12.5 kHz: many frequencies are fitted again
  settings.namePrefix = "R";
  for (auto _ : state) {
    RadioImage image = full;
    const SettingsOutcome out = ApplyChannelSettings(image, slots, settings);
    const ImageChanges step = ImageChanges::Between(full, image);
    benchmark::DoNotOptimize(out);
    benchmark::DoNotOptimize(step);
    if (out.stored != kOrdinaryMemorySlots) state.SkipWithError("not every channel was stored");
  }
}

void BM_Move200Rows(benchmark::State& state) {
  const RadioImage full = FullImage();
  for (auto _ : state) {
    RadioImage image = full;
    const bool moved = MoveMemoryRows(image, 100, 299, 1);
    const ImageChanges step = ImageChanges::Between(full, image);
    benchmark::DoNotOptimize(step);
    if (!moved) state.SkipWithError("the block did not move");
  }
}

}  // namespace

BENCHMARK(BM_ChangeSelected400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Move200Rows)->Unit(benchmark::kMillisecond);

}  // namespace quorvan::bench

BENCHMARK_MAIN();
