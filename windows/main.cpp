// Starts the game on Windows: its command line, then the main window and the window loop.
#include "form.h"
#include "frmmain.h"
#include "text.h"

#include "programidentity.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <optional>
#include <string>

namespace {

// Written to the console the program was started from, if any, or else shown in a box.
void say(const std::wstring& text, bool error)
{
    HANDLE out = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if ((!out || out == INVALID_HANDLE_VALUE || GetFileType(out) == FILE_TYPE_UNKNOWN) && AttachConsole(ATTACH_PARENT_PROCESS))
        out = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD written = 0;
    if (out && out != INVALID_HANDLE_VALUE) {
        if (GetFileType(out) == FILE_TYPE_CHAR && WriteConsoleW(out, text.c_str(), DWORD(text.size()), &written, nullptr))
            return;
        const std::string bytes = narrow(text);
        if (WriteFile(out, bytes.data(), DWORD(bytes.size()), &written, nullptr))
            return;
    }
    MessageBoxW(nullptr, text.c_str(), wide(game::kProgramName).c_str(), MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
}

// --help and --version, with their short and Windows forms; the game takes nothing else. Returns
// the exit status when the command line has been answered.
std::optional<int> readCommandLine()
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring name = wide(game::kProgramName);
    const std::wstring usage = L"Usage: " + name + L" [--help] [--version]\n\nTAVROK Tic-Tac-Toe: noughts and crosses against "
                               L"the computer.\n\n  -h, --help, /?     Shows this help.\n  -v, --version, /v  Shows the "
                               L"version.\n";
    std::optional<int> status;
    if (count > 1) {
        const std::wstring argument = arguments[1];
        if (argument == L"--help" || argument == L"-h" || argument == L"/?" || argument == L"/h") {
            say(usage, false);
            status = 0;
        } else if (argument == L"--version" || argument == L"-v" || argument == L"/v") {
            say(name + L" " + wide(game::kVersion) + L"\n", false);
            status = 0;
        } else {
            say(name + L": Unexpected argument '" + argument + L"'.\n" + usage, true);
            status = 2;
        }
    }
    LocalFree(arguments);
    return status;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    if (const std::optional<int> answered = readCommandLine())
        return *answered;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    auto* window = new FrmMain;
    window->show(show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (Form::preTranslate(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    delete window;
    CoUninitialize();
    return int(message.wParam);
}
