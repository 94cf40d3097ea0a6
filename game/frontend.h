// What the game asks of a front end: drawing the window, its message boxes and beep, and
// what screen readers are told.
#pragma once

#include "change.h"
#include "toolkit.h"

#include <string>

namespace game {

// A front end only shows what it is given: every text, colour and spoken phrase comes from
// the game. The Runtime calls it on the window's one thread.
class FrontEnd {
public:
    virtual ~FrontEnd() = default;

    // Modal, with one OK button: returns when the player has closed it. The Runtime handles
    // the timers' ticks that fall due meanwhile, from inside this call.
    virtual void msgBox(const std::string& prompt, BoxIcon icon, const std::string& title) = 0;
    virtual void beep() = 0;

    // Draws one changed property as the form now holds it.
    virtual void draw(const Change& change) = 0;

    // Tells screen readers at once, wherever the focus is: one message, spoken whole.
    virtual void announce(const std::string& message) = 0;
};

} // namespace game
