// The real main window, driven with mouse and keys: moves, the computer's timer, the end of a
// game, New Game and the focus sink.
#include "support/boxanswerer.h"
#include "support/widgethelpers.h"

#include "aboutform.h"
#include "timerschedule.h"
#include "classiclook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kThreeXs = "Human(X): 2, Compuer(O): 4    Result: Computer(O) Wins.";
const QString kTwoXs = "Human(X): 1, Compuer(O): 4    Result: Computer(O) Wins.";
const QString kTie = "Human(X): 4, Compuer(O): 4    Result: Tied Game";

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
    void initTestCase() { applyClassicLook(*qApp); }

    // The one test on the system's clock and a real alarm: the computer answers (a check
    // that it does, with a generous bound, not of how fast).
    void clickPlacesXAndTheRealTimerAnswers()
    {
        FrmMain window;
        window.show();
        clickSquare(window, 5);
        QCOMPARE(shownBoard(window), QString("....X...."));
        QCOMPARE(statusText(window), QString("O's Turn"));
        QCOMPARE(listItems(window, "lstP1M"), QStringList{"5"});
        QTRY_COMPARE_WITH_TIMEOUT(listItems(window, "lstP2M"), QStringList{"1"}, 2000);
        QCOMPARE(shownBoard(window), QString("O...X...."));
        QCOMPARE(statusText(window), QString("X's Turn"));
    }

    void pressWithoutReleaseOverSquareIsNoMove()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QTest::mousePress(squareOf(window, 1), Qt::LeftButton);
        QTest::mouseRelease(squareOf(window, 2), Qt::LeftButton);
        QTest::mouseClick(squareOf(window, 3), Qt::RightButton);
        QCOMPARE(shownBoard(window), QString("........."));
    }

    void computerWinShowsLineStatusRatingAndFreezesBoard()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QString boardWhileBoxOpen, statusWhileBoxOpen;
        BoxAnswerer answerer([&] {
            boardWhileBoxOpen = shownBoard(window);
            statusWhileBoxOpen = statusText(window);
        });
        playMoves(window, clock, {5, 9, 7}); // O 1, 2, 3

        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].text, kThreeXs);
        QCOMPARE(answerer.boxes[0].title, QString("Player Ratings"));
        QCOMPARE(answerer.boxes[0].icon, QMessageBox::Information);
        QCOMPARE(boardWhileBoxOpen, QString("WWW.X.X.X")); // drawn before the box opened
        QCOMPARE(statusWhileBoxOpen, QString("O(Computer) Wins!"));
        QCOMPARE(statusColor(window), QColor(255, 255, 255));
        QVERIFY(!anySquareEnabled(window));
        QVERIFY(!window.runtime().timers().enabled(game::TimerSchedule::WinCheck));

        clickSquare(window, 4); // a disabled square takes no click
        QCOMPARE(shownBoard(window), QString("WWW.X.X.X"));
    }

    void tieBeepsAndShowsItsOwnMessage()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        playMoves(window, clock, {2, 4, 9, 7});
        BoxAnswerer answerer;
        playMoves(window, clock, {6});
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].text, kTie);
        QCOMPARE(statusText(window), QString("Tie Game."));
        QCOMPARE(statusColor(window), QColor(255, 255, 255));
        QVERIFY(!window.runtime().timers().enabled(game::TimerSchedule::TieCheck));
        QVERIFY(anySquareEnabled(window));
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
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        BoxAnswerer answerer;
        playMoves(window, clock, moves);
        if (byKey) {
            window.activateWindow(); // back from the message box
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        } else {
            QTest::mouseClick(child(window, "cmdNewGame"), Qt::LeftButton);
        }

        QCOMPARE(shownBoard(window), QString("........."));
        QCOMPARE(statusText(window), QString("X's Turn"));
        QCOMPARE(statusColor(window), QColor(0, 128, 128));
        QVERIFY(listItems(window, "lstP1M").isEmpty());
        QVERIFY(listItems(window, "lstP2M").isEmpty());
        for (int square = 1; square <= 9; ++square)
            QVERIFY(squareOf(window, square)->isEnabled());
        // enabled again if the win had stopped it
        QVERIFY(window.runtime().timers().enabled(game::TimerSchedule::WinCheck));
        clickSquare(window, 1);
        QCOMPARE(shownBoard(window), QString("X........"));
    }

    // With plain timers started in the design's order, the win check ticks in the same moment
    // as the computer's move, right after it: a quick X after the winning O comes too late.
    void winIsFoundInTheMomentOfTheWinningMove()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        game::Time boxOpenedAt{-1};
        BoxAnswerer answerer([&] { boxOpenedAt = clock.now(); });
        playMoves(window, clock, {5, 9});
        clickSquare(window, 7);
        QCOMPARE(answerer.boxes.size(), 0);
        clock.advanceBy(window.runtime(), std::chrono::milliseconds(44));
        QCOMPARE(answerer.boxes.size(), 0);
        clock.advanceBy(window.runtime(), std::chrono::milliseconds(6)); // O completes 1, 2, 3
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(boxOpenedAt, game::Time(std::chrono::milliseconds(150)));
        clock.advanceBy(window.runtime(), std::chrono::milliseconds(5));
        clickSquare(window, 4);
        QCOMPARE(shownBoard(window), QString("WWW.X.X.X"));
        QCOMPARE(answerer.boxes[0].text, kThreeXs);
    }

    // Qt would show an access key's press for a tenth of a second and click only then; the
    // design's access keys press at once, so Alt+N just before the computer's win starts a
    // new game rather than being lost in the win's message box.
    void accessKeyPressesAtOnce()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        BoxAnswerer answerer;
        playMoves(window, clock, {5, 9});
        clickSquare(window, 7); // the computer's next tick wins
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(shownBoard(window), QString("........."));
        tick(window, clock);
        QCOMPARE(answerer.boxes.size(), 0);

        QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
        FrmAbout* about = AboutForm::instance().window();
        QVERIFY(about && about->isVisible());
        about->close();
        QTRY_VERIFY(!AboutForm::instance().window());
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
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* target = child<QAbstractButton>(window, qPrintable(button));
        QSignalSpy clicks(target, &QAbstractButton::clicked);
        BoxAnswerer answerer([&] {
            if (asBoxCloses) // OK, then the click before the box has returned to the win
                qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->button(QMessageBox::Ok)->click();
            target->click();
        });
        playMoves(window, clock, {5, 9, 7});

        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(shownBoard(window), QString("WWW.X.X.X"));
        QCOMPARE(statusText(window), QString("O(Computer) Wins!"));
        QVERIFY(!anySquareEnabled(window));
        QVERIFY(!window.runtime().timers().enabled(game::TimerSchedule::WinCheck));
        QVERIFY(!AboutForm::instance().window());
    }

    // A move adds its one item: the player's place in a list survives the next move.
    void moveListsKeepSelectionAndScroll()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        BoxAnswerer answerer;
        auto* list = child<QListWidget>(window, "lstP1M");
        playMoves(window, clock, {2, 4});
        list->setCurrentRow(0);
        QListWidgetItem* first = list->item(0);
        playMoves(window, clock, {9});
        QCOMPARE(listItems(window, "lstP1M"), (QStringList{"2", "4", "9"}));
        QCOMPARE(list->item(0), first);
        QCOMPARE(list->currentRow(), 0);
        QTest::mouseClick(child(window, "cmdNewGame"), Qt::LeftButton);
        QCOMPARE(list->count(), 0);
    }

    // A press on the status box, a heading or the back panel parks the focus on the hidden
    // button; the side panel does so on a completed click.
    void focusSinkTakesFocus_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("status box") << "lblStatus" << Qt::LeftButton << QPoint(5, 5);
        QTest::newRow("status box, right button") << "lblStatus" << Qt::RightButton << QPoint(5, 5);
        QTest::newRow("Move List heading") << "Text1" << Qt::LeftButton << QPoint(5, 5);
        QTest::newRow("X heading") << "Text2" << Qt::MiddleButton << QPoint(5, 5);
        QTest::newRow("O heading") << "Text3" << Qt::LeftButton << QPoint(5, 5);
        QTest::newRow("back panel between cells") << "Picture11" << Qt::LeftButton << QPoint(5, 100);
    }
    void focusSinkTakesFocus()
    {
        QFETCH(QString, control);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, at);
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), child(window, "cmdNewGame"));
        QTest::mousePress(child(window, qPrintable(control)), button, {}, at);
        QCOMPARE(QApplication::focusWidget(), child(window, "GetFocas"));
        QCOMPARE(statusText(window), QString("X's Turn"));
    }

    void sidePanelTakesFocusOnlyOnClick()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QWidget* panel = child(window, "Picture1");
        const QPoint inside(212, 100); // right of the O list, on the panel itself
        QTest::mousePress(panel, Qt::LeftButton, {}, inside);
        QCOMPARE(QApplication::focusWidget(), child(window, "cmdNewGame"));
        QTest::mouseRelease(panel, Qt::LeftButton, {}, inside);
        QCOMPARE(QApplication::focusWidget(), child(window, "GetFocas"));
    }

    void pressOnListOrSquareIsNoFocusSink()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        clickSquare(window, 1);
        QCOMPARE(QApplication::focusWidget(), child(window, "cmdNewGame"));
        QTest::mousePress(child(window, "lstP1M")->findChild<QWidget*>("qt_scrollarea_viewport"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), child(window, "lstP1M"));
    }

    void spaceOnHiddenButtonRunsRatings()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        playMoves(window, clock, {1, 9}); // two X's, nobody has won
        QTest::mousePress(child(window, "lblStatus"), Qt::LeftButton);
        BoxAnswerer answerer;
        QTest::keyClick(child(window, "GetFocas"), Qt::Key_Space);
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].text, kTwoXs);
        QCOMPARE(statusText(window), QString("X's Turn"));
    }

    void hiddenControlsAreNeverSeenYetWork()
    {
        FrmMain window;
        window.show();
        const QRect client = window.rect();
        for (const char* name : {"GetFocas", "X", "O", "OWin", "Empty2"}) {
            QWidget* hidden = child(window, name);
            QVERIFY2(!client.intersects(hidden->geometry()), name);
            QVERIFY2(hidden->isVisible(), name);
        }
        QVERIFY(child(window, "GetFocas")->isEnabled());
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

QTEST_MAIN(MainWindow)
#include "tst_mainwindow.moc"
