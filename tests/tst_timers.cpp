// The window's timers at rest: once a tick has found nothing to do, nothing is armed, so the
// process does not wake; and the ticks that find nothing to do cost no heap allocation.
#include "widgethelpers.h"

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
        ShownWindow w;
        w.play(moves);
        w.tick();
        QCOMPARE(w.clock.alarm(), std::nullopt);
        const int rings = w.clock.rings();
        w.clock.advanceBy(w.window.runtime(), 60s);
        QCOMPARE(w.clock.rings(), rings);

        // A click wakes them: the computer's answer is due at the next tick of its own timer.
        if (w.window.game().statusText() == expected::kXsTurn) {
            clickSquare(w.window, 3);
            QCOMPARE(w.clock.alarm(), std::optional<game::Time>(w.clock.now() / 50ms * 50ms + 50ms));
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
        ShownWindow w;
        w.play(moves);
        QVERIFY(w.clock.alarm()); // every timer still awake: its next tick finds nothing to do
        const long before = g_allocations;
        w.tick();
        QCOMPARE(g_allocations - before, 0L);
        QCOMPARE(w.clock.alarm(), std::nullopt);
    }
};

WINDOW_TEST_MAIN(Timers)
#include "tst_timers.moc"
