// Boards generated per second over a sweep of seeds, and the mean time per board.
#include "game/board.h"
#include "game/generator.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

constexpr std::uint32_t SweepSeeds = 100'000;

// What a new game does to build its board, without drawing it or starting the clock.
void GenerateBoard(std::uint32_t seed)
{
    SeedRandom(seed);
    for (auto& row : gameState.board) {
        for (Cell& cell : row) {
            cell = Cell{0, Open};
        }
    }
    benchmark::DoNotOptimize(PlaceFrom(0, 0));
    benchmark::ClobberMemory();
}

// Every board of the seeds 0..99,999 per iteration: the same sweep the tests check, so that the
// costly seeds weigh in as often as they do in play.
void BM_GeneratorSweep(benchmark::State& state)
{
    for (auto _ : state) {
        for (std::uint32_t seed = 0; seed < SweepSeeds; ++seed) {
            GenerateBoard(seed);
        }
    }
    const auto boards = static_cast<double>(state.iterations()) * SweepSeeds;
    state.counters["boards/s"] = benchmark::Counter(boards, benchmark::Counter::kIsRate);
    state.counters["s/board"] =
        benchmark::Counter(boards, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GeneratorSweep)->Unit(benchmark::kMillisecond);

// One board per iteration, each from the next seed, as games follow one another.
void BM_OneBoard(benchmark::State& state)
{
    std::uint32_t seed = 0;
    for (auto _ : state) {
        GenerateBoard(seed++);
    }
}
BENCHMARK(BM_OneBoard);

}  // namespace

BENCHMARK_MAIN();
