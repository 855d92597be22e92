// Starting a game and the move rules: each row of the click decision table, the redraws, the win.
#include "board_fixture.h"
#include "game/rules.h"
#include "platform/kernel_fake.h"
#include "recording_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Position = std::pair<int, int>;  // (row, column)

// Play on the worked board of seed 0, written in directly so that these tests do not lean on the
// generator:
//   row 0: 2 1 9 2 5 5 5 1 3 7
//   row 1: 8 5 1 8 5 5 5 9 4 5
//   row 2: 4 5 9 3 7 5 2 5 6 5
//   row 3: 6 1 3 4 6 5 8 5 2 8
//   row 4: 2 9 7 5 5 5 5 2 8 5
class Rules : public testing::Test {
protected:
    void SetUp() override
    {
        SetBoard(SeedZeroBoard);
        gameState.selectedRow = -1;
        gameState.selectedCol = -1;
        gameState.closedCount = 0;
        gameState.gameWon = false;
        drawCalls.clear();
    }
};

struct ClickCase {
    std::string name;
    std::vector<Position> before;      // clicks made first
    Position click;                    // the click under test
    Position selectedAfter;            // (-1, -1) for none
    std::vector<Position> closedAfter;  // every Closed cell afterwards
    std::vector<DrawCall> drawn;        // what the click under test redrew, in order
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ClickCase& c, std::ostream* out)
{
    *out << c.name;
}

class ClickTable : public Rules, public testing::WithParamInterface<ClickCase> {};

TEST_P(ClickTable, ChangesAndRedrawsExactlyWhatTheRulesSay)
{
    const ClickCase& c = GetParam();
    for (const auto& [row, col] : c.before) {
        ClickCell(row, col);
    }
    drawCalls.clear();

    EXPECT_FALSE(ClickCell(c.click.first, c.click.second));

    EXPECT_EQ(drawCalls, c.drawn);
    EXPECT_EQ(gameState.selectedRow, c.selectedAfter.first);
    EXPECT_EQ(gameState.selectedCol, c.selectedAfter.second);
    EXPECT_EQ(gameState.closedCount, static_cast<int>(c.closedAfter.size()));
    for (int row = 0; row < BoardSize; ++row) {
        for (int col = 0; col < BoardSize; ++col) {
            const Position here{row, col};
            CellState expected = Open;
            if (here == c.selectedAfter) {
                expected = Selected;
            } else if (std::find(c.closedAfter.begin(), c.closedAfter.end(), here) != c.closedAfter.end()) {
                expected = Closed;
            }
            EXPECT_EQ(gameState.board[row][col].state, expected) << "row " << row << ", column " << col;
        }
    }
    EXPECT_EQ(BoardRows(), SeedZeroBoard) << "a click changed a value";
}

const Position None{-1, -1};

INSTANTIATE_TEST_SUITE_P(
    Cases, ClickTable,
    testing::Values(
        ClickCase{"SelectsAnOpenCell", {}, {0, 0}, {0, 0}, {}, {CellDrawn(0, 0)}},
        ClickCase{"DeselectsTheSelectedCell", {{0, 0}}, {0, 0}, None, {}, {CellDrawn(0, 0)}},
        ClickCase{"ClosesAVerticalPairClickedCellFirst",
                  {{0, 0}}, {1, 0}, None, {{0, 0}, {1, 0}}, {CellDrawn(1, 0), CellDrawn(0, 0)}},
        ClickCase{"ClosesAHorizontalPairLeftwardClickedCellFirst",
                  {{0, 2}}, {0, 1}, None, {{0, 1}, {0, 2}}, {CellDrawn(0, 1), CellDrawn(0, 2)}},
        ClickCase{"ClosesUpward", {{1, 5}}, {0, 5}, None, {{0, 5}, {1, 5}},
                  {CellDrawn(0, 5), CellDrawn(1, 5)}},
        // 9 at (0, 2) was placed with the 1 beside it; the 1 below it belongs to another pair.
        ClickCase{"ClosesAnyAdjacentComplementNotOnlyGeneratedPairs",
                  {{0, 2}}, {1, 2}, None, {{0, 2}, {1, 2}}, {CellDrawn(1, 2), CellDrawn(0, 2)}},
        ClickCase{"IgnoresADiagonalComplement", {{0, 4}}, {1, 5}, {0, 4}, {}, {}},
        ClickCase{"IgnoresTheWrapFromColumnNineToTheNextRow", {{3, 9}}, {4, 0}, {3, 9}, {}, {}},
        ClickCase{"IgnoresTheWrapBackFromColumnZero", {{4, 0}}, {3, 9}, {4, 0}, {}, {}},
        ClickCase{"IgnoresAnAdjacentCellThatDoesNotAddUpToTen", {{0, 0}}, {0, 1}, {0, 0}, {}, {}},
        ClickCase{"ClosesTheComplementAfterAMissedOne",
                  {{0, 0}, {0, 1}}, {1, 0}, None, {{0, 0}, {1, 0}}, {CellDrawn(1, 0), CellDrawn(0, 0)}},
        ClickCase{"KeepsASelectionStrandedByAFarClick", {{0, 0}}, {5, 5}, {0, 0}, {}, {}},
        ClickCase{"IgnoresAClosedCellWithoutSelection", {{0, 0}, {1, 0}}, {0, 0}, None, {{0, 0}, {1, 0}}, {}},
        // (0, 4) is closed; its 5 would complement the selected 5 below it.
        ClickCase{"IgnoresAClosedComplementAndKeepsTheSelection",
                  {{0, 4}, {0, 5}, {1, 4}}, {0, 4}, {1, 4}, {{0, 4}, {0, 5}}, {}}),
    [](const testing::TestParamInfo<ClickCase>& param) { return param.param.name; });

TEST_F(Rules, OnlyTheClickThatClosesTheLastPairWins)
{
    // Close the worked board's own pairs in the order they were placed.
    const Generated g = GenerateTraced(0);
    ASSERT_EQ(BoardRows(), SeedZeroBoard);
    const std::vector<PlacedPair> pairs = PlacedPairs(g.trace);
    ASSERT_EQ(pairs.size(), 50U);
    int closes = 0;
    for (const PlacedPair& p : pairs) {
        EXPECT_FALSE(ClickCell(p.row, p.col));
        EXPECT_EQ(ClickCell(p.partnerRow, p.partnerCol), closes == 49);
        ++closes;
    }
    EXPECT_EQ(closes, 50);
    EXPECT_EQ(gameState.closedCount, WinCount);

    // After the win every click reports the win again and changes and draws nothing.
    drawCalls.clear();
    for (const auto& [row, col] : std::vector<Position>{{0, 0}, {9, 9}, {4, 7}, {4, 7}}) {
        EXPECT_TRUE(ClickCell(row, col));
    }
    EXPECT_TRUE(drawCalls.empty());
    EXPECT_EQ(gameState.closedCount, WinCount);
    EXPECT_EQ(gameState.selectedCol, -1);
    EXPECT_EQ(gameState.selectedRow, -1);
}

TEST(NewGame, ResetsEveryFieldAndDrawsTheGeneratedBoardOnce)
{
    // Leave a game in the middle of play: a closed pair, a selection, the won flag set.
    SetBoard(SeedZeroBoard);
    gameState.selectedRow = -1;
    gameState.selectedCol = -1;
    gameState.closedCount = 0;
    ClickCell(0, 0);
    ClickCell(1, 0);
    ClickCell(5, 5);
    gameState.gameWon = true;

    FakeKernelSetTickCount(1);
    FakeKernelSetLocalTime(9, 30, 15, 250);
    drawCalls.clear();
    std::vector<std::string> boardWhenDrawn;
    onDrawBoard = [&] {
        boardWhenDrawn = BoardRows();
        FakeKernelAdvance(2000);  // drawing takes time that the clock must not count
    };
    NewGame();
    onDrawBoard = nullptr;

    EXPECT_EQ(drawCalls, std::vector<DrawCall>{BoardDrawn()});
    EXPECT_EQ(boardWhenDrawn, BoardRows()) << "the board was drawn before it was complete";
    EXPECT_EQ(BoardRows()[0], "3537546537");  // seed 1, the tick count
    EXPECT_EQ(gameState.selectedRow, -1);
    EXPECT_EQ(gameState.selectedCol, -1);
    EXPECT_EQ(gameState.closedCount, 0);
    EXPECT_FALSE(gameState.gameWon);
    EXPECT_EQ(gameState.startTime.wHour, 9);
    EXPECT_EQ(gameState.startTime.wMinute, 30);
    EXPECT_EQ(gameState.startTime.wSecond, 17);
    EXPECT_EQ(gameState.startTime.wMilliseconds, 250);

    for (int row = 0; row < BoardSize; ++row) {
        for (int col = 0; col < BoardSize; ++col) {
            const Cell& cell = gameState.board[row][col];
            EXPECT_EQ(cell.state, Open);
            EXPECT_GE(cell.value, 1);
            EXPECT_LE(cell.value, 9);
            // Every cell has a side neighbour that complements it.
            const auto complements = [&](int r, int c) {
                return r >= 0 && r < BoardSize && c >= 0 && c < BoardSize &&
                       gameState.board[r][c].value + cell.value == PairSum;
            };
            EXPECT_TRUE(complements(row - 1, col) || complements(row + 1, col) || complements(row, col - 1) ||
                        complements(row, col + 1))
                << "row " << row << ", column " << col;
        }
    }
}

TEST(NewGame, TheSameTickCountGivesTheSameBoard)
{
    FakeKernelSetTickCount(4294967295U);
    NewGame();
    const std::vector<std::string> first = BoardRows();
    ClickCell(2, 2);
    FakeKernelSetTickCount(4294967294U);
    NewGame();
    EXPECT_NE(BoardRows(), first);
    FakeKernelSetTickCount(4294967295U);
    StartTrace();
    NewGame();
    const GenerationTrace& trace = StopTrace();
    EXPECT_EQ(BoardRows(), first);
    // The tick count seeds whole: the first draw is that of seed 4294967295.
    ASSERT_FALSE(trace.firstDraws.empty());
    EXPECT_EQ(trace.firstDraws[0].value, 35);
}

}  // namespace
