// The one game state of the process and the game's 15-bit random source.
#include "game/board.h"

GameState gameState;

namespace {
std::uint32_t randomState = 0;
}

void SeedRandom(std::uint32_t seed)
{
    randomState = seed;
}

int NextRandom()
{
    // Unsigned arithmetic: the step wraps modulo 2^32, as the sequence requires.
    randomState = randomState * 214013U + 2531011U;
    // Bits 16 to 30 only: the generator's formulas are built on the range 0..32767.
    return static_cast<int>((randomState >> 16) & 32767U);
}
