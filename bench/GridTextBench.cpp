// A full refresh of the four grids: the text of every cell, headers and labels included.
#include <benchmark/benchmark.h>

#include <cstddef>

#include "FullImage.h"
#include "core/rules/GridTexts.h"

namespace quorvan::bench {

namespace {

void BM_RefreshAllGrids(benchmark::State& state) {
  const RadioImage image = FullImage();
  long cells = 0;
  for (auto _ : state) {
    std::size_t characters = 0;
    cells = 0;
    for (const Grid grid : {Grid::Memory, Grid::Vfo, Grid::Call, Grid::Dtmf}) {
      const int rows = DataRowCount(image.Plan(), grid);
      const int columns = ColumnCount(grid);
      for (int row = 0; row <= rows; ++row) {
        for (int column = 0; column < columns; ++column) {
          characters += CellText(image, grid, row, column).size();
          ++cells;
        }
      }
    }
    benchmark::DoNotOptimize(characters);
  }
  state.counters["cells"] = static_cast<double>(cells);
}

BENCHMARK(BM_RefreshAllGrids)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace quorvan::bench

BENCHMARK_MAIN();
