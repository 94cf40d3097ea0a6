// One message for screen readers: what happened on the board, as the game tells it.
#pragma once

#include <QObject>
#include <QString>

// A notification of the main window, named by its text, which screen readers speak the moment
// it is shown, wherever the focus is. It is never drawn, and is no control of the window's design.
class Announcement : public QObject {
    Q_OBJECT

public:
    // Shows a new message in the window. The window keeps the last few: a screen reader may
    // read each a little after it was shown.
    static void show(const QString& text, QObject* window);

    const QString& text() const { return m_text; }

private:
    Announcement(const QString& text, QObject* window) : QObject(window), m_text(text) {}

    const QString m_text; // never changes, for the same reason
};
