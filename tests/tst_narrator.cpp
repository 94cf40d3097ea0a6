// What a screen reader is told, as the game's runtime tells any front end: each mark placed,
// the end of a game before its box, and New Game, one message per event.
#include "manualclock.h"
#include "texts.h"

#include "narrator.h"
#include "runtime.h"

#include <QTest>

using namespace std::chrono_literals;

namespace {

// Writes down what screen readers are told and which boxes open; every box is closed at once.
struct Listener : game::FrontEnd {
    QStringList heard;
    void msgBox(const std::string&, game::BoxIcon, const std::string&) override { heard << "(box)"; }
    void beep() override {}
    void draw(const game::Change&) override {}
    void announce(const std::string& message) override { heard << QString::fromStdString(message); }
};

} // namespace

class Narration : public QObject {
    Q_OBJECT

private slots:
    void squaresAreNamedByTheirMarks()
    {
        const auto spoken = [](int square, game::Mark mark) { return QString::fromStdString(game::spokenSquare(square, mark)); };
        QCOMPARE(spoken(1, game::Mark::Empty), "Square 1, empty");
        QCOMPARE(spoken(5, game::Mark::X), "Square 5, X");
        QCOMPARE(spoken(9, game::Mark::O), "Square 9, O");
        QCOMPARE(spoken(3, game::Mark::OWin), "Square 3, O, winning line");
    }

    // Each step: the squares clicked (0: New Game), then a tick's time; what is heard then.
    void eventsAreTold_data()
    {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("the X waits for the answer") << QList<int>{5} << QStringList{"Square 5, X. Square 1, O."};
        QTest::newRow("a click not taken says nothing") << QList<int>{5, 5, 1} << QStringList{"Square 5, X. Square 1, O."};
        QTest::newRow("the win before its box") << QList<int>{5, 9, 7}
            << QStringList{"Square 5, X. Square 1, O.", "Square 9, X. Square 2, O.",
                           QString("Square 7, X. Square 3, O. ") + expected::kComputerWins, "(box)"};
        QTest::newRow("the tie before its box") << QList<int>{2, 4, 9, 7, 6}
            << QStringList{"Square 2, X. Square 5, O.", "Square 4, X. Square 1, O.", "Square 9, X. Square 3, O.",
                           "Square 7, X. Square 8, O.", QString("Square 6, X. ") + expected::kTieGame, "(box)"};
        QTest::newRow("New Game") << QList<int>{5, 0} << QStringList{"Square 5, X. Square 1, O.", "New Game."};
    }
    void eventsAreTold()
    {
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, heard);
        Listener listener;
        ManualClock clock;
        game::Runtime runtime(listener, clock);
        runtime.load();
        for (int square : clicks) {
            square ? runtime.squareClick(square) : runtime.newGameClick();
            if (square)
                clock.advanceBy(runtime, 50ms);
        }
        clock.advanceBy(runtime, 1s);
        QCOMPARE(listener.heard, heard);
    }
};

QTEST_APPLESS_MAIN(Narration)
#include "tst_narrator.moc"
