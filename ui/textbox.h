// A display-only text box that reports mouse presses.
#pragma once

#include <QLineEdit>

class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

signals:
    void mouseDown(); // any button

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};
