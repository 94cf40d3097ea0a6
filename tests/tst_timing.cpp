// The window's timers on a virtual clock: the schedule that lets timers sleep delivers every
// tick that changes anything exactly when, and in the order that, three plain repeating 50 ms
// timers would. The same scripted player plays both, and everything it could see or hear is
// compared, with the microsecond it happened.
#include "manualclock.h"

#include "runtime.h"
#include "runtimeerror.h"

#include <QRandomGenerator>
#include <QTest>

#include <array>
#include <type_traits>
#include <memory>
#include <string>
#include <vector>

using namespace std::chrono_literals;
using game::Change;
using game::MainForm;
using game::Time;

namespace {

constexpr Time kInterval = 50ms;

// What the player does, fixed in advance, so both windows meet the same player.
struct PlayerEvent {
    enum Kind { Square, NewGame, Ratings } kind;
    int square; // for Square: 1 to 9
    Time at;
};

struct Script {
    std::vector<PlayerEvent> events;
    std::vector<Time> boxHolds; // how long each box in turn stays open
};

// A window under test: the game, the timers that drive it, and the rules for the player's clicks.
class Window {
public:
    virtual ~Window() = default;
    virtual const MainForm& form() const = 0;
    virtual Time now() const = 0;
    virtual void load() = 0;
    virtual void advanceTo(Time to) = 0; // every tick due until then
    virtual void deliver(const PlayerEvent& event) = 0;
};

// The reference: three plain repeating timers. Each ticks on every 50 ms of its own from when
// it was last enabled; ticks due together come in the order the timers were last started; a
// timer whose handler is still running misses its ticks meanwhile. Clicks are dropped while
// any handler runs, and a disabled square takes none.
class PlainTimers : public Window, private game::Toolkit {
public:
    explicit PlainTimers(game::FrontEnd& recorder) : m_recorder(recorder) {}

    const MainForm& form() const override { return m_form; }
    Time now() const override { return m_now; }

    void load() override
    {
        for (Timer& timer : m_timers)
            start(timer);
        m_form.Form_Load();
    }

    void advanceTo(Time to) override
    {
        for (;;) {
            Timer* due = nullptr;
            for (Timer& timer : m_timers) {
                if (timer.enabled && timer.next <= to
                    && (!due || timer.next < due->next || (timer.next == due->next && timer.order < due->order)))
                    due = &timer;
            }
            if (!due)
                break;
            m_now = std::max(m_now, due->next);
            due->next += kInterval;
            if (due->running)
                continue;
            due->running = true;
            run(due->handler);
            due->running = false;
        }
        m_now = std::max(m_now, to);
    }

    void deliver(const PlayerEvent& event) override
    {
        if (m_running > 0)
            return;
        switch (event.kind) {
        case PlayerEvent::Square:
            if (m_form.squareEnabled(event.square))
                run([this, &event] { m_form.Square_Click(event.square); });
            break;
        case PlayerEvent::NewGame: run([this] { m_form.cmdNewGame_Click(); }); break;
        case PlayerEvent::Ratings: run([this] { m_form.GetFocas_Click(); }); break;
        }
    }

private:
    struct Timer {
        void (MainForm::*handler)();
        bool enabled = false;
        bool running = false;
        Time next{};
        int order = 0;
    };

    template <typename Handler>
    void run(Handler handler)
    {
        ++m_running;
        try {
            if constexpr (std::is_invocable_v<Handler>)
                handler();
            else
                (m_form.*handler)();
        } catch (const game::RuntimeError& error) {
            m_recorder.msgBox(error.prompt(), game::BoxIcon::Critical, std::string(game::kProgramName));
        }
        --m_running;
    }

    void start(Timer& timer)
    {
        if (timer.enabled)
            return;
        timer.enabled = true;
        timer.next = m_now + kInterval;
        timer.order = ++m_starts;
    }

    void msgBox(const std::string& prompt, game::BoxIcon icon, const std::string& title) override
    {
        m_recorder.msgBox(prompt, icon, title);
    }
    void beep() override { m_recorder.beep(); }
    void changed(const Change& change) override
    {
        if (change.property == Change::Property::WinCheckEnabled)
            m_form.winCheckEnabled() ? start(m_timers[2]) : void(m_timers[2].enabled = false);
        if (change.property == Change::Property::TieCheckEnabled)
            m_form.tieCheckEnabled() ? start(m_timers[0]) : void(m_timers[0].enabled = false);
        m_recorder.draw(change);
    }

    game::FrontEnd& m_recorder;
    MainForm m_form{*this};
    // Created in the design's order.
    std::array<Timer, 3> m_timers{{{&MainForm::TieCheck_Timer}, {&MainForm::CpuTurn_Timer}, {&MainForm::WinCheck_Timer}}};
    Time m_now{0};
    int m_starts = 0;
    int m_running = 0;
};

// The game's own runtime on a manual clock: the schedule under test.
class SleepingTimers : public Window {
public:
    explicit SleepingTimers(game::FrontEnd& recorder) : m_runtime(recorder, m_clock) {}

    const MainForm& form() const override { return m_runtime.form(); }
    Time now() const override { return m_clock.now(); }
    void load() override { m_runtime.load(); }
    void advanceTo(Time to) override { m_clock.advanceTo(m_runtime, to); }
    void deliver(const PlayerEvent& event) override
    {
        switch (event.kind) {
        case PlayerEvent::Square: m_runtime.squareClick(event.square); break;
        case PlayerEvent::NewGame: m_runtime.newGameClick(); break;
        case PlayerEvent::Ratings: m_runtime.getFocasClick(); break;
        }
    }

    const ManualClock& clock() const { return m_clock; }

private:
    ManualClock m_clock;
    game::Runtime m_runtime;
};

// Plays a script on a window and writes down everything the player could see or hear.
class Player : public game::FrontEnd {
public:
    struct Tally {
        int wins = 0, ties = 0, abandoned = 0, events = 0;
    };

    explicit Player(const Script& script) : m_script(script) {}

    template <typename Timers>
    std::vector<std::string> play(Tally& tally)
    {
        Timers window(*this);
        m_window = &window;
        window.load();
        playUntil(m_script.events.back().at + 2s);
        tally.events += int(m_trace.size());
        for (const std::string& line : m_trace) {
            tally.wins += line.ends_with("status O(Computer) Wins!");
            tally.ties += line.ends_with("status Tie Game.");
        }
        tally.abandoned += m_abandoned;
        if constexpr (std::is_same_v<Timers, SleepingTimers>)
            m_restingAlarm = window.clock().alarm().has_value();
        m_window = nullptr;
        return m_trace;
    }

    // Whether the sleeping timers' window still wanted to wake once everything had settled.
    bool restingAlarm() const { return m_restingAlarm; }

private:
    // Boxes are answered and clicks made at their time; ticks due before them come first.
    void playUntil(Time until)
    {
        while (m_next < m_script.events.size() && m_script.events[m_next].at <= until) {
            const PlayerEvent& event = m_script.events[m_next++];
            m_window->advanceTo(event.at);
            const MainForm& form = m_window->form();
            if (event.kind == PlayerEvent::NewGame && m_boxesOpen == 0 && gameInProgress(form))
                ++m_abandoned;
            m_window->deliver(event);
        }
        m_window->advanceTo(until);
    }

    static bool gameInProgress(const MainForm& form)
    {
        return form.statusText() == game::kOsTurn || (form.statusText() == game::kXsTurn && !form.lstP1M().empty());
    }

    void note(const std::string& what) { m_trace.push_back(std::to_string(m_window->now().count()) + " " + what); }

    void msgBox(const std::string& prompt, game::BoxIcon, const std::string& title) override
    {
        note("box " + title + ": " + prompt);
        const Time hold = m_script.boxHolds[m_boxes++ % m_script.boxHolds.size()];
        ++m_boxesOpen;
        playUntil(m_window->now() + hold); // the player clicks on, and the timers tick, while it is open
        --m_boxesOpen;
        note("box closed");
    }
    void beep() override { note("beep"); }
    void announce(const std::string&) override {} // the narration is the game's own, told elsewhere
    void draw(const Change& change) override
    {
        const MainForm& form = m_window->form();
        const std::string square = std::to_string(change.square);
        switch (change.property) {
        case Change::Property::SquarePicture: note("square " + square + " shows " + std::to_string(int(form.picture(change.square)))); break;
        case Change::Property::SquareEnabled: note("square " + square + (form.squareEnabled(change.square) ? " on" : " off")); break;
        case Change::Property::StatusText: note("status " + form.statusText()); break;
        case Change::Property::StatusBackColor: note("colour " + std::to_string(form.statusBackColor())); break;
        case Change::Property::P1MoveList: note("X list " + std::to_string(form.lstP1M().size())); break;
        case Change::Property::P2MoveList: note("O list " + std::to_string(form.lstP2M().size())); break;
        case Change::Property::WinCheckEnabled: note(form.winCheckEnabled() ? "WinCheck on" : "WinCheck off"); break;
        case Change::Property::TieCheckEnabled: note(form.tieCheckEnabled() ? "TieCheck on" : "TieCheck off"); break;
        }
    }

    const Script& m_script;
    Window* m_window = nullptr;
    std::vector<std::string> m_trace;
    std::size_t m_next = 0;
    std::size_t m_boxes = 0;
    int m_boxesOpen = 0;
    int m_abandoned = 0;
    bool m_restingAlarm = false;
};

Time microseconds(QRandomGenerator& random, int from, int to)
{
    return Time(from + int(random.bounded(to - from + 1)));
}

// A moment within a millisecond of one of the next ticks of a timer started at `start`, often
// exactly on it or one microsecond to either side.
Time nearTick(QRandomGenerator& random, Time after, Time start)
{
    const Time tick = start + ((after - start) / kInterval + 1 + int(random.bounded(2))) * kInterval;
    static constexpr int kOffsets[] = {0, 0, 1, -1, 999, -999};
    const int pick = int(random.bounded(8));
    return tick + (pick < 6 ? Time(kOffsets[pick]) : microseconds(random, -1000, 1000));
}

// A quick player: moves 1 to 44 ms after the computer, aims close to ticks, starts new games,
// asks for ratings, and holds boxes open across ticks.
Script makeScript(quint32 seed)
{
    QRandomGenerator random(seed);
    Script script;
    Time at{0}, lastNewGame{0};
    for (int i = 0; i < 40; ++i) {
        switch (random.bounded(4)) {
        case 0: at += microseconds(random, 1000, 44000); break;
        case 1: at += microseconds(random, 0, 120000); break;
        default: at = std::max(at, nearTick(random, at, random.bounded(2) ? Time{0} : lastNewGame)); break;
        }
        const int kind = int(random.bounded(100));
        if (kind < 80) {
            script.events.push_back({PlayerEvent::Square, 1 + int(random.bounded(9)), at});
        } else if (kind < 90) {
            script.events.push_back({PlayerEvent::NewGame, 0, at});
            lastNewGame = at;
        } else {
            script.events.push_back({PlayerEvent::Ratings, 0, at});
        }
    }
    for (int i = 0; i < 16; ++i) {
        switch (random.bounded(3)) {
        case 0: script.boxHolds.push_back(microseconds(random, 0, 2000)); break;
        case 1: script.boxHolds.push_back(microseconds(random, 2000, 200000)); break;
        default: script.boxHolds.push_back(nearTick(random, Time{0}, Time{0}) + microseconds(random, 0, 1)); break;
        }
    }
    return script;
}

QString firstDifference(const std::vector<std::string>& plain, const std::vector<std::string>& sleeping)
{
    for (std::size_t i = 0; i < std::max(plain.size(), sleeping.size()); ++i) {
        const std::string a = i < plain.size() ? plain[i] : "(nothing)";
        const std::string b = i < sleeping.size() ? sleeping[i] : "(nothing)";
        if (a != b)
            return QString("at line %1: plain timers gave \"%2\", sleeping timers \"%3\"")
                .arg(i).arg(QString::fromStdString(a), QString::fromStdString(b));
    }
    return {};
}

} // namespace

class Timing : public QObject {
    Q_OBJECT

private slots:
    void sleepingTimersTickAsPlainTimers()
    {
        constexpr int kScripts = 3000;
        Player::Tally plainTally, sleepingTally;
        int restingAlarms = 0;
        for (quint32 seed = 1; seed <= kScripts; ++seed) {
            const Script script = makeScript(seed);
            Player plainPlayer(script), sleepingPlayer(script);
            const auto plain = plainPlayer.play<PlainTimers>(plainTally);
            const auto sleeping = sleepingPlayer.play<SleepingTimers>(sleepingTally);
            const QString difference = firstDifference(plain, sleeping);
            QVERIFY2(difference.isEmpty(), qPrintable(QString("seed %1, %2").arg(seed).arg(difference)));
            restingAlarms += sleepingPlayer.restingAlarm();
        }
        qInfo("%d scripts: %d games won by the computer, %d ties, %d abandoned by New Game; "
              "%d timed events compared", kScripts, plainTally.wins, plainTally.ties,
              plainTally.abandoned, plainTally.events);
        // The player must reach every way a game ends, or the comparison proves little.
        QVERIFY(plainTally.wins > 1000 && plainTally.ties > 100 && plainTally.abandoned > 1000);
        // Once everything has settled, no timer is awake: the process need not wake at all.
        QCOMPARE(restingAlarms, 0);
    }
};

QTEST_APPLESS_MAIN(Timing)
#include "tst_timing.moc"
