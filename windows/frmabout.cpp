#include "frmabout.h"

#include "text.h"
#include "windowdesign.h"

#include <cstring>
#include <string>

namespace {

// The program keeps one reference to the About window; the window exists only while open.
FrmAbout* g_about = nullptr;

// The system's words for an error number.
std::wstring describe(DWORD error)
{
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring said = text ? text : L"Error " + std::to_wstring(error) + L".";
    LocalFree(text);
    while (!said.empty() && (said.back() == L'\n' || said.back() == L'\r'))
        said.pop_back();
    return said;
}

} // namespace

FrmAbout::FrmAbout() : Form(design::kFrmAbout)
{
    create();
    m_icon = Picture("tictactoe", "ico", dpi());
}

void FrmAbout::open()
{
    if (!g_about) {
        g_about = new FrmAbout;
        g_about->focus(g_about->control("Command1")); // the first in its tab order
        ShowWindow(g_about->hwnd(), SW_SHOWNORMAL);
    }
    SetForegroundWindow(g_about->hwnd());
}

void FrmAbout::destroyed()
{
    g_about = nullptr;
    delete this;
}

void FrmAbout::clicked(const design::Control& control)
{
    if (std::strcmp(control.name, "Command1") == 0) // OK
        DestroyWindow(hwnd());
    else if (std::strcmp(control.name, "Command2") == 0)
        startVersionProgram();
}

// The system's version program at the design's fixed path, in a normal window that takes the
// focus (window style 1), not waited for. That path holds it only on the first Windows; on every
// later one it stands in the system folder, and is started from there. Should neither start,
// the player is told why, and the About window and the game carry on.
void FrmAbout::startVersionProgram()
{
    std::wstring path = L"C:\\windows\\winver.exe";
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        wchar_t system[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(system, MAX_PATH);
        if (length > 0 && length < MAX_PATH)
            path = std::wstring(system) + L"\\winver.exe";
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    std::wstring commandLine = L"\"" + path + L"\"";
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        const std::wstring why = L"The system information program could not be started.\n\n" + path + L": "
            + describe(GetLastError());
        MessageBoxW(hwnd(), why.c_str(), wide(design().title).c_str(), MB_OK | MB_ICONWARNING);
        return;
    }
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
}

void FrmAbout::paint(const design::Control& control, HDC dc, const RECT& area)
{
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    if (std::strcmp(control.name, "Image1") == 0) {
        m_icon.draw(dc, area); // the program icon, stretched to fill its control
    } else if (control.kind == design::Kind::Frame) {
        // A sunken rule across the middle of its frame.
        RECT rule{area.left, (area.top + area.bottom) / 2 - 1, area.right, (area.top + area.bottom) / 2 + 1};
        DrawEdge(dc, &rule, EDGE_ETCHED, BF_TOP);
    }
}

LRESULT FrmAbout::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Form::handle(message, wParam, lParam);
    if (message == WM_DPICHANGED)
        m_icon = Picture("tictactoe", "ico", dpi());
    return result;
}
