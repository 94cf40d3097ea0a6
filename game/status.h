// The turn token texts of the status box and the status box colours.
#pragma once

#include <cstdint>
#include <string_view>

namespace game {

// The status text is the turn token; every test compares it whole and case-sensitively.
constexpr std::string_view kXsTurn = "X's Turn";
constexpr std::string_view kOsTurn = "O's Turn";
constexpr std::string_view kComputerWins = "O(Computer) Wins!";
constexpr std::string_view kTieGame = "Tie Game.";

// While a game runs the token is one of the two turns; any other text has ended it.
constexpr bool gameRuns(std::string_view token) { return token == kXsTurn || token == kOsTurn; }

// Colours 0x800000nn name system colour nn; others are 0x00BBGGRR.
using OleColor = std::uint32_t;
constexpr OleColor kDesktopColor = 0x80000001;          // while a game runs
constexpr OleColor kWindowBackgroundColor = 0x80000005; // once a game is decided

} // namespace game
