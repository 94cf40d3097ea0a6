// A top-level window built from its design (windowdesign.h, from the Designer files): a child
// window for each control, placed and lettered for the density of its screen, with the design's
// tool tips, accessible names, tab order and access keys. FrmMain and FrmAbout are forms.
#pragma once

#include "design.h"

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

class Form {
public:
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    HWND hwnd() const { return m_hwnd; }
    HWND control(const char* name) const;

    // The keys a form takes before the focused control does: Tab and Shift+Tab in the design's
    // order, Enter on the focused button, the access keys with Alt. False for any other message.
    static bool preTranslate(const MSG& message);

protected:
    explicit Form(const design::Window& design);
    // Creates the window and its controls, for the screen the window will show on.
    void create();

    const design::Window& design() const { return m_design; }
    UINT dpi() const { return m_dpi; }
    int scale(int pixels) const { return MulDiv(pixels, int(m_dpi), 96); }
    const design::Control* controlOf(HWND hwnd) const;

    // The accessible name that screen readers read for a control (MSAA's name).
    static void setAccessibleName(HWND control, const std::wstring& name);

    // What a form does with its controls. The names are the design's.
    virtual void clicked(const design::Control&) {}
    // A press of the mouse on a panel or read-only box; true when the form took it.
    virtual bool mouseDown(const design::Control&) { return false; }
    virtual void paint(const design::Control&, HDC, const RECT&) {}
    // A control's colours, where the form has its own for it.
    virtual bool colors(const design::Control&, COLORREF& /*back*/, COLORREF& /*fore*/) { return false; }
    virtual bool key(const MSG& message);
    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    // The window has gone; the form may delete itself here.
    virtual void destroyed() {}

    // Gives the control the focus, and gives it back to it whenever the window is activated
    // again, as a dialog does.
    void focus(HWND control);
    void press(const design::Control& control);
    void focusNext(HWND from, bool backwards);

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    void createControls();
    void layout();
    HFONT font(const design::Control& control);
    HBRUSH brush(COLORREF color);

    const design::Window& m_design;
    HWND m_hwnd = nullptr;
    UINT m_dpi = 96;
    std::vector<HWND> m_controls; // one per control of the design, in its order; null where none is made
    HWND m_toolTips = nullptr;
    HWND m_focus = nullptr; // where the focus goes back to as the window is activated
    std::map<std::pair<int, bool>, HFONT> m_fonts; // by pixel size and weight
    std::map<COLORREF, HBRUSH> m_brushes;
};
