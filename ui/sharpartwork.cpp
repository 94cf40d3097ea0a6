// The game's artwork at the screen's own resolution.
#include "sharpartwork.h"

#include <QIconEngine>
#include <QPainter>

namespace {

constexpr qreal kRatios[] = {1, 1.5, 2, 3};

// Gives each size the picture drawn for it, and reads a picture only when it is first asked
// for: starting the game decodes none of the sharper variants.
class SharpIconEngine : public QIconEngine {
public:
    SharpIconEngine(const SharpArtwork& artwork, QSize size) : m_artwork(artwork), m_size(size) {}

    // `size` is in the device's pixels; QIcon sets the ratio from the picture's size.
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        QPixmap picture = m_artwork.pixmap(qreal(size.width()) / m_size.width());
        picture.setDevicePixelRatio(1);
        return picture;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        painter->drawPixmap(rect, m_artwork.pixmap(painter->device()->devicePixelRatioF()));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return m_size.boundedTo(size); }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {m_size}; }
    QIconEngine* clone() const override { return new SharpIconEngine(*this); }

private:
    SharpArtwork m_artwork;
    QSize m_size;
};

} // namespace

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
    return QIcon(new SharpIconEngine(*this, size));
}
