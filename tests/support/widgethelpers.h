// The window's tests: a shown main window on a manual clock with its boxes answered, finding
// its widgets and reading what they show.
#pragma once

#include "boxanswerer.h"
#include "manualclock.h"
#include "texts.h"

#include "classiclook.h"
#include "frmmain.h"
#include "squareimage.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

template <typename T = QWidget>
T* child(const QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

inline SquareImage* squareOf(const QWidget& window, int square)
{
    return child<SquareImage>(window, std::string(game::squareName(square)).c_str());
}

// The board as nine characters from the pictures the squares show: '.', 'X', 'O' or 'W'.
inline QString shownBoard(const QWidget& window)
{
    const qint64 x = child<QLabel>(window, "X")->pixmap().cacheKey();
    const qint64 o = child<QLabel>(window, "O")->pixmap().cacheKey();
    const qint64 win = child<QLabel>(window, "OWin")->pixmap().cacheKey();
    QString board;
    for (int square = 1; square <= 9; ++square) {
        const QPixmap& picture = squareOf(window, square)->picture();
        const qint64 key = picture.cacheKey();
        board += picture.isNull() ? '.' : key == x ? 'X' : key == o ? 'O' : key == win ? 'W' : '?';
    }
    return board;
}

inline QString statusText(const QWidget& window)
{
    return child<QLineEdit>(window, "lblStatus")->text();
}

inline QStringList listItems(const QWidget& window, const char* name)
{
    QStringList items;
    auto* list = child<QListWidget>(window, name);
    for (int row = 0; row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

inline void clickSquare(const QWidget& window, int square)
{
    QTest::mouseClick(squareOf(window, square), Qt::LeftButton);
}

// The main window on a manual clock, shown, with every box it opens answered; active, so that
// keys reach it, unless asked not to wait for that.
struct ShownWindow {
    ManualClock clock;
    FrmMain window{&clock};
    BoxAnswerer answerer;

    explicit ShownWindow(bool active = true)
    {
        window.show();
        if (active && !QTest::qWaitForWindowActive(&window))
            qWarning("the main window did not become active: keys will not reach it");
    }

    // Lets one interval pass: each timer that is due ticks once, in its order.
    void tick() { clock.advanceBy(window.runtime(), std::chrono::milliseconds(50)); }

    // The human's moves, each followed by one interval, in which the computer answers.
    void play(const QList<int>& squares)
    {
        for (int square : squares) {
            clickSquare(window, square);
            tick();
        }
    }

    // Back from a message box, so that keys reach the window again.
    void activate()
    {
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    QWidget* operator[](const char* name) const { return child(window, name); }
};

// A window test's main: the application in the classic look the windows are drawn in.
#define WINDOW_TEST_MAIN(TestObject)                                                               \
    int main(int argc, char* argv[])                                                               \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        applyClassicLook(app);                                                                     \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
