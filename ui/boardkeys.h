// The board on the keyboard: the arrows move between the squares by rows and columns, and
// the digits 1 to 9, on the top row or the keypad, mark their square as a click would.
#pragma once

#include "squares.h"

#include <QObject>

#include <array>
#include <functional>

class QWidget;
class SquareImage;

class BoardKeys : public QObject {
public:
    // `click` is what a click on square 1 to 9 does.
    BoardKeys(QWidget& window, const std::array<SquareImage*, game::kSquareCount>& squares,
              std::function<void(int)> click);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<SquareImage*, game::kSquareCount> m_squares;
};
