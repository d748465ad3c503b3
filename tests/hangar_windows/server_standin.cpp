// A stand-in for the dedicated server, "TROVServer.exe": writes the folder it runs in and the
// arguments it was given, one a line ("folder=...", "arg=..."; UTF-8), to the file named by the
// environment variable IC_STANDIN_RECORD, whole or not at all, then exits.

#include <windows.h>

#include <shellapi.h>
#include <string>

namespace
{
std::string Utf8(const std::wstring& text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    return bytes;
}
} // namespace

int wmain()
{
    wchar_t record[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"IC_STANDIN_RECORD", record, MAX_PATH) == 0)
        return 2;
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);

    std::string text = "folder=" + Utf8(folder) + "\n";
    int count = 0;
    // The command line as the system splits it, not as the C runtime does.
    if (wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count))
    {
        for (int i = 1; i < count; ++i)
            text += "arg=" + Utf8(args[i]) + "\n";
        LocalFree(args);
    }

    const std::wstring part = std::wstring(record) + L".part";
    const HANDLE file =
        CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const bool ok =
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
        written == text.size();
    CloseHandle(file);
    return ok && MoveFileExW(part.c_str(), record, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
