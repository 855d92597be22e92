// Recovers the 50 pairs of a board from its digits alone, as a player who reads the board would.
#pragma once

#include <array>
#include <utility>
#include <vector>

// Cells in reading order, 0..99; digits 1..9. The first cell not yet covered in reading order can only pair
// with its right or lower neighbour, so a depth-first search in that order finds a covering if one exists.
inline bool CoverWithPairs(const std::array<int, 100>& digits, std::vector<std::pair<int, int>>& pairs,
                           std::array<bool, 100>& used, int from = 0) {
    int i = from;
    while (i < 100 && used[i]) ++i;
    if (i == 100) return true;
    for (int next : {i + 1, i + 10}) {
        if ((next == i + 1 && i % 10 == 9) || next >= 100 || used[next] || digits[i] + digits[next] != 10) continue;
        used[i] = used[next] = true;
        pairs.emplace_back(i, next);
        if (CoverWithPairs(digits, pairs, used, i + 1)) return true;
        pairs.pop_back();
        used[i] = used[next] = false;
    }
    return false;
}

inline std::vector<std::pair<int, int>> BoardPairs(const std::array<int, 100>& digits) {
    std::array<bool, 100> used{};
    std::vector<std::pair<int, int>> pairs;
    if (!CoverWithPairs(digits, pairs, used)) pairs.clear();
    return pairs;
}
