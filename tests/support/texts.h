// What the player reads, written out here as the player sees it: the tests hold the game's
// texts against these, not against the game's own constants.
#pragma once

namespace expected {

constexpr const char* kXsTurn = "X's Turn";
constexpr const char* kOsTurn = "O's Turn";
constexpr const char* kComputerWins = "O(Computer) Wins!";
constexpr const char* kTieGame = "Tie Game.";

constexpr const char* kRatingsTitle = "Player Ratings";
// After a win, by the number of X's on the board.
constexpr const char* kTwoXs = "Human(X): 1, Compuer(O): 4    Result: Computer(O) Wins.";
constexpr const char* kThreeXs = "Human(X): 2, Compuer(O): 4    Result: Computer(O) Wins.";
constexpr const char* kFourXs = "Human(X): 3, Compuer(O): 4    Result: Computer(O) Wins.";
constexpr const char* kTie = "Human(X): 4, Compuer(O): 4    Result: Tied Game";

} // namespace expected
