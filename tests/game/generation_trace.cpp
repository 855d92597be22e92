// The wrapper around NextRandom that records the generator's draws, attempts and placed pairs.
//
// The generator keeps nothing but its recursion, so the tracer rebuilds the search's path from what
// the board shows at each draw. Between two draws at most one pair is written (the one the last
// value draw paid for), and any number of pairs undone. So at each draw:
//   - if the cell of the newest pair on the path is filled, the search went deeper: this draw is
//     for a new first empty cell, and it chooses a direction exactly when both directions are open
//     there;
//   - otherwise pairs were undone (or nothing was written since a direction draw), and the draw is
//     a further attempt, a value draw, for the deepest pair on the path whose cell is still empty.
#include "generation_trace.h"

#include "game/board.h"

namespace {

constexpr std::size_t FirstDrawsKept = 8;

bool tracing = false;
GenerationTrace trace;

bool Filled(int cell)
{
    return gameState.board[cell / BoardSize][cell % BoardSize].value != 0;
}

void Observe(int value)
{
    ++trace.draws;
    bool newPair;
    int cell;
    if (trace.pathLength == 0 || Filled(trace.path[trace.pathLength - 1].cell)) {
        newPair = true;
        cell = trace.pathLength == 0 ? 0 : trace.path[trace.pathLength - 1].cell + 1;
        while (cell < BoardSize * BoardSize && Filled(cell)) {
            ++cell;
        }
    } else {
        newPair = false;
        while (trace.pathLength > 1 && !Filled(trace.path[trace.pathLength - 2].cell)) {
            --trace.pathLength;
        }
        cell = trace.path[trace.pathLength - 1].cell;
    }
    if (cell >= BoardSize * BoardSize || (newPair && trace.pathLength == 50)) {
        trace.consistent = false;
        return;
    }

    bool direction = false;
    if (newPair) {
        const int row = cell / BoardSize;
        const int col = cell % BoardSize;
        direction = col < BoardSize - 1 && !Filled(cell + 1) && row < BoardSize - 1 && !Filled(cell + BoardSize);
        trace.path[trace.pathLength++] = PathPair{cell, -1};
    }
    if (direction) {
        ++trace.directionDraws;
    } else {
        ++trace.attempts;
        trace.path[trace.pathLength - 1].valueDraw = value;
    }
    if (trace.firstDraws.size() < FirstDrawsKept) {
        trace.firstDraws.push_back(TracedDraw{value, direction, cell});
    }
}

}  // namespace

void StartTrace()
{
    trace.draws = 0;
    trace.directionDraws = 0;
    trace.attempts = 0;
    trace.pathLength = 0;
    trace.consistent = true;
    trace.firstDraws.clear();
    tracing = true;
}

const GenerationTrace& StopTrace()
{
    tracing = false;
    return trace;
}

// The linker sends every call of NextRandom here (-Wl,--wrap=_Z10NextRandomv); the real one is
// reached under its __real_ name. Outside a trace the wrapper only passes the draw on.
extern "C" int __real__Z10NextRandomv();

extern "C" int __wrap__Z10NextRandomv()
{
    const int value = __real__Z10NextRandomv();
    if (tracing) {
        Observe(value);
    }
    return value;
}
