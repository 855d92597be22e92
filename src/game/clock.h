// The game clock: whole seconds since the game started, read from the local time of day.
#pragma once

constexpr int SecondsPerDay = 86400;

// 0..86399.
int ElapsedSeconds();

// An elapsed time as it is shown: minutes (never capped) and seconds 0..59.
struct TimeDisplay {
    int minutes;
    int seconds;
};
TimeDisplay SplitElapsed(int seconds);
