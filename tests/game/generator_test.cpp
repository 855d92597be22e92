// The board generator on its worked examples: exact boards, draws, attempts and undos.
#include "board_fixture.h"
#include "game/generator.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

int CellIndex(int row, int col)
{
    return row * BoardSize + col;
}

TEST(Generator, SeedZeroBuildsItsBoardWithoutUndoing)
{
    const Generated g = GenerateTraced(0);
    ASSERT_TRUE(g.succeeded);
    ASSERT_TRUE(g.trace.consistent);
    EXPECT_EQ(BoardRows(), SeedZeroBoard);
    EXPECT_EQ(g.trace.attempts, 50);
    EXPECT_EQ(g.trace.draws, 82);
    EXPECT_EQ(g.trace.directionDraws, 32);

    // The first six draws and what each decided.
    const std::vector<TracedDraw> expected = {
        {38, true, CellIndex(0, 0)},     // vertical first
        {7719, false, CellIndex(0, 0)},  // value 2: 2 over 8
        {21238, true, CellIndex(0, 1)},  // horizontal first
        {2437, false, CellIndex(0, 1)},  // value 1: 1 beside 9
        {8855, true, CellIndex(0, 3)},   // column 2 is filled and passed over; vertical first
        {11797, false, CellIndex(0, 3)}, // value 2: 2 over 8
    };
    ASSERT_GE(g.trace.firstDraws.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(g.trace.firstDraws[i].value, expected[i].value);
        EXPECT_EQ(g.trace.firstDraws[i].direction, expected[i].direction);
        EXPECT_EQ(g.trace.firstDraws[i].cell, expected[i].cell);
    }
    EXPECT_EQ(gameState.board[0][0].value, 2);
    EXPECT_EQ(gameState.board[1][0].value, 8);
    EXPECT_EQ(gameState.board[0][1].value, 1);
    EXPECT_EQ(gameState.board[0][2].value, 9);
}

TEST(Generator, SeedOneBacktracks)
{
    const Generated g = GenerateTraced(1);
    ASSERT_TRUE(g.succeeded);
    ASSERT_TRUE(g.trace.consistent);
    EXPECT_EQ(BoardRows(), (std::vector<std::string>{
                               "3537546537", "7511511537", "1199299374", "9919837146", "5528465965",
                               "1922845555", "4682261914", "1288835596", "9373774195", "1955466285",
                           }));
    EXPECT_EQ(g.trace.attempts, 68);
    EXPECT_EQ(g.trace.attempts - g.trace.pathLength, 18);  // undone
    EXPECT_EQ(g.trace.draws, 106);

    ASSERT_GE(g.trace.firstDraws.size(), 4U);
    EXPECT_EQ(g.trace.firstDraws[0].value, 41);
    EXPECT_TRUE(g.trace.firstDraws[0].direction);
    EXPECT_EQ(g.trace.firstDraws[1].value, 18467);
    EXPECT_FALSE(g.trace.firstDraws[1].direction);
    EXPECT_EQ(g.trace.firstDraws[2].value, 6334);
    EXPECT_TRUE(g.trace.firstDraws[2].direction);
    EXPECT_EQ(g.trace.firstDraws[2].cell, CellIndex(0, 1));
    EXPECT_EQ(g.trace.firstDraws[3].value, 26500);
    EXPECT_FALSE(g.trace.firstDraws[3].direction);
}

TEST(Generator, TheLargestDrawGivesSixAndFour)
{
    const Generated g = GenerateTraced(127);
    ASSERT_TRUE(g.succeeded);
    ASSERT_TRUE(g.trace.consistent);
    EXPECT_EQ(gameState.board[4][4].value, 6);
    EXPECT_EQ(gameState.board[4][5].value, 4);
    bool found = false;
    for (int i = 0; i < g.trace.pathLength; ++i) {
        if (g.trace.path[i].cell == CellIndex(4, 4)) {
            found = true;
            EXPECT_EQ(g.trace.path[i].valueDraw, 32767);
        }
    }
    EXPECT_TRUE(found) << "no pair starts at row 4, column 4";
}

TEST(Generator, AFullBoardSucceedsAtOnceWithoutDrawing)
{
    SetBoard(SeedZeroBoard);
    StartTrace();
    EXPECT_TRUE(PlaceFrom(0, 0));
    EXPECT_TRUE(PlaceFrom(7, 9));
    EXPECT_EQ(StopTrace().draws, 0);
    EXPECT_EQ(BoardRows(), SeedZeroBoard);
}

TEST(Generator, AFailedSearchLeavesTheBoardAsItFoundIt)
{
    // Three empty cells in an L at the bottom left cannot be covered by pairs. Both directions are
    // open at the corner, so the search draws a direction, tries both, and must put everything back.
    std::vector<std::string> rows = SeedZeroBoard;
    rows[8][0] = '0';
    rows[8][1] = '0';
    rows[9][0] = '0';
    SetBoard(rows);
    StartTrace();
    EXPECT_FALSE(PlaceFrom(0, 8));
    const GenerationTrace& trace = StopTrace();
    EXPECT_TRUE(trace.consistent);
    EXPECT_EQ(trace.directionDraws, 1);
    EXPECT_EQ(trace.attempts, 2);
    EXPECT_EQ(BoardRows(), rows);
}

}  // namespace
