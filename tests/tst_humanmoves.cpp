// The start state, the human's moves and the turn token.
#include "gamefixture.h"

#include <QTest>

using namespace expected;

class HumanMoves : public QObject {
    Q_OBJECT

private slots:
    void startStateIsTheDesign()
    {
        Game g;
        verifyStartState(g.form);
        QCOMPARE(g.form.squareCount(), 0);
        QCOMPARE(g.form.xCount(), 0);
        QVERIFY(g.toolkit.changes.empty()); // loading touches no control
    }

    void clickOnEmptySquarePlacesX_data()
    {
        QTest::addColumn<int>("square");
        for (int square = 1; square <= 9; ++square)
            QTest::newRow(qPrintable(QString("square %1").arg(square))) << square;
    }
    void clickOnEmptySquarePlacesX()
    {
        QFETCH(int, square);
        Game g;
        g.form.Square_Click(square);

        QString expectedBoard(".........");
        expectedBoard[square - 1] = 'X';
        QCOMPARE(boardOf(g.form), expectedBoard);
        QCOMPARE(statusOf(g.form), kOsTurn);
        QCOMPARE(itemsOf(g.form.lstP1M()), QStringList{QString::number(square)});
        QVERIFY(g.form.lstP2M().empty());
        QCOMPARE(g.form.statusBackColor(), 0x80000001u);
        using P = game::Change::Property;
        const std::vector<game::Change> expectedChanges{{P::SquarePicture, square}, {P::StatusText}, {P::P1MoveList}};
        QVERIFY(g.toolkit.changes == expectedChanges);
    }

    // The human moves only on the exact token "X's Turn", the computer only on "O's Turn".
    void eachSideMovesOnlyOnItsOwnToken_data()
    {
        QTest::addColumn<bool>("computer");
        QTest::addColumn<QString>("token");
        for (const char* token : {kOsTurn, kComputerWins, kTieGame, "x's turn", "X'S TURN", "X's Turn ", " X's Turn",
                                  "X's  Turn", ""})
            QTest::newRow(qPrintable(QString("click on \"%1\"").arg(token))) << false << token;
        for (const char* token : {kXsTurn, kComputerWins, kTieGame, "o's turn", "O's Turn ", " O's Turn"})
            QTest::newRow(qPrintable(QString("tick on \"%1\"").arg(token))) << true << token;
    }
    void eachSideMovesOnlyOnItsOwnToken()
    {
        QFETCH(bool, computer);
        QFETCH(QString, token);
        Game g("X........", qPrintable(token));
        computer ? g.form.CpuTurn_Timer() : g.form.Square_Click(5);
        QCOMPARE(boardOf(g.form), QString("X........"));
        QCOMPARE(statusOf(g.form), token);
        QCOMPARE(g.form.moveStage(), 1);
        QVERIFY(g.toolkit.changes.empty());
    }

    void clickOnMarkedSquareChangesNothing_data()
    {
        QTest::addColumn<QString>("board");
        QTest::newRow("X") << "....X....";
        QTest::newRow("O") << "....O....";
        QTest::newRow("winning O") << "....W....";
    }
    void clickOnMarkedSquareChangesNothing()
    {
        QFETCH(QString, board);
        Game g(qPrintable(board));
        g.form.Square_Click(5);
        QCOMPARE(boardOf(g.form), board);
        QCOMPARE(statusOf(g.form), kXsTurn);
        QVERIFY(g.toolkit.changes.empty());
    }

    void secondQuickClickIsIgnored()
    {
        Game g;
        g.form.Square_Click(1);
        g.form.Square_Click(2);
        QCOMPARE(boardOf(g.form), QString("X........"));
        QCOMPARE(itemsOf(g.form.lstP1M()), QStringList{"1"});
    }

    void listsKeepOrderOfPlay()
    {
        Game g;
        g.play({5, 9});
        QCOMPARE(itemsOf(g.form.lstP1M()), (QStringList{"5", "9"}));
        QCOMPARE(itemsOf(g.form.lstP2M()), (QStringList{"1", "2"}));
    }

    // The board fills with the human's fifth X; the click still hands over the turn.
    void fifthXFillsBoardAndHandsOverTurn()
    {
        Game g;
        g.play({2, 4, 9, 7});
        g.form.Square_Click(6);
        QCOMPARE(boardOf(g.form), QString("OXOXOXXOX"));
        QCOMPARE(statusOf(g.form), kOsTurn);
        QCOMPARE(itemsOf(g.form.lstP1M()), (QStringList{"2", "4", "9", "7", "6"}));
    }
};

QTEST_APPLESS_MAIN(HumanMoves)
#include "tst_humanmoves.moc"
