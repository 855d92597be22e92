// Every board of the seeds 0..99,999: built complete, cleared by clicks, and the sweep's figures.
#include "board_fixture.h"
#include "game/rules.h"
#include "platform/kernel_fake.h"
#include "recording_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t SeedCount = 100'000;
constexpr int PairCount = WinCount / 2;

struct SweepFigures {
    std::vector<int> attempts;  // by seed
    std::vector<int> draws;     // by seed
    int horizontalMin = PairCount, horizontalMax = 0;
    long long horizontalTotal = 0;
    std::array<long long, 6> pairsByKind{};  // index: the smaller value of the pair, 1..5
    long long sixAndFour = 0;
};

// Starts the game of one seed, checks the board, and plays it to the win by closing its own pairs
// in the order they were placed. Returns an empty string or what went wrong.
std::string PlaySeed(std::uint32_t seed, SweepFigures& figures)
{
    FakeKernelSetTickCount(seed);
    drawCalls.clear();
    StartTrace();
    NewGame();
    const GenerationTrace& trace = StopTrace();
    if (!trace.consistent || trace.pathLength != PairCount) {
        return "the search did not go as traced";
    }
    for (const auto& row : gameState.board) {
        for (const Cell& cell : row) {
            if (cell.value < 1 || cell.value > 9 || cell.state != Open) {
                return "a cell is not an open digit";
            }
        }
    }

    const std::vector<PlacedPair> pairs = PlacedPairs(trace);
    int horizontal = 0;
    for (int i = 0; i < PairCount; ++i) {
        const auto [row, col, partnerRow, partnerCol] = pairs[i];
        if (partnerRow >= BoardSize) {
            return "a pair reaches below the board";
        }
        const bool isHorizontal = partnerRow == row;
        horizontal += isHorizontal ? 1 : 0;

        const int first = gameState.board[row][col].value;
        const bool largestDraw = trace.path[i].valueDraw == 32767;
        if (largestDraw ? first != 6 : (first < 1 || first > 5)) {
            return "a pair's first cell holds " + std::to_string(first);
        }
        figures.pairsByKind[std::min(first, PairSum - first)] += 1;
        figures.sixAndFour += largestDraw ? 1 : 0;

        const bool last = i == PairCount - 1;
        if (ClickCell(row, col) || ClickCell(partnerRow, partnerCol) != last ||
            gameState.closedCount != 2 * (i + 1)) {
            return "pair " + std::to_string(i) + " did not close";
        }
    }
    // The whole board once, then per pair one redraw for the selection and two for the close.
    if (drawCalls.size() != 1 + 3 * PairCount || drawCalls.front() != BoardDrawn()) {
        return "the redraws do not match the game";
    }

    figures.attempts.push_back(trace.attempts);
    figures.draws.push_back(trace.draws);
    figures.horizontalMin = std::min(figures.horizontalMin, horizontal);
    figures.horizontalMax = std::max(figures.horizontalMax, horizontal);
    figures.horizontalTotal += horizontal;
    return {};
}

double Mean(const std::vector<int>& values)
{
    long long total = 0;
    for (int v : values) {
        total += v;
    }
    return static_cast<double>(total) / static_cast<double>(values.size());
}

TEST(GeneratorSweep, EverySeedBelowOneHundredThousandBuildsAClearableBoardAndTheSweepAddsUp)
{
    SweepFigures figures;
    figures.attempts.reserve(SeedCount);
    figures.draws.reserve(SeedCount);
    for (std::uint32_t seed = 0; seed < SeedCount; ++seed) {
        const std::string fault = PlaySeed(seed, figures);
        ASSERT_EQ(fault, "") << "seed " << seed;
    }
    const double n = SeedCount;

    const auto withoutUndo = std::count(figures.attempts.begin(), figures.attempts.end(), PairCount);
    EXPECT_NEAR(100.0 * static_cast<double>(withoutUndo) / n, 66.1, 0.05);
    EXPECT_NEAR(Mean(figures.attempts), 56.5, 0.05);
    EXPECT_NEAR(Mean(figures.draws), 92.6, 0.05);

    // 99 % of the seeds need at most this many attempts, and fewer would not cover 99 %.
    std::vector<int> sorted = figures.attempts;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted[SeedCount / 100 * 99 - 1], 134);

    const auto costliest = std::max_element(figures.attempts.begin(), figures.attempts.end());
    const auto costliestSeed = costliest - figures.attempts.begin();
    EXPECT_EQ(costliestSeed, 99222);
    EXPECT_EQ(*costliest, 429);  // every board keeps 50 of its attempts, so 379 were undone
    EXPECT_EQ(figures.draws[costliestSeed], 548);

    EXPECT_EQ(figures.horizontalMin, 6);
    EXPECT_EQ(figures.horizontalMax, 38);
    EXPECT_NEAR(static_cast<double>(figures.horizontalTotal) / n, 21.5, 0.05);
    EXPECT_EQ(PairCount - figures.horizontalMax, 12);  // fewest vertical pairs
    EXPECT_EQ(PairCount - figures.horizontalMin, 44);  // most vertical pairs
    EXPECT_NEAR(PairCount - static_cast<double>(figures.horizontalTotal) / n, 28.5, 0.05);

    // Each kind of pair, 1 and 9 through 5 and 5, makes up about a fifth; 6 and 4 comes only from
    // the draw 32767, about once in 32768 value draws.
    const double pairs = n * PairCount;
    for (int kind = 1; kind <= 5; ++kind) {
        EXPECT_NEAR(static_cast<double>(figures.pairsByKind[kind]) / pairs, 0.2, 0.002) << "kind " << kind;
    }
    EXPECT_GT(figures.sixAndFour, 0);
    EXPECT_LT(static_cast<double>(figures.sixAndFour), pairs / 32768.0 * 2.0);
}

}  // namespace
