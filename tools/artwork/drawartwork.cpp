// Draws the game's bitmaps and icons and writes them as .bmp and .ico files, and again at
// the device pixel ratios of sharper screens as PNG files.
//
//   drawartwork OUTPUT_FOLDER
//
// The three marks are 8-bit uncompressed bitmaps sharing one 256-entry palette; the
// program icon and the two button icons are 32 x 32, 16 colours, with a transparency mask.
// At ratio R each is drawn afresh from the same shapes at R times the size (NAME@Rx.png),
// so it is as sharp as the screen; the program icon's variant is drawn at the 40-pixel
// size at which the About window shows it.
#include "artwork.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Rgb {
    std::uint8_t r, g, b;
};

// The classic 16 colours first, so the icons can use the same indices.
enum Colour : std::uint8_t {
    Black = 0, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
    Grey, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White,
};

constexpr std::array<Rgb, 16> kClassic = {{
    {0, 0, 0}, {128, 0, 0}, {0, 128, 0}, {128, 128, 0},
    {0, 0, 128}, {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0}, {0, 255, 0}, {255, 255, 0},
    {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

// The About window shows the program icon stretched to 40 x 40 pixels.
constexpr int kAboutPictureSize = 40;

// 16 classic colours, a 6 x 6 x 6 colour cube, then a ramp of greys.
std::array<Rgb, 256> markPalette()
{
    std::array<Rgb, 256> palette{};
    std::size_t i = 0;
    for (const Rgb& c : kClassic)
        palette[i++] = c;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                palette[i++] = {std::uint8_t(r * 51), std::uint8_t(g * 51), std::uint8_t(b * 51)};
    for (int grey = 0; i < palette.size(); ++grey)
        palette[i++] = {std::uint8_t(grey * 6), std::uint8_t(grey * 6), std::uint8_t(grey * 6)};
    return palette;
}

// Drawn in the design's pixels; `scale` device pixels make one design pixel.
struct Image {
    int width, height;
    double scale;
    std::vector<std::uint8_t> pixels; // palette indices, top row first
    std::vector<bool> transparent;    // icons only

    Image(int designWidth, int designHeight, std::uint8_t ground, double s = 1)
        : width(int(std::ceil(designWidth * s))), height(int(std::ceil(designHeight * s))), scale(s),
          pixels(std::size_t(width * height), ground), transparent(std::size_t(width * height), false) {}
    std::uint8_t& at(int x, int y) { return pixels[std::size_t(y * width + x)]; }
    void set(int x, int y, std::uint8_t colour)
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return;
        at(x, y) = colour;
        transparent[std::size_t(y * width + x)] = false;
    }
};

void put16(std::ofstream& out, std::uint16_t v) { out.put(char(v & 0xff)).put(char(v >> 8)); }
void put32(std::ofstream& out, std::uint32_t v)
{
    put16(out, std::uint16_t(v & 0xffff));
    put16(out, std::uint16_t(v >> 16));
}

void putInfoHeader(std::ofstream& out, int width, int height, int bits, std::uint32_t imageSize, int colours)
{
    put32(out, 40);
    put32(out, std::uint32_t(width));
    put32(out, std::uint32_t(height));
    put16(out, 1);
    put16(out, std::uint16_t(bits));
    put32(out, 0); // uncompressed
    put32(out, imageSize);
    put32(out, 3780); // 96 pixels per inch
    put32(out, 3780);
    put32(out, std::uint32_t(colours));
    put32(out, 0);
}

void writeBitmap(const std::string& path, const Image& image, const std::array<Rgb, 256>& palette)
{
    const int stride = (image.width + 3) & ~3;
    const std::uint32_t imageSize = std::uint32_t(stride * image.height);
    const std::uint32_t offset = 14 + 40 + 256 * 4;
    std::ofstream out(path, std::ios::binary);
    out.put('B').put('M');
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);
    putInfoHeader(out, image.width, image.height, 8, imageSize, 256);
    for (const Rgb& c : palette)
        out.put(char(c.b)).put(char(c.g)).put(char(c.r)).put(0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < stride; ++x)
            out.put(char(x < image.width ? image.pixels[std::size_t(y * image.width + x)] : 0));
    }
}

// A variant for a sharper screen: full colour with alpha.
bool writePng(const std::string& path, const Image& image, const std::array<Rgb, 256>& palette)
{
    QImage png(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::size_t i = std::size_t(y * image.width + x);
            const Rgb& c = palette[image.pixels[i]];
            png.setPixel(x, y, image.transparent[i] ? 0u : qRgb(c.r, c.g, c.b));
        }
    }
    return png.save(QString::fromStdString(path), "PNG");
}

void writeIcon(const std::string& path, const Image& image)
{
    const std::uint32_t xorSize = 32 * 16, andSize = 32 * 4;
    const std::uint32_t bytes = 40 + 16 * 4 + xorSize + andSize;
    std::ofstream out(path, std::ios::binary);
    put16(out, 0);
    put16(out, 1); // an icon
    put16(out, 1); // one image
    out.put(32).put(32).put(16).put(0);
    put16(out, 1);
    put16(out, 4);
    put32(out, bytes);
    put32(out, 6 + 16);
    putInfoHeader(out, 32, 64, 4, xorSize + andSize, 16);
    for (const Rgb& c : kClassic)
        out.put(char(c.b)).put(char(c.g)).put(char(c.r)).put(0);
    for (int y = 31; y >= 0; --y) {
        for (int x = 0; x < 32; x += 2) {
            const auto pixel = [&](int px) {
                const std::size_t i = std::size_t(y * 32 + px);
                return image.transparent[i] ? 0 : image.pixels[i];
            };
            out.put(char((pixel(x) << 4) | pixel(x + 1)));
        }
    }
    for (int y = 31; y >= 0; --y) {
        for (int x = 0; x < 32; x += 8) {
            std::uint8_t mask = 0;
            for (int bit = 0; bit < 8; ++bit)
                mask = std::uint8_t(mask | (image.transparent[std::size_t(y * 32 + x + bit)] ? 0x80 >> bit : 0));
            out.put(char(mask));
        }
    }
}

// Sets the pixels whose centres lie within `half` of the segment from (x0,y0) to (x1,y1); all
// in design pixels.
void stroke(Image& image, double x0, double y0, double x1, double y1, double half, std::uint8_t colour)
{
    const double k = image.scale;
    x0 *= k, y0 *= k, x1 *= k, y1 *= k, half *= k;
    const double dx = x1 - x0, dy = y1 - y0, length2 = dx * dx + dy * dy;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double t = std::clamp(((px - x0) * dx + (py - y0) * dy) / length2, 0.0, 1.0);
            const double ex = px - (x0 + t * dx), ey = py - (y0 + t * dy);
            if (ex * ex + ey * ey <= half * half)
                image.set(x, y, colour);
        }
    }
}

// A ring filling the box of design pixels from (left,top) to (right,bottom), both inclusive.
// A thickness that reaches the centre fills the whole disc.
void ring(Image& image, int left, int top, int right, int bottom, double thickness, std::uint8_t colour)
{
    const double k = image.scale;
    const double cx = (left + right + 1) * k / 2.0, cy = (top + bottom + 1) * k / 2.0;
    const double rx = (right - left + 1) * k / 2.0, ry = (bottom - top + 1) * k / 2.0;
    const double ix = rx - thickness * k, iy = ry - thickness * k;
    for (int y = int(top * k); y < int(std::ceil((bottom + 1) * k)); ++y) {
        for (int x = int(left * k); x < int(std::ceil((right + 1) * k)); ++x) {
            const double px = x + 0.5 - cx, py = y + 0.5 - cy;
            const double outer = (px * px) / (rx * rx) + (py * py) / (ry * ry);
            const bool solid = ix <= 0 || iy <= 0;
            const double inner = solid ? 2.0 : (px * px) / (ix * ix) + (py * py) / (iy * iy);
            if (outer <= 1.0 && inner > 1.0)
                image.set(x, y, colour);
        }
    }
}

// The first device pixel whose centre lies at or past the edge of design pixel `design`.
int firstDevicePixel(const Image& image, int design)
{
    return int(std::ceil(design * image.scale - 0.5));
}

// Fills the design pixels from (left,top) to (right,bottom), both inclusive: the device pixels
// whose centres lie within them.
void fill(Image& image, int left, int top, int right, int bottom, std::uint8_t colour)
{
    for (int y = firstDevicePixel(image, top); y < firstDevicePixel(image, bottom + 1); ++y)
        for (int x = firstDevicePixel(image, left); x < firstDevicePixel(image, right + 1); ++x)
            image.set(x, y, colour);
}

// The X: a blue diagonal cross over columns 12-45 and rows 5-47.
Image drawX(double scale)
{
    Image image(60, 54, Silver, scale);
    Image cross(60, 54, Silver, scale);
    stroke(cross, 12.5, 5.5, 45.5, 47.5, 2.3, Blue);
    stroke(cross, 45.5, 5.5, 12.5, 47.5, 2.3, Blue);
    for (int y = firstDevicePixel(image, 5); y < firstDevicePixel(image, 48); ++y)
        for (int x = firstDevicePixel(image, 12); x < firstDevicePixel(image, 46); ++x)
            image.at(x, y) = cross.at(x, y);
    return image;
}

// The O: a red ring over columns 10-54 and rows 8-48, on `ground`.
Image drawO(std::uint8_t ground, double scale)
{
    Image image(67, 57, ground, scale);
    ring(image, 10, 8, 54, 48, 4.0, Red);
    return image;
}

Image transparentIcon(double scale)
{
    Image image(32, 32, Black, scale);
    image.transparent.assign(image.transparent.size(), true);
    return image;
}

// The program icon: a small board with green grid lines and a grey shadow at its left and top.
Image drawProgramIcon(double scale)
{
    Image image = transparentIcon(scale);
    fill(image, 2, 2, 29, 29, Grey); // shadow, mostly covered by the board
    fill(image, 4, 4, 31, 31, Green);
    // Cells: 0 O on grey, 1 X in white on black, 2 X in blue on grey.
    const int cells[3][3] = {{0, 1, 0}, {1, 2, 0}, {1, 0, 1}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int left = 5 + column * 9, top = 5 + row * 9;
            const int kind = cells[row][column];
            fill(image, left, top, left + 7, top + 7, kind == 1 ? Black : Silver);
            if (kind == 0) {
                ring(image, left + 1, top + 1, left + 6, top + 6, 1.5, Red);
            } else {
                // One pixel wide: at 32 pixels, exactly the cell's two diagonals.
                const std::uint8_t ink = kind == 1 ? White : Blue;
                stroke(image, left + 1.5, top + 1.5, left + 6.5, top + 6.5, 0.5, ink);
                stroke(image, left + 6.5, top + 1.5, left + 1.5, top + 6.5, 0.5, ink);
            }
        }
    }
    return image;
}

// The New Game icon: an empty noughts-and-crosses grid, grey with dark shading.
Image drawNewGameIcon(double scale)
{
    Image image = transparentIcon(scale);
    for (int offset : {11, 20}) {
        fill(image, offset + 1, 3, offset + 3, 29, Grey); // shading, one pixel down and right
        fill(image, 3, offset + 1, 29, offset + 3, Grey);
    }
    for (int offset : {11, 20}) {
        fill(image, offset, 2, offset + 2, 28, Silver);
        fill(image, 2, offset, 28, offset + 2, Silver);
    }
    for (int offset : {11, 20}) {
        fill(image, offset + 2, 2, offset + 2, 28, Black);
        fill(image, 2, offset + 2, 28, offset + 2, Black);
    }
    return image;
}

// The About icon: a green question mark on a white disc.
Image drawAboutIcon(double scale)
{
    Image image = transparentIcon(scale);
    ring(image, 1, 1, 30, 30, 16.0, White);
    ring(image, 1, 1, 30, 30, 1.0, Grey);
    static const char* const glyph[] = {
        "..######..",
        ".########.",
        "###....###",
        "###....###",
        "......###.",
        ".....###..",
        "....###...",
        "....###...",
        "....###...",
        "..........",
        "....###...",
        "....###...",
    };
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 10; ++x)
            if (glyph[y][x] == '#')
                fill(image, 6 + 2 * x, 4 + 2 * y, 7 + 2 * x, 5 + 2 * y, Green);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: drawartwork OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    const auto palette = markPalette();
    writeBitmap(folder + "/x.bmp", drawX(1), palette);
    writeBitmap(folder + "/o.bmp", drawO(Silver, 1), palette);
    writeBitmap(folder + "/owin.bmp", drawO(Black, 1), palette);
    writeIcon(folder + "/tictactoe.ico", drawProgramIcon(1));
    writeIcon(folder + "/newgame.ico", drawNewGameIcon(1));
    writeIcon(folder + "/about.ico", drawAboutIcon(1));

    bool ok = true;
    for (const game::ArtworkRatio& drawn : game::kArtworkRatios) {
        if (drawn.ratio == 1)
            continue; // the design's own, above
        const double scale = drawn.ratio;
        const auto png = [&](const char* name, const Image& image) {
            ok = writePng(folder + "/" + game::artworkFile(name, "png", drawn), image, palette) && ok;
        };
        png("x", drawX(scale));
        png("o", drawO(Silver, scale));
        png("owin", drawO(Black, scale));
        png("newgame", drawNewGameIcon(scale));
        png("about", drawAboutIcon(scale));
        png("tictactoe", drawProgramIcon(scale * kAboutPictureSize / 32.0));
    }
    return ok ? 0 : 1;
}
