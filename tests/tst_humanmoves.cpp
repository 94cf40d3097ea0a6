// The start state, the human's moves and the turn token.
#include "support/faketoolkit.h"
#include "support/gamehelpers.h"

#include <QTest>

using game::MainForm;
using game::MainFormTestAccess;

class HumanMoves : public QObject {
    Q_OBJECT

private slots:
    void startStateIsTheDesign()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
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
        QCOMPARE(form.squareCount(), 0);
        QCOMPARE(form.xCount(), 0);
        QVERIFY(toolkit.changes.empty()); // loading touches no control
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
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        form.Square_Click(square);

        QString expected(".........");
        expected[square - 1] = 'X';
        QCOMPARE(boardOf(form), expected);
        QCOMPARE(statusOf(form), QString("O's Turn"));
        QCOMPARE(itemsOf(form.lstP1M()), QStringList{QString::number(square)});
        QVERIFY(form.lstP2M().empty());
        QCOMPARE(form.statusBackColor(), 0x80000001u);
        using P = game::Change::Property;
        const std::vector<game::Change> expectedChanges{
            {P::SquarePicture, square}, {P::StatusText}, {P::P1MoveList}};
        QVERIFY(toolkit.changes == expectedChanges);
    }

    // Only the exact token "X's Turn" lets the human move.
    void clickIgnoredUnlessXsTurn_data()
    {
        QTest::addColumn<QString>("token");
        QTest::newRow("O to move") << "O's Turn";
        QTest::newRow("computer won") << "O(Computer) Wins!";
        QTest::newRow("tie") << "Tie Game.";
        QTest::newRow("lower case") << "x's turn";
        QTest::newRow("upper case") << "X'S TURN";
        QTest::newRow("trailing blank") << "X's Turn ";
        QTest::newRow("leading blank") << " X's Turn";
        QTest::newRow("two blanks") << "X's  Turn";
        QTest::newRow("empty") << "";
    }
    void clickIgnoredUnlessXsTurn()
    {
        QFETCH(QString, token);
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        MainFormTestAccess::setStatusText(form, token.toStdString());
        form.Square_Click(5);
        QCOMPARE(boardOf(form), QString("........."));
        QCOMPARE(statusOf(form), token);
        QVERIFY(form.lstP1M().empty());
        QVERIFY(toolkit.changes.empty());
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
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        MainFormTestAccess::setBoard(form, qPrintable(board));
        form.Square_Click(5);
        QCOMPARE(boardOf(form), board);
        QCOMPARE(statusOf(form), QString("X's Turn"));
        QVERIFY(toolkit.changes.empty());
    }

    void secondQuickClickIsIgnored()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        form.Square_Click(1);
        form.Square_Click(2);
        QCOMPARE(boardOf(form), QString("X........"));
        QCOMPARE(itemsOf(form.lstP1M()), QStringList{"1"});
    }

    void listsKeepOrderOfPlay()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        play(form, {5, 9});
        QCOMPARE(itemsOf(form.lstP1M()), (QStringList{"5", "9"}));
        QCOMPARE(itemsOf(form.lstP2M()), (QStringList{"1", "2"}));
    }

    // The board fills with the human's fifth X; the click still hands over the turn.
    void fifthXFillsBoardAndHandsOverTurn()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        play(form, {2, 4, 9, 7});
        form.Square_Click(6);
        QCOMPARE(boardOf(form), QString("OXOXOXXOX"));
        QCOMPARE(statusOf(form), QString("O's Turn"));
        QCOMPARE(itemsOf(form.lstP1M()), (QStringList{"2", "4", "9", "7", "6"}));
    }
};

QTEST_APPLESS_MAIN(HumanMoves)
#include "tst_humanmoves.moc"
