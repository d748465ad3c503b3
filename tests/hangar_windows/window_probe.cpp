// Drives a program's windows from outside, as an operator would, where the window system of the
// test machine cannot see into them (Wine draws a program's controls inside its top-level X
// windows):
//   window_probe press TITLE LABEL   presses the button LABEL of the window whose title holds
//                                    TITLE (not a message box)
//   window_probe message TITLE       prints the texts of the message box whose title holds TITLE,
//                                    one a line (UTF-8), and closes it with OK
// Each waits up to a minute for its window; the exit status is 0 when it was found, 1 otherwise.

#include <windows.h>

#include <string>
#include <vector>

namespace
{
std::wstring TextOf(HWND window)
{
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

std::wstring ClassOf(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

BOOL CALLBACK Collect(HWND window, LPARAM data)
{
    reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

// The top-level windows (for a null parent), or the child windows of `parent`.
std::vector<HWND> Windows(HWND parent)
{
    std::vector<HWND> windows;
    if (parent)
        EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&windows));
    else
        EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

HWND FindButton(HWND window, const std::wstring& label)
{
    for (HWND child : Windows(window))
    {
        if (ClassOf(child) == L"Button" && TextOf(child) == label && IsWindowEnabled(child))
            return child;
    }
    return nullptr;
}

// The visible top-level window (a message box or not) whose title holds `title`, once `ready`
// accepts it; null after a minute.
template <typename Ready>
HWND WaitForWindow(const std::wstring& title, bool messageBox, Ready ready)
{
    for (int tries = 0; tries < 1200; ++tries)
    {
        for (HWND window : Windows(nullptr))
        {
            if (IsWindowVisible(window) && (ClassOf(window) == L"#32770") == messageBox &&
                TextOf(window).find(title) != std::wstring::npos && ready(window))
                return window;
        }
        Sleep(50);
    }
    return nullptr;
}

void Print(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
              &written, nullptr);
}

// Posted, not sent: the click's handler may show a modal message box, and this returns at once.
int Press(const std::wstring& title, const std::wstring& label)
{
    const HWND window =
        WaitForWindow(title, false, [&](HWND found) { return FindButton(found, label); });
    if (!window)
        return 1;
    const HWND button = FindButton(window, label);
    PostMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    return 0;
}

int ShowMessage(const std::wstring& title)
{
    const HWND box = WaitForWindow(title, true, [](HWND) { return true; });
    if (!box)
        return 1;
    for (HWND child : Windows(box))
    {
        const std::wstring text = TextOf(child);
        if (ClassOf(child) == L"Static" && !text.empty())
            Print(text + L"\n");
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return 0;
}
} // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"press" && argc == 4)
        return Press(argv[2], argv[3]);
    if (command == L"message" && argc == 3)
        return ShowMessage(argv[2]);
    Print(L"usage: window_probe press TITLE LABEL | message TITLE\n");
    return 2;
}
