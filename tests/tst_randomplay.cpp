// Long runs of random events on the real window, from fixed seeds: every click, press, key,
// tick and box in any order, with the window's rules checked after every event.
#include "support/boxanswerer.h"
#include "support/gamehelpers.h"
#include "support/invariants.h"
#include "support/widgethelpers.h"

#include "aboutform.h"
#include "classiclook.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

namespace {

constexpr const char* kFocusSinkControls[] = {"lblStatus", "Text1", "Text2", "Text3", "Picture11", "Picture1"};

class RandomPlayer {
public:
    RandomPlayer(FrmMain& window, quint32 seed) : m_window(window), m_random(seed) {}

    void runEvent()
    {
        const int event = int(m_random.bounded(19));
        if (event < 9) {
            clickSquare(m_window, event + 1);
        } else if (event < 12) {
            tick(event - 9);
        } else if (event == 12) {
            const char* name = kFocusSinkControls[m_random.bounded(6)];
            QTest::mouseClick(child(m_window, name), Qt::MouseButton(1 << m_random.bounded(3)), {}, QPoint(2, 2));
        } else if (event == 13) {
            QTest::mouseClick(child(m_window, "cmdNewGame"), Qt::LeftButton);
        } else if (event == 14) {
            QTest::keyClick(&m_window, Qt::Key_N, Qt::AltModifier); // pressed a moment later
        } else if (event == 15) {
            child(m_window, "GetFocas")->setFocus();
            QTest::keyClick(child(m_window, "GetFocas"), Qt::Key_Space);
        } else if (event == 16) {
            QTest::mouseClick(child(m_window, "cmdAbout"), Qt::LeftButton);
            QTest::mouseClick(child(*AboutForm::instance().window(), "Command1"), Qt::LeftButton);
        } else if (event == 17) {
            QTest::mouseClick(child(m_window, "lstP1M"), Qt::LeftButton);
        } else {
            QTest::keyClick(&m_window, Qt::Key_Tab);
        }
    }

    // While a box is open, the timers may tick any number of times.
    void ticksInsideBox()
    {
        for (int ticks = int(m_random.bounded(3)); ticks > 0; --ticks)
            tick(int(m_random.bounded(3)));
    }

private:
    void tick(int timer)
    {
        const game::MainForm& form = m_window.game();
        if (timer == 0 && form.tieCheckEnabled())
            m_window.TieCheck_Timer();
        if (timer == 1)
            m_window.CpuTurn_Timer();
        if (timer == 2 && form.winCheckEnabled())
            m_window.WinCheck_Timer();
    }

    FrmMain& m_window;
    QRandomGenerator m_random;
};

// Empty when the window shows exactly the game's state and the state keeps its rules.
QString brokenRule(const FrmMain& window)
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
    if (child<GameTimer>(window, "WinCheck")->isEnabled() != form.winCheckEnabled()
        || child<GameTimer>(window, "TieCheck")->isEnabled() != form.tieCheckEnabled()
        || !child<GameTimer>(window, "CpuTurn")->isEnabled())
        return "timers differ from the game's flags";
    return {};
}

} // namespace

class RandomPlay : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyClassicLook(*qApp); }

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
        FrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        RandomPlayer player(window, seed);
        BoxAnswerer answerer([&] { player.ticksInsideBox(); });

        QElapsedTimer clock;
        clock.start();
        for (int event = 0; event < kEvents; ++event) {
            player.runEvent();
            const QString broken = brokenRule(window);
            QVERIFY2(broken.isEmpty(), qPrintable(QString("event %1: %2").arg(event).arg(broken)));
        }
        qInfo("%d events, %d boxes, %.0f events per second", kEvents, int(answerer.boxes.size()),
              kEvents * 1000.0 / double(qMax<qint64>(1, clock.elapsed())));
    }
};

QTEST_MAIN(RandomPlay)
#include "tst_randomplay.moc"
