// The end of a game: the win check, the tie check and the ratings report.
#include "mainform.h"
#include "ratings.h"

namespace game {

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

void MainForm::showMessage(std::string_view prompt)
{
    m_toolkit->msgBox(std::string(prompt), kInformationStyle, std::string(kRatingsTitle));
}

} // namespace game
