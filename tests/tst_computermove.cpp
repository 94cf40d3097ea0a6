// The computer's move: the rule table's rows and their precedence, shown by whole games.
#include "support/faketoolkit.h"
#include "support/gamehelpers.h"

#include <QTest>

using game::MainForm;
using game::MainFormTestAccess;

class ComputerMove : public QObject {
    Q_OBJECT

private slots:
    // Each game is the human's squares in order; each is answered by one tick.
    void answersByFirstMatchingRow_data()
    {
        QTest::addColumn<QList<int>>("xs");
        QTest::addColumn<QStringList>("os");
        QTest::newRow("row 49: centre first") << QList<int>{1} << QStringList{"5"};
        QTest::newRow("row 50: top left when the centre is taken") << QList<int>{5} << QStringList{"1"};
        QTest::newRow("row 51: X on 1 and 9") << QList<int>{1, 9} << QStringList{"5", "2"};
        QTest::newRow("row 52: X on 3 and 7") << QList<int>{3, 7} << QStringList{"5", "2"};
        QTest::newRow("row 41: blocking before X patterns") << QList<int>{1, 3} << QStringList{"5", "2"};
        QTest::newRow("row 54: X on 1 and 8") << QList<int>{1, 8} << QStringList{"5", "7"};
        QTest::newRow("row 55: X on 3 and 8") << QList<int>{3, 8} << QStringList{"5", "9"};
        QTest::newRow("row 56: X on 6 and 7") << QList<int>{6, 7} << QStringList{"5", "9"};
        QTest::newRow("row 53: X on 3, 9 and 4") << QList<int>{3, 9, 4} << QStringList{"5", "6", "2"};
        QTest::newRow("row 57: first free square") << QList<int>{2, 6} << QStringList{"5", "1"};
        QTest::newRow("row 57: row 56 needs 9 empty")
            << QList<int>{6, 9, 7, 2} << QStringList{"5", "3", "8", "1"};
        QTest::newRow("row 12: completing before blocking")
            << QList<int>{1, 9, 6} << QStringList{"5", "2", "8"};
        QTest::newRow("row 20: X's line is not looked for")
            << QList<int>{5, 9, 3, 6} << QStringList{"1", "2", "7", "4"};
    }
    void answersByFirstMatchingRow()
    {
        QFETCH(QList<int>, xs);
        QFETCH(QStringList, os);
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        play(form, xs);
        QCOMPARE(itemsOf(form.lstP2M()), os);
        QCOMPARE(statusOf(form), QString("X's Turn"));
        QCOMPARE(form.moveStage(), 2);
        for (const QString& o : os)
            QVERIFY(form.holds(o.toInt(), game::Mark::O));
    }

    void firstMoveAdvancesMoveStageOnce()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        form.Square_Click(1);
        QCOMPARE(form.moveStage(), 1);
        form.CpuTurn_Timer();
        QCOMPARE(form.moveStage(), 2);
        form.CpuTurn_Timer(); // "X's Turn" now: nothing happens
        play(form, {9});
        QCOMPARE(form.moveStage(), 2);
    }

    void moveStepsComeInOrder()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        form.Square_Click(1);
        toolkit.changes.clear();
        form.CpuTurn_Timer();
        using P = game::Change::Property;
        const std::vector<game::Change> expected{{P::SquarePicture, 5}, {P::StatusText}, {P::P2MoveList}};
        QVERIFY(toolkit.changes == expected);
    }

    void tickIgnoredUnlessOsTurn_data()
    {
        QTest::addColumn<QString>("token");
        QTest::newRow("X to move") << "X's Turn";
        QTest::newRow("computer won") << "O(Computer) Wins!";
        QTest::newRow("tie") << "Tie Game.";
        QTest::newRow("lower case") << "o's turn";
        QTest::newRow("trailing blank") << "O's Turn ";
        QTest::newRow("leading blank") << " O's Turn";
    }
    void tickIgnoredUnlessOsTurn()
    {
        QFETCH(QString, token);
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        MainFormTestAccess::setBoard(form, "X........");
        MainFormTestAccess::setStatusText(form, token.toStdString());
        form.CpuTurn_Timer();
        QCOMPARE(boardOf(form), QString("X........"));
        QCOMPARE(statusOf(form), token);
        QCOMPARE(form.moveStage(), 1);
        QVERIFY(toolkit.changes.empty());
    }

    void fullBoardFindsNoRow()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        play(form, {2, 4, 9, 7, 6});
        QCOMPARE(boardOf(form), QString("OXOXOXXOX"));
        toolkit.changes.clear();
        for (int tick = 0; tick < 3; ++tick)
            form.CpuTurn_Timer();
        QCOMPARE(statusOf(form), QString("O's Turn"));
        QCOMPARE(itemsOf(form.lstP2M()), (QStringList{"5", "1", "3", "8"}));
        QVERIFY(toolkit.changes.empty());
    }

    // The stage rows fire only with MoveStage 1 or 2; lines of O and X are taken at any stage.
    void stageOutsideOneAndTwoFindsOnlyLines_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("after");
        QTest::newRow("stage 0, no line") << "X........" << 0 << "X........";
        QTest::newRow("stage 3, no line") << "X...O...X" << 3 << "X...O...X";
        QTest::newRow("stage 3, X line blocked") << "XX..O...." << 3 << "XXO.O....";
    }
    void stageOutsideOneAndTwoFindsOnlyLines()
    {
        QFETCH(QString, board);
        QFETCH(int, stage);
        QFETCH(QString, after);
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        MainFormTestAccess::setBoard(form, qPrintable(board));
        MainFormTestAccess::setMoveStage(form, static_cast<std::int16_t>(stage));
        MainFormTestAccess::setStatusText(form, "O's Turn");
        form.CpuTurn_Timer();
        QCOMPARE(boardOf(form), after);
        QCOMPARE(form.moveStage(), stage);
    }

    // The winning O is neither O nor X to the rules.
    void winningPictureMatchesNoRow()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        MainFormTestAccess::setBoard(form, "WW.X.....");
        MainFormTestAccess::setMoveStage(form, 2);
        MainFormTestAccess::setStatusText(form, "O's Turn");
        form.CpuTurn_Timer();
        QCOMPARE(boardOf(form), QString("WWOX....."));
    }

    void stageIncrementOverflowRaisesError()
    {
        game::Int16 value(32767);
        try {
            value.increment();
            QFAIL("no error raised");
        } catch (const game::RuntimeError& error) {
            QCOMPARE(error.number(), 6);
            QCOMPARE(QString::fromStdString(error.description()), QString("Overflow"));
        }
        QCOMPARE(value.value(), 32767);
    }
};

QTEST_APPLESS_MAIN(ComputerMove)
#include "tst_computermove.moc"
