// Answers the message boxes that the windows open: records what each showed, then presses OK.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
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
    BoxAnswerer() { qApp->installEventFilter(this); }

    QList<ShownBox> boxes;
    // Runs while each box is open, before it is answered.
    std::function<void()> whenShown;

protected:
    // Each box is met once, as it is shown, and answered from its own event loop: no polling,
    // so the answers come in the same order on every run.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (event->type() != QEvent::Show || !box)
            return false;
        boxes.append({box->windowTitle(), box->text(), box->icon()});
        QTimer::singleShot(0, this, [this, box = QPointer<QMessageBox>(box)] {
            if (whenShown)
                whenShown();
            if (box)
                box->button(QMessageBox::Ok)->click();
        });
        return false;
    }
};
