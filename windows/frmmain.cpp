#include "frmmain.h"

#include "frmabout.h"
#include "text.h"
#include "windowdesign.h"

#include "colors.h"
#include "narrator.h"
#include "squares.h"

#include <cmath>
#include <cstring>

namespace {

constexpr UINT_PTR kAlarm = 1;

// A colour of the design: 0x800000nn is the system's colour nn, as this system shows it; others
// are the colour itself (0x00BBGGRR, as Windows writes it).
COLORREF colorOf(game::OleColor color)
{
    return color & 0x80000000u ? GetSysColor(int(color & 0xffu)) : COLORREF(color);
}

int squareOf(const design::Control& control)
{
    for (int square = 1; square <= game::kSquareCount; ++square) {
        if (game::squareName(square) == control.name)
            return square;
    }
    return 0;
}

} // namespace

FrmMain::FrmMain() : Form(design::kFrmMain), m_runtime(*this, *this)
{
    QueryPerformanceFrequency(&m_frequency);
    QueryPerformanceCounter(&m_start);
    create();
    // What screen readers are told, as a live region: a control that is never seen.
    m_announcements = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, scale(design().height) + 8,
                                      1, 1, hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    loadPictures();
    for (int square = 1; square <= game::kSquareCount; ++square)
        drawSquare(square);
    m_runtime.load();
}

void FrmMain::show(int how)
{
    focus(control("cmdNewGame"));
    ShowWindow(hwnd(), how);
}

void FrmMain::loadPictures()
{
    for (const game::Mark mark : {game::Mark::Empty, game::Mark::X, game::Mark::O, game::Mark::OWin})
        m_marks[std::size_t(mark)] = Picture(game::markPicture(mark), "bmp", dpi());
    m_newGame = Picture("newgame", "ico", dpi());
    m_about = Picture("about", "ico", dpi());
}

// ---- what the game asks of its window ----

void FrmMain::msgBox(const std::string& prompt, game::BoxIcon icon, const std::string& title)
{
    const UINT style = icon == game::BoxIcon::Information ? MB_ICONINFORMATION
        : icon == game::BoxIcon::Critical                ? MB_ICONERROR
                                                         : 0;
    MessageBoxW(hwnd(), wide(prompt).c_str(), wide(title).c_str(), MB_OK | style);
}

void FrmMain::beep()
{
    MessageBeep(MB_OK);
}

// Told to screen readers as the text of a live region; MSAA's clients read it as its name.
void FrmMain::announce(const std::string& message)
{
    if (!m_announcements)
        return;
    const std::wstring text = wide(message);
    SetWindowTextW(m_announcements, text.c_str());
    setAccessibleName(m_announcements, text);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_announcements, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, m_announcements, OBJID_CLIENT, CHILDID_SELF);
}

// The square's name tells its mark, for screen readers.
void FrmMain::drawSquare(int square)
{
    HWND image = control(std::string(game::squareName(square)).c_str());
    if (!image)
        return;
    const game::MainForm& form = m_runtime.form();
    const std::wstring name = wide(game::spokenSquare(square, form.picture(square)));
    SetWindowTextW(image, name.c_str());
    setAccessibleName(image, name);
    EnableWindow(image, form.squareEnabled(square));
    InvalidateRect(image, nullptr, FALSE);
}

// A move adds its one item and New Game empties the list, so that the player's selection and
// scroll position survive the next move.
void FrmMain::drawList(const char* name, const std::vector<std::string>& items)
{
    HWND list = control(name);
    if (std::size_t(SendMessageW(list, LB_GETCOUNT, 0, 0)) > items.size())
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (auto row = std::size_t(SendMessageW(list, LB_GETCOUNT, 0, 0)); row < items.size(); ++row)
        SendMessageW(list, LB_ADDSTRING, 0, LPARAM(wide(items[row]).c_str()));
}

void FrmMain::draw(const game::Change& change)
{
    using Property = game::Change::Property;
    if (!hwnd())
        return; // closed: the About window may outlive it
    const game::MainForm& form = m_runtime.form();
    switch (change.property) {
    case Property::SquarePicture:
    case Property::SquareEnabled:
        drawSquare(change.square);
        break;
    case Property::StatusText:
        SetWindowTextW(control("lblStatus"), wide(form.statusText()).c_str());
        break;
    case Property::StatusBackColor:
        InvalidateRect(control("lblStatus"), nullptr, TRUE);
        break;
    case Property::P1MoveList:
        drawList("lstP1M", form.lstP1M());
        break;
    case Property::P2MoveList:
        drawList("lstP2M", form.lstP2M());
        break;
    case Property::WinCheckEnabled:
    case Property::TieCheckEnabled:
        break; // the timers are the game's own
    }
}

game::Time FrmMain::now() const
{
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    const long long ticks = count.QuadPart - m_start.QuadPart;
    return game::Time(ticks / m_frequency.QuadPart * 1000000 + ticks % m_frequency.QuadPart * 1000000 / m_frequency.QuadPart);
}

// One window timer, rounded up to whole milliseconds; none while every game timer sleeps, so
// that the program does not wake at rest. The game keeps the exact deadlines.
void FrmMain::setAlarm(std::optional<game::Time> when)
{
    if (!hwnd())
        return;
    KillTimer(hwnd(), kAlarm);
    if (!when)
        return;
    const auto wait = std::max<long long>(0, (*when - now()).count());
    SetTimer(hwnd(), kAlarm, UINT((wait + 999) / 1000), nullptr);
}

// ---- the window's controls ----

void FrmMain::clicked(const design::Control& control)
{
    const std::string_view name = control.name;
    if (const int square = squareOf(control))
        m_runtime.squareClick(square);
    else if (name == "cmdNewGame")
        m_runtime.newGameClick();
    else if (name == "GetFocas")
        m_runtime.getFocasClick();
    else if (name == "cmdAbout" && !m_runtime.busy()) // dropped while a game handler's box is open
        FrmAbout::open();
    else if (name == "Picture1") // Picture1_Click: the focus sink
        SetFocus(this->control("GetFocas"));
}

// lblStatus_MouseDown, Text1_MouseDown ... Picture11_MouseDown: the focus goes to the hidden button.
bool FrmMain::mouseDown(const design::Control& control)
{
    for (const char* sink : {"lblStatus", "Text1", "Text2", "Text3", "Picture11"}) {
        if (std::strcmp(control.name, sink) == 0) {
            SetFocus(this->control("GetFocas"));
            return true;
        }
    }
    return false;
}

void FrmMain::paint(const design::Control& control, HDC dc, const RECT& area)
{
    if (const int square = squareOf(control)) {
        // The mark at its picture's own size from the top-left corner, cut off by the square.
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        const Picture& mark = m_marks[std::size_t(m_runtime.form().picture(square))];
        const SIZE size = mark.designSize();
        mark.draw(dc, {0, 0, scale(size.cx), scale(size.cy)});
        if (GetFocus() == this->control(control.name)) {
            RECT focus = area;
            InflateRect(&focus, -scale(2), -scale(2));
            DrawFocusRect(dc, &focus);
        }
    } else if (std::strcmp(control.name, "cmdNewGame") == 0) {
        drawCommand(control, dc, area, m_newGame);
    } else if (std::strcmp(control.name, "cmdAbout") == 0) {
        drawCommand(control, dc, area, m_about);
    }
}

// A command button with its picture above its caption, in the design's colours.
void FrmMain::drawCommand(const design::Control& control, HDC dc, const RECT& area, const Picture& icon)
{
    HWND button = this->control(control.name);
    const bool pushed = SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED;
    COLORREF back = 0, fore = 0;
    colors(control, back, fore);
    HBRUSH face = CreateSolidBrush(back);
    FillRect(dc, &area, face);
    DeleteObject(face);
    RECT edge = area;
    DrawEdge(dc, &edge, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const int shift = pushed ? scale(1) : 0;
    const SIZE iconSize{scale(32), scale(32)};
    HGDIOBJ oldFont = SelectObject(dc, HFONT(SendMessageW(button, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    const int gap = scale(3);
    const int top = (area.bottom - area.top - iconSize.cy - gap - metrics.tmHeight) / 2 + shift;
    const int left = (area.right - area.left - iconSize.cx) / 2 + shift;
    icon.draw(dc, {left, top, left + iconSize.cx, top + iconSize.cy});
    RECT text{area.left + shift, top + iconSize.cy + gap, area.right + shift, top + iconSize.cy + gap + metrics.tmHeight};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, fore);
    const std::wstring caption = wide(control.caption);
    DrawTextW(dc, caption.c_str(), -1, &text, DT_CENTER | DT_SINGLELINE | DT_TOP);
    SelectObject(dc, oldFont);
    if (GetFocus() == button) {
        RECT focus = area;
        InflateRect(&focus, -scale(4), -scale(4));
        DrawFocusRect(dc, &focus);
    }
}

bool FrmMain::colors(const design::Control& control, COLORREF& back, COLORREF& fore)
{
    if (std::strcmp(control.name, "lblStatus") == 0) {
        back = colorOf(m_runtime.form().statusBackColor());
        fore = GetSysColor(COLOR_WINDOWTEXT);
        return true;
    }
    for (const game::ControlColors& colors : game::kControlColors) {
        if (colors.control == control.name) {
            back = colorOf(colors.back);
            fore = colorOf(colors.fore);
            return true;
        }
    }
    return false;
}

// The board's keys: the digits 1 to 9 (top row or keypad) mark their square anywhere in the
// window, as a click would; the arrows move between the squares and stop at the board's edge.
bool FrmMain::key(const MSG& message)
{
    if (Form::key(message))
        return true;
    if (message.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return false;
    const WPARAM key = message.wParam;
    if ((key >= '1' && key <= '9') || (key >= VK_NUMPAD1 && key <= VK_NUMPAD9)) {
        m_runtime.squareClick(int(key >= VK_NUMPAD1 ? key - VK_NUMPAD1 : key - '1') + 1);
        return true;
    }
    const design::Control* focused = controlOf(GetFocus());
    const int square = focused ? squareOf(*focused) : 0;
    if (!square)
        return false;
    const int row = (square - 1) / 3, column = (square - 1) % 3;
    int to = 0;
    switch (key) {
    case VK_LEFT: to = column > 0 ? square - 1 : square; break;
    case VK_RIGHT: to = column < 2 ? square + 1 : square; break;
    case VK_UP: to = row > 0 ? square - 3 : square; break;
    case VK_DOWN: to = row < 2 ? square + 3 : square; break;
    default: return false;
    }
    SetFocus(control(std::string(game::squareName(to)).c_str()));
    return true;
}

LRESULT FrmMain::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kAlarm) {
        KillTimer(hwnd(), kAlarm);
        m_runtime.alarm();
        return 0;
    }
    const LRESULT result = Form::handle(message, wParam, lParam);
    if (message == WM_DPICHANGED)
        loadPictures();
    return result;
}
