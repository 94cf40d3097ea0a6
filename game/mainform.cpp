// The main window's game: its state, its load handler and every handler of its events and
// timers: the human's moves, the computer's move, the end of a game, New Game and the focus
// sink's button.
#include "mainform.h"

#include "ratings.h"
#include "ruletable.h"

#include <optional>

namespace game {

MainForm::MainForm(Toolkit& toolkit) : m_toolkit(&toolkit) {}

void MainForm::Form_Load()
{
    setMoveStage(1);
    SquareCount = 0;
    XCount = 0;
}

void MainForm::Square_Click(int square)
{
    if (statusText() != kXsTurn)
        return;
    if (!isEmpty(square))
        return;
    setPicture(square, Mark::X);
    setStatusText(kOsTurn);
    appendItem(m_lstP1M, Change::Property::P1MoveList, square);
}

void MainForm::CpuTurn_Timer()
{
    if (statusText() != kOsTurn)
        return;

    // MoveStage is read once, when the walk first reaches a row with a stage condition.
    std::optional<std::int16_t> stage;
    for (const Rule& rule : kRuleTable) {
        if (rule.stage != 0) {
            if (!stage)
                stage = MoveStage;
            if (*stage != rule.stage)
                continue;
        }
        // Every listed square is compared before the results are combined.
        bool held = true;
        for (int square : rule.mustHold) {
            if (square != 0)
                held = holds(square, rule.mark) && held;
        }
        if (!held)
            continue;
        if (rule.testsTarget && !isEmpty(rule.target))
            continue;

        setPicture(rule.target, Mark::O);
        if (rule.advancesStage)
            advanceMoveStage();
        setStatusText(kXsTurn);
        appendItem(m_lstP2M, Change::Property::P2MoveList, rule.target);
        return;
    }
    // No row matched: only on a full board. The token stays "O's Turn".
}

void MainForm::WinCheck_Timer()
{
    for (const Line& line : kLines) {
        if (!(holds(line[0], Mark::O) && holds(line[1], Mark::O) && holds(line[2], Mark::O)))
            continue;
        setStatusBackColor(kWindowBackgroundColor);
        for (int square : line)
            setPicture(square, Mark::OWin);
        // Off before the report, so no later tick reports this win while its box is open.
        setTimerEnabled(m_winCheckEnabled, Change::Property::WinCheckEnabled, false);
        setStatusText(kComputerWins);
        ShowRatings();
        for (int square : kEnableOrder)
            setSquareEnabled(square, false);
        return;
    }
}

void MainForm::TieCheck_Timer()
{
    for (int square = 1; square <= kSquareCount; ++square) {
        if (!isEmpty(square))
            SquareCount.increment();
    }
    if (SquareCount == 9) {
        setStatusBackColor(kWindowBackgroundColor);
        m_toolkit->beep();
        setStatusText(kTieGame);
        setTimerEnabled(m_tieCheckEnabled, Change::Property::TieCheckEnabled, false);
        showMessage(kTieRating);
    }
    SquareCount = 0;
}

void MainForm::ShowRatings()
{
    for (int square = 1; square <= kSquareCount; ++square) {
        if (holds(square, Mark::X))
            XCount.increment();
    }
    const std::int16_t xs = XCount;
    // Back to 0 before any box opens: timers tick while it is open, and a win found then
    // runs a report of its own, which must count from 0 rather than on top of this one.
    XCount = 0;
    if (xs == 2)
        showMessage(kRatingForTwoXs);
    if (xs == 3)
        showMessage(kRatingForThreeXs);
    if (xs == 4)
        showMessage(kRatingForFourXs);
}

void MainForm::cmdNewGame_Click()
{
    setStatusBackColor(kDesktopColor);
    setStatusText(kXsTurn);
    for (int square = 1; square <= kSquareCount; ++square)
        setPicture(square, Mark::Empty);
    for (int square : kEnableOrder)
        setSquareEnabled(square, true);
    setMoveStage(1);
    clearList(m_lstP1M, Change::Property::P1MoveList);
    clearList(m_lstP2M, Change::Property::P2MoveList);
    setTimerEnabled(m_winCheckEnabled, Change::Property::WinCheckEnabled, true);
    setTimerEnabled(m_tieCheckEnabled, Change::Property::TieCheckEnabled, true);
}

void MainForm::GetFocas_Click()
{
    ShowRatings();
}

void MainForm::report(const Change& change)
{
    ++m_revision;
    m_toolkit->changed(change);
}

// MoveStage is no control, so nothing is drawn for it; it still counts as a change.
void MainForm::setMoveStage(std::int16_t stage)
{
    if (MoveStage == stage)
        return;
    MoveStage = stage;
    ++m_revision;
}

void MainForm::advanceMoveStage()
{
    MoveStage.increment();
    ++m_revision;
}

void MainForm::setPicture(int square, Mark mark)
{
    Mark& current = m_pictures[square - 1];
    if (current == mark)
        return;
    current = mark;
    report({Change::Property::SquarePicture, square});
}

void MainForm::setSquareEnabled(int square, bool enabled)
{
    bool& current = m_squareEnabled[square - 1];
    if (current == enabled)
        return;
    current = enabled;
    report({Change::Property::SquareEnabled, square});
}

void MainForm::setStatusText(std::string_view text)
{
    if (m_statusText == text)
        return;
    m_statusText = text;
    report({Change::Property::StatusText});
}

void MainForm::setStatusBackColor(OleColor color)
{
    if (m_statusBackColor == color)
        return;
    m_statusBackColor = color;
    report({Change::Property::StatusBackColor});
}

void MainForm::appendItem(std::vector<std::string>& list, Change::Property property, int square)
{
    list.push_back(std::to_string(square));
    report({property});
}

void MainForm::clearList(std::vector<std::string>& list, Change::Property property)
{
    if (list.empty())
        return;
    list.clear();
    report({property});
}

void MainForm::setTimerEnabled(bool& timerEnabled, Change::Property property, bool enabled)
{
    if (timerEnabled == enabled)
        return;
    timerEnabled = enabled;
    report({property});
}

// The game's messages are message boxes of style 64: the information icon and one OK button.
void MainForm::showMessage(std::string_view prompt)
{
    m_toolkit->msgBox(std::string(prompt), BoxIcon::Information, std::string(kRatingsTitle));
}

} // namespace game
