// Starting a game and the rules of play: select, deselect, and close adjacent pairs that add up to ten.
#include "game/rules.h"

#include "game/board.h"
#include "game/generator.h"
#include "render/board_renderer.h"

namespace {

bool IsAdjacent(int row, int col, int otherRow, int otherCol)
{
    // Side by side or one above the other; diagonals and the step from the end of one row
    // to the start of the next do not count.
    const int rowStep = row > otherRow ? row - otherRow : otherRow - row;
    const int colStep = col > otherCol ? col - otherCol : otherCol - col;
    return (row == otherRow && colStep == 1) || (col == otherCol && rowStep == 1);
}

void ClearSelection()
{
    gameState.selectedCol = -1;
    gameState.selectedRow = -1;
}

}  // namespace

void NewGame()
{
    ClearSelection();
    gameState.closedCount = 0;
    SeedRandom(GetTickCount());
    for (auto& row : gameState.board) {
        for (Cell& cell : row) {
            cell = Cell{0, Open};
        }
    }
    PlaceFrom(0, 0);  // never fails on an empty board
    DrawBoard();
    // Read after the board is drawn, so that building and drawing it is not counted.
    GetLocalTime(&gameState.startTime);
    gameState.gameWon = false;
}

bool ClickCell(int row, int col)
{
    Cell& clicked = gameState.board[row][col];

    if (gameState.selectedCol == -1) {
        if (clicked.state == Open) {
            clicked.state = Selected;
            gameState.selectedCol = col;
            gameState.selectedRow = row;
            DrawCell(row, col);
        }
    } else {
        const int selectedRow = gameState.selectedRow;
        const int selectedCol = gameState.selectedCol;
        Cell& selected = gameState.board[selectedRow][selectedCol];

        if (row == selectedRow && col == selectedCol) {
            clicked.state = Open;
            ClearSelection();
            DrawCell(row, col);
        } else if (clicked.state == Open && IsAdjacent(row, col, selectedRow, selectedCol) &&
                   clicked.value + selected.value == PairSum) {
            clicked.state = Closed;
            selected.state = Closed;
            DrawCell(row, col);  // the clicked cell first, then the selected one
            DrawCell(selectedRow, selectedCol);
            gameState.closedCount += 2;
            ClearSelection();
        }
        // Otherwise the click is ignored and the selection stays where it was.
    }
    return gameState.closedCount == WinCount;
}
