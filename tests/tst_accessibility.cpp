// What a screen reader meets in the main window, and playing with the keyboard alone.
#include "support/boxanswerer.h"
#include "support/widgethelpers.h"

#include "aboutform.h"
#include "classiclook.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>

namespace {

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
    void initTestCase() { applyClassicLook(*qApp); }

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
