// Timer ticks that run while a message box is open, as they do under a real event loop.
#include "support/faketoolkit.h"
#include "support/gamehelpers.h"

#include <QTest>

using game::MainForm;

namespace {

const QString kThreeXs = "Human(X): 2, Compuer(O): 4    Result: Computer(O) Wins.";
const QString kTie = "Human(X): 4, Compuer(O): 4    Result: Tied Game";

// The computer's fourth O has just completed 1, 4, 7 and the win check has not ticked yet;
// the human's click on 8 fills the board.
void playIntoWinAndTieRace(MainForm& form)
{
    form.Form_Load();
    play(form, {5, 9, 3, 6});
    form.Square_Click(8);
    QCOMPARE(boardOf(form), QString("OOXOXXOXX"));
    QCOMPARE(statusOf(form), QString("O's Turn"));
}

void verifyBothEndsReported(const MainForm& form, const FakeToolkit& toolkit)
{
    QCOMPARE(boardOf(form), QString("WOXWXXWXX"));
    QVERIFY(!form.winCheckEnabled());
    QVERIFY(!form.tieCheckEnabled());
    for (int square = 1; square <= 9; ++square)
        QVERIFY(!form.squareEnabled(square));
    // The win counts five X's and shows nothing; the tie shows its own message.
    QCOMPARE(QString::fromStdString(toolkit.prompts().at(0)), kTie);
    QCOMPARE(toolkit.messages.size(), std::size_t(1));
    QCOMPARE(toolkit.beeps, 1);
    QCOMPARE(form.squareCount(), 0);
    QCOMPARE(form.xCount(), 0);
    QCOMPARE(form.statusBackColor(), 0x80000005u);
}

} // namespace

class Reentrancy : public QObject {
    Q_OBJECT

private slots:
    void winThenTie()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        playIntoWinAndTieRace(form);
        form.WinCheck_Timer();
        form.CpuTurn_Timer();
        form.TieCheck_Timer();
        verifyBothEndsReported(form, toolkit);
        QCOMPARE(statusOf(form), QString("Tie Game."));
    }

    void winFoundWhileTieBoxIsOpen()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        playIntoWinAndTieRace(form);
        toolkit.whileNextBoxIsOpen = [&] {
            form.CpuTurn_Timer();
            form.WinCheck_Timer();
            form.TieCheck_Timer();
        };
        form.TieCheck_Timer();
        verifyBothEndsReported(form, toolkit);
        QCOMPARE(statusOf(form), QString("O(Computer) Wins!"));
    }

    // A report asked for just before the win check ticks: the win's own report, run while
    // the first box is open, must count the board from zero and show its message.
    void winReportInsideRequestedReport()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        play(form, {2, 6, 8});
        QCOMPARE(boardOf(form), QString("OX..OX.XO"));
        toolkit.whileNextBoxIsOpen = [&] { form.WinCheck_Timer(); };
        form.GetFocas_Click();
        QCOMPARE(statusOf(form), QString("O(Computer) Wins!"));
        QCOMPARE(toolkit.messages.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(toolkit.prompts().at(1)), kThreeXs);
        QCOMPARE(form.xCount(), 0);
    }

    void otherTimersInsideWinBoxChangeNothing()
    {
        FakeToolkit toolkit;
        MainForm form(toolkit);
        form.Form_Load();
        play(form, {2, 6, 8});
        std::size_t changesAtBox = 0;
        toolkit.whileNextBoxIsOpen = [&] {
            changesAtBox = toolkit.changes.size();
            form.CpuTurn_Timer();
            form.TieCheck_Timer();
            form.WinCheck_Timer();
            QCOMPARE(toolkit.changes.size(), changesAtBox);
        };
        form.WinCheck_Timer();
        QCOMPARE(toolkit.messages.size(), std::size_t(1));
        QCOMPARE(boardOf(form), QString("WX..WX.XW"));
    }
};

QTEST_APPLESS_MAIN(Reentrancy)
#include "tst_reentrancy.moc"
