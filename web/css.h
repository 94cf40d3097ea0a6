// A colour as the page's style sheet writes it.
#pragma once

#include "colors.h"

#include <cstdint>
#include <string>

namespace web {

// "#rrggbb", written out by hand: the printf family would double the size of the game.
inline std::string css(game::OleColor color)
{
    const game::Rgb rgb = game::rgbOf(color);
    std::string text = "#";
    for (const std::uint8_t part : {rgb.red, rgb.green, rgb.blue}) {
        text += "0123456789abcdef"[part >> 4];
        text += "0123456789abcdef"[part & 15];
    }
    return text;
}

} // namespace web
