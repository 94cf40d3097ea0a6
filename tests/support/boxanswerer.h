// Answers the message boxes that the window opens: records what each showed, then presses OK.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
};

class BoxAnswerer : public QObject {
public:
    // whenShown runs while the box is open, before it is answered.
    explicit BoxAnswerer(std::function<void()> whenShown = {}) : m_whenShown(std::move(whenShown))
    {
        connect(&m_poll, &QTimer::timeout, this, &BoxAnswerer::answer);
        m_poll.start(5);
    }

    QList<ShownBox> boxes;

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        boxes.append({box->windowTitle(), box->text(), box->icon()});
        if (m_whenShown)
            m_whenShown();
        box->button(QMessageBox::Ok)->click();
    }

    QTimer m_poll;
    std::function<void()> m_whenShown;
};
