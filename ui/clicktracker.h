// Tells when a mouse press and release make a click: the left button, released over the widget.
#pragma once

#include <QMouseEvent>
#include <QWidget>

class ClickTracker {
public:
    void press(const QMouseEvent* event) { m_pressed = event->button() == Qt::LeftButton; }

    bool releaseCompletesClick(const QMouseEvent* event, const QWidget* widget)
    {
        const bool click = m_pressed && event->button() == Qt::LeftButton
            && widget->rect().contains(event->position().toPoint());
        m_pressed = false;
        return click;
    }

private:
    bool m_pressed = false;
};
