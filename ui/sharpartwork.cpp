#include "sharpartwork.h"

#include "artwork.h"

#include <QIconEngine>
#include <QPainter>

namespace {

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

QPixmap SharpArtwork::pixmap(qreal devicePixelRatio) const
{
    const game::ArtworkRatio& drawn = game::artworkRatio(devicePixelRatio);
    const std::string file = game::artworkFile(m_name.toStdString(), m_extension.toStdString(), drawn);
    QPixmap picture(":/artwork/" + QString::fromStdString(file)); // loaded once, then from Qt's pixmap cache
    picture.setDevicePixelRatio(drawn.ratio);
    return picture;
}

QIcon SharpArtwork::icon(QSize size) const
{
    return QIcon(new SharpIconEngine(*this, size));
}
