// `boards FROM TO`: prints the board of every seed in a range, one line per seed.
// Each line is the seed, a space and the 100 digits row by row, from the game's own generator.
#include "game/board.h"
#include "game/generator.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr std::uint64_t SeedLimit = std::uint64_t{1} << 32;  // seeds are unsigned 32-bit

int Usage()
{
    std::fputs("usage: boards FROM TO\n"
               "Prints the board of each seed from FROM up to TO, TO excluded: the seed, a space and the\n"
               "100 digits row by row. FROM is 0 to 4294967295, TO is FROM to 4294967296.\n",
               stderr);
    return 2;
}

// Decimal digits only: no sign, no spaces, nothing after the number.
std::optional<std::uint64_t> ParseNumber(const char* text)
{
    const char* end = text + std::strlen(text);
    std::uint64_t value = 0;
    const auto [rest, error] = std::from_chars(text, end, value);
    if (text == end || *text < '0' || *text > '9' || error != std::errc{} || rest != end) {
        return std::nullopt;
    }
    return value;
}

void Generate(std::uint32_t seed)
{
    SeedRandom(seed);
    for (auto& row : gameState.board) {
        for (Cell& cell : row) {
            cell = Cell{0, Open};
        }
    }
    PlaceFrom(0, 0);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        return Usage();
    }
    const std::optional<std::uint64_t> from = ParseNumber(argv[1]);
    const std::optional<std::uint64_t> to = ParseNumber(argv[2]);
    if (!from || !to || *from >= SeedLimit || *to > SeedLimit || *from > *to) {
        return Usage();
    }

    std::string line;
    for (std::uint64_t seed = *from; seed < *to; ++seed) {
        Generate(static_cast<std::uint32_t>(seed));
        line = std::to_string(seed);
        line += ' ';
        for (const auto& row : gameState.board) {
            for (const Cell& cell : row) {
                line += static_cast<char>('0' + cell.value);
            }
        }
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), stdout);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}
