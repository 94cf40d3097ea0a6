#include "squareimage.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

SquareImage::SquareImage(QWidget* parent) : QAbstractButton(parent)
{
    // Reached with Tab only: a mouse click leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
}

void SquareImage::setPicture(const QPixmap& picture, const SharpArtwork& sharp)
{
    m_picture = picture;
    m_sharp = sharp;
    update();
}

// Drawn from the top-left corner, never stretched; what lies past the square is cut off. At
// ratio 1 the picture itself is drawn, pixel for pixel; on a sharper screen the variant drawn
// for it.
void SquareImage::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (!m_picture.isNull())
        painter.drawPixmap(0, 0, ratio == 1 || m_sharp.isNull() ? m_picture : m_sharp.pixmap(ratio));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}
