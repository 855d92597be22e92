// The board generator: a depth-first search over the coverings of the board by 50 pairs.
// Its operations take (column, row), the reverse of the move rules and the renderer.
#pragma once

bool PlaceFrom(int col, int row);
bool PlaceHorizontal(int col, int row);
bool PlaceVertical(int col, int row);
