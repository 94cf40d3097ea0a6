// Writes the main window as the game shows it once it has loaded, for the page to show from its
// first paint, before the game's own code has arrived: the system colours the style sheet draws
// the windows in, the controls' colours, the status box, each square's number, name and picture,
// the screen ratios the artwork is drawn for, and the marks' pictures, fetched before they show.
// The build runs it (under node) and writes what it prints into the page; once loaded, the game
// draws only what changes.
#include "artwork.h"
#include "css.h"
#include "narrator.h"
#include "runtime.h"
#include "squares.h"

#include <iostream>
#include <string>
#include <string_view>

namespace {

// Loads the game with nothing to draw on and no time passing: what it then holds is the start.
class Nowhere final : public game::FrontEnd, public game::Clock {
public:
    void msgBox(const std::string&, game::BoxIcon, const std::string&) override {}
    void beep() override {}
    void draw(const game::Change&) override {}
    void announce(const std::string&) override {}
    game::Time now() const override { return game::Time(0); }
    void setAlarm(std::optional<game::Time>) override {}
};

// The system colours the page's style sheet draws its windows in, by the names it gives them.
constexpr std::pair<std::string_view, game::SystemColor> kStyleColors[] = {
    {"--desktop", game::Desktop},
    {"--face", game::ButtonFace},
    {"--light", game::ButtonHighlight},
    {"--midlight", game::ButtonLight},
    {"--dark", game::ButtonShadow},
    {"--shadow", game::ButtonDarkShadow},
    {"--window", game::WindowBackground},
    {"--text", game::WindowText},
    {"--caption", game::ActiveCaption},
    {"--caption-text", game::CaptionText},
};

// A JSON string: the game's texts are plain ASCII, so quotes and backslashes are all to escape.
std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + '"';
}

} // namespace

int main()
{
    Nowhere nowhere;
    game::Runtime runtime(nowhere, nowhere);
    runtime.load();
    const game::MainForm& form = runtime.form();

    std::string ratios;
    for (const game::ArtworkRatio& drawn : game::kArtworkRatios)
        ratios += std::string(ratios.empty() ? "" : " ") + std::string(drawn.name);
    std::string marks;
    for (const game::Mark mark : {game::Mark::X, game::Mark::O, game::Mark::OWin})
        marks += std::string(marks.empty() ? "" : " ") + std::string(game::markPicture(mark)) + ".bmp";
    std::cout << "{\n  \"artworkRatios\": " << quoted(ratios) << ",\n  \"markPictures\": " << quoted(marks)
              << ",\n  \"colors\": {";
    const char* comma = "";
    for (const auto& [name, number] : kStyleColors) {
        std::cout << comma << "\n    " << quoted(name) << ": " << quoted(web::css(game::systemColor(number)));
        comma = ",";
    }
    std::cout << "\n  },\n  \"controls\": {";
    for (const game::ControlColors& colors : game::kControlColors)
        std::cout << "\n    " << quoted(colors.control) << ": {\"style\": {\"background\": " << quoted(web::css(colors.back))
                  << ", \"color\": " << quoted(web::css(colors.fore)) << "}},";
    std::cout << "\n    \"lblStatus\": {\"value\": " << quoted(form.statusText()) << ", \"style\": {\"background\": "
              << quoted(web::css(form.statusBackColor())) << "}}";
    for (int square = 1; square <= game::kSquareCount; ++square) {
        const game::Mark mark = form.picture(square);
        std::cout << ",\n    " << quoted(game::squareName(square)) << ": {\"square\": " << square
                  << ", \"picture\": " << quoted(game::markPicture(mark)) << ", \"enabled\": "
                  << (form.squareEnabled(square) ? "true" : "false")
                  << ", \"name\": " << quoted(game::spokenSquare(square, mark)) << "}";
    }
    std::cout << "\n  }\n}\n";
}
