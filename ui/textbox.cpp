// A display-only text box that reports mouse presses.
#include "textbox.h"

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    emit mouseDown();
}
