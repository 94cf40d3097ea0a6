// The program's one reference to the About window.
#pragma once

#include "frmabout.h"

#include <QPointer>

// The reference lasts as long as the program; the window itself exists only while it is open,
// so every opening shows it exactly as designed.
class AboutForm {
public:
    static AboutForm& instance();

    // Opens the window, or brings the open one forward; modeless, without an owner.
    void show();
    FrmAbout* window() const { return m_window; }

private:
    AboutForm() = default;
    QPointer<FrmAbout> m_window;
};
