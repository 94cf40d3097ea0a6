// The rules the main window's game state keeps between any two events, as one check.
#pragma once

#include "mainform.h"
#include "texts.h"

#include <set>
#include <string>
#include <vector>

namespace invariants {

inline int count(const game::MainForm& form, game::Mark mark)
{
    int n = 0;
    for (int square = 1; square <= game::kSquareCount; ++square)
        n += form.holds(square, mark);
    return n;
}

// Each list names the squares of its side, once each, and nothing else.
inline bool listMatchesBoard(const game::MainForm& form, const std::vector<std::string>& list, bool xs)
{
    std::set<int> listed;
    for (const auto& item : list) {
        if (item.size() != 1 || item[0] < '1' || item[0] > '9' || !listed.insert(item[0] - '0').second)
            return false;
    }
    for (int square = 1; square <= game::kSquareCount; ++square) {
        const game::Mark mark = form.picture(square);
        const bool ours = xs ? mark == game::Mark::X : (mark == game::Mark::O || mark == game::Mark::OWin);
        if (ours != (listed.count(square) == 1))
            return false;
    }
    return true;
}

// Empty when every rule holds; otherwise the first rule broken.
inline std::string violation(const game::MainForm& form)
{
    const int xs = count(form, game::Mark::X);
    const int os = count(form, game::Mark::O) + count(form, game::Mark::OWin);
    if (form.statusText() == expected::kXsTurn && xs != os)
        return "X's Turn with a different number of X's and O's";
    if (form.statusText() == expected::kOsTurn && xs != os + 1)
        return "O's Turn without exactly one X more than O's";
    if (!listMatchesBoard(form, form.lstP1M(), true))
        return "the X list does not match the board";
    if (!listMatchesBoard(form, form.lstP2M(), false))
        return "the O list does not match the board";
    if (form.moveStage() != (form.lstP2M().empty() ? 1 : 2))
        return "MoveStage does not match the computer's moves";
    if (form.squareCount() != 0 || form.xCount() != 0)
        return "a counter is not back to 0";
    for (int square = 1; square <= game::kSquareCount; ++square) {
        if (form.squareEnabled(square) != form.winCheckEnabled())
            return "squares are frozen without a win, or a win left them enabled";
    }
    if (form.statusBackColor() != (game::gameRuns(form.statusText()) ? game::kDesktopColor : game::kWindowBackgroundColor))
        return "the status colour does not match the status text";
    // The winning picture stands on exactly one line, and only once the win is found.
    if (count(form, game::Mark::OWin) != (form.winCheckEnabled() ? 0 : 3))
        return "the winning picture is not on exactly one line of a found win";
    return {};
}

// Whether a tick would change the board now: the computer's move, a line of O to report, or
// a full board. While one would, the window must be armed to wake for it.
inline bool tickHasWork(const game::MainForm& form)
{
    bool full = true;
    for (int square = 1; square <= game::kSquareCount; ++square)
        full = full && !form.isEmpty(square);
    if (form.statusText() == expected::kOsTurn && !full)
        return true;
    if (form.tieCheckEnabled() && full)
        return true;
    for (const game::Line& line : game::kLines) {
        if (form.winCheckEnabled() && form.holds(line[0], game::Mark::O) && form.holds(line[1], game::Mark::O)
            && form.holds(line[2], game::Mark::O))
            return true;
    }
    return false;
}

// Why a box does not fit the board it rates: the tie's message on a board that is not full, or
// a rating for another number of X's than the board holds. Empty when it fits.
inline std::string boxFault(const std::string& prompt, const game::MainForm& form)
{
    const int xs = count(form, game::Mark::X);
    if (prompt == expected::kTie)
        return count(form, game::Mark::Empty) == 0 ? "" : "the tie's message on a board that is not full";
    const char* const ratings[] = {expected::kTwoXs, expected::kThreeXs, expected::kFourXs};
    if (xs >= 2 && xs <= 4 && prompt == ratings[xs - 2])
        return {};
    return "\"" + prompt + "\" shown with " + std::to_string(xs) + " X's on the board";
}

} // namespace invariants
