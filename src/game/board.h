// The state of a game and the game's own random source.
#pragma once

#include "platform/win32.h"

#include <cstdint>

constexpr int BoardSize = 10;   // cells per row and per column
constexpr int PairSum = 10;     // the two digits of a pair add up to this
constexpr int WinCount = 100;   // closed cells that end a game: all of them

enum CellState : std::int32_t {
    Open = 0,      // shows its digit and may be chosen
    Selected = 1,  // the first cell of a pair, shown hatched
    Closed = 2,    // removed: the picture shows through
};

struct Cell {
    std::int32_t value;  // 1..9 in play; 0 marks an empty cell while the board is built
    CellState state;
};

// Row after row: board[row][col], row 0 at the top, column 0 at the left.
using Board = Cell[BoardSize][BoardSize];

struct GameState {
    Board board;
    std::int32_t selectedRow;  // -1 when nothing is selected
    std::int32_t selectedCol;  // -1 when nothing is selected; the one field tested for that
    std::int32_t closedCount;  // always even, 0..100
    bool gameWon;              // the latest click closed the last cells
    SYSTEMTIME startTime;      // local time at which the game started
};

extern GameState gameState;

void SeedRandom(std::uint32_t seed);
// 0..32767: bits 16 to 30 of the next state.
int NextRandom();
