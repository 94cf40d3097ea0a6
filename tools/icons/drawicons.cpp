// Draws the program icon for the desktop's icon theme: PNGs from 16 to 256 pixels and an SVG.
//
//   drawicons PROGRAM_ICON OUTPUT_FOLDER ICON_NAME
//
// writes OUTPUT_FOLDER/hicolor/NxN/apps/ICON_NAME.png and .../scalable/apps/ICON_NAME.svg.
// The design is the 32 x 32 program icon: a 3 x 3 board with green grid lines and a grey
// shadow at its left and top, red O's on light grey cells, X's in white on black cells and
// one X in blue on a grey cell. 16 and 32 are drawn pixel by pixel; the other sizes are
// drawn afresh at their own size from the same shapes, not enlarged.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>

#include <cstdio>

namespace {

enum Cell { Nought, WhiteCross, BlueCross };
constexpr Cell kCells[3][3] = {
    {Nought, WhiteCross, Nought},
    {WhiteCross, BlueCross, Nought},
    {WhiteCross, Nought, WhiteCross},
};

const QColor kGreen(0, 128, 0), kGrey(128, 128, 128), kSilver(192, 192, 192), kRed(255, 0, 0),
    kBlue(0, 0, 255), kBlack(0, 0, 0), kWhite(255, 255, 255);

QColor cellGround(Cell cell) { return cell == WhiteCross ? kBlack : kSilver; }
QColor crossInk(Cell cell) { return cell == WhiteCross ? kWhite : kBlue; }

// The shapes in the 32-unit design grid: shadow, board, and cells of 8 with 1-unit lines.
QRectF cellRect(int row, int column) { return {5.0 + column * 9, 5.0 + row * 9, 8, 8}; }

// Larger sizes: the design's shapes scaled to the size and drawn smoothly.
QImage drawScaled(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    painter.fillRect(QRectF(2, 2, 28, 28), kGrey);
    painter.fillRect(QRectF(4, 4, 28, 28), kGreen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const Cell cell = kCells[row][column];
            const QRectF r = cellRect(row, column);
            painter.fillRect(r, cellGround(cell));
            if (cell == Nought) {
                painter.setPen(QPen(kRed, 1.5));
                painter.setBrush(Qt::NoBrush);
                painter.drawEllipse(r.center(), 2.5, 2.5);
            } else {
                painter.setPen(QPen(crossInk(cell), 1.2, Qt::SolidLine, Qt::FlatCap));
                painter.drawLine(r.topLeft() + QPointF(1.5, 1.5), r.bottomRight() - QPointF(1.5, 1.5));
                painter.drawLine(r.topRight() + QPointF(-1.5, 1.5), r.bottomLeft() + QPointF(1.5, -1.5));
            }
        }
    }
    return image;
}

// 16 pixels: the board without its shadow, cells of 4 pixels with 1-pixel lines.
QImage drawSixteen()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(kGreen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const Cell cell = kCells[row][column];
            const int left = 1 + column * 5, top = 1 + row * 5;
            for (int y = 0; y < 4; ++y) {
                for (int x = 0; x < 4; ++x) {
                    QColor colour = cellGround(cell);
                    if (cell == Nought && (x == 0 || x == 3 || y == 0 || y == 3) && (x + y) % 3 != 0)
                        colour = kRed; // a ring without its corners
                    if (cell != Nought && (x == y || x + y == 3))
                        colour = crossInk(cell);
                    image.setPixelColor(left + x, top + y, colour);
                }
            }
        }
    }
    return image;
}

// 32 pixels: the program icon itself, pixel for pixel.
QImage drawThirtyTwo(const QString& programIcon)
{
    return QImage(programIcon).convertToFormat(QImage::Format_ARGB32);
}

QString svg()
{
    QString text;
    QTextStream out(&text);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n"
        << "  <rect x=\"2\" y=\"2\" width=\"28\" height=\"28\" fill=\"#808080\"/>\n"
        << "  <rect x=\"4\" y=\"4\" width=\"28\" height=\"28\" fill=\"#008000\"/>\n";
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const Cell cell = kCells[row][column];
            const QRectF r = cellRect(row, column);
            out << "  <rect x=\"" << r.x() << "\" y=\"" << r.y() << "\" width=\"8\" height=\"8\" fill=\""
                << cellGround(cell).name() << "\"/>\n";
            if (cell == Nought) {
                out << "  <circle cx=\"" << r.center().x() << "\" cy=\"" << r.center().y()
                    << "\" r=\"2.5\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"1.5\"/>\n";
            } else {
                const double l = r.left() + 1.5, t = r.top() + 1.5, rr = r.right() - 1.5, b = r.bottom() - 1.5;
                out << "  <path d=\"M" << l << " " << t << "L" << rr << " " << b << "M" << rr << " " << t << "L" << l
                    << " " << b << "\" stroke=\"" << crossInk(cell).name() << "\" stroke-width=\"1.2\"/>\n";
            }
        }
    }
    out << "</svg>\n";
    return text;
}

bool save(const QImage& image, const QString& folder, const QString& name)
{
    const QString dir = QString("%1/hicolor/%2x%2/apps").arg(folder).arg(image.width());
    return QDir().mkpath(dir) && image.save(dir + "/" + name + ".png");
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fputs("usage: drawicons PROGRAM_ICON OUTPUT_FOLDER ICON_NAME\n", stderr);
        return 2;
    }
    const QString programIcon = argv[1], folder = argv[2], name = argv[3];
    bool ok = save(drawSixteen(), folder, name) && save(drawThirtyTwo(programIcon), folder, name);
    for (int size : {22, 24, 48, 64, 128, 256})
        ok = ok && save(drawScaled(size), folder, name);
    const QString scalable = folder + "/hicolor/scalable/apps";
    QFile file(scalable + "/" + name + ".svg");
    ok = ok && QDir().mkpath(scalable) && file.open(QIODevice::WriteOnly) && file.write(svg().toUtf8()) > 0;
    return ok ? 0 : 1;
}
