#include "hangar/core/safe_file.h"
#include "tests/support/temp_home.h"
#include "tests/support/wx_print.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/dir.h>
#include <wx/filefn.h>

namespace
{
bool g_killWhileFlushing = false;
} // namespace

// The writer's flush of its temporary file, which ends the process when a test asks for a save
// killed part way.
extern "C" int fsync(int fd)
{
    if (g_killWhileFlushing)
        raise(SIGKILL);
    return static_cast<int>(syscall(SYS_fsync, fd));
}

namespace
{
class SafeFileTest : public ::testing::Test
{
protected:
    void SetUp() override { m_folder = MakeTempFolder("safe-file-"); }
    void TearDown() override { RemoveTree(m_folder); }

    unsigned Mode(const wxString& path) const
    {
        struct stat info = {};
        stat(path.utf8_str(), &info);
        return info.st_mode & 07777u;
    }

    // Every name in the folder: a failed or finished write leaves no temporary file behind.
    std::vector<wxString> Names() const
    {
        std::vector<wxString> names;
        wxDir dir(m_folder);
        wxString name;
        for (bool more =
                 dir.GetFirst(&name, wxEmptyString, wxDIR_FILES | wxDIR_DIRS | wxDIR_HIDDEN);
             more; more = dir.GetNext(&name))
            names.push_back(name);
        std::sort(names.begin(), names.end());
        return names;
    }

    wxString m_folder;
};
} // namespace

TEST_F(SafeFileTest, ANewFileIsOwnerOnlyAndAnOldOneKeepsItsMode)
{
    const wxString path = m_folder + "/settings.ini";
    ASSERT_EQ(0, WriteFileAtomically(path, "first\n"));
    EXPECT_EQ("first\n", ReadFileBytes(path));
    EXPECT_EQ(0600u, Mode(path));

    chmod(path.utf8_str(), 0644);
    ASSERT_EQ(0, WriteFileAtomically(path, "second\n"));
    EXPECT_EQ("second\n", ReadFileBytes(path));
    EXPECT_EQ(0644u, Mode(path));
    EXPECT_EQ((std::vector<wxString>{"settings.ini"}), Names());

    // The file-size signal is the program's own again after a save: a later write beyond a
    // limit ends the program as it would have before.
    struct sigaction after = {};
    sigaction(SIGXFSZ, nullptr, &after);
    EXPECT_EQ(SIG_DFL, after.sa_handler);
}

TEST_F(SafeFileTest, TheTemporaryFileIsMadeBesideTheTargetOnly)
{
    // The rename that replaces the file is only atomic within one folder (and one file system);
    // the folder around the target sees nothing created.
    const wxString folder = m_folder + "/Config";
    ASSERT_TRUE(wxMkdir(folder));
    const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_LE(0, inotify_add_watch(watch, m_folder.utf8_str(), IN_CREATE | IN_MOVED_TO));
    ASSERT_EQ(0, WriteFileAtomically(folder + "/settings.ini", "x"));
    char events[4096];
    EXPECT_GT(0, read(watch, events, sizeof events)) << "a file was made in the parent folder";
    close(watch);
}

TEST_F(SafeFileTest, AKilledWriteLeavesAnOwnerOnlyCopyThatALaterWriteRemovesOnceAbandoned)
{
    const wxString path = m_folder + "/settings.ini";
    ASSERT_TRUE(WriteFileBytes(path, "old\n"));
    chmod(path.utf8_str(), 0644);
    ASSERT_TRUE(WriteFileBytes(m_folder + "/.other.ini.Ab12Cd", "another file's"));
    const pid_t child = fork();
    ASSERT_LE(0, child);
    if (child == 0)
    {
        g_killWhileFlushing = true;
        _exit(WriteFileAtomically(path, "Password=secret\n"));
    }
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    ASSERT_TRUE(WIFSIGNALED(status));
    const std::vector<wxString> left = Names();
    ASSERT_EQ(3u, left.size());
    const wxString copy = left[1];
    EXPECT_TRUE(copy.StartsWith(".settings.ini.hangar-")) << copy;
    EXPECT_EQ(0600u, Mode(m_folder + "/" + copy));
    EXPECT_EQ("old\n", ReadFileBytes(path));

    // Just left, it may be another launcher's write in flight: it stays. Once abandoned, it goes;
    // a link and a named pipe with the copies' names (aged too) are no copies and stay.
    ASSERT_EQ(0, WriteFileAtomically(path, "new\n"));
    EXPECT_TRUE(wxFileExists(m_folder + "/" + copy));
    const wxString link = m_folder + "/.settings.ini.hangar-L1nk00";
    const wxString pipe = m_folder + "/.settings.ini.hangar-P1pe00";
    ASSERT_EQ(0, symlink("settings.ini", link.utf8_str()));
    ASSERT_EQ(0, mkfifo(pipe.utf8_str(), 0600));
    const struct timespec hourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    for (const wxString& name : {m_folder + "/" + copy, link, pipe})
        ASSERT_EQ(0, utimensat(AT_FDCWD, name.utf8_str(), hourAgo, AT_SYMLINK_NOFOLLOW));
    ASSERT_EQ(0, WriteFileAtomically(path, "newer\n"));
    EXPECT_EQ(0644u, Mode(path));
    EXPECT_EQ((std::vector<wxString>{".other.ini.Ab12Cd", ".settings.ini.hangar-L1nk00",
                                     ".settings.ini.hangar-P1pe00", "settings.ini"}),
              Names());
}

TEST_F(SafeFileTest, ANameOfTheLongestLengthIsWrittenAndReplaced)
{
    // A name takes at most 255 bytes; the temporary file's name beside it must fit as well.
    const wxString name = wxString('s', 251) + ".ini";
    ASSERT_EQ(0, WriteFileAtomically(m_folder + "/" + name, "first\n"));
    ASSERT_EQ(0, WriteFileAtomically(m_folder + "/" + name, "second\n"));
    EXPECT_EQ("second\n", ReadFileBytes(m_folder + "/" + name));
    EXPECT_EQ((std::vector<wxString>{name}), Names());
}

TEST_F(SafeFileTest, ALinkStaysALinkAndItsFileIsReplaced)
{
    ASSERT_TRUE(WriteFileBytes(m_folder + "/real.ini", "old"));
    ASSERT_EQ(0, symlink("real.ini", (m_folder + "/link.ini").utf8_str()));
    ASSERT_EQ(0, WriteFileAtomically(m_folder + "/link.ini", "new"));
    struct stat info = {};
    ASSERT_EQ(0, lstat((m_folder + "/link.ini").utf8_str(), &info));
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ("new", ReadFileBytes(m_folder + "/real.ini"));
}

TEST_F(SafeFileTest, AFolderThatCannotHoldTheFileReportsTheReason)
{
    ASSERT_TRUE(WriteFileBytes(m_folder + "/plain", "x"));
    EXPECT_EQ(ENOTDIR, WriteFileAtomically(m_folder + "/plain/settings.ini", "x"));
    EXPECT_EQ(ENOENT, WriteFileAtomically(m_folder + "/missing/settings.ini", "x"));
    wxMkdir(m_folder + "/folder.ini");
    EXPECT_EQ(EISDIR, WriteFileAtomically(m_folder + "/folder.ini", "x"));
    EXPECT_EQ((std::vector<wxString>{"folder.ini", "plain"}), Names());
}

TEST_F(SafeFileTest, AFailedWriteLeavesTheOldFileByteForByte)
{
    const wxString path = m_folder + "/settings.ini";
    const std::string old = "[DedicatedServer.DedicatedServer]\nGameName=Old\n";
    ASSERT_TRUE(WriteFileBytes(path, old));

    // A file size limit makes the write itself fail half way, as a full disk would. The limit's
    // signal, at its default, would end the program: the write is made in a child process.
    const pid_t child = fork();
    ASSERT_LE(0, child);
    if (child == 0)
    {
        std::signal(SIGXFSZ, SIG_DFL);
        const struct rlimit small = {16, 16};
        setrlimit(RLIMIT_FSIZE, &small);
        _exit(WriteFileAtomically(path, std::string(4096, 'n')));
    }
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(EFBIG, WEXITSTATUS(status));
    EXPECT_EQ(old, ReadFileBytes(path));
    EXPECT_EQ((std::vector<wxString>{"settings.ini"}), Names());
}

TEST_F(SafeFileTest, OnlyRegularFilesAreReadOrReplaced)
{
    std::string bytes = "left over";
    EXPECT_EQ(ENOENT, ReadWholeFile(m_folder + "/missing.ini", &bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(EISDIR, ReadWholeFile(m_folder, &bytes));

    // A named pipe neither blocks the reader nor is replaced by a regular file.
    const wxString pipe = m_folder + "/pipe.ini";
    ASSERT_EQ(0, mkfifo(pipe.utf8_str(), 0600));
    EXPECT_EQ(EINVAL, ReadWholeFile(pipe, &bytes));
    EXPECT_EQ(EINVAL, WriteFileAtomically(pipe, "x"));
    struct stat info = {};
    ASSERT_EQ(0, lstat(pipe.utf8_str(), &info));
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    ASSERT_TRUE(WriteFileBytes(m_folder + "/a.ini", std::string("a\0b\xff", 4)));
    EXPECT_EQ(0, ReadWholeFile(m_folder + "/a.ini", &bytes));
    EXPECT_EQ(std::string("a\0b\xff", 4), bytes);
}
