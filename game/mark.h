// The four marks a square can show.
#pragma once

#include <string_view>

namespace game {

// Empty is "no picture". OWin is the winning O: a square that shows it is neither
// empty, nor X, nor O, so a painted line is never found again.
enum class Mark { Empty, X, O, OWin };

// The picture of each mark image, by the artwork's name ("x" for x.bmp); Empty2 has none.
constexpr std::string_view markPicture(Mark mark)
{
    switch (mark) {
    case Mark::X: return "x";
    case Mark::O: return "o";
    case Mark::OWin: return "owin";
    case Mark::Empty: break;
    }
    return {};
}

} // namespace game
