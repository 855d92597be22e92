// Helpers shared by the game's tests: boards written as digit rows, and generating a board by seed.
#pragma once

#include "game/board.h"
#include "generation_trace.h"

#include <cstdint>
#include <string>
#include <vector>

// The board's values as ten rows of ten digits, row 0 first.
std::vector<std::string> BoardRows();

// Clears the board to empty, Open cells and writes the given rows of digits into it.
void SetBoard(const std::vector<std::string>& rows);

// Empties every cell and makes it Open, as a new game does before generating.
void ClearBoard();

// Seeds, clears and runs the generator from (0, 0) under a trace, as a new game does.
struct Generated {
    bool succeeded;
    GenerationTrace trace;
};
Generated GenerateTraced(std::uint32_t seed);

// The pairs a traced generation placed, as ((row, col), (partner row, partner col)), in the order they
// were placed. Read from the trace's first cells and the shape they force: a pair is horizontal when
// the cell to its right is neither covered by an earlier pair nor the first cell of a later one.
struct PlacedPair {
    int row, col;
    int partnerRow, partnerCol;
};
std::vector<PlacedPair> PlacedPairs(const GenerationTrace& trace);

// The worked board of seed 0: 50 pairs, nothing undone.
extern const std::vector<std::string> SeedZeroBoard;
