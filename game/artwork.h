// The artwork's pictures: each design picture (NAME.bmp or NAME.ico) is drawn again for sharper
// screens, as NAME@Rx.png at each device pixel ratio R after the first below.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace game {

struct ArtworkRatio {
    double ratio;
    std::string_view name; // as the variants' file names write it
};

constexpr std::array<ArtworkRatio, 4> kArtworkRatios = {{{1, "1"}, {1.5, "1.5"}, {2, "2"}, {3, "3"}}};

// The picture for a screen of this device pixel ratio: the one drawn for the nearest ratio at or
// above it (the largest beyond 3), which covers the design's size one to one.
constexpr const ArtworkRatio& artworkRatio(double deviceRatio)
{
    for (const ArtworkRatio& drawn : kArtworkRatios) {
        if (drawn.ratio >= deviceRatio - 0.01)
            return drawn;
    }
    return kArtworkRatios.back();
}

// Its file: the design's own at ratio 1.
inline std::string artworkFile(std::string_view name, std::string_view extension, const ArtworkRatio& drawn)
{
    if (drawn.ratio == 1)
        return std::string(name) + "." + std::string(extension);
    return std::string(name) + "@" + std::string(drawn.name) + "x.png";
}

} // namespace game
