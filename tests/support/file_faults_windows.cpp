#include "tests/support/file_faults.h"

#include <windows.h>

const std::vector<InjectedError>& ErrorsOfFileCalls()
{
    static const std::vector<InjectedError> errors = {
        {ERROR_DISK_FULL, "ERROR_DISK_FULL"},
        {ERROR_IO_DEVICE, "ERROR_IO_DEVICE"},
        {ERROR_ACCESS_DENIED, "ERROR_ACCESS_DENIED"},
        {ERROR_SHARING_VIOLATION, "ERROR_SHARING_VIOLATION"},
        {ERROR_WRITE_PROTECT, "ERROR_WRITE_PROTECT"},
        {ERROR_HANDLE_DISK_FULL, "ERROR_HANDLE_DISK_FULL"},
    };
    return errors;
}

unsigned long AccessDeniedError()
{
    return ERROR_ACCESS_DENIED;
}

unsigned long DiskFullError()
{
    return ERROR_DISK_FULL;
}

wxString SystemWords(unsigned long code)
{
    wchar_t text[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(code), 0, text, 512, nullptr);
    wxString words(text);
    words.Trim();
    if (words.EndsWith("."))
        words.RemoveLast();
    return words;
}

bool DocumentsMayBeProtected()
{
    return true;
}
