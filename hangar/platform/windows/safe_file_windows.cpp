#include "hangar/core/safe_file.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

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

// The system's own words for a Win32 error, without the line end and the full stop that its
// messages end with: the launcher's messages put their own.
wxString SystemText(DWORD error)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    wxString text = length != 0 ? wxString(buffer, length) : wxString::Format("Error %lu", error);
    if (buffer)
        LocalFree(buffer);
    text.Trim();
    if (text.EndsWith("."))
        text.RemoveLast();
    return text;
}

// Returns the errno value of a Win32 error, leaving the system's words for it in *reason.
int Failed(DWORD error, wxString* reason)
{
    if (reason)
        *reason = SystemText(error);
    return ErrnoOf(error);
}

int LastFailure(wxString* reason)
{
    return Failed(GetLastError(), reason);
}

// One of the launcher's own reasons, for which the system has no words of its own.
int OwnFailure(int error, wxString* reason)
{
    if (reason)
        reason->clear();
    return error;
}

// What another program holding the file gives for a moment: a synchronising client, a virus
// scanner or the search indexer opening it without sharing, or the server reading it.
bool IsHeld(DWORD error)
{
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED;
}

constexpr ULONGLONG kHeldRetryMs = 2000;
constexpr DWORD kRetryPauseMs = 50;

// Runs step (true when it worked, otherwise the reason in GetLastError) until it works, fails for
// another reason, or the file has been held for about two seconds. GetLastError then tells why.
template <typename Step> bool RetryWhileHeld(Step step)
{
    const ULONGLONG start = GetTickCount64();
    for (;;)
    {
        if (step())
            return true;
        const DWORD error = GetLastError();
        if (!IsHeld(error) || GetTickCount64() - start >= kHeldRetryMs)
        {
            SetLastError(error);
            return false;
        }
        Sleep(kRetryPauseMs);
    }
}

// The security identifiers that this process's new files get as their owner.
std::vector<std::vector<BYTE>> OwnTokenSids()
{
    std::vector<std::vector<BYTE>> sids;
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return sids;
    for (const TOKEN_INFORMATION_CLASS kind : {TokenUser, TokenOwner})
    {
        DWORD size = 0;
        GetTokenInformation(token, kind, nullptr, 0, &size);
        std::vector<BYTE> buffer(size);
        if (size == 0 || !GetTokenInformation(token, kind, buffer.data(), size, &size))
            continue;
        const PSID sid = kind == TokenUser ? reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid
                                           : reinterpret_cast<TOKEN_OWNER*>(buffer.data())->Owner;
        const BYTE* bytes = static_cast<const BYTE*>(sid);
        sids.emplace_back(bytes, bytes + GetLengthSid(sid));
    }
    CloseHandle(token);
    return sids;
}

bool OwnedByThisUser(const std::wstring& path, const std::vector<std::vector<BYTE>>& own)
{
    DWORD size = 0;
    GetFileSecurityW(path.c_str(), OWNER_SECURITY_INFORMATION, nullptr, 0, &size);
    std::vector<BYTE> descriptor(size);
    PSID owner = nullptr;
    BOOL defaulted = FALSE;
    if (size == 0 ||
        !GetFileSecurityW(path.c_str(), OWNER_SECURITY_INFORMATION, descriptor.data(), size,
                          &size) ||
        !GetSecurityDescriptorOwner(descriptor.data(), &owner, &defaulted) || !owner)
        return false;
    for (const std::vector<BYTE>& sid : own)
    {
        if (EqualSid(owner, const_cast<BYTE*>(sid.data())))
            return true;
    }
    return false;
}

// "<folder>" and "<name>" of a path.
void SplitPath(const std::wstring& path, std::wstring* folder, std::wstring* name)
{
    const size_t slash = path.find_last_of(L"\\/");
    *folder = slash == std::wstring::npos ? L"" : path.substr(0, slash + 1);
    *name = slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// The temporary files of `name` are ".<name>.<number>" in its folder.
std::wstring TemporaryPrefix(const std::wstring& name)
{
    return L"." + name.substr(0, 200) + L".";
}

// Removes the temporary files that writes of `target` killed before their move left beside it
// (they may hold passwords): plain files of this user with the writer's own names. One that
// another launcher is writing right now is open without sharing, and stays.
void RemoveStaleTemporaries(const std::wstring& target)
{
    std::wstring folder;
    std::wstring name;
    SplitPath(target, &folder, &name);
    const std::wstring prefix = TemporaryPrefix(name);
    WIN32_FIND_DATAW found = {};
    const HANDLE search = FindFirstFileW((folder + prefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    const std::vector<std::vector<BYTE>> own = OwnTokenSids();
    do
    {
        const std::wstring entry = found.cFileName;
        if (entry.size() <= prefix.size() || entry.compare(0, prefix.size(), prefix) != 0 ||
            !std::all_of(entry.begin() + prefix.size(), entry.end(),
                         [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
            continue;
        const DWORD notPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT |
                               FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM;
        if ((found.dwFileAttributes & notPlain) == 0 && OwnedByThisUser(folder + entry, own))
            DeleteFileW((folder + entry).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
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

// A move over a file that another program holds open may be refused as "access denied" (so it is
// under Wine); opening the file for deletion tells a file held (a sharing violation) from one
// that may not be replaced.
DWORD WhyNotReplaced(const std::wstring& target, DWORD error)
{
    if (error != ERROR_ACCESS_DENIED)
        return error;
    Handle probe(CreateFileW(target.c_str(), DELETE,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, 0, nullptr));
    return !probe.IsOk() && GetLastError() == ERROR_SHARING_VIOLATION ? ERROR_SHARING_VIOLATION
                                                                      : error;
}

int ReadAll(HANDLE file, std::string* bytes, wxString* reason)
{
    char buffer[65536];
    for (;;)
    {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr))
            return LastFailure(reason);
        if (got == 0)
            return 0;
        bytes->append(buffer, got);
        if (bytes->size() > kMaxReadFileSize)
            return OwnFailure(EFBIG, reason); // grew while it was read
    }
}

int WriteAll(HANDLE file, const std::string& bytes, wxString* reason)
{
    size_t written = 0;
    while (written < bytes.size())
    {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - written, 1 << 20));
        DWORD put = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &put, nullptr))
            return LastFailure(reason);
        written += put;
    }
    return 0;
}

// A new file beside `target` named after it, "<folder>.<name>.<number>"; INVALID_HANDLE_VALUE
// with *error set when none could be made.
HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring* temp, int* error,
                             wxString* reason)
{
    std::wstring folder;
    std::wstring name;
    SplitPath(target, &folder, &name);
    const unsigned long long seed =
        (static_cast<unsigned long long>(GetCurrentProcessId()) << 32) ^ GetTickCount64();
    for (unsigned attempt = 0; attempt < 100; ++attempt)
    {
        *temp = folder + TemporaryPrefix(name) + std::to_wstring(seed + attempt);
        const HANDLE file = CreateFileW(temp->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            break;
    }
    *error = LastFailure(reason);
    return INVALID_HANDLE_VALUE;
}
} // namespace

int ReadWholeFile(const wxString& path, std::string* bytes, wxString* reason)
{
    bytes->clear();
    const std::wstring native = path.ToStdWstring();
    const DWORD attributes = GetFileAttributesW(native.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return LastFailure(reason);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return OwnFailure(EISDIR, reason);
    // Others may replace or delete the file meanwhile, as the launcher itself does.
    HANDLE opened = INVALID_HANDLE_VALUE;
    RetryWhileHeld(
        [&]
        {
            opened = CreateFileW(native.c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
            return opened != INVALID_HANDLE_VALUE;
        });
    Handle file(opened);
    if (!file.IsOk())
        return LastFailure(reason);
    if (GetFileType(file.Get()) != FILE_TYPE_DISK)
        return OwnFailure(EINVAL, reason); // a device or a pipe
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size))
        return LastFailure(reason);
    if (static_cast<unsigned long long>(size.QuadPart) > kMaxReadFileSize)
        return OwnFailure(EFBIG, reason);
    bytes->reserve(static_cast<size_t>(size.QuadPart));
    const int error = ReadAll(file.Get(), bytes, reason);
    if (error != 0)
        bytes->clear();
    return error;
}

bool IsDanglingLink(const wxString& path)
{
    const std::wstring native = path.ToStdWstring();
    const DWORD attributes = GetFileAttributesW(native.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    // Opening follows the link; asking for no access at all opens even a held file.
    Handle file(CreateFileW(native.c_str(), 0,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    const DWORD error = file.IsOk() ? ERROR_SUCCESS : GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// The Windows counterpart of the POSIX writer: the temporary file is flushed to disk and moved
// over the target in one step that is itself written through. File modes have no counterpart
// here: the new file gets the folder's inherited permissions.
int WriteFileAtomically(const wxString& path, const std::string& bytes, wxString* reason)
{
    const std::wstring target = path.ToStdWstring();
    if (IsDanglingLink(path))
        return OwnFailure(kDanglingLink, reason);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return OwnFailure(EISDIR, reason);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return OwnFailure(kReadOnlyFile, reason);

    RemoveStaleTemporaries(target);
    std::wstring temp;
    int error = 0;
    Handle file(CreateTemporaryBeside(target, &temp, &error, reason));
    if (!file.IsOk())
        return error;
    const auto fail = [&](int failure)
    {
        file.Close();
        DeleteFileW(temp.c_str());
        return failure;
    };
    if (GetFileType(file.Get()) != FILE_TYPE_DISK)
        return fail(OwnFailure(EINVAL, reason));
    if (const int written = WriteAll(file.Get(), bytes, reason))
        return fail(written);
    if (!FlushFileBuffers(file.Get()))
        return fail(LastFailure(reason));
    if (!file.Close())
        return fail(LastFailure(reason));
    if (!RetryWhileHeld(
            [&]
            {
                if (MoveFileExW(temp.c_str(), target.c_str(),
                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                    return true;
                SetLastError(WhyNotReplaced(target, GetLastError()));
                return false;
            }))
        return fail(LastFailure(reason));
    return 0;
}
