// New Game: from every state of a game back to the start state.
#include "gamefixture.h"

#include <QTest>

using namespace expected;

class NewGame : public QObject {
    Q_OBJECT

private slots:
    void restoresStartState_data()
    {
        QTest::addColumn<QList<int>>("xs");
        QTest::addColumn<bool>("answerLastMove");
        QTest::addColumn<QString>("status");
        QTest::newRow("right after start") << QList<int>{} << true << kXsTurn;
        QTest::newRow("X to move") << QList<int>{1, 9} << true << kXsTurn;
        QTest::newRow("O to move") << QList<int>{1, 9} << false << kOsTurn;
        QTest::newRow("computer won") << QList<int>{5, 9, 3, 6} << true << kComputerWins;
        QTest::newRow("tie") << QList<int>{2, 4, 9, 7, 6} << false << kTieGame;
    }
    void restoresStartState()
    {
        QFETCH(QList<int>, xs);
        QFETCH(bool, answerLastMove);
        QFETCH(QString, status);
        Game g;
        if (!xs.isEmpty())
            g.play(xs.mid(0, xs.size() - 1));
        if (!xs.isEmpty())
            g.form.Square_Click(xs.last());
        if (answerLastMove)
            g.form.CpuTurn_Timer();
        g.form.WinCheck_Timer();
        g.form.TieCheck_Timer();
        QCOMPARE(statusOf(g.form), status);
        const std::size_t changesBefore = g.toolkit.changes.size();

        g.form.cmdNewGame_Click();
        verifyStartState(g.form);
        if (xs.isEmpty()) // nothing to restore: no control is touched
            QCOMPARE(g.toolkit.changes.size(), changesBefore);
    }

    // A computer move that was due is dropped; the next game opens with row 49 or 50 again.
    void pendingComputerMoveIsDropped()
    {
        Game g;
        g.play({1});
        g.form.Square_Click(9);
        g.form.cmdNewGame_Click();
        g.form.CpuTurn_Timer();
        QCOMPARE(boardOf(g.form), QString("........."));
        g.play({5});
        QCOMPARE(itemsOf(g.form.lstP2M()), QStringList{"1"});
        QCOMPARE(g.form.moveStage(), 2);
    }

    void unfreezesBoardAfterWin()
    {
        Game g;
        g.play({5, 9, 3, 6});
        g.form.WinCheck_Timer();
        g.form.cmdNewGame_Click();
        g.form.Square_Click(8);
        QCOMPARE(boardOf(g.form), QString(".......X."));
        g.form.CpuTurn_Timer();
        g.form.WinCheck_Timer();
        QCOMPARE(statusOf(g.form), kXsTurn);
    }
};

QTEST_APPLESS_MAIN(NewGame)
#include "tst_newgame.moc"
