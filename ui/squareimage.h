// A square of the board: shows its mark's picture at the picture's own size, and is pressed
// like a button, by a mouse click or, when it has the focus, by a key.
#pragma once

#include "sharpartwork.h"

#include <QAbstractButton>
#include <QPixmap>

class SquareImage : public QAbstractButton {
    Q_OBJECT

public:
    explicit SquareImage(QWidget* parent = nullptr);

    // A null pixmap shows no picture. On a sharper screen the picture's sharp variants are
    // drawn instead, at the same size.
    void setPicture(const QPixmap& picture, const SharpArtwork& sharp = {});
    const QPixmap& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    SharpArtwork m_sharp;
};
