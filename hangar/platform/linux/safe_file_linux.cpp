#include "hangar/core/file_calls.h"
#include "hangar/core/safe_file.h"
#include "hangar/core/temporary_name.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
std::string NativePath(const wxString& path)
{
    const wxCharBuffer native = path.fn_str();
    return native.data() ? std::string(native.data()) : std::string();
}

// Makes a system call, unless the fault a test installed says it fails: then errno is its error
// and the call's failure value is returned.
template <typename Result, typename Call> Result Made(FileCall kind, Result failed, Call call)
{
    if (const unsigned long error = InjectedFailure(kind))
    {
        errno = static_cast<int>(error);
        return failed;
    }
    return call();
}

int Stat(const std::string& path, struct stat* info)
{
    return Made(FileCall::Inspect, -1, [&] { return stat(path.c_str(), info); });
}

int Lstat(const std::string& path, struct stat* info)
{
    return Made(FileCall::Inspect, -1, [&] { return lstat(path.c_str(), info); });
}

// close() releases the descriptor even when it reports a failure; so does a failure injected.
int Close(int fd)
{
    const unsigned long injected = InjectedFailure(FileCall::Close);
    const int closed = close(fd);
    if (injected == 0)
        return closed;
    errno = static_cast<int>(injected);
    return -1;
}

// While it lives, a file-size limit (RLIMIT_FSIZE) makes a write fail with EFBIG, to be reported
// like any other failed write, rather than end the program with SIGXFSZ in the middle of a save.
class FileSizeSignalIgnored
{
public:
    FileSizeSignalIgnored()
    {
        struct sigaction ignore = {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        sigaction(SIGXFSZ, &ignore, &m_previous);
    }
    ~FileSizeSignalIgnored() { sigaction(SIGXFSZ, &m_previous, nullptr); }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    struct sigaction m_previous = {};
};

// Makes the rename itself durable; the file's own data is already on disk. The new file is in
// place whatever this meets, so it reports nothing.
void SyncFolder(const std::string& folder)
{
    const int fd = Made(FileCall::SyncFolder, -1,
                        [&] { return open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
    if (fd < 0)
        return;
    Made(FileCall::SyncFolder, -1, [&] { return fsync(fd); });
    close(fd);
}

// 0 when info describes a regular file the launcher may read, otherwise the reason.
int ReadableKind(const struct stat& info)
{
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    if (!S_ISREG(info.st_mode))
        return EINVAL;
    if (static_cast<unsigned long long>(info.st_size) > kMaxReadFileSize)
        return EFBIG;
    return 0;
}

// Leaves the system's words for a failure in *reason, when asked for, and returns the failure. A
// full quota counts as a full disk, in its own words.
int Failed(int error, wxString* reason)
{
    if (reason)
        *reason = error > 0 ? wxString(std::strerror(error), wxConvLibc) : wxString();
    return error == EDQUOT ? ENOSPC : error;
}

// Removes the temporary copies of `name` that writes killed before their rename left in the
// folder (they may hold passwords): regular files of this user with the writer's own names, not
// written for kAbandonedTemporaryMinutes. Whatever this meets, the write goes on.
void RemoveAbandonedTemporaries(const std::string& folder, const std::string& name)
{
    DIR* dir =
        Made(FileCall::List, static_cast<DIR*>(nullptr), [&] { return opendir(folder.c_str()); });
    if (!dir)
        return;
    const time_t abandoned = time(nullptr) - kAbandonedTemporaryMinutes * 60;
    while (const dirent* entry =
               Made(FileCall::List, static_cast<dirent*>(nullptr), [&] { return readdir(dir); }))
    {
        struct stat info = {};
        if (IsTemporaryNameOf(std::string(entry->d_name), name) &&
            Made(FileCall::Inspect, -1,
                 [&]
                 { return fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW); }) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == geteuid() && info.st_mtime < abandoned)
            Made(FileCall::Remove, -1, [&] { return unlinkat(dirfd(dir), entry->d_name, 0); });
    }
    closedir(dir);
}

int ReadAll(int fd, std::string* bytes)
{
    char buffer[65536];
    for (;;)
    {
        const ssize_t got =
            Made(FileCall::Read, ssize_t(-1), [&] { return read(fd, buffer, sizeof buffer); });
        if (got == 0)
            return 0;
        if (got < 0 && errno != EINTR)
            return errno;
        if (got > 0)
            bytes->append(buffer, static_cast<size_t>(got));
        if (bytes->size() > kMaxReadFileSize)
            return EFBIG; // grew while it was read
    }
}

int WriteAll(int fd, const std::string& bytes)
{
    size_t written = 0;
    while (written < bytes.size())
    {
        const ssize_t put =
            Made(FileCall::Write, ssize_t(-1),
                 [&] { return write(fd, bytes.data() + written, bytes.size() - written); });
        if (put < 0 && errno != EINTR)
            return errno;
        if (put > 0)
            written += static_cast<size_t>(put);
    }
    return 0;
}
} // namespace

int ReadWholeFile(const wxString& path, std::string* bytes, wxString* reason)
{
    bytes->clear();
    const std::string native = NativePath(path);
    // Judged before opening: opening a device can have effects of its own.
    struct stat info = {};
    if (Stat(native, &info) != 0)
    {
        // Only a folder of the path can deny a look at a file's kind.
        const int error = Failed(errno, reason);
        return error == EACCES ? kFolderNotSearchable : error;
    }
    if (const int kind = ReadableKind(info))
        return Failed(kind, reason);
    // Non-blocking, so that a named pipe put there in the meantime cannot hang the program.
    const int fd = Made(FileCall::Open, -1,
                        [&] { return open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); });
    if (fd < 0)
        return Failed(errno, reason);
    int error = Made(FileCall::Inspect, -1, [&] { return fstat(fd, &info); }) != 0
                    ? errno
                    : ReadableKind(info);
    if (error == 0)
    {
        bytes->reserve(static_cast<size_t>(info.st_size));
        error = ReadAll(fd, bytes);
    }
    if (error != 0)
        bytes->clear();
    close(fd);
    return error != 0 ? Failed(error, reason) : 0;
}

bool IsDanglingLink(const wxString& path)
{
    const std::string native = NativePath(path);
    struct stat info = {};
    if (Lstat(native, &info) != 0 || !S_ISLNK(info.st_mode) || Stat(native, &info) == 0)
        return false;
    return errno == ENOENT || errno == ENOTDIR; // what it points at cannot be there
}

int WriteFileAtomically(const wxString& path, const std::string& bytes, wxString* reason)
{
    // Where the bytes really go: the file a symbolic link points at, or the path itself. Only a
    // path that does not exist is a new file; any other failure to look at it stops the write.
    std::string target = NativePath(path);
    struct stat old = {};
    bool exists = true;
    if (Lstat(target, &old) != 0)
    {
        if (errno != ENOENT)
            return Failed(errno, reason);
        exists = false;
    }
    else if (S_ISLNK(old.st_mode))
    {
        if (Stat(target, &old) != 0)
        {
            const int error = errno;
            return Failed(error == ENOENT || error == ENOTDIR ? kDanglingLink : error, reason);
        }
        char* resolved = Made(FileCall::Inspect, static_cast<char*>(nullptr),
                              [&] { return realpath(target.c_str(), nullptr); });
        if (!resolved)
            return Failed(errno, reason);
        target = resolved;
        std::free(resolved);
    }
    if (exists && S_ISDIR(old.st_mode))
        return Failed(EISDIR, reason);
    if (exists && !S_ISREG(old.st_mode))
        return Failed(EINVAL, reason); // never replace a device or a pipe with a regular file
    if (exists && (old.st_mode & S_IWUSR) == 0)
        return Failed(kReadOnlyFile, reason); // root could write it, but its owner said no

    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    RemoveAbandonedTemporaries(folder, name);

    std::string temp = folder + TemporaryPrefix(name, kTemporaryNamePartMax) + "XXXXXX";
    int fd = Made(FileCall::Open, -1, [&] { return mkstemp(temp.data()); }); // created 0600
    if (fd < 0)
        return Failed(errno, reason);
    const auto fail = [&](int error)
    {
        if (fd >= 0)
            close(fd);
        unlink(temp.c_str());
        return Failed(error, reason);
    };

    const FileSizeSignalIgnored fileSizeSignalIgnored;
    if (const int error = WriteAll(fd, bytes))
        return fail(error);
    if (Made(FileCall::Flush, -1, [&] { return fsync(fd); }) != 0)
        return fail(errno);

    // The old file's permissions only now, when the file is about to take its place: until then
    // a copy of the settings (passwords included) is never readable by others.
    if (exists)
    {
        if (Made(FileCall::SetPermissions, -1, [&] { return fchmod(fd, old.st_mode & 07777); }) !=
            0)
            return fail(errno);
        if ((old.st_uid != geteuid() || old.st_gid != getegid()) &&
            Made(FileCall::SetPermissions, -1,
                 [&] { return fchown(fd, old.st_uid, old.st_gid); }) != 0)
        {
            // Only a privileged process may give a file away; the file then becomes ours.
        }
    }
    const int closed = Close(fd);
    fd = -1;
    if (closed != 0)
        return fail(errno);
    if (Made(FileCall::Rename, -1, [&] { return rename(temp.c_str(), target.c_str()); }) != 0)
        return fail(errno);
    SyncFolder(folder);
    return 0;
}

int MakeOneFolder(const wxString& path, wxString* reason)
{
    const std::string native = NativePath(path);
    if (Made(FileCall::MakeFolder, -1, [&] { return mkdir(native.c_str(), 0777); }) == 0)
        return 0;
    const int error = errno;
    struct stat info = {};
    if (error == EEXIST && stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return 0; // made meanwhile by someone else
    return Failed(error, reason);
}
