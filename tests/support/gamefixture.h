// The game's tests: a loaded game on a fake toolkit, boards written as text and laid out
// directly, and games played handler by handler.
#pragma once

#include "mainform.h"
#include "texts.h"

#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Records boxes, beeps and changes, and can run other handlers while a box is open, as a real
// event loop does.
struct FakeToolkit : game::Toolkit {
    struct Message {
        std::string prompt;
        game::BoxIcon icon;
        std::string title;
    };

    std::vector<Message> messages;
    int beeps = 0;
    std::vector<game::Change> changes;
    // Runs once inside the next message box, then is dropped.
    std::function<void()> whileNextBoxIsOpen;
    // Called on every box, before whileNextBoxIsOpen.
    std::function<void(const Message&)> onBox;

    void msgBox(const std::string& prompt, game::BoxIcon icon, const std::string& title) override
    {
        messages.push_back({prompt, icon, title});
        if (onBox)
            onBox(messages.back());
        if (auto inside = std::exchange(whileNextBoxIsOpen, {}))
            inside();
    }
    void beep() override { ++beeps; }
    void changed(const game::Change& change) override { changes.push_back(change); }

    // The boxes' prompts; a box that is not a "Player Ratings" information box says so.
    QStringList prompts() const
    {
        QStringList result;
        for (const Message& m : messages)
            result << (m.icon == game::BoxIcon::Information && m.title == expected::kRatingsTitle ? QString::fromStdString(m.prompt) : "(wrong box)");
        return result;
    }
};

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

// A game just loaded; the board ('.', 'X', 'O' or 'W' the winning O, square 1 first), the
// status text and MoveStage laid out as given.
struct Game {
    FakeToolkit toolkit;
    game::MainForm form{toolkit};

    explicit Game(const char* board = nullptr, const char* status = nullptr, int stage = -1)
    {
        form.Form_Load();
        if (board)
            game::MainFormTestAccess::setBoard(form, board);
        if (status)
            game::MainFormTestAccess::setStatusText(form, status);
        if (stage >= 0)
            game::MainFormTestAccess::setMoveStage(form, std::int16_t(stage));
    }

    // The human's moves, each answered by one tick of the computer's timer.
    void play(const QList<int>& humanMoves)
    {
        for (int square : humanMoves) {
            form.Square_Click(square);
            form.CpuTurn_Timer();
        }
    }
};

// The board as nine characters, as Game takes it.
inline QString boardOf(const game::MainForm& form)
{
    QString text;
    for (int square = 1; square <= game::kSquareCount; ++square)
        text += ".XOW"[int(form.picture(square))];
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

// The window as its design starts it: nine empty, enabled squares, "X's Turn" on the desktop
// colour, empty move lists, both end-of-game timers on and MoveStage 1.
inline void verifyStartState(const game::MainForm& form)
{
    QCOMPARE(boardOf(form), QString("........."));
    for (int square = 1; square <= 9; ++square)
        QVERIFY(form.squareEnabled(square));
    QCOMPARE(statusOf(form), expected::kXsTurn);
    QCOMPARE(form.statusBackColor(), 0x80000001u);
    QVERIFY(form.lstP1M().empty());
    QVERIFY(form.lstP2M().empty());
    QVERIFY(form.winCheckEnabled());
    QVERIFY(form.tieCheckEnabled());
    QCOMPARE(form.moveStage(), 1);
}
