// Answers the message boxes that the window opens: records what each showed, then presses OK.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
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
        m_poll.start(1);
    }

    QList<ShownBox> boxes;

private:
    // Answered from a fresh call rather than from the poll itself, so that a box opened by
    // whenShown is still found by the poll while the first one waits.
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == m_answering)
            return;
        m_answering = box;
        boxes.append({box->windowTitle(), box->text(), box->icon()});
        QTimer::singleShot(0, this, [this, box = QPointer<QMessageBox>(box)] {
            if (m_whenShown)
                m_whenShown();
            if (box)
                box->button(QMessageBox::Ok)->click();
        });
    }

    QPointer<QMessageBox> m_answering;
    QTimer m_poll;
    std::function<void()> m_whenShown;
};
