// Starting a game and the rules of play.
#pragma once

void NewGame();
// One left click on the cell at (row, col), both 0..9; true when all 100 cells are closed afterwards.
bool ClickCell(int row, int col);
