#include "boardkeys.h"

#include "squareimage.h"

#include <QKeyEvent>
#include <QShortcut>

BoardKeys::BoardKeys(QWidget& window, const std::array<SquareImage*, game::kSquareCount>& squares,
                     std::function<void(int)> click)
    : QObject(&window), m_squares(squares)
{
    for (int square = 1; square <= game::kSquareCount; ++square) {
        const auto digit = Qt::Key(Qt::Key_0 + square);
        for (const QKeySequence& keys : {QKeySequence(digit), QKeySequence(Qt::KeypadModifier | digit)})
            connect(new QShortcut(keys, &window), &QShortcut::activated, this, [click, square] { click(square); });
        squares[square - 1]->installEventFilter(this);
    }
}

// From square s (1 to 9, row by row), the arrows go to the next square of its row or column,
// and stop at the board's edge.
bool BoardKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const int index = int(std::find(m_squares.begin(), m_squares.end(), watched) - m_squares.begin());
    const int row = index / 3, column = index % 3;
    int to = -1;
    switch (key->key()) {
    case Qt::Key_Left: to = column > 0 ? index - 1 : index; break;
    case Qt::Key_Right: to = column < 2 ? index + 1 : index; break;
    case Qt::Key_Up: to = row > 0 ? index - 3 : index; break;
    case Qt::Key_Down: to = row < 2 ? index + 3 : index; break;
    default: return false;
    }
    m_squares[to]->setFocus(Qt::OtherFocusReason);
    return true;
}
