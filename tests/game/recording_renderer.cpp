// DrawBoard and DrawCell for the game's tests: they draw nothing and record each call.
#include "recording_renderer.h"

#include "render/board_renderer.h"

std::vector<DrawCall> drawCalls;
std::function<void()> onDrawBoard;

void DrawBoard()
{
    drawCalls.push_back(BoardDrawn());
    if (onDrawBoard) {
        onDrawBoard();
    }
}

void DrawCell(int row, int col)
{
    drawCalls.push_back(CellDrawn(row, col));
}
