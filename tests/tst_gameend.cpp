// The end of a game: the win check, the tie check and the ratings report.
#include "gamefixture.h"

#include <QTest>

using namespace expected;

namespace {

bool anySquareEnabled(const game::MainForm& form)
{
    for (int square = 1; square <= 9; ++square) {
        if (form.squareEnabled(square))
            return true;
    }
    return false;
}

} // namespace

class GameEnd : public QObject {
    Q_OBJECT

private slots:
    void winPaintsFirstCompleteLine_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("prompts");
        QTest::newRow("top row") << "OOOXX.X.." << "WWWXX.X.." << QStringList{kThreeXs};
        QTest::newRow("middle row") << "XX.OOO..X" << "XX.WWW..X" << QStringList{kThreeXs};
        QTest::newRow("bottom row") << "XX.X..OOO" << "XX.X..WWW" << QStringList{kThreeXs};
        QTest::newRow("left column") << "OX.OX.O.." << "WX.WX.W.." << QStringList{kTwoXs};
        QTest::newRow("middle column") << "XO.XO.XOX" << "XW.XW.XWX" << QStringList{kFourXs};
        QTest::newRow("right column") << "X.OX.OX.O" << "X.WX.WX.W" << QStringList{kThreeXs};
        QTest::newRow("falling diagonal") << "OXXXO...O" << "WXXXW...W" << QStringList{kThreeXs};
        QTest::newRow("rising diagonal") << "XXO.OXO.." << "XXW.WXW.." << QStringList{kThreeXs};
        QTest::newRow("two lines: the first in order") << "OOOO..O.." << "WWWO..O.." << QStringList{};
        QTest::newRow("five X's: no message") << "OOOXXXXX." << "WWWXXXXX." << QStringList{};
    }
    void winPaintsFirstCompleteLine()
    {
        QFETCH(QString, board);
        QFETCH(QString, after);
        QFETCH(QStringList, prompts);
        Game g(qPrintable(board));
        g.form.WinCheck_Timer();
        QCOMPARE(boardOf(g.form), after);
        QCOMPARE(statusOf(g.form), kComputerWins);
        QCOMPARE(g.form.statusBackColor(), 0x80000005u);
        QVERIFY(!g.form.winCheckEnabled());
        QVERIFY(g.form.tieCheckEnabled());
        QVERIFY(!anySquareEnabled(g.form));
        QCOMPARE(g.toolkit.prompts(), prompts);
        QCOMPARE(g.toolkit.beeps, 0);
        QCOMPARE(g.form.xCount(), 0);
    }

    // Without a line of O the win check finds nothing, and without nine filled squares the tie
    // check does not; each counts afresh on every tick.
    void noEndWithoutLineOrFullBoard_data()
    {
        QTest::addColumn<bool>("tieCheck");
        QTest::addColumn<QString>("board");
        QTest::newRow("win check, empty") << false << ".........";
        QTest::newRow("win check, two O's") << false << "OO.XX....";
        QTest::newRow("win check, three X's") << false << "XXXOO....";
        QTest::newRow("win check, painted line") << false << "WWWXX.X..";
        QTest::newRow("win check, O's with a painted square") << false << "OOWXX.X..";
        QTest::newRow("tie check, eight squares") << true << "OXOXOXXO.";
    }
    void noEndWithoutLineOrFullBoard()
    {
        QFETCH(bool, tieCheck);
        QFETCH(QString, board);
        Game g(qPrintable(board));
        for (int tick = 0; tick < 2; ++tick)
            tieCheck ? g.form.TieCheck_Timer() : g.form.WinCheck_Timer();
        QCOMPARE(boardOf(g.form), board);
        QCOMPARE(statusOf(g.form), kXsTurn);
        QVERIFY(g.toolkit.changes.empty());
        QVERIFY(g.toolkit.messages.empty());
        QCOMPARE(g.toolkit.beeps, 0);
        QCOMPARE(g.form.squareCount(), 0);
    }

    // The steps of a win, in order: the box opens over a board already painted.
    void winStepsComeInOrder()
    {
        Game g("OOOXX.X..");
        std::vector<game::Change> beforeBox;
        g.toolkit.onBox = [&](const FakeToolkit::Message&) {
            beforeBox = g.toolkit.changes;
            QVERIFY(anySquareEnabled(g.form)); // squares are disabled only after the box
        };
        g.form.WinCheck_Timer();
        using P = game::Change::Property;
        const std::vector<game::Change> steps{{P::StatusBackColor}, {P::SquarePicture, 1}, {P::SquarePicture, 2},
                                              {P::SquarePicture, 3}, {P::WinCheckEnabled}, {P::StatusText}};
        QVERIFY(beforeBox == steps);
        std::vector<int> disabled;
        for (std::size_t i = steps.size(); i < g.toolkit.changes.size(); ++i)
            disabled.push_back(g.toolkit.changes[i].square);
        QCOMPARE(disabled, (std::vector<int>{1, 3, 2, 4, 6, 5, 7, 9, 8}));
    }

    void tieOnFullBoard_data()
    {
        QTest::addColumn<QString>("board");
        QTest::newRow("no line") << "OXOXOXXOX";
        QTest::newRow("X holds a line") << "XXXOOXXOO";
        QTest::newRow("winning picture counts as filled") << "WWWXXOXXO";
    }
    void tieOnFullBoard()
    {
        QFETCH(QString, board);
        Game g(qPrintable(board));
        int beepsBeforeBox = -1;
        QString statusInBox;
        g.toolkit.onBox = [&](const FakeToolkit::Message&) {
            beepsBeforeBox = g.toolkit.beeps;
            statusInBox = statusOf(g.form);
            QVERIFY(!g.form.tieCheckEnabled());
        };
        g.form.TieCheck_Timer();
        QCOMPARE(g.toolkit.prompts(), QStringList{kTie});
        QCOMPARE(beepsBeforeBox, 1);
        QCOMPARE(statusInBox, kTieGame);
        QCOMPARE(statusOf(g.form), kTieGame);
        QCOMPARE(g.form.statusBackColor(), 0x80000005u);
        QVERIFY(!g.form.tieCheckEnabled());
        QVERIFY(g.form.winCheckEnabled());
        QVERIFY(g.form.squareEnabled(1)); // a tie does not freeze the squares
        QCOMPARE(g.form.squareCount(), 0);
    }

    // The report on demand counts the X's on whatever board is shown, afresh each time.
    void ratingsByCountOfXs_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QStringList>("prompts");
        QTest::newRow("0 X's") << "....O...." << QStringList{};
        QTest::newRow("1 X") << "X...O...." << QStringList{};
        QTest::newRow("2 X's") << "XO..O...X" << QStringList{kTwoXs};
        QTest::newRow("3 X's") << "XOX.O...X" << QStringList{kThreeXs};
        QTest::newRow("4 X's") << "XOXXO..OX" << QStringList{kFourXs};
        QTest::newRow("5 X's") << "OXOXOXXOX" << QStringList{};
        QTest::newRow("winning O is not X") << "WWWXX...." << QStringList{kTwoXs};
    }
    void ratingsByCountOfXs()
    {
        QFETCH(QString, board);
        QFETCH(QStringList, prompts);
        Game g(qPrintable(board));
        g.form.GetFocas_Click();
        g.form.GetFocas_Click();
        QCOMPARE(g.toolkit.prompts(), prompts + prompts);
        QCOMPARE(boardOf(g.form), board);
        QCOMPARE(statusOf(g.form), kXsTurn);
        QVERIFY(g.toolkit.changes.empty());
        QCOMPARE(g.form.xCount(), 0);
    }

    void winOnThirdAndFourthO_data()
    {
        QTest::addColumn<QList<int>>("xs");
        QTest::addColumn<QString>("prompt");
        // X 5, O 1, X 9, O 2, X 3, O 7, X 6, O 4: the computer's fourth O wins.
        QTest::newRow("fourth O") << QList<int>{5, 9, 3, 6} << kFourXs;
        // X 2, O 5, X 6, O 1, X 8: O 9 completes 1, 5, 9 with the computer's third O.
        QTest::newRow("third O") << QList<int>{2, 6, 8} << kThreeXs;
    }
    void winOnThirdAndFourthO()
    {
        QFETCH(QList<int>, xs);
        QFETCH(QString, prompt);
        Game g;
        g.play(xs);
        QCOMPARE(statusOf(g.form), kXsTurn); // the win is found by the next check
        g.form.WinCheck_Timer();
        QCOMPARE(statusOf(g.form), kComputerWins);
        QCOMPARE(g.toolkit.prompts(), QStringList{prompt});
    }
};

QTEST_APPLESS_MAIN(GameEnd)
#include "tst_gameend.moc"
