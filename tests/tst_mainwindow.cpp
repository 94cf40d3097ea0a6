// The real main window, driven with mouse and keys: moves, the computer's timer, the end of a
// game, New Game and the focus sink.
#include "support/boxanswerer.h"
#include "support/widgethelpers.h"

#include "aboutform.h"
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
        FrmMain window;
        stopTimers(window);
        window.show();
        QTest::mousePress(squareOf(window, 1), Qt::LeftButton);
        QTest::mouseRelease(squareOf(window, 2), Qt::LeftButton);
        QTest::mouseClick(squareOf(window, 3), Qt::RightButton);
        QCOMPARE(shownBoard(window), QString("........."));
    }

    void computerWinShowsLineStatusRatingAndFreezesBoard()
    {
        FrmMain window;
        stopTimers(window);
        window.show();
        playMoves(window, {5, 9, 7}); // O 1, 2, 3
        QCOMPARE(statusText(window), QString("X's Turn"));

        QString boardWhileBoxOpen, statusWhileBoxOpen;
        BoxAnswerer answerer([&] {
            boardWhileBoxOpen = shownBoard(window);
            statusWhileBoxOpen = statusText(window);
        });
        window.WinCheck_Timer();

        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].text, kThreeXs);
        QCOMPARE(answerer.boxes[0].title, QString("Player Ratings"));
        QCOMPARE(answerer.boxes[0].icon, QMessageBox::Information);
        QCOMPARE(boardWhileBoxOpen, QString("WWW.X.X.X")); // drawn before the box opened
        QCOMPARE(statusWhileBoxOpen, QString("O(Computer) Wins!"));
        QCOMPARE(statusColor(window), QColor(255, 255, 255));
        QVERIFY(!anySquareEnabled(window));
        QVERIFY(!child<GameTimer>(window, "WinCheck")->isEnabled());

        clickSquare(window, 4); // a disabled square takes no click
        QCOMPARE(shownBoard(window), QString("WWW.X.X.X"));
    }

    void tieBeepsAndShowsItsOwnMessage()
    {
        FrmMain window;
        stopTimers(window);
        window.show();
        playMoves(window, {2, 4, 9, 7});
        clickSquare(window, 6);
        BoxAnswerer answerer;
        window.TieCheck_Timer();
        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(answerer.boxes[0].text, kTie);
        QCOMPARE(statusText(window), QString("Tie Game."));
        QCOMPARE(statusColor(window), QColor(255, 255, 255));
        QVERIFY(!child<GameTimer>(window, "TieCheck")->isEnabled());
        QVERIFY(anySquareEnabled(window));
    }

    void newGameRestoresBoard_data()
    {
        QTest::addColumn<bool>("won");
        QTest::addColumn<bool>("byKey");
        QTest::newRow("mid-game, button") << false << false;
        QTest::newRow("mid-game, Alt+N") << false << true;
        QTest::newRow("won, button") << true << false;
        QTest::newRow("won, Alt+N") << true << true;
    }
    void newGameRestoresBoard()
    {
        QFETCH(bool, won);
        QFETCH(bool, byKey);
        FrmMain window;
        stopTimers(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        playMoves(window, {5, 9, 7});
        if (won) {
            BoxAnswerer answerer;
            window.WinCheck_Timer();
            QCOMPARE(answerer.boxes.size(), 1);
        }
        if (byKey) {
            window.activateWindow(); // back from the message box
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        } else {
            QTest::mouseClick(child(window, "cmdNewGame"), Qt::LeftButton);
        }

        // An access key presses the button visibly, so its click comes a moment later.
        QTRY_COMPARE(shownBoard(window), QString("........."));
        QCOMPARE(statusText(window), QString("X's Turn"));
        QCOMPARE(statusColor(window), QColor(0, 128, 128));
        QVERIFY(listItems(window, "lstP1M").isEmpty());
        QVERIFY(listItems(window, "lstP2M").isEmpty());
        for (int square = 1; square <= 9; ++square)
            QVERIFY(squareOf(window, square)->isEnabled());
        QVERIFY(child<GameTimer>(window, "WinCheck")->isEnabled()); // enabled again if the win had stopped it
        clickSquare(window, 1);
        QCOMPARE(shownBoard(window), QString("X........"));
    }

    // Alt+N presses New Game visibly and clicks it a moment later. If the computer wins in
    // that moment, the click lands while the ratings box is open, or as it closes, and would
    // start a game that the rest of the win then freezes. Such clicks are dropped.
    void clickDuringBoxIsDropped_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("asBoxCloses");
        QTest::newRow("Alt+N, box open") << "cmdNewGame" << false;
        QTest::newRow("Alt+A, box open") << "cmdAbout" << false;
        QTest::newRow("New Game, box closing") << "cmdNewGame" << true;
        QTest::newRow("About, box closing") << "cmdAbout" << true;
    }
    void clickDuringBoxIsDropped()
    {
        QFETCH(QString, button);
        QFETCH(bool, asBoxCloses);
        FrmMain window;
        stopTimers(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        playMoves(window, {5, 9, 7});
        auto* target = child<QAbstractButton>(window, qPrintable(button));
        QSignalSpy clicks(target, &QAbstractButton::clicked);
        if (!asBoxCloses)
            QTest::keyClick(&window, button == "cmdNewGame" ? Qt::Key_N : Qt::Key_A, Qt::AltModifier);
        BoxAnswerer answerer([&] {
            if (asBoxCloses) { // OK, then the click before the box has returned to the win
                qobject_cast<QMessageBox*>(QApplication::activeModalWidget())->button(QMessageBox::Ok)->click();
                target->click();
            } else { // the click comes when the button's visible press ends
                QVERIFY(QTest::qWaitFor([&] { return !clicks.isEmpty(); }));
            }
        });
        window.WinCheck_Timer();

        QCOMPARE(answerer.boxes.size(), 1);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(shownBoard(window), QString("WWW.X.X.X"));
        QCOMPARE(statusText(window), QString("O(Computer) Wins!"));
        QVERIFY(!anySquareEnabled(window));
        QVERIFY(!child<GameTimer>(window, "WinCheck")->isEnabled());
        QVERIFY(!AboutForm::instance().window());
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
        FrmMain window;
        stopTimers(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), child(window, "cmdNewGame"));
        QTest::mousePress(child(window, qPrintable(control)), button, {}, at);
        QCOMPARE(QApplication::focusWidget(), child(window, "GetFocas"));
        QCOMPARE(statusText(window), QString("X's Turn"));
    }

    void sidePanelTakesFocusOnlyOnClick()
    {
        FrmMain window;
        stopTimers(window);
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
        FrmMain window;
        stopTimers(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        clickSquare(window, 1);
        QCOMPARE(QApplication::focusWidget(), child(window, "cmdNewGame"));
        QTest::mousePress(child(window, "lstP1M")->findChild<QWidget*>("qt_scrollarea_viewport"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), child(window, "lstP1M"));
    }

    void spaceOnHiddenButtonRunsRatings()
    {
        FrmMain window;
        stopTimers(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        playMoves(window, {1, 9}); // two X's, nobody has won
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
