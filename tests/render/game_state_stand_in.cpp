// The game's state for the renderer's tests while they are built without the game core.
#include "game/board.h"

GameState gameState;
