// A picture of the artwork (ui/artwork), for the density of the screen it is drawn on: the
// design's own bitmap or icon at 96 dots per inch, or its variant drawn for a sharper screen.
#pragma once

#include <windows.h>

#include <string_view>

class Picture {
public:
    Picture() = default;
    // NAME.EXTENSION ("x", "bmp") for a screen of this many dots per inch; an empty name is no
    // picture. The pictures are in the program's resources, by their file names.
    Picture(std::string_view name, std::string_view extension, UINT dpi);
    ~Picture();
    Picture(Picture&& other) noexcept;
    Picture& operator=(Picture&& other) noexcept;

    bool isNull() const { return !m_bitmap; }
    // Its size in the design's pixels (at 96 dots per inch), whichever variant it is.
    SIZE designSize() const;
    // Drawn into the rectangle, scaled to fill it (its own size for a mark, one to one).
    void draw(HDC dc, const RECT& where) const;

private:
    HBITMAP m_bitmap = nullptr; // 32 bits a pixel, alpha premultiplied
    int m_width = 0, m_height = 0;
    double m_ratio = 1; // the device pixel ratio it is drawn for
};
