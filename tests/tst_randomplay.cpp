// Long runs of random events on the real window, from fixed seeds: every click, press, key,
// tick and box in any order, with the window's rules checked after every event and the text
// of every box checked against the board it rates.
#include "gamefixture.h"
#include "invariants.h"
#include "widgethelpers.h"

#include "frmabout.h"
#include "timerschedule.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

namespace {

using namespace std::chrono_literals;

constexpr const char* kFocusSinkControls[] = {"lblStatus", "Text1", "Text2", "Text3", "Picture11", "Picture1"};

// Every event comes from the seed and every tick from the manual clock, so a failing run
// can be played again exactly.
class RandomPlayer {
public:
    RandomPlayer(FrmMain& window, ManualClock& clock, quint32 seed) : m_window(window), m_clock(clock), m_random(seed) {}

    void runEvent()
    {
        const int event = int(m_random.bounded(20));
        if (event < 9) {
            clickSquare(m_window, event + 1);
        } else if (event < 12) {
            letTimePass();
        } else if (event == 12) {
            const char* name = kFocusSinkControls[m_random.bounded(6)];
            QTest::mouseClick(child(m_window, name), Qt::MouseButton(1 << m_random.bounded(3)), {}, QPoint(2, 2));
        } else if (event == 13) {
            QTest::mouseClick(child(m_window, "cmdNewGame"), Qt::LeftButton);
        } else if (event == 14) {
            QTest::keyClick(&m_window, Qt::Key_N, Qt::AltModifier);
        } else if (event == 15) {
            child(m_window, "GetFocas")->setFocus();
            QTest::keyClick(child(m_window, "GetFocas"), Qt::Key_Space);
        } else if (event == 16) {
            QTest::mouseClick(child(m_window, "cmdAbout"), Qt::LeftButton);
            QTest::mouseClick(child(*FrmAbout::openWindow(), "Command1"), Qt::LeftButton);
        } else if (event == 17) {
            QTest::mouseClick(child(m_window, "lstP1M"), Qt::LeftButton);
        } else if (event == 18) {
            QTest::keyClick(&m_window, Qt::Key_Tab);
        } else {
            clickButton();
        }
    }

    // While a box is open the timers tick on, and the player tries the window: the box keeps
    // mouse and keys away, and the clicks that still arrive (as an access key's would) are dropped.
    void insideBox()
    {
        for (int events = int(m_random.bounded(4)); events > 0; --events) {
            switch (m_random.bounded(3)) {
            case 0: letTimePass(); break;
            case 1: clickSquare(m_window, 1 + int(m_random.bounded(9))); break;
            default: clickButton(); break;
            }
        }
    }

private:
    // From a microsecond to a few ticks; often to just before, on or after a tick.
    void letTimePass()
    {
        const game::Time now = m_clock.now();
        game::Time to = now + game::Time(1 + m_random.bounded(120000));
        if (m_random.bounded(2))
            to = (now / 50ms + 1) * 50ms + game::Time(int(m_random.bounded(3)) - 1);
        m_clock.advanceTo(m_window.runtime(), to);
    }

    void clickButton()
    {
        const char* name = m_random.bounded(2) ? "cmdNewGame" : "GetFocas";
        child<QAbstractButton>(m_window, name)->click();
    }

    FrmMain& m_window;
    ManualClock& m_clock;
    QRandomGenerator m_random;
};

// Empty when the window shows exactly the game's state and the state keeps its rules.
QString brokenRule(const FrmMain& window, const ManualClock& clock)
{
    const game::MainForm& form = window.game();
    const std::string broken = invariants::violation(form);
    if (!broken.empty())
        return QString::fromStdString(broken);
    if (shownBoard(window) != boardOf(form))
        return "board shown " + shownBoard(window) + ", game has " + boardOf(form);
    if (statusText(window) != statusOf(form))
        return "status shown differs";
    if (listItems(window, "lstP1M") != itemsOf(form.lstP1M()) || listItems(window, "lstP2M") != itemsOf(form.lstP2M()))
        return "lists shown differ";
    for (int square = 1; square <= 9; ++square) {
        if (squareOf(window, square)->isEnabled() != form.squareEnabled(square))
            return QString("square %1 enabled differs").arg(square);
    }
    const game::TimerSchedule& timers = window.runtime().timers();
    if (timers.enabled(game::TimerSchedule::WinCheck) != form.winCheckEnabled()
        || timers.enabled(game::TimerSchedule::TieCheck) != form.tieCheckEnabled()
        || !timers.enabled(game::TimerSchedule::CpuTurn))
        return "timers differ from the game's flags";
    if (invariants::tickHasWork(form) && !clock.alarm())
        return "a tick has work to do, but nothing will wake the window";
    return {};
}

} // namespace

class RandomPlay : public QObject {
    Q_OBJECT

private slots:
    void randomEventsKeepTheRules_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 20261207u, 4242u})
            QTest::newRow(qPrintable(QString("seed %1").arg(seed))) << seed;
    }
    void randomEventsKeepTheRules()
    {
        QFETCH(quint32, seed);
        constexpr int kEvents = 5000;
        ShownWindow w;
        RandomPlayer player(w.window, w.clock, seed);
        QStringList boxFaults;
        w.answerer.whenShown = [&] {
            const std::string fault = invariants::boxFault(w.answerer.boxes.last().text.toStdString(), w.window.game());
            if (!fault.empty())
                boxFaults << QString::fromStdString(fault);
            player.insideBox();
        };

        QElapsedTimer stopwatch;
        stopwatch.start();
        for (int event = 0; event < kEvents; ++event) {
            player.runEvent();
            const QString broken = boxFaults.isEmpty() ? brokenRule(w.window, w.clock) : boxFaults.first();
            QVERIFY2(broken.isEmpty(), qPrintable(QString("event %1: %2").arg(event).arg(broken)));
        }
        QVERIFY(w.answerer.boxes.size() > 100);
        qInfo("%d events, %d boxes, %.0f events per second", kEvents, int(w.answerer.boxes.size()),
              kEvents * 1000.0 / double(qMax<qint64>(1, stopwatch.elapsed())));
    }
};

WINDOW_TEST_MAIN(RandomPlay)
#include "tst_randomplay.moc"
