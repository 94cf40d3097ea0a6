// The computer's move: the rule table's rows and their precedence, shown by whole games.
#include "gamefixture.h"

#include "runtimeerror.h"

#include <QTest>

using namespace expected;

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
        Game g;
        g.play(xs);
        QCOMPARE(itemsOf(g.form.lstP2M()), os);
        QCOMPARE(statusOf(g.form), kXsTurn);
        QCOMPARE(g.form.moveStage(), 2);
        for (const QString& o : os)
            QVERIFY(g.form.holds(o.toInt(), game::Mark::O));
    }

    void firstMoveAdvancesMoveStageOnce()
    {
        Game g;
        g.form.Square_Click(1);
        QCOMPARE(g.form.moveStage(), 1);
        g.form.CpuTurn_Timer();
        QCOMPARE(g.form.moveStage(), 2);
        g.form.CpuTurn_Timer(); // "X's Turn" now: nothing happens
        g.play({9});
        QCOMPARE(g.form.moveStage(), 2);
    }

    void moveStepsComeInOrder()
    {
        Game g;
        g.form.Square_Click(1);
        g.toolkit.changes.clear();
        g.form.CpuTurn_Timer();
        using P = game::Change::Property;
        const std::vector<game::Change> steps{{P::SquarePicture, 5}, {P::StatusText}, {P::P2MoveList}};
        QVERIFY(g.toolkit.changes == steps);
    }

    void fullBoardFindsNoRow()
    {
        Game g;
        g.play({2, 4, 9, 7, 6});
        QCOMPARE(boardOf(g.form), QString("OXOXOXXOX"));
        g.toolkit.changes.clear();
        for (int tick = 0; tick < 3; ++tick)
            g.form.CpuTurn_Timer();
        QCOMPARE(statusOf(g.form), kOsTurn);
        QCOMPARE(itemsOf(g.form.lstP2M()), (QStringList{"5", "1", "3", "8"}));
        QVERIFY(g.toolkit.changes.empty());
    }

    // The stage rows fire only with MoveStage 1 or 2; lines of O and X are taken at any stage.
    // The winning O is neither O nor X to the rules.
    void stageOutsideOneAndTwoFindsOnlyLines_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("after");
        QTest::newRow("stage 0, no line") << "X........" << 0 << "X........";
        QTest::newRow("stage 3, no line") << "X...O...X" << 3 << "X...O...X";
        QTest::newRow("stage 3, X line blocked") << "XX..O...." << 3 << "XXO.O....";
        QTest::newRow("winning O, stage 2") << "WW.X....." << 2 << "WWOX.....";
    }
    void stageOutsideOneAndTwoFindsOnlyLines()
    {
        QFETCH(QString, board);
        QFETCH(int, stage);
        QFETCH(QString, after);
        Game g(qPrintable(board), kOsTurn, stage);
        g.form.CpuTurn_Timer();
        QCOMPARE(boardOf(g.form), after);
        QCOMPARE(g.form.moveStage(), stage);
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
            QCOMPARE(QString::fromStdString(error.prompt()), QString("Run-time error '6':\n\nOverflow"));
        }
        QCOMPARE(value.value(), 32767);
    }
};

QTEST_APPLESS_MAIN(ComputerMove)
#include "tst_computermove.moc"
