// The board generator: depth-first search with backtracking over the coverings of the board by pairs.
#include "game/generator.h"

#include "game/board.h"

namespace {

// Both formulas divide by 32767, the largest draw, not by 32768: every board depends on it,
// and so does the lone draw 32767 that gives a 6-and-4 pair or tries vertical first.
constexpr int LargestDraw = 32767;

bool IsEmpty(int col, int row)
{
    return gameState.board[row][col].value == 0;
}

// Places a pair from (col, row) to (partnerCol, partnerRow) and goes on with the rest of the board;
// undoes the pair when the rest cannot be covered.
bool PlacePair(int col, int row, int partnerCol, int partnerRow)
{
    const int value = 1 + (5 * NextRandom()) / LargestDraw;
    gameState.board[row][col].value = value;
    gameState.board[partnerRow][partnerCol].value = PairSum - value;

    const bool placed = col < BoardSize - 1 ? PlaceFrom(col + 1, row) : PlaceFrom(0, row + 1);
    if (placed) {
        return true;
    }
    gameState.board[row][col].value = 0;
    gameState.board[partnerRow][partnerCol].value = 0;
    return false;
}

}  // namespace

bool PlaceFrom(int col, int row)
{
    while (!IsEmpty(col, row)) {
        if (++col == BoardSize) {
            col = 0;
            if (++row == BoardSize) {
                return true;  // every cell is filled
            }
        }
    }

    bool horizontalOpen = col < BoardSize - 1 && IsEmpty(col + 1, row);
    const bool verticalOpen = row < BoardSize - 1 && IsEmpty(col, row + 1);

    // Only where both directions are open does a draw pick the first: quotient 1 means horizontal,
    // 0 or 2 vertical.
    bool horizontalFirst = horizontalOpen;
    if (horizontalOpen && verticalOpen) {
        horizontalFirst = (2 * NextRandom()) / LargestDraw == 1;
    }
    if (horizontalFirst) {
        if (PlaceHorizontal(col, row)) {
            return true;
        }
        horizontalOpen = false;  // a horizontal attempt that failed is not made again
    }
    if (verticalOpen) {
        if (PlaceVertical(col, row)) {
            return true;
        }
        if (horizontalOpen) {
            return PlaceHorizontal(col, row);
        }
    }
    return false;
}

bool PlaceHorizontal(int col, int row)
{
    return PlacePair(col, row, col + 1, row);
}

bool PlaceVertical(int col, int row)
{
    return PlacePair(col, row, col, row + 1);
}
