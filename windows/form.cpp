#include "form.h"

#include "text.h"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <cwctype>

namespace {

constexpr wchar_t kFormClass[] = L"TicTacToeForm";
constexpr wchar_t kPanelClass[] = L"PictureBox";
constexpr wchar_t kSquareClass[] = L"SquareImage";
constexpr UINT kFirstId = 100;
// What the panels, the squares and the read-only boxes tell their form.
constexpr UINT kMouseDown = WM_APP + 1; // lParam: the control
constexpr UINT kClick = WM_APP + 2;
constexpr UINT kPaint = WM_APP + 3;     // wParam: the device context, lParam: the control

int g_openForms = 0; // the program ends when none is left open

HWND formOf(HWND hwnd)
{
    return GetAncestor(hwnd, GA_ROOT);
}

// A panel of the design: drawn sunken, it passes what its controls tell it on to the form,
// and tells the form of presses and clicks on itself.
LRESULT CALLBACK panelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return SendMessageW(formOf(hwnd), message, wParam, lParam);
    case WM_LBUTTONDOWN:
        SendMessageW(formOf(hwnd), kMouseDown, 0, LPARAM(hwnd));
        return 0;
    case WM_LBUTTONUP:
        SendMessageW(formOf(hwnd), kClick, 0, LPARAM(hwnd));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT area;
        GetClientRect(hwnd, &area);
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(dc, &area, EDGE_SUNKEN, BF_RECT);
        EndPaint(hwnd, &paint);
        return 0;
    }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A square: a picture that is pressed like a button, by the mouse or by Space, and takes the
// focus only from the keyboard.
LRESULT CALLBACK squareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto click = [hwnd] {
        SendMessageW(formOf(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED), LPARAM(hwnd));
    };
    switch (message) {
    case WM_LBUTTONDOWN:
        SetCapture(hwnd);
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd) {
            ReleaseCapture();
            RECT area;
            GetClientRect(hwnd, &area);
            const POINT at{short(LOWORD(lParam)), short(HIWORD(lParam))};
            if (PtInRect(&area, at))
                click();
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && !(lParam & (1 << 30)))
            click();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        SendMessageW(formOf(hwnd), kPaint, WPARAM(dc), LPARAM(hwnd));
        EndPaint(hwnd, &paint);
        return 0;
    }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A read-only box tells the form of a press, and the form may take the focus elsewhere.
LRESULT CALLBACK boxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_LBUTTONDOWN && SendMessageW(formOf(hwnd), kMouseDown, 0, LPARAM(hwnd)))
        return 0;
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

void registerClasses(WNDPROC formProc)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = formProc;
    form.hInstance = instance;
    form.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);
    WNDCLASSEXW panel{};
    panel.cbSize = sizeof panel;
    panel.lpfnWndProc = panelProc;
    panel.hInstance = instance;
    panel.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    panel.lpszClassName = kPanelClass;
    RegisterClassExW(&panel);
    WNDCLASSEXW square = panel;
    square.lpfnWndProc = squareProc;
    square.lpszClassName = kSquareClass;
    RegisterClassExW(&square);
}

IAccPropServices* accessibility()
{
    static IAccPropServices* const services = [] {
        IAccPropServices* found = nullptr;
        CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                         reinterpret_cast<void**>(&found));
        return found;
    }();
    return services;
}

} // namespace

Form::Form(const design::Window& design) : m_design(design) {}

Form::~Form()
{
    for (const auto& [key, font] : m_fonts)
        DeleteObject(font);
    for (const auto& [color, brush] : m_brushes)
        DeleteObject(brush);
}

HWND Form::control(const char* name) const
{
    const design::Control* found = design::find(m_design, name);
    return found ? m_controls[std::size_t(found - m_design.controls.data())] : nullptr;
}

const design::Control* Form::controlOf(HWND hwnd) const
{
    const auto at = std::find(m_controls.begin(), m_controls.end(), hwnd);
    return hwnd && at != m_controls.end() ? &m_design.controls[std::size_t(at - m_controls.begin())] : nullptr;
}

void Form::setAccessibleName(HWND control, const std::wstring& name)
{
    if (IAccPropServices* services = accessibility())
        services->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, name.c_str());
}

// Fixed single border: the player can neither resize, maximize nor minimize it.
void Form::create()
{
    static const bool registered = (registerClasses(&Form::windowProc), true);
    (void)registered;
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    m_dpi = GetDpiForSystem();
    RECT frame{0, 0, scale(m_design.width), scale(m_design.height)};
    AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, m_dpi);
    CreateWindowExW(0, kFormClass, wide(m_design.title).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    createControls();
    const UINT shownAt = GetDpiForWindow(m_hwnd);
    if (shownAt != m_dpi) { // a screen of another density than the system's
        m_dpi = shownAt;
        frame = {0, 0, scale(m_design.width), scale(m_design.height)};
        AdjustWindowRectExForDpi(&frame, kStyle, FALSE, 0, m_dpi);
        SetWindowPos(m_hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
    }
    layout();
}

// In the design's order; each is stacked over those made before it, as the design stacks them.
void Form::createControls()
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    m_toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                 m_hwnd, nullptr, instance, nullptr);
    m_controls.assign(m_design.controls.size(), nullptr);
    for (std::size_t i = 0; i < m_design.controls.size(); ++i) {
        const design::Control& c = m_design.controls[i];
        if (!c.shown && c.kind != design::Kind::CommandButton)
            continue; // the mark images: the form draws the artwork's pictures itself
        const design::Control* parentControl = design::find(m_design, c.parent);
        HWND parent = parentControl ? control(parentControl->name) : m_hwnd;
        const wchar_t* kind = WC_STATICW;
        DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, extended = 0;
        switch (c.kind) {
        case design::Kind::PictureBox:
            kind = kPanelClass;
            style |= WS_CLIPCHILDREN;
            break;
        case design::Kind::Image:
            if (c.picture)
                style |= SS_OWNERDRAW | SS_NOTIFY;
            else
                kind = kSquareClass;
            break;
        case design::Kind::TextBox:
            kind = WC_EDITW;
            style |= ES_AUTOHSCROLL | (c.readOnly ? ES_READONLY : 0);
            extended = WS_EX_CLIENTEDGE;
            break;
        case design::Kind::ListBox:
            kind = WC_LISTBOXW;
            style |= LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_VSCROLL;
            extended = WS_EX_CLIENTEDGE;
            break;
        case design::Kind::CommandButton:
            kind = WC_BUTTONW;
            style |= c.picture ? BS_OWNERDRAW : BS_PUSHBUTTON;
            break;
        case design::Kind::Label:
            style |= SS_NOPREFIX | (c.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
            break;
        case design::Kind::Frame:
            style |= SS_OWNERDRAW;
            break;
        }
        HWND hwnd = CreateWindowExW(extended, kind, c.caption ? wide(c.caption).c_str() : L"", style, 0, 0, 0, 0, parent,
                                    reinterpret_cast<HMENU>(UINT_PTR(kFirstId + i)), instance, nullptr);
        m_controls[i] = hwnd;
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (c.kind == design::Kind::TextBox)
            SetWindowSubclass(hwnd, boxProc, 0, 0);
        if (c.accessibleName)
            setAccessibleName(hwnd, wide(c.accessibleName));
        if (c.toolTip) {
            const std::wstring tip = wide(c.toolTip);
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = m_hwnd;
            tool.uId = UINT_PTR(hwnd);
            tool.lpszText = const_cast<wchar_t*>(tip.c_str());
            SendMessageW(m_toolTips, TTM_ADDTOOLW, 0, LPARAM(&tool));
        }
    }
}

// Every control where the design puts it, and in its font, for the screen's density.
void Form::layout()
{
    const std::map<std::pair<int, bool>, HFONT> old = std::exchange(m_fonts, {});
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (!m_controls[i])
            continue;
        const design::Control& c = m_design.controls[i];
        MoveWindow(m_controls[i], scale(c.rect.x), scale(c.rect.y), scale(c.rect.width), scale(c.rect.height), TRUE);
        SendMessageW(m_controls[i], WM_SETFONT, WPARAM(font(c)), TRUE);
    }
    for (const auto& [key, font] : old)
        DeleteObject(font);
}

// The design's font, in points (8.25 where it gives none, the window's default). Microsoft Sans
// Serif is the design's MS Sans Serif as a scalable face, with its metrics, on every Windows
// since 2000: the bitmap original has no sizes for sharper screens.
HFONT Form::font(const design::Control& control)
{
    const double points = control.pointSize > 0 ? control.pointSize : 8.25;
    const std::pair<int, bool> key{-int(std::lround(points * m_dpi / 72)), control.bold};
    HFONT& font = m_fonts[key];
    if (!font)
        font = CreateFontW(key.first, 0, 0, 0, key.second ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                           L"Microsoft Sans Serif");
    return font;
}

HBRUSH Form::brush(COLORREF color)
{
    HBRUSH& brush = m_brushes[color];
    if (!brush)
        brush = CreateSolidBrush(color);
    return brush;
}

void Form::focus(HWND control)
{
    m_focus = control;
    SetFocus(control);
}

void Form::press(const design::Control& control)
{
    HWND hwnd = this->control(control.name);
    if (hwnd && IsWindowEnabled(hwnd))
        clicked(control);
}

void Form::focusNext(HWND from, bool backwards)
{
    std::vector<std::pair<int, HWND>> stops;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i] && m_design.controls[i].tabIndex >= 0)
            stops.emplace_back(m_design.controls[i].tabIndex, m_controls[i]);
    }
    std::sort(stops.begin(), stops.end());
    if (stops.empty())
        return;
    const auto at = std::find_if(stops.begin(), stops.end(), [from](const auto& stop) { return stop.second == from; });
    std::size_t index = at == stops.end() ? (backwards ? 0 : stops.size() - 1) : std::size_t(at - stops.begin());
    for (std::size_t step = 0; step < stops.size(); ++step) {
        index = (index + (backwards ? stops.size() - 1 : 1)) % stops.size();
        HWND next = stops[index].second;
        if (IsWindowEnabled(next) && IsWindowVisible(next)) {
            SetFocus(next);
            return;
        }
    }
}

bool Form::preTranslate(const MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSCHAR)
        return false;
    HWND root = formOf(message.hwnd);
    wchar_t name[32] = {};
    if (!root || !GetClassNameW(root, name, 32) || std::wstring_view(name) != kFormClass)
        return false; // a message box's keys are its own
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(root, GWLP_USERDATA));
    return form && form->key(message);
}

bool Form::key(const MSG& message)
{
    const bool control = GetKeyState(VK_CONTROL) < 0;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && !control) {
        focusNext(GetFocus(), GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    // Enter presses the focused button or square once: a held key does not press it again.
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        const design::Control* focused = controlOf(GetFocus());
        if (!focused || (focused->kind != design::Kind::CommandButton && focused->kind != design::Kind::Image))
            return false;
        if (!(message.lParam & (1 << 30)))
            press(*focused);
        return true;
    }
    // Alt with the letter the access key shows, as the keyboard's layout types it.
    if (message.message == WM_SYSCHAR) {
        const wchar_t letter = wchar_t(std::towupper(wint_t(message.wParam)));
        for (const design::Control& c : m_design.controls) {
            const std::wstring caption = c.caption ? wide(c.caption) : L"";
            const auto amp = caption.find(L'&');
            if (amp != std::wstring::npos && amp + 1 < caption.size() && std::towupper(caption[amp + 1]) == letter) {
                press(c);
                return true;
            }
        }
    }
    return false;
}

// The form takes its window as the window is made, before its first message is handled.
LRESULT CALLBACK Form::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* created = static_cast<Form*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->m_hwnd = hwnd;
        ++g_openForms;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(created));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return form ? form->handle(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT Form::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) {
            if (const design::Control* c = controlOf(HWND(lParam)))
                clicked(*c);
        }
        return 0;
    case kMouseDown:
        if (const design::Control* c = controlOf(HWND(lParam)))
            return mouseDown(*c);
        return 0;
    case kClick:
        if (const design::Control* c = controlOf(HWND(lParam)))
            clicked(*c);
        return 0;
    case kPaint:
        if (const design::Control* c = controlOf(HWND(lParam))) {
            RECT area;
            GetClientRect(HWND(lParam), &area);
            paint(*c, HDC(wParam), area);
        }
        return 0;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (const design::Control* c = controlOf(item->hwndItem))
            paint(*c, item->hDC, item->rcItem);
        return TRUE;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX: {
        COLORREF back = 0, fore = 0;
        const design::Control* c = controlOf(HWND(lParam));
        if (!c || !colors(*c, back, fore))
            break;
        SetTextColor(HDC(wParam), fore);
        SetBkColor(HDC(wParam), back);
        return LRESULT(brush(back));
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focused = GetFocus();
            if (focused && IsChild(m_hwnd, focused))
                m_focus = focused;
        } else if (m_focus && IsWindow(m_focus)) {
            SetFocus(m_focus);
            return 0;
        }
        break;
    case WM_DPICHANGED: {
        m_dpi = HIWORD(wParam);
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        layout();
        InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    }
    case WM_NCDESTROY: {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        m_hwnd = nullptr;
        const bool last = --g_openForms == 0;
        destroyed(); // the form may be gone from here on
        if (last)
            PostQuitMessage(0);
        return 0;
    }
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}
