// Timer ticks that run while a message box is open, as they do under a real event loop.
#include "gamefixture.h"

#include <QTest>

using namespace expected;

namespace {

// The computer's fourth O has just completed 1, 4, 7 and the win check has not ticked yet;
// the human's click on 8 fills the board.
void playIntoWinAndTieRace(Game& g)
{
    g.play({5, 9, 3, 6});
    g.form.Square_Click(8);
    QCOMPARE(boardOf(g.form), QString("OOXOXXOXX"));
    QCOMPARE(statusOf(g.form), kOsTurn);
}

void verifyBothEndsReported(const Game& g)
{
    const game::MainForm& form = g.form;
    QCOMPARE(boardOf(form), QString("WOXWXXWXX"));
    QVERIFY(!form.winCheckEnabled());
    QVERIFY(!form.tieCheckEnabled());
    for (int square = 1; square <= 9; ++square)
        QVERIFY(!form.squareEnabled(square));
    // The win counts five X's and shows nothing; the tie shows its own message.
    QCOMPARE(g.toolkit.prompts(), QStringList{kTie});
    QCOMPARE(g.toolkit.beeps, 1);
    QCOMPARE(form.squareCount(), 0);
    QCOMPARE(form.xCount(), 0);
    QCOMPARE(form.statusBackColor(), 0x80000005u);
}

} // namespace

class Reentrancy : public QObject {
    Q_OBJECT

private slots:
    // The win and the full board are found in either order: the win first, or while the tie's
    // box is open. Both are reported, each once.
    void winAndTieAreBothReported_data()
    {
        QTest::addColumn<bool>("insideTieBox");
        QTest::addColumn<QString>("status");
        QTest::newRow("win, then the tie") << false << kTieGame;
        QTest::newRow("win found while the tie's box is open") << true << kComputerWins;
    }
    void winAndTieAreBothReported()
    {
        QFETCH(bool, insideTieBox);
        QFETCH(QString, status);
        Game g;
        playIntoWinAndTieRace(g);
        const auto ticks = [&g] {
            g.form.CpuTurn_Timer();
            g.form.WinCheck_Timer();
            g.form.TieCheck_Timer();
        };
        if (insideTieBox) {
            g.toolkit.whileNextBoxIsOpen = ticks;
            g.form.TieCheck_Timer();
        } else {
            g.form.WinCheck_Timer();
            ticks();
        }
        verifyBothEndsReported(g);
        QCOMPARE(statusOf(g.form), status);
    }

    // A report asked for just before the win check ticks: the win's own report, run while
    // the first box is open, must count the board from zero and show its message.
    void winReportInsideRequestedReport()
    {
        Game g;
        g.play({2, 6, 8});
        QCOMPARE(boardOf(g.form), QString("OX..OX.XO"));
        g.toolkit.whileNextBoxIsOpen = [&] { g.form.WinCheck_Timer(); };
        g.form.GetFocas_Click();
        QCOMPARE(statusOf(g.form), kComputerWins);
        QCOMPARE(g.toolkit.prompts(), (QStringList{kThreeXs, kThreeXs}));
        QCOMPARE(g.form.xCount(), 0);
    }

    void otherTimersInsideWinBoxChangeNothing()
    {
        Game g;
        g.play({2, 6, 8});
        std::size_t changesAtBox = 0;
        g.toolkit.whileNextBoxIsOpen = [&] {
            changesAtBox = g.toolkit.changes.size();
            g.form.CpuTurn_Timer();
            g.form.TieCheck_Timer();
            g.form.WinCheck_Timer();
            QCOMPARE(g.toolkit.changes.size(), changesAtBox);
        };
        g.form.WinCheck_Timer();
        QCOMPARE(g.toolkit.messages.size(), std::size_t(1));
        QCOMPARE(boardOf(g.form), QString("WX..WX.XW"));
    }
};

QTEST_APPLESS_MAIN(Reentrancy)
#include "tst_reentrancy.moc"
