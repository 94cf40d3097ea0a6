// The main window on Windows: the game's Runtime drawn in Win32 controls built from the design,
// with the system's message box, beep and timer.
#pragma once

#include "form.h"
#include "picture.h"

#include "clock.h"
#include "frontend.h"
#include "runtime.h"

#include <array>

class FrmMain final : public Form, public game::FrontEnd, public game::Clock {
public:
    // Built from its design and loaded (Form_Load runs), not yet shown.
    FrmMain();
    void show(int how);

private:
    // What the game asks of its window.
    void msgBox(const std::string& prompt, game::BoxIcon icon, const std::string& title) override;
    void beep() override;
    void draw(const game::Change& change) override;
    void announce(const std::string& message) override;
    // The game's clock, with its one alarm as a window timer.
    game::Time now() const override;
    void setAlarm(std::optional<game::Time> when) override;

    void clicked(const design::Control& control) override;
    bool mouseDown(const design::Control& control) override;
    void paint(const design::Control& control, HDC dc, const RECT& area) override;
    bool colors(const design::Control& control, COLORREF& back, COLORREF& fore) override;
    bool key(const MSG& message) override;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

    void loadPictures();
    void drawSquare(int square);
    void drawList(const char* name, const std::vector<std::string>& items);
    void drawCommand(const design::Control& control, HDC dc, const RECT& area, const Picture& icon);

    LARGE_INTEGER m_start{}, m_frequency{};
    std::array<Picture, 4> m_marks; // by game::Mark
    Picture m_newGame, m_about;
    HWND m_announcements = nullptr;
    game::Runtime m_runtime;
};
