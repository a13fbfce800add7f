// What the installer scenario needs of Windows itself, where wine has no accessibility tree for
// plain Win32 dialogs:
//   winprobe controls TITLE     the visible controls of the top window TITLE, one a line:
//                               class, text, checked (1/0/-), enabled (1/0)
//   winprobe token NAME         the token of each process whose executable is NAME:
//                               elevated|not-elevated and full|limited|default
#include <windows.h>

#include <tlhelp32.h>

#include "utf8.h"

#include <cstdio>
#include <cwchar>

namespace {

BOOL CALLBACK printControl(HWND control, LPARAM)
{
    if (!IsWindowVisible(control))
        return TRUE;
    wchar_t kind[64] = L"", text[512] = L"";
    GetClassNameW(control, kind, 64);
    // GetWindowText gives another process's edit boxes as empty: their text has to be asked for.
    DWORD_PTR length = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, 512, LPARAM(text), SMTO_ABORTIFHUNG, 5000, &length);
    // One control a line: a text's own line breaks become spaces.
    for (wchar_t *c = text; *c; ++c)
        if (*c == L'\r' || *c == L'\n' || *c == L'\t')
            *c = L' ';
    const char *checked = "-";
    if (_wcsicmp(kind, L"Button") == 0) {
        const LONG style = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
        if (style == BS_CHECKBOX || style == BS_AUTOCHECKBOX || style == BS_RADIOBUTTON ||
            style == BS_AUTORADIOBUTTON)
            checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "1" : "0";
    }
    std::printf("%s\t%s\t%s\t%d\n", utf8(kind).c_str(), utf8(text).c_str(), checked,
                IsWindowEnabled(control) ? 1 : 0);
    return TRUE;
}

int controls(const wchar_t *title)
{
    const HWND window = FindWindowW(nullptr, title);
    if (!window) {
        std::fprintf(stderr, "no window titled so\n");
        return 1;
    }
    EnumChildWindows(window, printControl, 0);
    return 0;
}

int token(const wchar_t *name)
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    int found = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, name) != 0)
            continue;
        const HANDLE process =
            OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        HANDLE processToken = nullptr;
        TOKEN_ELEVATION elevation{};
        TOKEN_ELEVATION_TYPE type{};
        DWORD size = 0;
        if (!process || !OpenProcessToken(process, TOKEN_QUERY, &processToken) ||
            !GetTokenInformation(processToken, TokenElevation, &elevation, sizeof elevation,
                                 &size) ||
            !GetTokenInformation(processToken, TokenElevationType, &type, sizeof type, &size)) {
            std::fprintf(stderr, "cannot read the token of process %lu (%lu)\n",
                         entry.th32ProcessID, GetLastError());
            return 1;
        }
        std::printf("%s\t%s\n", elevation.TokenIsElevated ? "elevated" : "not-elevated",
                    type == TokenElevationTypeFull      ? "full"
                    : type == TokenElevationTypeLimited ? "limited"
                                                        : "default");
        CloseHandle(processToken);
        CloseHandle(process);
        ++found;
    }
    CloseHandle(snapshot);
    if (!found)
        std::fprintf(stderr, "no process of that name\n");
    return found ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc == 3 && std::wcscmp(argv[1], L"controls") == 0)
        return controls(argv[2]);
    if (argc == 3 && std::wcscmp(argv[1], L"token") == 0)
        return token(argv[2]);
    std::fprintf(stderr, "usage: winprobe controls TITLE | token NAME\n");
    return 2;
}
