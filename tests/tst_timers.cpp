// The window's timers: their 50 ms grid, sleeping through ticks that would change nothing,
// and ticks that find nothing to do costing no heap allocation.
#include "support/boxanswerer.h"
#include "support/widgethelpers.h"

#include "classiclook.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
}

// Every allocation of this test program is counted.
void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

QStringList sleeping(const FrmMain& window)
{
    QStringList names;
    for (const GameTimer* timer : window.findChildren<GameTimer*>()) {
        if (timer->isSleeping())
            names << timer->objectName();
    }
    return names;
}

void tickAll(FrmMain& window)
{
    window.TieCheck_Timer();
    window.CpuTurn_Timer();
    window.WinCheck_Timer();
}

} // namespace

class Timers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyClassicLook(*qApp); }

    void nextTickFallsOnTheGrid_data()
    {
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<int>("delay");
        QTest::newRow("just enabled") << qint64(0) << 50;
        QTest::newRow("1 ms in") << qint64(1) << 49;
        QTest::newRow("on a point") << qint64(100) << 50;
        QTest::newRow("between points") << qint64(120) << 30;
        QTest::newRow("after a long sleep") << qint64(60049) << 1;
    }
    void nextTickFallsOnTheGrid()
    {
        QFETCH(qint64, elapsed);
        QFETCH(int, delay);
        QCOMPARE(GameTimer::delayToNextTick(elapsed), delay);
    }

    void timersSleepAtRestAndWakeOnChange()
    {
        FrmMain window;
        window.show();
        QCOMPARE(sleeping(window), QStringList{});
        tickAll(window);
        QCOMPARE(sleeping(window), (QStringList{"TieCheck", "CpuTurn", "WinCheck"}));

        clickSquare(window, 5);
        QCOMPARE(sleeping(window), QStringList{}); // the computer's answer is due on the next tick
        tickAll(window); // O answers after the tie check, so that check must look again
        QCOMPARE(sleeping(window), QStringList{"WinCheck"});
        tickAll(window);
        QCOMPARE(sleeping(window), (QStringList{"TieCheck", "CpuTurn", "WinCheck"}));
    }

    void wonGameRests()
    {
        FrmMain window;
        window.show();
        playMoves(window, {5, 9, 7});
        BoxAnswerer answerer;
        tickAll(window); // the win
        tickAll(window);
        QCOMPARE(answerer.boxes.size(), 1);
        QVERIFY(!child<GameTimer>(window, "WinCheck")->isEnabled());
        QCOMPARE(sleeping(window), (QStringList{"TieCheck", "CpuTurn"}));
    }

    // A tick that finds nothing to do must be cheap: no allocation, in the game or the window.
    void idleTicksAllocateNothing_data()
    {
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<bool>("answered");
        QTest::newRow("start") << QList<int>{} << true;
        QTest::newRow("mid-game") << QList<int>{1, 9} << true;
        QTest::newRow("full board, O's turn") << QList<int>{2, 4, 9, 7, 6} << false;
    }
    void idleTicksAllocateNothing()
    {
        QFETCH(QList<int>, moves);
        QFETCH(bool, answered);
        FrmMain window;
        stopTimers(window);
        window.show();
        for (int i = 0; i < moves.size(); ++i) {
            clickSquare(window, moves[i]);
            if (answered || i + 1 < moves.size())
                window.CpuTurn_Timer();
        }
        window.WinCheck_Timer();
        const long before = g_allocations;
        window.WinCheck_Timer();
        window.CpuTurn_Timer();
        if (answered)
            window.TieCheck_Timer(); // on a full board the tie check has work to do
        QCOMPARE(g_allocations - before, 0L);
    }
};

QTEST_MAIN(Timers)
#include "tst_timers.moc"
