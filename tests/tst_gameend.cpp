// The end of a game: the win check, the tie check and the ratings report.
#include "support/faketoolkit.h"
#include "support/gamehelpers.h"

#include <QTest>

using game::MainForm;
using game::MainFormTestAccess;

namespace {

const QString kTwoXs = "Human(X): 1, Compuer(O): 4    Result: Computer(O) Wins.";
const QString kThreeXs = "Human(X): 2, Compuer(O): 4    Result: Computer(O) Wins.";
const QString kFourXs = "Human(X): 3, Compuer(O): 4    Result: Computer(O) Wins.";
const QString kTie = "Human(X): 4, Compuer(O): 4    Result: Tied Game";

QStringList promptsOf(const FakeToolkit& toolkit)
{
    QStringList prompts;
    for (const auto& m : toolkit.messages) {
        prompts << QString::fromStdString(m.prompt);
        if (m.style != 64 || m.title != "Player Ratings")
            prompts << "(wrong style or title)";
    }
    return prompts;
}

bool anySquareEnabled(const MainForm& form)
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
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        MainFormTestAccess::setBoard(form, qPrintable(board));
        form.WinCheck_Timer();
        QCOMPARE(boardOf(form), after);
        QCOMPARE(statusOf(form), QString("O(Computer) Wins!"));
        QCOMPARE(form.statusBackColor(), 0x80000005u);
        QVERIFY(!form.winCheckEnabled());
        QVERIFY(form.tieCheckEnabled());
        QVERIFY(!anySquareEnabled(form));
        QCOMPARE(promptsOf(toolkit), prompts);
        QCOMPARE(toolkit.beeps, 0);
        QCOMPARE(form.xCount(), 0);
    }

    void noLineOfOChangesNothing_data()
    {
        QTest::addColumn<QString>("board");
        QTest::newRow("empty") << ".........";
        QTest::newRow("two O's") << "OO.XX....";
        QTest::newRow("three X's") << "XXXOO....";
        QTest::newRow("painted line") << "WWWXX.X..";
        QTest::newRow("O's with a painted square") << "OOWXX.X..";
    }
    void noLineOfOChangesNothing()
    {
        QFETCH(QString, board);
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        MainFormTestAccess::setBoard(form, qPrintable(board));
        form.WinCheck_Timer();
        form.WinCheck_Timer();
        QCOMPARE(boardOf(form), board);
        QCOMPARE(statusOf(form), QString("X's Turn"));
        QVERIFY(toolkit.changes.empty());
        QVERIFY(toolkit.messages.empty());
    }

    // The steps of a win, in order: the box opens over a board already painted.
    void winStepsComeInOrder()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        MainFormTestAccess::setBoard(form, "OOOXX.X..");
        std::vector<game::Change> beforeBox;
        toolkit.onBox = [&](const FakeToolkit::Message&) {
            beforeBox = toolkit.changes;
            QVERIFY(anySquareEnabled(form)); // squares are disabled only after the box
        };
        form.WinCheck_Timer();
        using P = game::Change::Property;
        const std::vector<game::Change> expected{
            {P::StatusBackColor}, {P::SquarePicture, 1}, {P::SquarePicture, 2},
            {P::SquarePicture, 3}, {P::WinCheckEnabled}, {P::StatusText}};
        QVERIFY(beforeBox == expected);
        std::vector<int> disabled;
        for (std::size_t i = expected.size(); i < toolkit.changes.size(); ++i)
            disabled.push_back(toolkit.changes[i].square);
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
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        MainFormTestAccess::setBoard(form, qPrintable(board));
        int beepsBeforeBox = -1;
        QString statusInBox;
        toolkit.onBox = [&](const FakeToolkit::Message&) {
            beepsBeforeBox = toolkit.beeps;
            statusInBox = statusOf(form);
            QVERIFY(!form.tieCheckEnabled());
        };
        form.TieCheck_Timer();
        QCOMPARE(promptsOf(toolkit), QStringList{kTie});
        QCOMPARE(beepsBeforeBox, 1);
        QCOMPARE(statusInBox, QString("Tie Game."));
        QCOMPARE(statusOf(form), QString("Tie Game."));
        QCOMPARE(form.statusBackColor(), 0x80000005u);
        QVERIFY(!form.tieCheckEnabled());
        QVERIFY(form.winCheckEnabled());
        QVERIFY(form.squareEnabled(1)); // a tie does not freeze the squares
        QCOMPARE(form.squareCount(), 0);
    }

    void eightSquaresIsNoTie()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        MainFormTestAccess::setBoard(form, "OXOXOXXO.");
        form.TieCheck_Timer();
        form.TieCheck_Timer(); // counts afresh: not 16
        QCOMPARE(statusOf(form), QString("X's Turn"));
        QCOMPARE(toolkit.beeps, 0);
        QVERIFY(toolkit.changes.empty());
        QCOMPARE(form.squareCount(), 0);
    }

    // The report on demand counts the X's on whatever board is shown.
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
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        MainFormTestAccess::setBoard(form, qPrintable(board));
        form.GetFocas_Click();
        form.GetFocas_Click(); // counts afresh each time
        QCOMPARE(promptsOf(toolkit), prompts + prompts);
        QCOMPARE(boardOf(form), board);
        QCOMPARE(statusOf(form), QString("X's Turn"));
        QVERIFY(toolkit.changes.empty());
        QCOMPARE(form.xCount(), 0);
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
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        play(form, xs);
        QCOMPARE(statusOf(form), QString("X's Turn")); // the win is found by the next check
        form.WinCheck_Timer();
        QCOMPARE(statusOf(form), QString("O(Computer) Wins!"));
        QCOMPARE(promptsOf(toolkit), QStringList{prompt});
    }
};

QTEST_APPLESS_MAIN(GameEnd)
#include "tst_gameend.moc"
