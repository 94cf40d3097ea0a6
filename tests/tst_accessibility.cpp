// What a screen reader meets in the main window, and playing with the keyboard alone.
#include "widgethelpers.h"

#include "frmabout.h"
#include "accessibility.h"
#include "announcement.h"

#include <QAccessible>
#include <QKeyEvent>

using namespace expected;

namespace {

// What the window has told screen readers of its own accord since last asked: each new
// message as a screen reader reads it, a notification in the window, named by its text.
QStringList heard(const QWidget& window)
{
    QStringList messages;
    for (Announcement* message : window.findChildren<Announcement*>(Qt::FindDirectChildrenOnly)) {
        if (message->property("heard").toBool())
            continue;
        message->setProperty("heard", true);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(message);
        QAccessibleInterface* parent = face->parent();
        const bool inWindow = parent && parent->object() == &window && parent->indexOfChild(face) >= 0;
        messages << (face->role() == QAccessible::Notification && inWindow ? face->text(QAccessible::Name)
                                                                             : "(not a notification of the window)");
    }
    return messages;
}

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
        installAccessibility();
    }

    // A window that screen readers take for the active window, holding panels, not frames (which
    // they would take for windows of their own, and so ignore the focus in them).
    void windowIsAWindowOfPanels()
    {
        ShownWindow w;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&w.window);
        QCOMPARE(face->role(), QAccessible::Window);
        QCOMPARE(face->text(QAccessible::Name), QString("TAVROK Tic-Tac-Toe"));
        QVERIFY(face->state().active);
        for (const char* panel : {"Picture11", "Picture1", "Picture2", "Picture10"})
            QCOMPARE(accessibleOf(w.window, panel)->role(), QAccessible::Pane);
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

    // The game's messages reach screen readers as notifications of the window, wherever the
    // focus is, and what led to a box is heard before it. (What each says: tst_narrator.)
    void movesAreAnnounced()
    {
        ShownWindow w;
        QStringList beforeBox;
        w.answerer.whenShown = [&] { beforeBox = heard(w.window); };
        squareOf(w.window, 5)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(squareOf(w.window, 5), Qt::Key_Space);
        QCOMPARE(heard(w.window), QStringList{}); // the X waits for the answer
        w.tick();
        QCOMPARE(heard(w.window), QStringList{"Square 5, X. Square 1, O."});
        w.play({9, 7});
        QCOMPARE(beforeBox, (QStringList{"Square 9, X. Square 2, O.", QString("Square 7, X. Square 3, O. ") + kComputerWins}));
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
        ShownWindow w;
        QCOMPARE(accessibleOf(w.window, "lblStatus")->text(QAccessible::Value), kXsTurn);
        w.play({5, 9}); // O takes 1, 2
        QCOMPARE(nameOf(w.window, "MiddleMiddle"), QString("Square 5, X"));
        QCOMPARE(nameOf(w.window, "TopLeft"), QString("Square 1, O"));
        QCOMPARE(accessibleOf(w.window, "lstP1M")->childCount(), 2);
        QCOMPARE(accessibleOf(w.window, "lstP1M")->child(0)->text(QAccessible::Name), QString("5"));

        w.play({7}); // O takes 3 and wins
        QCOMPARE(nameOf(w.window, "TopLeft"), QString("Square 1, O, winning line"));
        QCOMPARE(accessibleOf(w.window, "lblStatus")->text(QAccessible::Value), kComputerWins);
        QVERIFY(accessibleOf(w.window, "MiddleLeft")->state().disabled);

        QTest::mouseClick(w["cmdNewGame"], Qt::LeftButton);
        QCOMPARE(nameOf(w.window, "TopLeft"), QString("Square 1, empty"));
        QCOMPARE(accessibleOf(w.window, "lstP1M")->childCount(), 0);
    }

    // A key on the focused control, after the moves given (a move below 0 is not answered yet).
    // On a square, Space or Enter is a click on it, with the
    // same rules, and the arrows move by rows and columns, stopping at the edge; a digit, on
    // the top row or the keypad, is a click on its square wherever the focus is.
    void keysPlayTheBoard_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("focusAfter");
        const auto row = [](const char* name, QList<int> before, const char* focus, int key, bool keypad,
                            const char* after, const char* focusAfter = nullptr) {
            QTest::newRow(name) << before << focus << key << keypad << after << (focusAfter ? focusAfter : focus);
        };
        row("Space on an empty square", {}, "TopLeft", Qt::Key_Space, false, "X........");
        row("Enter on an empty square", {}, "BottomRight", Qt::Key_Return, false, "........X");
        row("Space on an O", {1}, "MiddleMiddle", Qt::Key_Space, false, "X...O....");
        row("Enter on an X", {1}, "TopLeft", Qt::Key_Enter, false, "X...O....");
        row("Space on O's turn", {-1}, "BottomRight", Qt::Key_Space, false, "X........");
        row("5 Left", {}, "MiddleMiddle", Qt::Key_Left, false, ".........", "MiddleLeft");
        row("5 Right", {}, "MiddleMiddle", Qt::Key_Right, false, ".........", "MiddleRight");
        row("5 Up", {}, "MiddleMiddle", Qt::Key_Up, false, ".........", "TopMiddle");
        row("5 Down", {}, "MiddleMiddle", Qt::Key_Down, false, ".........", "BottomMiddle");
        row("3 Right, the edge", {}, "TopRight", Qt::Key_Right, false, ".........");
        row("4 Left, the edge", {}, "MiddleLeft", Qt::Key_Left, false, ".........");
        row("1 Up, the edge", {}, "TopLeft", Qt::Key_Up, false, ".........");
        row("9 Down, the edge", {}, "BottomRight", Qt::Key_Down, false, ".........");
        row("7 Up", {}, "BottomLeft", Qt::Key_Up, false, ".........", "MiddleLeft");
        row("3 Left", {}, "TopRight", Qt::Key_Left, false, ".........", "TopMiddle");
        row("5 on New Game", {}, "cmdNewGame", Qt::Key_5, false, "....X....");
        row("keypad 9 on a square", {}, "TopLeft", Qt::Key_9, true, "........X");
        row("1 on the X list", {}, "lstP1M", Qt::Key_1, false, "X........");
        row("a digit on an O's square", {5}, "cmdAbout", Qt::Key_1, false, "O...X....");
        row("a digit after the win", {5, 9, 7}, "cmdNewGame", Qt::Key_4, true, "WWW.X.X.X");
    }
    void keysPlayTheBoard()
    {
        QFETCH(QList<int>, before);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, keypad);
        QFETCH(QString, after);
        QFETCH(QString, focusAfter);
        ShownWindow w;
        for (int move : before)
            move > 0 ? w.play({move}) : clickSquare(w.window, -move);
        w.activate();
        w[qPrintable(focus)]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(shownBoard(w.window), after);
        QCOMPARE(QApplication::focusWidget(), w[qPrintable(focusAfter)]);
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
        ShownWindow w;
        w.play({5, 9}); // two X's: the ratings report has a box to show
        const QString played = shownBoard(w.window);
        QWidget* target = w[qPrintable(button)];
        target->setFocus(Qt::OtherFocusReason);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), held);
        QApplication::sendEvent(target, &enter);

        QCOMPARE(shownBoard(w.window), cleared ? QString(".........") : played);
        QCOMPARE(w.answerer.boxes.size(), boxes);
        QCOMPARE(FrmAbout::openWindow() != nullptr, aboutOpen);
        if (FrmAbout* about = FrmAbout::openWindow()) {
            QTest::keyClick(child(*about, "Command1"), Qt::Key_Enter, Qt::KeypadModifier); // OK
            QTRY_VERIFY(!FrmAbout::openWindow());
        }
    }

    void frozenSquareTakesNoFocus()
    {
        ShownWindow w;
        w.play({5, 9, 7});
        w.activate();
        w["lblStatus"]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w["cmdNewGame"]); // all nine are skipped
    }

    // Tab on a read-only box leaves its text unselected: a screen reader would only speak the
    // selection, cut short.
    void tabSelectsNoText()
    {
        ShownWindow w;
        for (const char* name : {"lblStatus", "Text1"}) {
            w[name]->setFocus(Qt::TabFocusReason);
            QVERIFY2(!child<QLineEdit>(w.window, name)->hasSelectedText(), name);
        }
    }

    void squareShowsFocusMark()
    {
        ShownWindow w;
        SquareImage* square = squareOf(w.window, 5);
        const QImage unfocused = square->grab().toImage();
        square->setFocus(Qt::TabFocusReason);
        QVERIFY(square->grab().toImage() != unfocused);
    }
};

WINDOW_TEST_MAIN(Accessibility)
#include "tst_accessibility.moc"
