// The game clock: whole seconds of the local time of day passed since the game started.
#include "game/clock.h"

#include "game/board.h"

int ElapsedSeconds()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const SYSTEMTIME& start = gameState.startTime;
    // Only the time of day is compared, milliseconds left out: the clock counts the second
    // boundaries passed, and a game that runs past midnight still reads right.
    int seconds = ((now.wHour - start.wHour) * 60 + now.wMinute - start.wMinute) * 60 + now.wSecond - start.wSecond;
    if (seconds < 0) {
        seconds += SecondsPerDay;
    }
    return seconds;
}

TimeDisplay SplitElapsed(int seconds)
{
    return TimeDisplay{seconds / 60, seconds % 60};
}
