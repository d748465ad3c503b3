#include "hangar/core/launch_error.h"
#include "hangar/platform/platform.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{
// Where starting the program went wrong, as the new process reports it back.
enum class Stage : int
{
    Fork = 1,
    ChangeFolder = 2,
    Execute = 3,
};

struct StartFailure
{
    Stage stage;
    int error;
};

std::string FileNameBytes(const wxString& name)
{
    const wxScopedCharBuffer bytes = name.fn_str();
    return bytes.data() ? std::string(bytes.data(), bytes.length()) : std::string();
}

// Only async-signal-safe calls from here on: the launcher has other threads (the toolkit's).
[[noreturn]] void ReportAndExit(int pipe, Stage stage, int error)
{
    const StartFailure failure = {stage, error};
    ssize_t written;
    do
        written = write(pipe, &failure, sizeof failure);
    while (written < 0 && errno == EINTR);
    _exit(127);
}

// Reads a failure report from `pipe` until its writers are gone; false when none came (the
// program was executed: its end of the pipe closed on exec).
bool ReadReport(int pipe, StartFailure* failure)
{
    size_t got = 0;
    while (got < sizeof *failure)
    {
        const ssize_t n = read(pipe, reinterpret_cast<char*>(failure) + got, sizeof *failure - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<size_t>(n);
    }
    return got == sizeof *failure;
}

// Runs in the process that becomes the program: a new session, default signal handling, none of
// the launcher's files left open, the folder as working directory.
[[noreturn]] void BecomeProgram(int pipe, const char* path, char* const* argv, const char* folder,
                                int fdLimit)
{
    setsid();
    struct sigaction defaults = {};
    defaults.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal)
    {
        if (signal != SIGKILL && signal != SIGSTOP)
            sigaction(signal, &defaults, nullptr);
    }
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);

    if (chdir(folder) != 0)
        ReportAndExit(pipe, Stage::ChangeFolder, errno);
    // Everything from 3 up closes on exec (the report pipe is marked already).
    if (close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) != 0)
    {
        for (int fd = 3; fd < fdLimit; ++fd)
            fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    execve(path, argv, environ);
    ReportAndExit(pipe, Stage::Execute, errno);
}

// Starts `args` (args[0] is the name the program sees as its own) from the file `path` through an
// intermediate process. The intermediate process waits until the program is executed or has
// failed to be, reaps a program that failed, and exits: a running program is adopted by the
// system and never becomes a zombie of the launcher, and a failed start leaves no process
// anywhere. Failures before or at exec come back over pipes that close by themselves on exec, so
// the outcome is known on return.
bool SpawnDetached(const std::string& path, const std::vector<std::string>& args,
                   const std::string& folder, StartFailure* failure)
{
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const long openMax = sysconf(_SC_OPEN_MAX);
    const int fdLimit = openMax > 0 && openMax < 65536 ? static_cast<int>(openMax) : 65536;

    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
    {
        *failure = {Stage::Fork, errno};
        return false;
    }
    const pid_t middle = fork();
    if (middle < 0)
    {
        *failure = {Stage::Fork, errno};
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (middle == 0)
    {
        close(report[0]);
        int programReport[2];
        if (pipe2(programReport, O_CLOEXEC) != 0)
            ReportAndExit(report[1], Stage::Fork, errno);
        const pid_t program = fork();
        if (program < 0)
            ReportAndExit(report[1], Stage::Fork, errno);
        if (program == 0)
        {
            close(report[1]);
            close(programReport[0]);
            BecomeProgram(programReport[1], path.c_str(), argv.data(), folder.c_str(), fdLimit);
        }
        close(programReport[1]);
        StartFailure failed = {};
        if (!ReadReport(programReport[0], &failed))
            _exit(0);
        while (waitpid(program, nullptr, 0) < 0 && errno == EINTR)
        {
        }
        ReportAndExit(report[1], failed.stage, failed.error);
    }

    close(report[1]);
    int status = 0;
    while (waitpid(middle, &status, 0) < 0 && errno == EINTR)
    {
    }
    StartFailure reported = {};
    const bool failed = ReadReport(report[0], &reported);
    close(report[0]);
    if (failed)
    {
        *failure = reported;
        return false;
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0)
        return true;
    *failure = {Stage::Fork, 0}; // the intermediate process died before it could tell
    return false;
}

int FailureCode(const StartFailure& failure)
{
    if (failure.stage == Stage::ChangeFolder &&
        (failure.error == ENOENT || failure.error == ENOTDIR))
        return LaunchCode::PathNotFound;
    return LaunchCodeFromErrno(failure.error);
}

// A Windows program starts with the bytes "MZ".
bool IsWindowsProgram(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char head[2] = {};
    const ssize_t n = read(fd, head, sizeof head);
    close(fd);
    return n == 2 && head[0] == 'M' && head[1] == 'Z';
}

// The first executable file `name` in a folder of PATH; empty entries (the working directory) are
// not searched.
std::string FindOnPath(const std::string& name)
{
    const char* value = std::getenv("PATH");
    const std::string path = value ? value : "";
    size_t start = 0;
    while (start <= path.size())
    {
        size_t end = path.find(':', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string folder = path.substr(start, end - start);
        start = end + 1;
        if (folder.empty())
            continue;
        const std::string candidate = folder + "/" + name;
        struct stat info = {};
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::string();
}
} // namespace

bool PlatformStartDetached(const wxString& folder, const wxString& program,
                           const wxString& argument, int* failureCode)
{
    const std::string folderBytes = FileNameBytes(folder);
    const std::string path = folderBytes + "/" + FileNameBytes(program);
    const std::string arg = FileNameBytes(argument);

    StartFailure failure = {};
    if (SpawnDetached(path, {path, arg}, folderBytes, &failure))
        return true;

    const bool notRunnable =
        failure.stage == Stage::Execute && (failure.error == ENOEXEC || failure.error == EACCES);
    if (notRunnable && IsWindowsProgram(path))
    {
        const std::string wine = FindOnPath("wine");
        if (wine.empty())
        {
            *failureCode = LaunchCode::NoAssociation;
            return false;
        }
        if (SpawnDetached(wine, {"wine", path, arg}, folderBytes, &failure))
            return true;
    }
    *failureCode = FailureCode(failure);
    return false;
}
