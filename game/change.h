// One changed property of the main window, as the game reports it.
#pragma once

namespace game {

// square is 1 to 9 for the square properties.
struct Change {
    enum class Property {
        SquarePicture,
        SquareEnabled,
        StatusText,
        StatusBackColor,
        P1MoveList,
        P2MoveList,
        WinCheckEnabled,
        TieCheckEnabled,
    };
    Property property;
    int square = 0;

    friend bool operator==(const Change&, const Change&) = default;
};

} // namespace game
