// Skipping the ticks that would change nothing changes nothing: the same events give the same
// window, event by event, whether every tick is delivered or only the ones the gate lets through.
#include "support/faketoolkit.h"
#include "support/gamehelpers.h"

#include "tickgate.h"

#include <QRandomGenerator>
#include <QTest>

using game::MainForm;
using game::TickGate;

namespace {

// Events: 0-8 a click on square 1-9, 9 New Game, 10 the ratings button, 11 a grid point
// (each enabled timer ticks once, in the order the window creates them).
constexpr int kGridPoint = 11;

struct Run {
    FakeToolkit toolkit;
    MainForm form{toolkit};
    TickGate gate;
    bool skipping;
    int ticksDelivered = 0;

    explicit Run(bool skip) : skipping(skip) { form.Form_Load(); }

    void event(int e)
    {
        if (e < 9) {
            if (form.squareEnabled(e + 1))
                form.Square_Click(e + 1);
        } else if (e == 9) {
            form.cmdNewGame_Click();
        } else if (e == 10) {
            form.GetFocas_Click();
        } else {
            if (form.tieCheckEnabled())
                tick(TickGate::TieCheck, &MainForm::TieCheck_Timer);
            tick(TickGate::CpuTurn, &MainForm::CpuTurn_Timer);
            if (form.winCheckEnabled())
                tick(TickGate::WinCheck, &MainForm::WinCheck_Timer);
        }
    }

    void tick(TickGate::Timer timer, void (MainForm::*handler)())
    {
        if (skipping && !gate.needed(timer, form.revision()))
            return;
        ++ticksDelivered;
        const auto before = form.revision();
        (form.*handler)();
        gate.ticked(timer, before, form.revision());
    }

    // Everything the player could see or hear, and the window's integers.
    QString shown() const
    {
        QString text = boardOf(form) + "|" + statusOf(form) + "|" + QString::number(form.statusBackColor(), 16);
        for (int square = 1; square <= 9; ++square)
            text += form.squareEnabled(square) ? "e" : "d";
        text += QString("|%1%2|%3").arg(form.winCheckEnabled()).arg(form.tieCheckEnabled()).arg(form.moveStage());
        text += "|" + itemsOf(form.lstP1M()).join(",") + "|" + itemsOf(form.lstP2M()).join(",");
        text += QString("|%1 beeps|").arg(toolkit.beeps) + QString::fromStdString(
            toolkit.messages.empty() ? std::string() : toolkit.messages.back().prompt);
        return text + QString("|%1 boxes").arg(toolkit.messages.size());
    }
};

// Runs the events both ways and compares the two windows after every event.
void verifySameWindow(const QList<int>& events, int* delivered = nullptr, int* everyTick = nullptr)
{
    Run all(false), gated(true);
    for (int i = 0; i < events.size(); ++i) {
        all.event(events[i]);
        gated.event(events[i]);
        QCOMPARE(gated.shown(), all.shown());
    }
    if (delivered)
        *delivered = gated.ticksDelivered;
    if (everyTick)
        *everyTick = all.ticksDelivered;
}

QList<int> withGridPoints(const QList<int>& clicks, int pointsAfterEach)
{
    QList<int> events;
    for (int click : clicks) {
        events << click;
        for (int i = 0; i < pointsAfterEach; ++i)
            events << kGridPoint;
    }
    return events;
}

} // namespace

class TickSkipping : public QObject {
    Q_OBJECT

private slots:
    void scriptedGames_data()
    {
        QTest::addColumn<QList<int>>("events");
        const int g = kGridPoint;
        QTest::newRow("computer wins") << withGridPoints({4, 8, 2, 5}, 3);
        QTest::newRow("tie") << withGridPoints({1, 3, 8, 6, 5}, 3);
        QTest::newRow("win and tie race") << QList<int>{4, g, 8, g, 2, g, 5, g, 7, g, g};
        QTest::newRow("new game mid-game") << QList<int>{0, g, 8, 9, g, g, 4, g, g};
        QTest::newRow("new game pending O") << QList<int>{0, 9, g, g, 4, g};
        QTest::newRow("ratings on demand") << QList<int>{0, g, 8, g, 10, g, 10};
        QTest::newRow("clicks while O is due") << QList<int>{0, 1, 2, g, 3, 3, g, g};
        QTest::newRow("won game at rest") << withGridPoints({4, 8, 2, 5}, 3) + QList<int>(200, g);
    }
    void scriptedGames()
    {
        QFETCH(QList<int>, events);
        verifySameWindow(events);
    }

    void randomSequences()
    {
        QRandomGenerator random(20261207);
        for (int sequence = 0; sequence < 1000; ++sequence) {
            QList<int> events;
            for (int i = 0; i < 40; ++i)
                events << (random.bounded(3) == 0 ? int(random.bounded(11)) : kGridPoint);
            verifySameWindow(events);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable("sequence " + QString::number(sequence)));
        }
    }

    // At rest the gate lets almost nothing through: one tick per timer, then silence.
    void restingWindowSleeps()
    {
        int delivered = 0, everyTick = 0;
        verifySameWindow(QList<int>(200, kGridPoint), &delivered, &everyTick);
        QCOMPARE(everyTick, 600);
        QCOMPARE(delivered, 3);
    }
};

QTEST_APPLESS_MAIN(TickSkipping)
#include "tst_tickskipping.moc"
