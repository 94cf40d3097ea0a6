// Every reachable state of a game, with the events in every order, keeps the window's invariants.
#include "gamefixture.h"
#include "invariants.h"

#include <QTest>

#include <set>
#include <string>

using game::MainForm;
using game::Mark;

namespace {

std::string keyOf(const MainForm& form)
{
    std::string key = boardOf(form).toStdString() + form.statusText();
    for (int square = 1; square <= 9; ++square)
        key += form.squareEnabled(square) ? 'e' : 'd';
    key += std::to_string(form.statusBackColor());
    key += form.winCheckEnabled() ? 'W' : 'w';
    key += form.tieCheckEnabled() ? 'T' : 't';
    key += std::to_string(form.moveStage());
    for (const auto& item : form.lstP1M())
        key += "x" + item;
    for (const auto& item : form.lstP2M())
        key += "o" + item;
    return key;
}

bool lineOpenFor(const MainForm& form, Mark mark)
{
    for (const auto& line : game::kLines) {
        int held = 0, empty = 0;
        for (int square : line) {
            held += form.holds(square, mark);
            empty += form.isEmpty(square);
        }
        if (held == 2 && empty == 1)
            return true;
    }
    return false;
}

bool completesLineOf(const MainForm& form, Mark mark, int target)
{
    for (const auto& line : game::kLines) {
        if (std::find(line.begin(), line.end(), target) == line.end())
            continue;
        int held = 0;
        for (int square : line)
            held += square != target && form.holds(square, mark);
        if (held == 2)
            return true;
    }
    return false;
}

class Explorer {
public:
    int states = 0;
    int endings = 0;
    int computerMoves = 0;

    void explore(const MainForm& form)
    {
        if (!m_seen.insert(keyOf(form)).second || QTest::currentTestFailed())
            return;
        ++states;
        bool anyChange = false;
        for (int event = 0; event < 12; ++event) {
            MainForm next = form;
            apply(next, event);
            if (keyOf(next) == keyOf(form))
                continue;
            anyChange = true;
            checkComputerMove(form, next, event);
            checkInvariants(next);
            explore(next);
        }
        if (!anyChange) {
            ++endings;
            QVERIFY2(!game::gameRuns(form.statusText()), ("a game stopped unfinished: " + keyOf(form)).c_str());
        }
    }

private:
    static void apply(MainForm& form, int event)
    {
        if (event < 9) {
            if (form.squareEnabled(event + 1)) // a disabled square delivers no click
                form.Square_Click(event + 1);
        } else if (event == 9) {
            if (form.tieCheckEnabled())
                form.TieCheck_Timer();
        } else if (event == 10) {
            form.CpuTurn_Timer();
        } else if (form.winCheckEnabled()) {
            form.WinCheck_Timer();
        }
    }

    // A line of O is completed whenever one can be; else a line of X is blocked if open.
    void checkComputerMove(const MainForm& before, const MainForm& after, int event)
    {
        if (event != 10)
            return;
        ++computerMoves;
        const int target = std::stoi(after.lstP2M().back());
        if (lineOpenFor(before, Mark::O))
            QVERIFY2(completesLineOf(before, Mark::O, target), keyOf(before).c_str());
        else if (lineOpenFor(before, Mark::X))
            QVERIFY2(completesLineOf(before, Mark::X, target), keyOf(before).c_str());
    }

    static void checkInvariants(const MainForm& form)
    {
        const std::string broken = invariants::violation(form);
        QVERIFY2(broken.empty(), (broken + ": " + keyOf(form)).c_str());
    }

    std::set<std::string> m_seen;
};

} // namespace

class Exhaustive : public QObject {
    Q_OBJECT

private slots:
    void everyGameKeepsInvariantsAndEnds()
    {
        Game g;
        Explorer explorer;
        explorer.explore(g.form);
        qInfo("%d states, %d computer moves, %d endings", explorer.states, explorer.computerMoves,
              explorer.endings);
        QVERIFY(explorer.endings > 0);
    }
};

QTEST_APPLESS_MAIN(Exhaustive)
#include "tst_exhaustive.moc"
