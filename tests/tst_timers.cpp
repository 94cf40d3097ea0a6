// The window's timers at rest: once a tick has found nothing to do, nothing is armed, so the
// process does not wake; and the ticks that find nothing to do cost no heap allocation.
#include "support/boxanswerer.h"
#include "support/widgethelpers.h"

#include "classiclook.h"
#include "timerschedule.h"

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

using namespace std::chrono_literals;

class Timers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyClassicLook(*qApp); }

    // Each timer ticks once more after the last change, finds nothing to do, and sleeps.
    void restingWindowArmsNothing_data()
    {
        QTest::addColumn<QList<int>>("moves");
        QTest::newRow("start") << QList<int>{};
        QTest::newRow("mid-game") << QList<int>{1, 9};
        QTest::newRow("won") << QList<int>{5, 9, 7};
        QTest::newRow("tie") << QList<int>{2, 4, 9, 7, 6};
    }
    void restingWindowArmsNothing()
    {
        QFETCH(QList<int>, moves);
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        BoxAnswerer answerer;
        playMoves(window, clock, moves);
        tick(window, clock);
        QCOMPARE(clock.alarm(), std::nullopt);
        const int rings = clock.rings();
        clock.advanceBy(window.runtime(), 60s);
        QCOMPARE(clock.rings(), rings);

        // A click wakes them: the computer's answer is due at the next tick of its own timer.
        if (window.game().statusText() == "X's Turn") {
            clickSquare(window, 3);
            QCOMPARE(clock.alarm(), std::optional<game::Time>(clock.now() / 50ms * 50ms + 50ms));
        }
    }

    // A tick that finds nothing to do must be cheap: no allocation, in the game or the window.
    void idleTicksAllocateNothing_data()
    {
        QTest::addColumn<QList<int>>("moves");
        QTest::newRow("start") << QList<int>{};
        QTest::newRow("mid-game") << QList<int>{1, 9};
    }
    void idleTicksAllocateNothing()
    {
        QFETCH(QList<int>, moves);
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        playMoves(window, clock, moves);
        QVERIFY(clock.alarm()); // every timer still awake: its next tick finds nothing to do
        const long before = g_allocations;
        tick(window, clock);
        QCOMPARE(g_allocations - before, 0L);
        QCOMPARE(clock.alarm(), std::nullopt);
    }
};

QTEST_MAIN(Timers)
#include "tst_timers.moc"
