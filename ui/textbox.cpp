#include "textbox.h"

#include <QFocusEvent>

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    emit mouseDown();
}

// A line edit selects its whole text when Tab reaches it, ready to be typed over. The game's
// boxes are read only: a screen reader would only speak the selection.
void TextBox::focusInEvent(QFocusEvent* event)
{
    if (!isReadOnly()) {
        QLineEdit::focusInEvent(event);
        return;
    }
    QFocusEvent plain(event->type(), Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
}
