// A square of the board: shows its mark's picture at the picture's own size, and reports clicks.
#pragma once

#include "clicktracker.h"

#include <QPixmap>
#include <QWidget>

class SquareImage : public QWidget {
    Q_OBJECT

public:
    explicit SquareImage(QWidget* parent = nullptr);

    // A null pixmap shows no picture.
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    ClickTracker m_click;
};
