// Enter presses the button that has the focus, as Space does. Buttons on the desktop the game
// was designed for answer both keys, and keyboard players expect it of every button.
#pragma once

#include <QObject>

class QWidget;

class EnterPressesButtons : public QObject {
public:
    // Makes Enter press each of the window's buttons; the filter lives as long as the window.
    static void install(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
