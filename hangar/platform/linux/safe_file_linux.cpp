#include "hangar/core/safe_file.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
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

// Where the bytes really go: the file a symbolic link points at, or the path itself.
std::string Target(const std::string& path)
{
    struct stat info = {};
    if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
    {
        if (char* resolved = realpath(path.c_str(), nullptr))
        {
            std::string target(resolved);
            std::free(resolved);
            return target;
        }
    }
    return path;
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

void SyncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd); // makes the rename itself durable; the file's own data is already on disk
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

// Leaves the system's words for a failure in *reason, when asked for, and returns the failure.
int Failed(int error, wxString* reason)
{
    if (reason)
        *reason = error > 0 ? wxString(std::strerror(error), wxConvLibc) : wxString();
    return error;
}

// The name of a temporary file of `name` is ".<name>.XXXXXX" (mkstemp's pattern), the name
// shortened so that the whole stays within NAME_MAX.
std::string TemporaryPrefix(const std::string& name)
{
    return "." + name.substr(0, 200) + ".";
}

bool IsTemporaryOf(const std::string& prefix, const char* entry)
{
    const size_t length = std::strlen(entry);
    if (length != prefix.size() + 6 || prefix.compare(0, prefix.size(), entry, prefix.size()) != 0)
        return false;
    for (size_t i = prefix.size(); i < length; ++i)
    {
        const char c = entry[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

// Removes the temporary files that writes of `name` killed before their rename left in the
// folder (they may hold passwords): regular files of this user with the writer's own names.
void RemoveStaleTemporaries(const std::string& folder, const std::string& name)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return;
    const std::string prefix = TemporaryPrefix(name);
    while (const dirent* entry = readdir(dir))
    {
        struct stat info = {};
        if (IsTemporaryOf(prefix, entry->d_name) &&
            fstatat(dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(info.st_mode) && info.st_uid == geteuid())
            unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}

int ReadAll(int fd, std::string* bytes)
{
    char buffer[65536];
    for (;;)
    {
        const ssize_t got = read(fd, buffer, sizeof buffer);
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
} // namespace

int ReadWholeFile(const wxString& path, std::string* bytes, wxString* reason)
{
    bytes->clear();
    const std::string native = NativePath(path);
    // Judged before opening: opening a device can have effects of its own.
    struct stat info = {};
    if (stat(native.c_str(), &info) != 0)
        return Failed(errno, reason);
    if (const int kind = ReadableKind(info))
        return Failed(kind, reason);
    // Non-blocking, so that a named pipe put there in the meantime cannot hang the program.
    const int fd = open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Failed(errno, reason);
    int error = fstat(fd, &info) != 0 ? errno : ReadableKind(info);
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
    return lstat(native.c_str(), &info) == 0 && S_ISLNK(info.st_mode) &&
           stat(native.c_str(), &info) != 0 && errno == ENOENT;
}

int WriteFileAtomically(const wxString& path, const std::string& bytes, wxString* reason)
{
    if (IsDanglingLink(path))
        return Failed(kDanglingLink, reason);
    const std::string target = Target(NativePath(path));
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);

    struct stat old = {};
    const bool exists = stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return Failed(EISDIR, reason);
    if (exists && !S_ISREG(old.st_mode))
        return Failed(EINVAL, reason); // never replace a device or a pipe with a regular file
    if (exists && (old.st_mode & S_IWUSR) == 0)
        return Failed(kReadOnlyFile, reason); // root could write it, but its owner said no

    RemoveStaleTemporaries(folder, name);
    std::string temp = folder + TemporaryPrefix(name) + "XXXXXX";
    int fd = mkstemp(temp.data()); // created 0600
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
    size_t written = 0;
    while (written < bytes.size())
    {
        const ssize_t put = write(fd, bytes.data() + written, bytes.size() - written);
        if (put < 0)
        {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        written += static_cast<size_t>(put);
    }
    if (fsync(fd) != 0)
        return fail(errno);

    // The old file's permissions only now, when the file is about to take its place: until then
    // a copy of the settings (passwords included) is never readable by others.
    if (exists)
    {
        if (fchmod(fd, old.st_mode & 07777) != 0)
            return fail(errno);
        if ((old.st_uid != geteuid() || old.st_gid != getegid()) &&
            fchown(fd, old.st_uid, old.st_gid) != 0)
        {
            // Only a privileged process may give a file away; the file then becomes ours.
        }
    }
    const int closed = close(fd);
    fd = -1;
    if (closed != 0)
        return fail(errno);
    if (rename(temp.c_str(), target.c_str()) != 0)
        return fail(errno);
    SyncFolder(folder);
    return 0;
}
