// The game's artwork at the screen's own resolution.
#include "sharpartwork.h"

namespace {
constexpr qreal kRatios[] = {1, 1.5, 2, 3};
}

QString SharpArtwork::path(qreal ratio) const
{
    if (ratio == 1)
        return QString(":/artwork/%1.%2").arg(m_name, m_extension);
    return QString(":/artwork/%1@%2x.png").arg(m_name).arg(ratio);
}

QPixmap SharpArtwork::pixmap(qreal devicePixelRatio) const
{
    qreal chosen = kRatios[std::size(kRatios) - 1];
    for (qreal ratio : kRatios) {
        if (ratio >= devicePixelRatio - 0.01) {
            chosen = ratio;
            break;
        }
    }
    QPixmap picture(path(chosen)); // loaded once, then from Qt's pixmap cache
    picture.setDevicePixelRatio(chosen);
    return picture;
}

QIcon SharpArtwork::icon(QSize size) const
{
    QIcon icon;
    for (qreal ratio : kRatios)
        icon.addFile(path(ratio), size * ratio);
    return icon;
}
