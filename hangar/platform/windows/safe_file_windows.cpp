#include "hangar/core/safe_file.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <string>

namespace
{
// The errno value that tells the same failure as a Win32 error code.
int ErrnoOf(DWORD error)
{
    switch (error)
    {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_INVALID_NAME:
        return EINVAL;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    default:
        return EIO;
    }
}

int LastErrno()
{
    return ErrnoOf(GetLastError());
}

class Handle
{
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool IsOk() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    bool Close()
    {
        const bool closed = !IsOk() || CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_handle;
};

int ReadAll(HANDLE file, std::string* bytes)
{
    char buffer[65536];
    for (;;)
    {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr))
            return LastErrno();
        if (got == 0)
            return 0;
        bytes->append(buffer, got);
        if (bytes->size() > kMaxReadFileSize)
            return EFBIG; // grew while it was read
    }
}

int WriteAll(HANDLE file, const std::string& bytes)
{
    size_t written = 0;
    while (written < bytes.size())
    {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - written, 1 << 20));
        DWORD put = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &put, nullptr))
            return LastErrno();
        written += put;
    }
    return 0;
}

// A new file beside `target` named after it, "<folder>.<name>.<number>"; INVALID_HANDLE_VALUE
// with *error set when none could be made.
HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring* temp, int* error)
{
    const size_t slash = target.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"" : target.substr(0, slash + 1);
    const std::wstring name = slash == std::wstring::npos ? target : target.substr(slash + 1);
    const unsigned long long seed =
        (static_cast<unsigned long long>(GetCurrentProcessId()) << 32) ^ GetTickCount64();
    for (unsigned attempt = 0; attempt < 100; ++attempt)
    {
        *temp = folder + L"." + name.substr(0, 200) + L"." + std::to_wstring(seed + attempt);
        const HANDLE file = CreateFileW(temp->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    *error = LastErrno();
    return INVALID_HANDLE_VALUE;
}
} // namespace

int ReadWholeFile(const wxString& path, std::string* bytes)
{
    bytes->clear();
    const std::wstring native = path.ToStdWstring();
    const DWORD attributes = GetFileAttributesW(native.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return LastErrno();
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return EISDIR;
    // Others may replace or delete the file meanwhile, as the launcher itself does.
    Handle file(CreateFileW(native.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOk())
        return LastErrno();
    if (GetFileType(file.Get()) != FILE_TYPE_DISK)
        return EINVAL; // a device or a pipe
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size))
        return LastErrno();
    if (static_cast<unsigned long long>(size.QuadPart) > kMaxReadFileSize)
        return EFBIG;
    bytes->reserve(static_cast<size_t>(size.QuadPart));
    const int error = ReadAll(file.Get(), bytes);
    if (error != 0)
        bytes->clear();
    return error;
}

// The Windows counterpart of the POSIX writer: the temporary file is flushed to disk and moved
// over the target in one step that is itself written through. File modes have no counterpart
// here: the new file gets the folder's inherited permissions.
int WriteFileAtomically(const wxString& path, const std::string& bytes)
{
    const std::wstring target = path.ToStdWstring();
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return EISDIR;

    std::wstring temp;
    int error = 0;
    Handle file(CreateTemporaryBeside(target, &temp, &error));
    if (!file.IsOk())
        return error;
    const auto fail = [&](int failure)
    {
        file.Close();
        DeleteFileW(temp.c_str());
        return failure;
    };
    if (GetFileType(file.Get()) != FILE_TYPE_DISK)
        return fail(EINVAL);
    if (const int written = WriteAll(file.Get(), bytes))
        return fail(written);
    if (!FlushFileBuffers(file.Get()))
        return fail(LastErrno());
    if (!file.Close())
        return fail(LastErrno());
    if (!MoveFileExW(temp.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return fail(LastErrno());
    return 0;
}
