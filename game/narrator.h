// What a screen reader is told of the game: the spoken name of each square, and the messages
// that tell each mark placed, the end of a game and New Game.
#pragma once

#include "change.h"
#include "mark.h"

#include <string>

namespace game {

class MainForm;

// A square as a screen reader names it: "Square 5, X".
std::string spokenSquare(int square, Mark mark);

// Turns the window's changes into messages. Everything said within one event is one message,
// so that a later part does not cut off an earlier one; and from the player's X until the
// computer's answer the message waits, so that both are heard together.
class Narrator {
public:
    void changed(const MainForm& form, const Change& change);
    void newGame();

    // At the end of an event: the message to speak now, or nothing while it waits.
    std::string eventDone();
    // Before a message box opens: everything said so far, so that it is heard before the box.
    std::string beforeBox();

private:
    void say(const std::string& text);

    std::string m_pending;
    bool m_held = false;
};

} // namespace game
