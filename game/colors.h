// The windows' colours: the classic desktop scheme's system colours, and the colours the main
// window's design gives its controls.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace game {

// Colours 0x800000nn name system colour nn; others are 0x00BBGGRR.
using OleColor = std::uint32_t;

struct Rgb {
    std::uint8_t red, green, blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The system colours the windows use, by their numbers.
enum SystemColor : std::uint8_t {
    Desktop = 1,
    ActiveCaption = 2,
    WindowBackground = 5,
    WindowFrame = 6,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    ButtonHighlight = 20,
    ButtonDarkShadow = 21,
    ButtonLight = 22,
    InfoText = 23,
    InfoBackground = 24,
};

constexpr OleColor systemColor(SystemColor number) { return 0x80000000u | number; }

// As the classic desktop scheme shows them; a system colour it does not use is black.
constexpr Rgb rgbOf(OleColor color)
{
    if (!(color & 0x80000000u))
        return {std::uint8_t(color), std::uint8_t(color >> 8), std::uint8_t(color >> 16)};
    switch (color & 0xffu) {
    case Desktop: return {0, 128, 128};
    case ActiveCaption: return {0, 0, 128};
    case WindowBackground: return {255, 255, 255};
    case CaptionText: return {255, 255, 255};
    case ActiveBorder: return {192, 192, 192};
    case AppWorkspace: return {128, 128, 128};
    case Highlight: return {0, 0, 128};
    case HighlightText: return {255, 255, 255};
    case ButtonFace: return {192, 192, 192};
    case ButtonShadow: return {128, 128, 128};
    case GrayText: return {128, 128, 128};
    case ButtonHighlight: return {255, 255, 255};
    case ButtonLight: return {223, 223, 223};
    case InfoBackground: return {255, 255, 225};
    default: return {0, 0, 0}; // the window frame, window text, button text, dark shadow, info text
    }
}

// The back and fore colours of the main window's controls, as its design gives them. The
// status box's back colour is no part of the design: it is the game's own state.
struct ControlColors {
    std::string_view control;
    OleColor back;
    OleColor fore;
};

constexpr std::array<ControlColors, 7> kControlColors = {{
    {"Text1", systemColor(WindowFrame), systemColor(WindowBackground)},
    {"Text2", 0x00FF0000, 0x000000FF},
    {"Text3", 0x000000FF, 0x00FF0000},
    {"lstP1M", systemColor(AppWorkspace), systemColor(WindowBackground)},
    {"lstP2M", systemColor(AppWorkspace), systemColor(WindowBackground)},
    {"cmdNewGame", systemColor(ActiveBorder), systemColor(ButtonText)},
    {"cmdAbout", systemColor(ActiveBorder), systemColor(ButtonText)},
}};

} // namespace game
