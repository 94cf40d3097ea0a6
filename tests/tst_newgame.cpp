// New Game: from every state of a game back to the start state.
#include "support/faketoolkit.h"
#include "support/gamehelpers.h"

#include <QTest>

using game::MainForm;

namespace {

void verifyStartState(const MainForm& form)
{
    QCOMPARE(boardOf(form), QString("........."));
    for (int square = 1; square <= 9; ++square)
        QVERIFY(form.squareEnabled(square));
    QCOMPARE(statusOf(form), QString("X's Turn"));
    QCOMPARE(form.statusBackColor(), 0x80000001u);
    QVERIFY(form.lstP1M().empty());
    QVERIFY(form.lstP2M().empty());
    QVERIFY(form.winCheckEnabled());
    QVERIFY(form.tieCheckEnabled());
    QCOMPARE(form.moveStage(), 1);
}

} // namespace

class NewGame : public QObject {
    Q_OBJECT

private slots:
    void restoresStartState_data()
    {
        QTest::addColumn<QList<int>>("xs");
        QTest::addColumn<bool>("answerLastMove");
        QTest::addColumn<QString>("status");
        QTest::newRow("right after start") << QList<int>{} << true << "X's Turn";
        QTest::newRow("X to move") << QList<int>{1, 9} << true << "X's Turn";
        QTest::newRow("O to move") << QList<int>{1, 9} << false << "O's Turn";
        QTest::newRow("computer won") << QList<int>{5, 9, 3, 6} << true << "O(Computer) Wins!";
        QTest::newRow("tie") << QList<int>{2, 4, 9, 7, 6} << false << "Tie Game.";
    }
    void restoresStartState()
    {
        QFETCH(QList<int>, xs);
        QFETCH(bool, answerLastMove);
        QFETCH(QString, status);
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        for (int i = 0; i < xs.size(); ++i) {
            form.Square_Click(xs[i]);
            if (i + 1 < xs.size() || answerLastMove)
                form.CpuTurn_Timer();
        }
        form.WinCheck_Timer();
        form.TieCheck_Timer();
        QCOMPARE(statusOf(form), status);

        form.cmdNewGame_Click();
        verifyStartState(form);
    }

    void newGameRightAfterStartChangesNothing()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        form.cmdNewGame_Click();
        QVERIFY(toolkit.changes.empty());
    }

    // A computer move that was due is dropped; the next game opens with row 49 or 50 again.
    void pendingComputerMoveIsDropped()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        play(form, {1});
        form.Square_Click(9);
        form.cmdNewGame_Click();
        form.CpuTurn_Timer();
        QCOMPARE(boardOf(form), QString("........."));
        play(form, {5});
        QCOMPARE(itemsOf(form.lstP2M()), QStringList{"1"});
        QCOMPARE(form.moveStage(), 2);
    }

    void unfreezesBoardAfterWin()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        play(form, {5, 9, 3, 6});
        form.WinCheck_Timer();
        form.cmdNewGame_Click();
        form.Square_Click(8);
        QCOMPARE(boardOf(form), QString(".......X."));
        form.CpuTurn_Timer();
        form.WinCheck_Timer();
        QCOMPARE(statusOf(form), QString("X's Turn"));
    }
};

QTEST_APPLESS_MAIN(NewGame)
#include "tst_newgame.moc"
