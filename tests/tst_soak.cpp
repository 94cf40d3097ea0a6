// Opening and closing the About window, and playing game after game, leaves the live heap
// where it was: nothing the windows build is kept behind.
#include "support/boxanswerer.h"
#include "support/widgethelpers.h"

#include "aboutform.h"
#include "classiclook.h"

#include <malloc.h>

namespace {

// Bytes the program holds from the heap now. (Under AddressSanitizer this reads 0, and
// LeakSanitizer does the checking instead.)
qint64 liveHeap()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return qint64(mallinfo2().uordblks);
}

void openAndCloseAbout(const FrmMain& window, int times)
{
    for (int i = 0; i < times; ++i) {
        QTest::mouseClick(child(window, "cmdAbout"), Qt::LeftButton);
        QTest::mouseClick(child(*AboutForm::instance().window(), "Command1"), Qt::LeftButton);
        // As the event loop would between clicks: polish requests, then the closed window's deletion.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// Each game ends in a win with its ratings box; the boxes' record is emptied as it goes so
// that it does not count as growth.
void playToWinAndStartOver(FrmMain& window, ManualClock& clock, BoxAnswerer& answerer, int times)
{
    for (int i = 0; i < times; ++i) {
        playMoves(window, clock, {5, 9, 3, 6});
        QTest::mouseClick(child(window, "cmdNewGame"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(answerer.boxes.size(), 1);
        answerer.boxes.clear();
    }
}

// Caches settle to within a few kilobytes; a leaked window, box or list item would cost
// kilobytes on every one of the 200 rounds.
constexpr qint64 kAllowedGrowth = 64 * 1024;

} // namespace

class Soak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyClassicLook(*qApp); }

    void aboutWindowLeavesNothingBehind()
    {
        FrmMain window;
        window.show();
        openAndCloseAbout(window, 50); // fonts, styles and pictures are cached on first use
        const qint64 before = liveHeap();
        openAndCloseAbout(window, 200);
        const qint64 after = liveHeap();
        qInfo("About opened and closed 200 times: live heap %lld -> %lld bytes", before, after);
        QVERIFY(after - before <= kAllowedGrowth);
    }

    void gamesLeaveNothingBehind()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        BoxAnswerer answerer;
        playToWinAndStartOver(window, clock, answerer, 50);
        const qint64 before = liveHeap();
        playToWinAndStartOver(window, clock, answerer, 200);
        const qint64 after = liveHeap();
        qInfo("200 games: live heap %lld -> %lld bytes", before, after);
        QVERIFY(after - before <= kAllowedGrowth);
    }
};

QTEST_MAIN(Soak)
#include "tst_soak.moc"
