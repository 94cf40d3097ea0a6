#include "picture.h"

#include "artwork.h"
#include "text.h"

#include <wincodec.h>

#include <cctype>
#include <cmath>
#include <string>
#include <utility>

namespace {

// The resource of an artwork file: its name in capitals, every other sign an underscore
// ("x@1.5x.png" is X_1_5X_PNG), as the build names them.
std::wstring resourceName(const std::string& file)
{
    std::wstring name;
    for (const char c : file)
        name += std::isalnum(static_cast<unsigned char>(c)) ? wchar_t(std::toupper(static_cast<unsigned char>(c))) : L'_';
    return name;
}

template <typename Interface>
struct Com {
    Interface* p = nullptr;
    ~Com()
    {
        if (p)
            p->Release();
    }
    Interface** operator&() { return &p; }
    Interface* operator->() const { return p; }
};

} // namespace

// Decoded by the system's imaging component, which reads the bitmaps, the icons (their first
// image, with its mask as transparency) and the variants' PNG files alike.
Picture::Picture(std::string_view name, std::string_view extension, UINT dpi)
{
    if (name.empty())
        return;
    const game::ArtworkRatio& drawn = game::artworkRatio(dpi / 96.0);
    const std::string file = game::artworkFile(name, extension, drawn);
    HRSRC found = FindResourceW(nullptr, resourceName(file).c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    if (!loaded)
        return;
    const auto* bytes = static_cast<const BYTE*>(LockResource(loaded));
    const DWORD length = SizeofResource(nullptr, found);

    Com<IWICImagingFactory> factory;
    Com<IWICStream> stream;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    Com<IWICFormatConverter> converter;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory.p)))
        || FAILED(factory->CreateStream(&stream)) || FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes), length))
        || FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, &decoder))
        || FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter))
        || FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom)))
        return;
    UINT width = 0, height = 0;
    converter->GetSize(&width, &height);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), LONG(width), -LONG(height), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!bitmap)
        return;
    if (FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE*>(pixels)))) {
        DeleteObject(bitmap);
        return;
    }
    m_bitmap = bitmap;
    m_width = int(width);
    m_height = int(height);
    m_ratio = drawn.ratio;
}

SIZE Picture::designSize() const
{
    return {LONG(std::lround(m_width / m_ratio)), LONG(std::lround(m_height / m_ratio))};
}

Picture::~Picture()
{
    if (m_bitmap)
        DeleteObject(m_bitmap);
}

Picture::Picture(Picture&& other) noexcept
    : m_bitmap(std::exchange(other.m_bitmap, nullptr)), m_width(other.m_width), m_height(other.m_height),
      m_ratio(other.m_ratio)
{
}

Picture& Picture::operator=(Picture&& other) noexcept
{
    std::swap(m_bitmap, other.m_bitmap);
    std::swap(m_width, other.m_width);
    std::swap(m_height, other.m_height);
    std::swap(m_ratio, other.m_ratio);
    return *this;
}

void Picture::draw(HDC dc, const RECT& where) const
{
    if (!m_bitmap)
        return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, m_bitmap);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    SetStretchBltMode(dc, HALFTONE);
    GdiAlphaBlend(dc, where.left, where.top, where.right - where.left, where.bottom - where.top, source, 0, 0, m_width,
                  m_height, blend);
    SelectObject(source, old);
    DeleteDC(source);
}
