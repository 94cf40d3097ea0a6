// What the game asks of its window: the message boxes, the beep, and word of every change.
#pragma once

#include <string>

namespace game {

class RuntimeError;

// One changed property of the main window. square is 1 to 9 for the square properties.
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

class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Modal: returns when the user has closed the box. Other handlers (timer ticks) may
    // run while it is open.
    virtual void msgBox(const std::string& prompt, int style, const std::string& title) = 0;
    virtual void beep() = 0;

    // Modal, like msgBox: tells the player of a run-time error that ended a handler.
    virtual void runtimeError(const RuntimeError& error) = 0;

    // Called as each property changes, before the handler goes on, so the window can
    // draw it before any message box that the same handler opens.
    virtual void changed(const Change& change) = 0;
};

} // namespace game
