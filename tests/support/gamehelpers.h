// Helpers for the game's tests: boards written as text, laid out directly, and games played.
#pragma once

#include "mainform.h"

#include <QString>
#include <QStringList>

#include <initializer_list>
#include <string>
#include <vector>

namespace game {

// Lays out a board without playing it, for cases that play would take long to reach.
struct MainFormTestAccess {
    static void setBoard(MainForm& form, const char* board)
    {
        for (int square = 1; square <= kSquareCount; ++square)
            form.m_pictures[square - 1] = markOf(board[square - 1]);
    }
    static void setStatusText(MainForm& form, const std::string& text) { form.m_statusText = text; }
    static void setMoveStage(MainForm& form, std::int16_t stage) { form.MoveStage = stage; }

    static Mark markOf(char c)
    {
        switch (c) {
        case 'X': return Mark::X;
        case 'O': return Mark::O;
        case 'W': return Mark::OWin;
        default: return Mark::Empty;
        }
    }
};

} // namespace game

// The board as nine characters, square 1 first: '.' empty, 'X', 'O', 'W' the winning O.
inline QString boardOf(const game::MainForm& form)
{
    QString text;
    for (int square = 1; square <= game::kSquareCount; ++square) {
        switch (form.picture(square)) {
        case game::Mark::Empty: text += '.'; break;
        case game::Mark::X: text += 'X'; break;
        case game::Mark::O: text += 'O'; break;
        case game::Mark::OWin: text += 'W'; break;
        }
    }
    return text;
}

inline QStringList itemsOf(const std::vector<std::string>& list)
{
    QStringList items;
    for (const std::string& item : list)
        items << QString::fromStdString(item);
    return items;
}

inline QString statusOf(const game::MainForm& form)
{
    return QString::fromStdString(form.statusText());
}

// Plays the human's moves, each answered by one tick of the computer's timer.
inline void play(game::MainForm& form, const QList<int>& humanMoves)
{
    for (int square : humanMoves) {
        form.Square_Click(square);
        form.CpuTurn_Timer();
    }
}
