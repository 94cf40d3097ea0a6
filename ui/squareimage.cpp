// A square of the board: shows its mark's picture at the picture's own size, and is pressed
// like a button, by a mouse click or, when it has the focus, by a key.
#include "squareimage.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

SquareImage::SquareImage(QWidget* parent) : QAbstractButton(parent)
{
    // Reached with Tab only: a mouse click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void SquareImage::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

// Drawn from the top-left corner, never stretched; what lies past the square is cut off.
// Scaled displays enlarge it without smoothing, so the bitmap stays sharp.
void SquareImage::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, m_picture);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}
