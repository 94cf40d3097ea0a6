#include "narrator.h"

#include "mainform.h"

#include <utility>

namespace game {

namespace {

std::string_view spokenMark(Mark mark)
{
    switch (mark) {
    case Mark::X: return "X";
    case Mark::O: return "O";
    case Mark::OWin: return "O, winning line";
    case Mark::Empty: break;
    }
    return "empty";
}

} // namespace

std::string spokenSquare(int square, Mark mark)
{
    return "Square " + std::to_string(square) + ", " + std::string(spokenMark(mark));
}

// Each X and O placed, by the square's new name; how a game ended, by the status text. The
// winning line and New Game's blanking are not told square by square.
void Narrator::changed(const MainForm& form, const Change& change)
{
    if (change.property == Change::Property::SquarePicture) {
        const Mark mark = form.picture(change.square);
        if (mark == Mark::X || mark == Mark::O)
            say(spokenSquare(change.square, mark) + ".");
    }
    if (change.property == Change::Property::StatusText) {
        if (!gameRuns(form.statusText()))
            say(form.statusText());
        m_held = form.statusText() == kOsTurn;
    }
}

void Narrator::newGame()
{
    say("New Game.");
}

std::string Narrator::eventDone()
{
    return m_held ? std::string() : beforeBox();
}

std::string Narrator::beforeBox()
{
    return std::exchange(m_pending, {});
}

void Narrator::say(const std::string& text)
{
    m_pending += m_pending.empty() ? text : " " + text;
}

} // namespace game
