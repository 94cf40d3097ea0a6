// The nine squares of the board: their numbers, names, tool tips and the eight lines.
#pragma once

#include <array>
#include <string_view>

namespace game {

// Squares are numbered 1 to 9, row by row from the top left.
constexpr int kSquareCount = 9;

constexpr std::array<std::string_view, kSquareCount> kSquareNames = {
    "TopLeft",    "TopMiddle",    "TopRight",
    "MiddleLeft", "MiddleMiddle", "MiddleRight",
    "BottomLeft", "BottomMiddle", "BottomRight",
};

constexpr std::string_view squareName(int square) { return kSquareNames[square - 1]; }

// The order in which New Game enables the squares and a win disables them.
constexpr std::array<int, kSquareCount> kEnableOrder = {1, 3, 2, 4, 6, 5, 7, 9, 8};

// The eight lines in the order the win check tests them.
using Line = std::array<int, 3>;
constexpr std::array<Line, 8> kLines = {{
    {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, // rows
    {1, 4, 7}, {2, 5, 8}, {3, 6, 9}, // columns
    {1, 5, 9}, {3, 5, 7},            // falling and rising diagonals
}};

} // namespace game
