// A recording double of the board renderer, linked in its place so that tests see every redraw in order.
#pragma once

#include <functional>
#include <vector>

struct DrawCall {
    bool wholeBoard;  // DrawBoard; otherwise DrawCell at (row, col)
    int row;
    int col;
    bool operator==(const DrawCall&) const = default;
};

inline DrawCall BoardDrawn()
{
    return DrawCall{true, -1, -1};
}
inline DrawCall CellDrawn(int row, int col)
{
    return DrawCall{false, row, col};
}

// Every DrawBoard and DrawCell since a test last cleared it, oldest first.
extern std::vector<DrawCall> drawCalls;
// Run inside DrawBoard, after the call is recorded, when a test wants to act at that moment.
extern std::function<void()> onDrawBoard;
