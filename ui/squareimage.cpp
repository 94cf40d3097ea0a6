// A square of the board: shows its mark's picture at the picture's own size, and reports clicks.
#include "squareimage.h"

#include <QMouseEvent>
#include <QPainter>

SquareImage::SquareImage(QWidget* parent) : QWidget(parent) {}

void SquareImage::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

// Drawn from the top-left corner, never stretched; what lies past the square is cut off.
// Scaled displays enlarge it without smoothing, so the bitmap stays sharp.
void SquareImage::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(0, 0, m_picture);
}

// A disabled square gets no mouse events at all, so it delivers no click.
void SquareImage::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    m_click.press(event);
}

void SquareImage::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (m_click.releaseCompletesClick(event, this))
        emit clicked();
}
