// The real main window, driven with mouse and keys: moves, the computer's timer, the end of a
// game, New Game and the focus sink.
#include "widgethelpers.h"

#include "frmabout.h"
#include "timerschedule.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QSignalSpy>

using namespace expected;

namespace {

QColor statusColor(const QWidget& window)
{
    return child(window, "lblStatus")->palette().color(QPalette::Base);
}

bool anySquareEnabled(const QWidget& window)
{
    for (int square = 1; square <= 9; ++square) {
        if (squareOf(window, square)->isEnabled())
            return true;
    }
    return false;
}

} // namespace

class MainWindow : public QObject {
    Q_OBJECT

private slots:
    // The one test on the system's clock and a real alarm: the computer answers (a check
    // that it does, with a generous bound, not of how fast).
    void clickPlacesXAndTheRealTimerAnswers()
    {
        FrmMain window;
        window.show();
        clickSquare(window, 5);
        QCOMPARE(shownBoard(window), QString("....X...."));
        QCOMPARE(statusText(window), kOsTurn);
        QCOMPARE(listItems(window, "lstP1M"), QStringList{"5"});
        QTRY_COMPARE_WITH_TIMEOUT(listItems(window, "lstP2M"), QStringList{"1"}, 2000);
        QCOMPARE(shownBoard(window), QString("O...X...."));
        QCOMPARE(statusText(window), kXsTurn);
    }

    void pressWithoutReleaseOverSquareIsNoMove()
    {
        ShownWindow w;
        QTest::mousePress(squareOf(w.window, 1), Qt::LeftButton);
        QTest::mouseRelease(squareOf(w.window, 2), Qt::LeftButton);
        QTest::mouseClick(squareOf(w.window, 3), Qt::RightButton);
        QCOMPARE(shownBoard(w.window), QString("........."));
    }

    // The end of a game: the box opens over the board already drawn, the status box takes the
    // window background's colour and its timer stops; a win freezes the board, a tie does not.
    void gameEnds_data()
    {
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("box");
        QTest::newRow("computer wins") << QList<int>{5, 9, 7} << "WWW.X.X.X" << kComputerWins << kThreeXs;
        QTest::newRow("tie") << QList<int>{2, 4, 9, 7, 6} << "OXOXOXXOX" << kTieGame << kTie;
    }
    void gameEnds()
    {
        QFETCH(QList<int>, moves);
        QFETCH(QString, board);
        QFETCH(QString, status);
        QFETCH(QString, box);
        ShownWindow w;
        QString boardWhileBoxOpen, statusWhileBoxOpen;
        w.answerer.whenShown = [&] {
            boardWhileBoxOpen = shownBoard(w.window);
            statusWhileBoxOpen = statusText(w.window);
        };
        w.play(moves);

        QCOMPARE(w.answerer.boxes.size(), 1);
        QCOMPARE(w.answerer.boxes[0].text, box);
        QCOMPARE(w.answerer.boxes[0].title, kRatingsTitle);
        QCOMPARE(w.answerer.boxes[0].icon, QMessageBox::Information);
        QCOMPARE(boardWhileBoxOpen, board);
        QCOMPARE(statusWhileBoxOpen, status);
        QCOMPARE(statusColor(w.window), QColor(255, 255, 255));
        const bool won = status == kComputerWins;
        QCOMPARE(anySquareEnabled(w.window), !won);
        const auto timer = won ? game::TimerSchedule::WinCheck : game::TimerSchedule::TieCheck;
        QVERIFY(!w.window.runtime().timers().enabled(timer));
        if (won) {
            clickSquare(w.window, 4); // a disabled square takes no click
            QCOMPARE(shownBoard(w.window), board);
        }
    }

    void newGameRestoresBoard_data()
    {
        QTest::addColumn<QList<int>>("moves");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("mid-game, button") << QList<int>{5, 9} << false;
        QTest::newRow("mid-game, Alt+N") << QList<int>{5, 9} << true;
        QTest::newRow("won, button") << QList<int>{5, 9, 7} << false;
        QTest::newRow("won, Alt+N") << QList<int>{5, 9, 7} << true;
    }
    void newGameRestoresBoard()
    {
        QFETCH(QList<int>, moves);
        QFETCH(bool, byKey);
        ShownWindow w;
        QCOMPARE(statusColor(w.window), QColor(0, 128, 128));
        w.play(moves);
        if (byKey) {
            w.activate();
            QTest::keyClick(&w.window, Qt::Key_N, Qt::AltModifier);
        } else {
            QTest::mouseClick(w["cmdNewGame"], Qt::LeftButton);
        }

        QCOMPARE(shownBoard(w.window), QString("........."));
        QCOMPARE(statusText(w.window), kXsTurn);
        QCOMPARE(statusColor(w.window), QColor(0, 128, 128));
        QVERIFY(listItems(w.window, "lstP1M").isEmpty());
        QVERIFY(listItems(w.window, "lstP2M").isEmpty());
        for (int square = 1; square <= 9; ++square)
            QVERIFY(squareOf(w.window, square)->isEnabled());
        // enabled again if the win had stopped it
        QVERIFY(w.window.runtime().timers().enabled(game::TimerSchedule::WinCheck));
        clickSquare(w.window, 1);
        QCOMPARE(shownBoard(w.window), QString("X........"));
    }

    // With plain timers started in the design's order, the win check ticks in the same moment
    // as the computer's move, right after it: a quick X after the winning O comes too late.
    void winIsFoundInTheMomentOfTheWinningMove()
    {
        ShownWindow w;
        game::Time boxOpenedAt{-1};
        w.answerer.whenShown = [&] { boxOpenedAt = w.clock.now(); };
        w.play({5, 9});
        clickSquare(w.window, 7);
        w.clock.advanceBy(w.window.runtime(), std::chrono::milliseconds(44));
        QCOMPARE(w.answerer.boxes.size(), 0);
        w.clock.advanceBy(w.window.runtime(), std::chrono::milliseconds(6)); // O completes 1, 2, 3
        QCOMPARE(w.answerer.boxes.size(), 1);
        QCOMPARE(boxOpenedAt, game::Time(std::chrono::milliseconds(150)));
        w.clock.advanceBy(w.window.runtime(), std::chrono::milliseconds(5));
        clickSquare(w.window, 4);
        QCOMPARE(shownBoard(w.window), QString("WWW.X.X.X"));
        QCOMPARE(w.answerer.boxes[0].text, kThreeXs);
    }

    // Qt would show an access key's press for a tenth of a second and click only then; the
    // design's access keys press at once, so Alt+N just before the computer's win starts a
    // new game rather than being lost in the win's message box.
    void accessKeyPressesAtOnce()
    {
        ShownWindow w;
        w.play({5, 9});
        clickSquare(w.window, 7); // the computer's next tick wins
        QTest::keyClick(&w.window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(shownBoard(w.window), QString("........."));
        w.tick();
        QCOMPARE(w.answerer.boxes.size(), 0);

        QTest::keyClick(&w.window, Qt::Key_A, Qt::AltModifier);
        FrmAbout* about = FrmAbout::openWindow();
        QVERIFY(about && about->isVisible());
        about->close();
        QTRY_VERIFY(!FrmAbout::openWindow());
    }

    // The modal box keeps the player away from the board until the handler that opened it has
    // finished. A click that still reaches the window then, while the box is open or just as it
    // closes, would start a game that the rest of the win freezes; it is dropped.
    void clickDuringBoxIsDropped_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("asBoxCloses");
        QTest::newRow("New Game, box open") << "cmdNewGame" << false;
        QTest::newRow("About, box open") << "cmdAbout" << false;
        QTest::newRow("New Game, box closing") << "cmdNewGame" << true;
        QTest::newRow("About, box closing") << "cmdAbout" << true;
    }
    void clickDuringBoxIsDropped()
    {
        QFETCH(QString, button);
        QFETCH(bool, asBoxCloses);
        ShownWindow w;
        auto* target = child<QAbstractButton>(w.window, qPrintable(button));
        QSignalSpy clicks(target, &QAbstractButton::clicked);
        w.answerer.whenShown = [&] {
            if (asBoxCloses) // OK, then the click before the box has returned to the win
                qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->button(QMessageBox::Ok)->click();
            target->click();
        };
        w.play({5, 9, 7});

        QCOMPARE(w.answerer.boxes.size(), 1);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(shownBoard(w.window), QString("WWW.X.X.X"));
        QCOMPARE(statusText(w.window), kComputerWins);
        QVERIFY(!anySquareEnabled(w.window));
        QVERIFY(!w.window.runtime().timers().enabled(game::TimerSchedule::WinCheck));
        QVERIFY(!FrmAbout::openWindow());
    }

    // A move adds its one item: the player's place in a list survives the next move.
    void moveListsKeepSelectionAndScroll()
    {
        ShownWindow w;
        auto* list = child<QListWidget>(w.window, "lstP1M");
        w.play({2, 4});
        list->setCurrentRow(0);
        QListWidgetItem* first = list->item(0);
        w.play({9});
        QCOMPARE(listItems(w.window, "lstP1M"), (QStringList{"2", "4", "9"}));
        QCOMPARE(list->item(0), first);
        QCOMPARE(list->currentRow(), 0);
        QTest::mouseClick(w["cmdNewGame"], Qt::LeftButton);
        QCOMPARE(list->count(), 0);
    }

    // A press with any button on the status box, a heading or the back panel parks the focus on
    // the hidden button; the side panel does so on a completed click only; a square or a list
    // is no focus sink.
    void focusSink_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("released");
        QTest::addColumn<QString>("focus");
        QTest::newRow("status box") << "lblStatus" << Qt::LeftButton << QPoint(5, 5) << false << "GetFocas";
        QTest::newRow("status box, right button") << "lblStatus" << Qt::RightButton << QPoint(5, 5) << false << "GetFocas";
        QTest::newRow("Move List heading") << "Text1" << Qt::LeftButton << QPoint(5, 5) << false << "GetFocas";
        QTest::newRow("X heading") << "Text2" << Qt::MiddleButton << QPoint(5, 5) << false << "GetFocas";
        QTest::newRow("O heading") << "Text3" << Qt::LeftButton << QPoint(5, 5) << false << "GetFocas";
        QTest::newRow("back panel between cells") << "Picture11" << Qt::LeftButton << QPoint(5, 100) << false << "GetFocas";
        // Right of the O list, on the side panel itself.
        QTest::newRow("side panel, pressed") << "Picture1" << Qt::LeftButton << QPoint(212, 100) << false << "cmdNewGame";
        QTest::newRow("side panel, clicked") << "Picture1" << Qt::LeftButton << QPoint(212, 100) << true << "GetFocas";
        QTest::newRow("square, clicked") << "TopLeft" << Qt::LeftButton << QPoint(5, 5) << true << "cmdNewGame";
        QTest::newRow("X list, pressed") << "lstP1M" << Qt::LeftButton << QPoint(5, 5) << false << "lstP1M";
    }
    void focusSink()
    {
        QFETCH(QString, control);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, at);
        QFETCH(bool, released);
        QFETCH(QString, focus);
        ShownWindow w;
        QCOMPARE(QApplication::focusWidget(), w["cmdNewGame"]);
        QWidget* target = w[qPrintable(control)];
        if (auto* area = qobject_cast<QAbstractScrollArea*>(target))
            target = area->viewport();
        QTest::mousePress(target, button, {}, at);
        if (released)
            QTest::mouseRelease(target, button, {}, at);
        QCOMPARE(QApplication::focusWidget(), w[qPrintable(focus)]);
        QCOMPARE(shownBoard(w.window), control == "TopLeft" ? QString("X........") : QString("........."));
    }

    void spaceOnHiddenButtonRunsRatings()
    {
        ShownWindow w;
        w.play({1, 9}); // two X's, nobody has won
        QTest::mousePress(w["lblStatus"], Qt::LeftButton);
        QTest::keyClick(w["GetFocas"], Qt::Key_Space);
        QCOMPARE(w.answerer.boxes.size(), 1);
        QCOMPARE(w.answerer.boxes[0].text, kTwoXs);
        QCOMPARE(statusText(w.window), kXsTurn);
    }

    void hiddenControlsAreNeverSeenYetWork()
    {
        ShownWindow w;
        const QRect client = w.window.rect();
        for (const char* name : {"GetFocas", "X", "O", "OWin", "Empty2"}) {
            QWidget* hidden = w[name];
            QVERIFY2(!client.intersects(hidden->geometry()), name);
            QVERIFY2(hidden->isVisible(), name);
        }
        QVERIFY(w["GetFocas"]->isEnabled());
    }

    void windowIsFixedSize()
    {
        FrmMain window;
        QCOMPARE(window.minimumSize(), QSize(446, 220));
        QCOMPARE(window.maximumSize(), QSize(446, 220));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    }
};

WINDOW_TEST_MAIN(MainWindow)
#include "tst_mainwindow.moc"
