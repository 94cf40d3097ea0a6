// A picture box: a sunken panel that holds other controls and reports mouse presses and clicks.
#pragma once

#include <QFrame>

class PictureBox : public QFrame {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

signals:
    void mouseDown();
    void clicked(); // pressed and released over the panel

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
