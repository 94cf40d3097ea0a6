// Helpers for the window's tests: finding its widgets and reading what they show.
#pragma once

#include "frmmain.h"
#include "manualclock.h"
#include "squareimage.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <array>

constexpr std::array<const char*, 9> kSquareNames = {
    "TopLeft", "TopMiddle", "TopRight", "MiddleLeft", "MiddleMiddle",
    "MiddleRight", "BottomLeft", "BottomMiddle", "BottomRight"};

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
    return child<SquareImage>(window, kSquareNames[square - 1]);
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

// Lets one interval pass on the window's clock: each timer that is due ticks once, in its order.
inline void tick(FrmMain& window, ManualClock& clock)
{
    clock.advanceBy(window.runtime(), std::chrono::milliseconds(50));
}

// The human's moves, each followed by one interval, in which the computer answers.
inline void playMoves(FrmMain& window, ManualClock& clock, const QList<int>& squares)
{
    for (int square : squares) {
        clickSquare(window, square);
        tick(window, clock);
    }
}
