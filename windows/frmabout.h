// The About window on Windows: built from its design when shown, discarded when closed; its
// "Sytem Info..." starts the system's version program.
#pragma once

#include "form.h"
#include "picture.h"

class FrmAbout final : public Form {
public:
    // Opens the one About window, or brings the open one forward; modeless, without an owner.
    static void open();

private:
    FrmAbout();
    void clicked(const design::Control& control) override;
    void paint(const design::Control& control, HDC dc, const RECT& area) override;
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void destroyed() override;

    void startVersionProgram();

    Picture m_icon;
};
