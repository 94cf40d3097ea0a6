// What a screen reader meets in the main window, and playing with the keyboard alone.
#include "support/boxanswerer.h"
#include "support/widgethelpers.h"

#include "aboutform.h"
#include "accessibility.h"
#include "announcer.h"
#include "classiclook.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>

namespace {

// What the window tells screen readers of its own accord: each message as a screen reader
// reads it, a notification in the window, named by its text.
class Listener : public QObject {
public:
    explicit Listener(const QWidget& window)
    {
        connect(window.findChild<Announcer*>(), &Announcer::shown, this, [this, &window](Announcement* message) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(message);
            QAccessibleInterface* parent = face->parent();
            if (face->role() == QAccessible::Notification && parent->object() == &window && parent->indexOfChild(face) >= 0)
                m_heard << face->text(QAccessible::Name);
            else
                m_heard << "(not a notification of the window)";
        });
    }

    // Lets the window finish what it is doing, as the event loop would: messages are shown then.
    QStringList heard()
    {
        QCoreApplication::processEvents();
        return std::exchange(m_heard, {});
    }

private:
    QStringList m_heard;
};

QAccessibleInterface* accessibleOf(const QWidget& window, const char* name)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(child(window, name));
    if (!face)
        qFatal("no accessible interface for %s", name);
    return face;
}

QString nameOf(const QWidget& window, const char* name)
{
    return accessibleOf(window, name)->text(QAccessible::Name);
}

} // namespace

class Accessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        applyClassicLook(*qApp);
        installAccessibility();
    }

    // A window that screen readers take for the active window, holding panels, not frames (which
    // they would take for windows of their own, and so ignore the focus in them).
    void windowIsAWindowOfPanels()
    {
        FrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&window);
        QCOMPARE(face->role(), QAccessible::Window);
        QCOMPARE(face->text(QAccessible::Name), QString("TAVROK Tic-Tac-Toe"));
        QVERIFY(face->state().active);
        for (const char* panel : {"Picture11", "Picture1", "Picture2", "Picture10"})
            QCOMPARE(accessibleOf(window, panel)->role(), QAccessible::Pane);
    }

    // The mark images are not met at all; the hidden ratings button is, but not as showing.
    void offWindowControlsAreNotShown()
    {
        FrmMain window;
        window.show();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&window);
        QStringList children;
        for (int i = 0; i < face->childCount(); ++i)
            children << face->child(i)->object()->objectName();
        QCOMPARE(children, (QStringList{"GetFocas", "Picture11"}));
        QAccessibleInterface* hidden = accessibleOf(window, "GetFocas");
        QVERIFY(hidden->state().offscreen);
        QVERIFY(hidden->state().focusable);
        QCOMPARE(face->indexOfChild(hidden), 0);
    }

    // A screen reader walks the board square by square, 1 to 9.
    void boardIsWalkedInSquareOrder()
    {
        FrmMain window;
        QAccessibleInterface* board = accessibleOf(window, "Picture11");
        QStringList walked;
        for (int i = 0; i < board->childCount(); ++i) {
            QAccessibleInterface* cell = board->child(i);
            if (cell->childCount() == 1 && cell->child(0)->role() == QAccessible::Button)
                walked << cell->child(0)->text(QAccessible::Name);
        }
        QCOMPARE(walked.size(), 9);
        for (int square = 1; square <= 9; ++square)
            QCOMPARE(walked[square - 1], QString("Square %1, empty").arg(square));
        QCOMPARE(board->child(9)->object()->objectName(), QString("Picture1"));
    }

    // Each mark is heard, wherever the focus is: the player's X together with the computer's
    // answer, then how the game ended before its box, and New Game.
    void movesAreAnnounced()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Listener listener(window);
        QStringList beforeBox;
        BoxAnswerer answerer([&] { beforeBox = listener.heard(); });
        squareOf(window, 5)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(squareOf(window, 5), Qt::Key_Space);
        QCOMPARE(listener.heard(), QStringList{}); // the X waits for the answer
        tick(window, clock);
        QCOMPARE(listener.heard(), QStringList{"Square 5, X. Square 1, O."});
        playMoves(window, clock, {9});
        QCOMPARE(listener.heard(), QStringList{"Square 9, X. Square 2, O."});
        playMoves(window, clock, {7});
        QCOMPARE(beforeBox, QStringList{"Square 7, X. Square 3, O. O(Computer) Wins!"});
        QTest::mouseClick(child(window, "cmdNewGame"), Qt::LeftButton);
        QCOMPARE(listener.heard(), QStringList{"New Game."});
        for (int square : {2, 4, 9, 7}) {
            playMoves(window, clock, {square});
            QCOMPARE(listener.heard().size(), 1);
        }
        playMoves(window, clock, {6});
        QCOMPARE(beforeBox, QStringList{"Square 6, X. Tie Game."});
    }

    void controlsHaveNamesAndRoles_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("role");
        QTest::newRow("square") << "MiddleMiddle" << "Square 5, empty" << int(QAccessible::Button);
        QTest::newRow("status") << "lblStatus" << "Game Status" << int(QAccessible::EditableText);
        QTest::newRow("X list") << "lstP1M" << "X's Moves" << int(QAccessible::List);
        QTest::newRow("O list") << "lstP2M" << "O's Moves" << int(QAccessible::List);
        QTest::newRow("New Game") << "cmdNewGame" << "New Game" << int(QAccessible::Button);
        QTest::newRow("About") << "cmdAbout" << "About" << int(QAccessible::Button);
        QTest::newRow("Move List heading") << "Text1" << "Move List" << int(QAccessible::EditableText);
        QTest::newRow("X heading") << "Text2" << "X" << int(QAccessible::EditableText);
        QTest::newRow("O heading") << "Text3" << "O" << int(QAccessible::EditableText);
        QTest::newRow("hidden ratings button") << "GetFocas" << "Player Ratings" << int(QAccessible::Button);
    }
    void controlsHaveNamesAndRoles()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(int, role);
        FrmMain window;
        QAccessibleInterface* face = accessibleOf(window, qPrintable(control));
        QCOMPARE(face->text(QAccessible::Name), name);
        QCOMPARE(int(face->role()), role);
    }

    void namesFollowTheGame()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QCOMPARE(accessibleOf(window, "lblStatus")->text(QAccessible::Value), QString("X's Turn"));
        playMoves(window, clock, {5, 9}); // O takes 1, 2
        QCOMPARE(nameOf(window, "MiddleMiddle"), QString("Square 5, X"));
        QCOMPARE(nameOf(window, "TopLeft"), QString("Square 1, O"));
        QCOMPARE(accessibleOf(window, "lstP1M")->childCount(), 2);
        QCOMPARE(accessibleOf(window, "lstP1M")->child(0)->text(QAccessible::Name), QString("5"));

        BoxAnswerer answerer;
        playMoves(window, clock, {7}); // O takes 3 and wins
        QCOMPARE(nameOf(window, "TopLeft"), QString("Square 1, O, winning line"));
        QCOMPARE(accessibleOf(window, "lblStatus")->text(QAccessible::Value), QString("O(Computer) Wins!"));
        QVERIFY(accessibleOf(window, "MiddleLeft")->state().disabled);

        QTest::mouseClick(child(window, "cmdNewGame"), Qt::LeftButton);
        QCOMPARE(nameOf(window, "TopLeft"), QString("Square 1, empty"));
        QCOMPARE(accessibleOf(window, "lstP1M")->childCount(), 0);
    }

    // Space or Enter on a focused square is a click on it, with the same rules.
    void keyboardPlacesXOnlyWhereAClickWould_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<int>("square");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("after");
        QTest::newRow("Space on an empty square") << QList<int>{} << true << 1 << int(Qt::Key_Space) << "X........";
        QTest::newRow("Enter on an empty square") << QList<int>{} << true << 9 << int(Qt::Key_Return) << "........X";
        QTest::newRow("Space on an O") << QList<int>{1} << true << 5 << int(Qt::Key_Space) << "X...O....";
        QTest::newRow("Enter on an X") << QList<int>{1} << true << 1 << int(Qt::Key_Enter) << "X...O....";
        QTest::newRow("O's turn") << QList<int>{1} << false << 9 << int(Qt::Key_Space) << "X........";
    }
    void keyboardPlacesXOnlyWhereAClickWould()
    {
        QFETCH(QList<int>, before);
        QFETCH(bool, answered);
        QFETCH(int, square);
        QFETCH(int, key);
        QFETCH(QString, after);
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (int move : before) {
            clickSquare(window, move);
            if (answered)
                tick(window, clock);
        }
        squareOf(window, square)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(squareOf(window, square), Qt::Key(key));
        QCOMPARE(shownBoard(window), after);
    }

    // On the board the arrows move by rows and columns, and stop at the edge.
    void arrowsMoveByRowsAndColumns_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("5 Left") << 5 << int(Qt::Key_Left) << 4;
        QTest::newRow("5 Right") << 5 << int(Qt::Key_Right) << 6;
        QTest::newRow("5 Up") << 5 << int(Qt::Key_Up) << 2;
        QTest::newRow("5 Down") << 5 << int(Qt::Key_Down) << 8;
        QTest::newRow("3 Right, the edge") << 3 << int(Qt::Key_Right) << 3;
        QTest::newRow("4 Left, the edge") << 4 << int(Qt::Key_Left) << 4;
        QTest::newRow("1 Up, the edge") << 1 << int(Qt::Key_Up) << 1;
        QTest::newRow("9 Down, the edge") << 9 << int(Qt::Key_Down) << 9;
        QTest::newRow("7 Up") << 7 << int(Qt::Key_Up) << 4;
        QTest::newRow("3 Left") << 3 << int(Qt::Key_Left) << 2;
    }
    void arrowsMoveByRowsAndColumns()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        squareOf(window, from)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(squareOf(window, from), Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), squareOf(window, to));
        QCOMPARE(shownBoard(window), QString("........."));
    }

    // A digit, on the top row or the keypad, is a click on its square, with the same rules,
    // wherever the focus is in the window.
    void digitsMarkTheirSquare_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("after");
        QTest::newRow("5 on New Game") << QList<int>{} << "cmdNewGame" << int(Qt::Key_5) << false << "....X....";
        QTest::newRow("keypad 9 on a square") << QList<int>{} << "TopLeft" << int(Qt::Key_9) << true << "........X";
        QTest::newRow("1 on the X list") << QList<int>{} << "lstP1M" << int(Qt::Key_1) << false << "X........";
        QTest::newRow("an O's square") << QList<int>{5} << "cmdAbout" << int(Qt::Key_1) << false << "O...X....";
        QTest::newRow("after the win") << QList<int>{5, 9, 7} << "cmdNewGame" << int(Qt::Key_4) << true << "WWW.X.X.X";
    }
    void digitsMarkTheirSquare()
    {
        QFETCH(QList<int>, before);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(QString, after);
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        BoxAnswerer answerer;
        playMoves(window, clock, before);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        child(window, qPrintable(focus))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(shownBoard(window), after);
    }

    // Enter on any focused button presses it, as Space does; a held Enter presses once.
    void enterPressesFocusedButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("cleared");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("aboutOpen");
        QTest::newRow("New Game") << "cmdNewGame" << false << true << 0 << false;
        QTest::newRow("About") << "cmdAbout" << false << false << 0 << true;
        QTest::newRow("hidden ratings button") << "GetFocas" << false << false << 1 << false;
        QTest::newRow("New Game, repeat of a held key") << "cmdNewGame" << true << false << 0 << false;
    }
    void enterPressesFocusedButton()
    {
        QFETCH(QString, button);
        QFETCH(bool, held);
        QFETCH(bool, cleared);
        QFETCH(int, boxes);
        QFETCH(bool, aboutOpen);
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        playMoves(window, clock, {5, 9}); // two X's: the ratings report has a box to show
        const QString played = shownBoard(window);
        QWidget* target = child(window, qPrintable(button));
        target->setFocus(Qt::OtherFocusReason);
        BoxAnswerer answerer;
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), held);
        QApplication::sendEvent(target, &enter);

        QCOMPARE(shownBoard(window), cleared ? QString(".........") : played);
        QCOMPARE(answerer.boxes.size(), boxes);
        QCOMPARE(AboutForm::instance().window() != nullptr, aboutOpen);
        if (AboutForm::instance().window()) {
            FrmAbout* about = AboutForm::instance().window();
            QTest::keyClick(child(*about, "Command1"), Qt::Key_Enter, Qt::KeypadModifier); // OK
            QTRY_VERIFY(!AboutForm::instance().window());
        }
    }

    void frozenSquareTakesNoFocus()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        BoxAnswerer answerer;
        playMoves(window, clock, {5, 9, 7});
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        child(window, "lblStatus")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child(window, "cmdNewGame")); // all nine are skipped
    }

    void squareShowsFocusMark()
    {
        ManualClock clock;
        FrmMain window(&clock);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        SquareImage* square = squareOf(window, 5);
        const QImage unfocused = square->grab().toImage();
        square->setFocus(Qt::TabFocusReason);
        QVERIFY(square->grab().toImage() != unfocused);
    }
};

QTEST_MAIN(Accessibility)
#include "tst_accessibility.moc"
