// Costs of the projection grid: a recomputation from the last turn against one from the first
// (the cost follows the rows recomputed), and the memory a grid of 100,000 x 14 cells takes.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

#include "grid/GridCtrl.h"
#include "growthmark/ProjectionGrid.h"

namespace {

std::unique_ptr<CProjectionGrid> projection(int turns)
{
    auto grid = std::make_unique<CProjectionGrid>();
    growthmark::ProjectionSeed& seed = grid->Seed();
    seed.InitialMode = growthmark::ModeCapital;
    seed.InitialSize = 1000;
    seed.InitialPopulation = 500;
    seed.InitialIndustry = 200;
    seed.InitialProductivity = 275;
    seed.InitialResources = 10;
    seed.TurnCount = turns;
    grid->BuildProjection();
    return grid;
}

// Argument: the table row the recomputation starts from, on a projection of 50 turns.
void RecalculateFrom(benchmark::State& state)
{
    const auto grid = projection(50);
    const int first = int(state.range(0));
    for (auto _ : state) {
        grid->Recalculate(first);
        benchmark::DoNotOptimize(grid->CellText(50, 11));
    }
    state.counters["rows"] = double(50 - std::max(first, 1) + 1);
}
BENCHMARK(RecalculateFrom)->Arg(50)->Arg(25)->Arg(1);

// Large blocks come straight from the system and are counted apart from the rest.
std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Bytes in use on the heap per cell of a grid of 100,000 rows and 14 columns, as the allocator
// counts them (its own bookkeeping included); the target is at most 192.
void MemoryPerCell(benchmark::State& state)
{
    constexpr int rows = 100000;
    constexpr int cols = 14;
    double perCell = 0;
    for (auto _ : state) {
        malloc_trim(0);
        const std::size_t before = heapInUse();
        auto grid = std::make_unique<CGridCtrl>(rows, cols, 1, 1);
        const std::size_t after = heapInUse();
        perCell = double(after - before) / (double(rows) * cols);
        benchmark::DoNotOptimize(grid->CellText(rows - 1, cols - 1));
    }
    state.counters["bytes_per_cell"] = perCell;
}
BENCHMARK(MemoryPerCell)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
