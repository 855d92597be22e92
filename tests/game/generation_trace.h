// Watches the generator from outside through a wrapper around NextRandom.
// The linker (--wrap) routes every draw to the wrapper, which tells a direction draw from a value draw
// by the board it sees.
#pragma once

#include <array>
#include <vector>

struct TracedDraw {
    int value;       // what NextRandom returned
    bool direction;  // a choice of direction; otherwise the value of a placement attempt
    int cell;        // row * 10 + column of the first empty cell the draw was made for
};

struct PathPair {
    int cell;       // row * 10 + column of the pair's first cell
    int valueDraw;  // the draw that gave the first cell its value
};

struct GenerationTrace {
    int draws = 0;
    int directionDraws = 0;
    int attempts = 0;  // one value draw per placement attempt
    // The pairs on the search's current path; once generation is over, the 50 pairs of the board
    // in the order they were placed.
    std::array<PathPair, 51> path{};
    int pathLength = 0;
    bool consistent = true;           // false if a draw did not fit the search as the tracer knows it
    std::vector<TracedDraw> firstDraws;  // the first few draws, for the worked examples
};

// From now on every NextRandom call is recorded into a fresh trace; the board must be cleared
// (or hold only what the test put there) before the generator starts.
void StartTrace();
const GenerationTrace& StopTrace();
