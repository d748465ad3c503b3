#include "hangar/core/safe_file.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
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

int ReadWholeFile(const wxString& path, std::string* bytes)
{
    bytes->clear();
    const std::string native = NativePath(path);
    // Judged before opening: opening a device can have effects of its own.
    struct stat info = {};
    if (stat(native.c_str(), &info) != 0)
        return errno;
    if (const int kind = ReadableKind(info))
        return kind;
    // Non-blocking, so that a named pipe put there in the meantime cannot hang the program.
    const int fd = open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = fstat(fd, &info) != 0 ? errno : ReadableKind(info);
    if (error == 0)
    {
        bytes->reserve(static_cast<size_t>(info.st_size));
        error = ReadAll(fd, bytes);
    }
    if (error != 0)
        bytes->clear();
    close(fd);
    return error;
}

int WriteFileAtomically(const wxString& path, const std::string& bytes)
{
    const std::string target = Target(NativePath(path));
    const size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);

    struct stat old = {};
    const bool exists = stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return EISDIR;
    if (exists && !S_ISREG(old.st_mode))
        return EINVAL; // never replace a device or a pipe with a regular file

    // ".<name>.XXXXXX" beside the target; long names are shortened to stay within NAME_MAX.
    std::string temp = folder + "." + name.substr(0, 200) + ".XXXXXX";
    int fd = mkstemp(temp.data()); // created 0600
    if (fd < 0)
        return errno;
    const auto fail = [&](int error)
    {
        if (fd >= 0)
            close(fd);
        unlink(temp.c_str());
        return error;
    };

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
    const int closed = close(fd);
    fd = -1;
    if (closed != 0)
        return fail(errno);
    if (rename(temp.c_str(), target.c_str()) != 0)
        return fail(errno);
    SyncFolder(folder);
    return 0;
}
