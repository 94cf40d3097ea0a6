// The keys that press a window's buttons: Enter on the focused button, as Space does, and the
// access keys (Alt+N, Alt+A, Alt+S), which press their button at once.
#pragma once

#include <QObject>

class QWidget;

// Buttons on the desktop the game was designed for answer both Space and Enter, and keyboard
// players expect it of every button. An access key there clicks its button the moment it is
// pressed, where Qt would show the press for a tenth of a second first and click only then:
// long enough for the computer's win to come in between and swallow the click.
class ButtonKeys : public QObject {
public:
    // Installs the keys on each of the window's buttons; the filter lives as long as the window.
    static void install(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
