// Reads back what the game's windows show, for the tests under Wine: every visible top-level
// window and each of its controls, one line each, tab-separated, in UTF-8:
//   window  HWND  CLASS  TITLE
//   control HWND  TOP-HWND  ID  CLASS  ENABLED  FOCUSED  X,Y,W,H (in its parent's client area)
//           CENTRE-X,CENTRE-Y (on the screen)  TEXT  ITEMS (a list's items, "|"-joined)
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

HWND g_focus = nullptr;

std::string utf8(const std::wstring& text)
{
    std::string out(std::size_t(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), out.data(), int(out.size()), nullptr, nullptr);
    for (char& c : out)
        c = c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
    return out;
}

std::wstring textOf(HWND hwnd)
{
    wchar_t text[1024] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, LPARAM(text), SMTO_ABORTIFHUNG, 500, &length);
    return text;
}

std::wstring itemsOf(HWND hwnd, const std::wstring& kind)
{
    std::wstring items;
    if (_wcsicmp(kind.c_str(), L"ListBox") != 0)
        return items;
    DWORD_PTR count = 0, length = 0;
    SendMessageTimeoutW(hwnd, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 500, &count);
    for (DWORD_PTR i = 0; i < count && i < 64; ++i) {
        wchar_t item[256] = {};
        SendMessageTimeoutW(hwnd, LB_GETTEXTLEN, WPARAM(i), 0, SMTO_ABORTIFHUNG, 500, &length);
        if (length < 256)
            SendMessageTimeoutW(hwnd, LB_GETTEXT, WPARAM(i), LPARAM(item), SMTO_ABORTIFHUNG, 500, &length);
        items += (i ? L"|" : L"") + std::wstring(item);
    }
    return items;
}

BOOL CALLBACK eachControl(HWND hwnd, LPARAM top)
{
    wchar_t kind[64] = {};
    GetClassNameW(hwnd, kind, 64);
    RECT screen, rect;
    GetWindowRect(hwnd, &screen);
    rect = screen;
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
    std::printf("control\t%llu\t%llu\t%d\t%s\t%d\t%d\t%ld,%ld,%ld,%ld\t%ld,%ld\t%s\t%s\n", (unsigned long long)(UINT_PTR)hwnd,
                (unsigned long long)top, GetDlgCtrlID(hwnd), utf8(kind).c_str(), IsWindowEnabled(hwnd) ? 1 : 0,
                hwnd == g_focus ? 1 : 0, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                (screen.left + screen.right) / 2, (screen.top + screen.bottom) / 2, utf8(textOf(hwnd)).c_str(),
                utf8(itemsOf(hwnd, kind)).c_str());
    return TRUE;
}

BOOL CALLBACK eachWindow(HWND hwnd, LPARAM)
{
    if (!IsWindowVisible(hwnd))
        return TRUE;
    wchar_t kind[64] = {};
    GetClassNameW(hwnd, kind, 64);
    std::printf("window\t%llu\t%s\t%s\n", (unsigned long long)(UINT_PTR)hwnd, utf8(kind).c_str(), utf8(textOf(hwnd)).c_str());
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    g_focus = GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &thread) ? thread.hwndFocus : nullptr;
    EnumChildWindows(hwnd, eachControl, LPARAM(hwnd));
    return TRUE;
}

} // namespace

int main()
{
    EnumWindows(eachWindow, 0);
    return 0;
}
