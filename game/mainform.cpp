// The main window's state, its load handler, the human's moves, New Game and the focus sink's button.
#include "mainform.h"

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

void MainForm::announce(const Change& change)
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
    announce({Change::Property::SquarePicture, square});
}

void MainForm::setSquareEnabled(int square, bool enabled)
{
    bool& current = m_squareEnabled[square - 1];
    if (current == enabled)
        return;
    current = enabled;
    announce({Change::Property::SquareEnabled, square});
}

void MainForm::setStatusText(std::string_view text)
{
    if (m_statusText == text)
        return;
    m_statusText = text;
    announce({Change::Property::StatusText});
}

void MainForm::setStatusBackColor(OleColor color)
{
    if (m_statusBackColor == color)
        return;
    m_statusBackColor = color;
    announce({Change::Property::StatusBackColor});
}

void MainForm::appendItem(std::vector<std::string>& list, Change::Property property, int square)
{
    list.push_back(std::to_string(square));
    announce({property});
}

void MainForm::clearList(std::vector<std::string>& list, Change::Property property)
{
    if (list.empty())
        return;
    list.clear();
    announce({property});
}

void MainForm::setTimerEnabled(bool& timerEnabled, Change::Property property, bool enabled)
{
    if (timerEnabled == enabled)
        return;
    timerEnabled = enabled;
    announce({property});
}

} // namespace game
