// Opening and closing the About window with its system information program, and playing game
// after game to wins and ties, leaves the live heap where it was: nothing is kept behind.
#include "standin.h"
#include "widgethelpers.h"

#include "frmabout.h"
#include "installedfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <malloc.h>
#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer's own count of the heap in use (its header ships with clang, not GCC).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

// Bytes the program holds from the heap now, as the allocator in use counts them: 0 where it
// cannot tell (under valgrind, which replaces the allocator).
qint64 liveHeap()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
#if defined(__SANITIZE_ADDRESS__)
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    return qint64(mallinfo2().uordblks);
#endif
}

// Round after round the About window opens, "Sytem Info..." is pressed (every other time the
// program is missing, and its error box is answered), and the window closes.
void cycleAbout(ShownWindow& w, const QString& program, int times)
{
    for (int i = 0; i < times; ++i) {
        if (i % 2 == 0)
            plantStandIn(program);
        else
            QFile::remove(program);
        QTest::mouseClick(w["cmdAbout"], Qt::LeftButton);
        FrmAbout* about = FrmAbout::openWindow();
        QTest::mouseClick(child(*about, "Command2"), Qt::LeftButton);
        if (i % 2 == 0) { // it has run before it goes
            QTRY_VERIFY(QFile::exists(QFileInfo(program).path() + "/marker"));
            QFile::remove(QFileInfo(program).path() + "/marker");
        }
        QTest::mouseClick(child(*about, "Command1"), Qt::LeftButton);
        // As the event loop would between clicks: polish requests, then the closed window's deletion.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(w.answerer.boxes.size(), i % 2);
        w.answerer.boxes.clear();
    }
}

// Games end in turn in a win and a tie, each with its box; the boxes' record is emptied as it
// goes so that it does not count as growth.
void playGames(ShownWindow& w, int times)
{
    for (int i = 0; i < times; ++i) {
        w.play(i % 2 ? QList<int>{2, 4, 9, 7, 6} : QList<int>{5, 9, 3, 6});
        QTest::mouseClick(w["cmdNewGame"], Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(w.answerer.boxes.size(), 1);
        w.answerer.boxes.clear();
    }
}

// Caches settle to within a few kilobytes; a leaked window, box or list item would cost
// kilobytes on every one of the 200 rounds.
constexpr qint64 kAllowedGrowth = 64 * 1024;

} // namespace

class Soak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (liveHeap() == 0)
            QSKIP("this allocator does not tell the live heap (valgrind); its own leak check covers this");
    }

    void aboutWindowLeavesNothingBehind()
    {
        const auto folder = trustedScratch();
        InstalledFile::setOwnExecutable(QFile::encodeName(folder->filePath("Tic-Tac-Toe")));
        InstalledFile::setInstalledFolder(InstalledFile::Program, folder->path());
        const QString program = folder->filePath("tictactoe-sysinfo");
        ShownWindow w;
        cycleAbout(w, program, 50); // fonts, styles and pictures are cached on first use
        const qint64 before = liveHeap();
        cycleAbout(w, program, 200);
        const qint64 after = liveHeap();
        InstalledFile::setOwnExecutable({});
        InstalledFile::setInstalledFolder(InstalledFile::Program, {});
        qInfo("About and Sytem Info 200 times: live heap %lld -> %lld bytes", before, after);
        QVERIFY(after - before <= kAllowedGrowth);
    }

    void gamesLeaveNothingBehind()
    {
        ShownWindow w;
        playGames(w, 50);
        const qint64 before = liveHeap();
        playGames(w, 200);
        const qint64 after = liveHeap();
        qInfo("200 games: live heap %lld -> %lld bytes", before, after);
        QVERIFY(after - before <= kAllowedGrowth);
    }
};

WINDOW_TEST_MAIN(Soak)
#include "tst_soak.moc"
