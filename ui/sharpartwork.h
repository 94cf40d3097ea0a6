// The game's artwork at the screen's own resolution.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// A picture of the design (":/artwork/NAME.EXT") with the variants that tools/artwork draws
// for sharper screens (game/artwork.h). Each is drawn one to one on the device: at ratio 1
// exactly the design's own picture, never one enlarged.
class SharpArtwork {
public:
    SharpArtwork() = default;
    SharpArtwork(const QString& name, const QString& extension) : m_name(name), m_extension(extension) {}

    bool isNull() const { return m_name.isEmpty(); }

    // For a device of this pixel ratio: the variant drawn for the nearest ratio at or above it
    // (the largest beyond 3), its own ratio set, so that it covers the design's size.
    QPixmap pixmap(qreal devicePixelRatio) const;

    // All of them as one icon, for a button; `size` in the window's pixels.
    QIcon icon(QSize size) const;

private:
    QString m_name, m_extension;
};
