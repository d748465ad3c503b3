#include "hangar/core/file_calls.h"
#include "hangar/core/file_error.h"
#include "hangar/core/safe_file.h"
#include "hangar/core/temporary_name.h"
#include "hangar/platform/windows/win32_error.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

namespace
{
// Makes a system call, unless the fault a test installed says it fails: then the last error is
// its error and the call's failure value is returned.
template <typename Result, typename Call> Result Made(FileCall kind, Result failed, Call call)
{
    if (const unsigned long error = InjectedFailure(kind))
    {
        SetLastError(static_cast<DWORD>(error));
        return failed;
    }
    return call();
}

DWORD Attributes(const std::wstring& path)
{
    return Made(FileCall::Inspect, INVALID_FILE_ATTRIBUTES,
                [&] { return GetFileAttributesW(path.c_str()); });
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

bool IsNotFound(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// What another program holding the file gives for a moment: a synchronising client, a virus
// scanner or the search indexer opening it without sharing, or the server reading it.
bool IsHeld(DWORD error)
{
    return ClassifyFileError(ErrnoOf(error)) == FileErrorClass::Held;
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

class Handle
{
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    bool IsOk() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    // The handle is released even when the system (or a fault of a test) reports a failure.
    bool Close()
    {
        if (!IsOk())
            return true;
        const unsigned long injected = InjectedFailure(FileCall::Close);
        const bool closed = CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        if (injected != 0)
            SetLastError(static_cast<DWORD>(injected));
        return closed && injected == 0;
    }

private:
    HANDLE m_handle;
};

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
        !Made(FileCall::Inspect, FALSE,
              [&]
              {
                  return GetFileSecurityW(path.c_str(), OWNER_SECURITY_INFORMATION,
                                          descriptor.data(), size, &size);
              }) ||
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

// True when a time the system gave lies more than kAbandonedTemporaryMinutes in the past.
bool LongAgo(const FILETIME& written)
{
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& time)
    { return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime; };
    const ULONGLONG age = 10000000ULL * 60 * kAbandonedTemporaryMinutes; // in 100 ns
    return ticks(written) + age < ticks(now);
}

// Removes the temporary copies of `target` that writes killed before their move left beside it
// (they may hold passwords): plain files of this user with the writer's own names, not written
// for kAbandonedTemporaryMinutes. Whatever this meets, the write goes on.
void RemoveAbandonedTemporaries(const std::wstring& target)
{
    std::wstring folder;
    std::wstring name;
    SplitPath(target, &folder, &name);
    WIN32_FIND_DATAW found = {};
    const HANDLE search =
        Made(FileCall::List, INVALID_HANDLE_VALUE,
             [&] { return FindFirstFileW((folder + L".*.hangar-*").c_str(), &found); });
    if (search == INVALID_HANDLE_VALUE)
        return;
    const std::vector<std::vector<BYTE>> own = OwnTokenSids();
    const DWORD notPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT |
                           FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;
    do
    {
        const std::wstring entry = found.cFileName;
        if (IsTemporaryNameOf(entry, name) && (found.dwFileAttributes & notPlain) == 0 &&
            LongAgo(found.ftLastWriteTime) && OwnedByThisUser(folder + entry, own))
            Made(FileCall::Remove, FALSE, [&] { return DeleteFileW((folder + entry).c_str()); });
    } while (Made(FileCall::List, FALSE, [&] { return FindNextFileW(search, &found); }));
    FindClose(search);
}

// A move over a file that another program holds open may be refused as "access denied" (so it is
// under Wine); opening the file for deletion tells a file held (a sharing violation) from one
// that may not be replaced.
DWORD WhyNotReplaced(const std::wstring& target, DWORD error)
{
    if (error != ERROR_ACCESS_DENIED)
        return error;
    Handle probe(Made(FileCall::Inspect, INVALID_HANDLE_VALUE,
                      [&]
                      {
                          return CreateFileW(target.c_str(), DELETE,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                             nullptr, OPEN_EXISTING, 0, nullptr);
                      }));
    return !probe.IsOk() && GetLastError() == ERROR_SHARING_VIOLATION ? ERROR_SHARING_VIOLATION
                                                                      : error;
}

int ReadAll(HANDLE file, std::string* bytes, wxString* reason)
{
    char buffer[65536];
    for (;;)
    {
        DWORD got = 0;
        if (!Made(FileCall::Read, FALSE,
                  [&] { return ReadFile(file, buffer, sizeof buffer, &got, nullptr); }))
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
        if (!Made(FileCall::Write, FALSE,
                  [&] { return WriteFile(file, bytes.data() + written, chunk, &put, nullptr); }))
            return LastFailure(reason);
        written += put;
    }
    return 0;
}

// The longest path the system takes without the long-path form: MAX_PATH with its closing NUL.
constexpr size_t kPathLimit = MAX_PATH - 1;

// A new file beside `target`, named as temporary_name.h says, its name part cut short so that its
// path is no longer than the target's or kPathLimit; INVALID_HANDLE_VALUE with *error set when
// none could be made.
HANDLE CreateTemporaryBeside(const std::wstring& target, std::wstring* temp, int* error,
                             wxString* reason)
{
    std::wstring folder;
    std::wstring name;
    SplitPath(target, &folder, &name);
    const size_t limit = std::max(target.size(), kPathLimit);
    const size_t fixed =
        folder.size() + TemporaryPrefix(std::wstring(), 0).size() + kTemporaryRandomLength;
    const size_t namePart =
        std::min({name.size(), kTemporaryNamePartMax, limit > fixed ? limit - fixed : 0});
    const wchar_t digits[] = L"0123456789abcdefghijklmnopqrstuvwxyz";
    LARGE_INTEGER counter = {};
    QueryPerformanceCounter(&counter);
    unsigned long long seed = (static_cast<unsigned long long>(GetCurrentProcessId()) << 40) ^
                              static_cast<unsigned long long>(counter.QuadPart);
    for (unsigned attempt = 0; attempt < 100; ++attempt)
    {
        *temp = folder + TemporaryPrefix(name, namePart);
        for (size_t i = 0; i < kTemporaryRandomLength; ++i)
        {
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
            *temp += digits[(seed >> 33) % 36];
        }
        const HANDLE file = Made(FileCall::Open, INVALID_HANDLE_VALUE,
                                 [&]
                                 {
                                     return CreateFileW(temp->c_str(), GENERIC_WRITE, 0, nullptr,
                                                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
                                 });
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
    const DWORD attributes = Attributes(native);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return LastFailure(reason);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return OwnFailure(EISDIR, reason);
    // Others may replace or delete the file meanwhile, as the launcher itself does.
    HANDLE opened = INVALID_HANDLE_VALUE;
    RetryWhileHeld(
        [&]
        {
            opened =
                Made(FileCall::Open, INVALID_HANDLE_VALUE,
                     [&]
                     {
                         return CreateFileW(native.c_str(), GENERIC_READ,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
                     });
            return opened != INVALID_HANDLE_VALUE;
        });
    Handle file(opened);
    if (!file.IsOk())
        return LastFailure(reason);
    if (GetFileType(file.Get()) != FILE_TYPE_DISK)
        return OwnFailure(EINVAL, reason); // a device or a pipe
    LARGE_INTEGER size = {};
    if (!Made(FileCall::Inspect, FALSE, [&] { return GetFileSizeEx(file.Get(), &size); }))
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
    const DWORD attributes = Attributes(native);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    // Opening follows the link; asking for no access at all opens even a held file.
    Handle file(Made(FileCall::Inspect, INVALID_HANDLE_VALUE,
                     [&]
                     {
                         return CreateFileW(native.c_str(), 0,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                            nullptr);
                     }));
    return !file.IsOk() && IsNotFound(GetLastError());
}

// The Windows counterpart of the POSIX writer: the temporary file is flushed to disk and moved
// over the target in one step that is itself written through. File modes have no counterpart
// here: the new file gets the folder's inherited permissions.
int WriteFileAtomically(const wxString& path, const std::string& bytes, wxString* reason)
{
    const std::wstring target = path.ToStdWstring();
    // Only a path that does not exist is a new file; any other failure to look at it stops the
    // write.
    const DWORD attributes = Attributes(target);
    if (attributes == INVALID_FILE_ATTRIBUTES && !IsNotFound(GetLastError()))
        return LastFailure(reason);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
        IsDanglingLink(path))
        return OwnFailure(kDanglingLink, reason);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return OwnFailure(EISDIR, reason);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return OwnFailure(kReadOnlyFile, reason);

    RemoveAbandonedTemporaries(target);
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
    if (!Made(FileCall::Flush, FALSE, [&] { return FlushFileBuffers(file.Get()); }))
        return fail(LastFailure(reason));
    if (!file.Close())
        return fail(LastFailure(reason));
    if (!RetryWhileHeld(
            [&]
            {
                if (Made(FileCall::Rename, FALSE,
                         [&]
                         {
                             return MoveFileExW(temp.c_str(), target.c_str(),
                                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
                         }))
                    return true;
                SetLastError(WhyNotReplaced(target, GetLastError()));
                return false;
            }))
        return fail(LastFailure(reason));
    return 0;
}

int MakeOneFolder(const wxString& path, wxString* reason)
{
    const std::wstring native = path.ToStdWstring();
    if (Made(FileCall::MakeFolder, FALSE,
             [&] { return CreateDirectoryW(native.c_str(), nullptr); }))
        return 0;
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(native.c_str());
    if (error == ERROR_ALREADY_EXISTS && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return 0; // made meanwhile by someone else
    return Failed(error, reason);
}
