// The turn token texts of the status box and the status box colours.
#pragma once

#include "colors.h"

#include <string_view>

namespace game {

// The status text is the turn token; every test compares it whole and case-sensitively.
constexpr std::string_view kXsTurn = "X's Turn";
constexpr std::string_view kOsTurn = "O's Turn";
constexpr std::string_view kComputerWins = "O(Computer) Wins!";
constexpr std::string_view kTieGame = "Tie Game.";

// While a game runs the token is one of the two turns; any other text has ended it.
constexpr bool gameRuns(std::string_view token) { return token == kXsTurn || token == kOsTurn; }

// The status box's back colour: the desktop's while a game runs, the window background's once
// it is decided.
constexpr OleColor kDesktopColor = systemColor(Desktop);
constexpr OleColor kWindowBackgroundColor = systemColor(WindowBackground);

} // namespace game
