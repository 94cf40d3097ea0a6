// What the game's handlers ask of the window toolkit: the modal message box, the beep, and
// word of every change.
#pragma once

#include "change.h"

#include <string>

namespace game {

// The icon of a message box, which always has one OK button.
enum class BoxIcon { None, Information, Critical };

// In the program the toolkit is the Runtime, which passes each call on to the front end; the
// game's own tests stand in for it.
class Toolkit {
public:
    virtual ~Toolkit() = default;

    // Modal: returns when the user has closed the box. Other handlers (timer ticks) may
    // run while it is open.
    virtual void msgBox(const std::string& prompt, BoxIcon icon, const std::string& title) = 0;
    virtual void beep() = 0;

    // Called as each property changes, before the handler goes on, so the window can
    // draw it before any message box that the same handler opens.
    virtual void changed(const Change& change) = 0;
};

} // namespace game
