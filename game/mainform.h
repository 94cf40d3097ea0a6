// The main window's game state and every game handler of the main window.
#pragma once

#include "int16.h"
#include "mark.h"
#include "squares.h"
#include "status.h"
#include "toolkit.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace game {

// The whole state of the game is what the main window's controls show, plus three
// window integers. Handlers change it only through the setters below, each of which
// tells the toolkit at once, so that the window is drawn before any message box opens. In the
// program that toolkit is the Runtime, which passes everything on to the front end.
class MainForm {
public:
    explicit MainForm(Toolkit& toolkit);

    // Event handlers, run by the window one at a time.
    void Form_Load();
    void Square_Click(int square); // TopLeft_Click ... BottomRight_Click; square is 1 to 9
    void cmdNewGame_Click();
    void GetFocas_Click();
    void CpuTurn_Timer();
    void WinCheck_Timer();
    void TieCheck_Timer();

    // What the window shows.
    Mark picture(int square) const { return m_pictures[square - 1]; }
    bool holds(int square, Mark mark) const { return picture(square) == mark; }
    bool isEmpty(int square) const { return picture(square) == Mark::Empty; }
    bool squareEnabled(int square) const { return m_squareEnabled[square - 1]; }
    const std::string& statusText() const { return m_statusText; }
    OleColor statusBackColor() const { return m_statusBackColor; }
    const std::vector<std::string>& lstP1M() const { return m_lstP1M; }
    const std::vector<std::string>& lstP2M() const { return m_lstP2M; }
    bool winCheckEnabled() const { return m_winCheckEnabled; }
    bool tieCheckEnabled() const { return m_tieCheckEnabled; }

    std::int16_t moveStage() const { return MoveStage; }

    // Goes up with every change of the state above: a handler that leaves it as it was
    // changed nothing, and will change nothing again until it moves.
    std::uint64_t revision() const { return m_revision; }
    std::int16_t squareCount() const { return SquareCount; }
    std::int16_t xCount() const { return XCount; }

private:
    friend struct MainFormTestAccess; // lets tests lay out a board directly

    void ShowRatings();

    void report(const Change& change);
    void setMoveStage(std::int16_t stage);
    void advanceMoveStage();
    void setPicture(int square, Mark mark);
    void setSquareEnabled(int square, bool enabled);
    void setStatusText(std::string_view text);
    void setStatusBackColor(OleColor color);
    void appendItem(std::vector<std::string>& list, Change::Property property, int square);
    void clearList(std::vector<std::string>& list, Change::Property property);
    void setTimerEnabled(bool& timerEnabled, Change::Property property, bool enabled);
    void showMessage(std::string_view prompt);

    Toolkit* m_toolkit;

    // The window's design: nine empty, enabled squares, "X's Turn" on the desktop
    // colour, empty move lists and running timers.
    std::array<Mark, kSquareCount> m_pictures{};
    std::array<bool, kSquareCount> m_squareEnabled{true, true, true, true, true, true, true, true, true};
    std::string m_statusText{kXsTurn};
    OleColor m_statusBackColor = kDesktopColor;
    std::vector<std::string> m_lstP1M;
    std::vector<std::string> m_lstP2M;
    bool m_winCheckEnabled = true;
    bool m_tieCheckEnabled = true;

    Int16 MoveStage;
    Int16 SquareCount;
    Int16 XCount;

    std::uint64_t m_revision = 0;
};

} // namespace game
