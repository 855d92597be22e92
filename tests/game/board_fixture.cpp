// Helpers shared by the game's tests: boards written as digit rows, and generating a board by seed.
#include "board_fixture.h"

#include "game/generator.h"

const std::vector<std::string> SeedZeroBoard = {
    "2192555137", "8518555945", "4593752565", "6134658528", "2975555285",
    "8325528425", "2781463685", "8429557435", "3683355673", "7377755197",
};

std::vector<std::string> BoardRows()
{
    std::vector<std::string> rows;
    for (const auto& row : gameState.board) {
        std::string text;
        for (const Cell& cell : row) {
            text += static_cast<char>('0' + cell.value);
        }
        rows.push_back(text);
    }
    return rows;
}

void ClearBoard()
{
    for (auto& row : gameState.board) {
        for (Cell& cell : row) {
            cell = Cell{0, Open};
        }
    }
}

void SetBoard(const std::vector<std::string>& rows)
{
    ClearBoard();
    for (int row = 0; row < BoardSize; ++row) {
        for (int col = 0; col < BoardSize; ++col) {
            gameState.board[row][col].value = rows[row][col] - '0';
        }
    }
}

Generated GenerateTraced(std::uint32_t seed)
{
    SeedRandom(seed);
    ClearBoard();
    StartTrace();
    const bool succeeded = PlaceFrom(0, 0);
    return Generated{succeeded, StopTrace()};
}

std::vector<PlacedPair> PlacedPairs(const GenerationTrace& trace)
{
    constexpr int Cells = BoardSize * BoardSize;
    bool startsPair[Cells] = {};
    bool covered[Cells] = {};
    for (int i = 0; i < trace.pathLength; ++i) {
        startsPair[trace.path[i].cell] = true;
    }
    std::vector<PlacedPair> pairs;
    for (int i = 0; i < trace.pathLength; ++i) {
        const int cell = trace.path[i].cell;
        const int row = cell / BoardSize;
        const int col = cell % BoardSize;
        const bool horizontal = col < BoardSize - 1 && !startsPair[cell + 1] && !covered[cell + 1];
        const int partner = horizontal ? cell + 1 : cell + BoardSize;
        covered[cell] = true;
        if (partner < Cells) {
            covered[partner] = true;
        }
        pairs.push_back(PlacedPair{row, col, partner / BoardSize, partner % BoardSize});
    }
    return pairs;
}
