// The "Player Ratings" messages: the report after a win and the tie's own message.
#pragma once

#include <string_view>

namespace game {

constexpr std::string_view kRatingsTitle = "Player Ratings";

// Keyed by the number of X's on the board; any other count shows nothing.
constexpr std::string_view kRatingForTwoXs =
    "Human(X): 1, Compuer(O): 4    Result: Computer(O) Wins.";
constexpr std::string_view kRatingForThreeXs =
    "Human(X): 2, Compuer(O): 4    Result: Computer(O) Wins.";
constexpr std::string_view kRatingForFourXs =
    "Human(X): 3, Compuer(O): 4    Result: Computer(O) Wins.";

constexpr std::string_view kTieRating = "Human(X): 4, Compuer(O): 4    Result: Tied Game";

} // namespace game
