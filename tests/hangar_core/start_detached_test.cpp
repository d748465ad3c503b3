#include "hangar/core/launch_error.h"
#include "hangar/platform/platform.h"
#include "tests/support/fake_program.h"
#include "tests/support/temp_home.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
// Each test gets a start folder whose name has blanks, and a PATH of its own.
class StartDetachedTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_root = MakeTempFolder("start-detached-");
        m_folder = m_root + "/start folder";
        m_record = m_root + "/record.txt";
        ASSERT_TRUE(wxMkdir(m_folder));
        m_hadPath = wxGetEnv("PATH", &m_oldPath);
    }

    void TearDown() override
    {
        if (m_running > 0)
            kill(m_running, SIGTERM);
        if (m_hadPath)
            wxSetEnv("PATH", m_oldPath);
        RemoveTree(m_root);
    }

    wxString ServerPath() const { return m_folder + "/TROVServer.exe"; }

    // Starts TROVServer.exe from the start folder; returns the failure code, or -1 when it runs.
    int Start(const wxString& argument = "TROVDedicatedServer.ini")
    {
        int code = -1;
        if (PlatformStartDetached(m_folder, "TROVServer.exe", argument, &code))
            return -1;
        EXPECT_NE(-1, code);
        return code;
    }

    // Waits for the record of a started script; a script that stays running is ended afterwards.
    ProgramRecord Record(bool stayedRunning)
    {
        ProgramRecord record;
        EXPECT_TRUE(WaitForProgramRecord(m_record, &record));
        if (stayedRunning)
            m_running = record.pid;
        return record;
    }

    // A Windows program: "MZ" and some bytes the system does not run.
    void WriteWindowsProgram(mode_t mode)
    {
        ASSERT_TRUE(WriteFileBytes(ServerPath(), std::string("MZ\x90\0\3\0\0\0\4\0", 10)));
        ASSERT_EQ(0, chmod(ServerPath().utf8_str(), mode));
    }

    wxString m_root;
    wxString m_folder;
    wxString m_record;
    pid_t m_running = 0;
    bool m_hadPath = false;
    wxString m_oldPath;
};

// While it lives, this process adopts the orphans of its descendants, as an init that reaps
// would: a process a start leaves behind becomes a child here.
class AdoptOrphans
{
public:
    AdoptOrphans() { prctl(PR_SET_CHILD_SUBREAPER, 1); }
    ~AdoptOrphans() { prctl(PR_SET_CHILD_SUBREAPER, 0); }
    AdoptOrphans(const AdoptOrphans&) = delete;
    AdoptOrphans& operator=(const AdoptOrphans&) = delete;
};

bool HasChildren()
{
    errno = 0;
    return !(waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD);
}
} // namespace

TEST_F(StartDetachedTest, OneArgumentWithBlanksFromTheFolderInASessionOfItsOwn)
{
    ASSERT_TRUE(WriteFakeProgram(ServerPath(), m_record, true));
    const wxString argument = "My Server 'Settings' \"x\" $HOME;*.ini";
    ASSERT_EQ(-1, Start(argument));

    const ProgramRecord record = Record(true);
    ASSERT_EQ(1u, record.args.size());
    EXPECT_EQ(argument, record.args[0]);
    EXPECT_EQ(PhysicalPath(m_folder), record.folder);
    EXPECT_EQ(record.pid, record.sid) << "the server leads a session of its own";
    EXPECT_NE(getsid(0), record.sid);
    EXPECT_FALSE(HasChildren()) << "the server is not a child of the launcher";
}

TEST_F(StartDetachedTest, NoZombieIsLeftWhenTheServerEnds)
{
    ASSERT_TRUE(WriteFakeProgram(ServerPath(), m_record, false));
    ASSERT_EQ(-1, Start());
    EXPECT_FALSE(HasChildren()) << "the intermediate process was reaped on return";

    const ProgramRecord record = Record(false);
    EXPECT_EQ((std::vector<wxString>{"TROVDedicatedServer.ini"}), record.args);
    // Whoever adopted the ended server, it is not this process: nothing of it is left here.
    EXPECT_FALSE(HasChildren());
    EXPECT_EQ(-1, waitpid(static_cast<pid_t>(record.pid), nullptr, WNOHANG));
}

TEST_F(StartDetachedTest, FailuresAreKnownOnReturnWithTheirCodes)
{
    const AdoptOrphans adopt; // a failed start leaves no process behind, not even an orphan
    EXPECT_EQ(LaunchCode::FileNotFound, Start());

    // Mode 0644: not even root may execute a file without any execute bit.
    ASSERT_TRUE(WriteFakeProgram(ServerPath(), m_record, false, 0644));
    EXPECT_EQ(LaunchCode::AccessDenied, Start());

    // Executable, but neither a program nor a script with "#!".
    ASSERT_TRUE(WriteFileBytes(ServerPath(), "echo hello\n"));
    ASSERT_EQ(0, chmod(ServerPath().utf8_str(), 0755));
    EXPECT_EQ(LaunchCode::BadFormat, Start());

    // Open for writing elsewhere: the text file is busy.
    ASSERT_TRUE(WriteFakeProgram(ServerPath(), m_record, false));
    const int writer = open(ServerPath().utf8_str(), O_WRONLY | O_CLOEXEC);
    ASSERT_LE(0, writer);
    EXPECT_EQ(LaunchCode::SharingViolation, Start());
    close(writer);

    // The start folder itself is missing.
    const wxString folder = m_folder;
    m_folder = m_root + "/gone/start folder";
    EXPECT_EQ(LaunchCode::PathNotFound, Start());
    m_folder = folder;

    EXPECT_FALSE(wxFileExists(m_record)) << "nothing ran";
    EXPECT_FALSE(HasChildren()) << "nothing was left to adopt";
}

TEST_F(StartDetachedTest, WindowsProgramWithoutWineHasNoAssociation)
{
    WriteWindowsProgram(0755);
    wxSetEnv("PATH", m_root + "/empty:" + m_root + "/none");
    EXPECT_EQ(LaunchCode::NoAssociation, Start());
    EXPECT_EQ("Attempting to launch TROVServer.exe...\nThere is no application associated with "
              "the given file name extension. This error will also be returned if you attempt "
              "to print a file that is not printable.",
              LaunchFailureMessage(LaunchCode::NoAssociation));

    // A "wine" in the working directory is not taken for one on PATH.
    ASSERT_TRUE(WriteFakeProgram(m_folder + "/wine", m_record, false));
    const wxString cwd = wxGetCwd();
    ASSERT_TRUE(wxSetWorkingDirectory(m_folder));
    wxSetEnv("PATH", ":" + m_root + "/none:");
    EXPECT_EQ(LaunchCode::NoAssociation, Start());
    wxSetWorkingDirectory(cwd);
    EXPECT_FALSE(wxFileExists(m_record));
}

TEST_F(StartDetachedTest, WindowsProgramRunsThroughWineOnPath)
{
    ASSERT_TRUE(WriteFakeProgram(m_root + "/bin/wine", m_record, false));
    wxSetEnv("PATH", m_root + "/none:" + m_root + "/bin");

    // Copied without execute bits, as a Windows program often is.
    for (mode_t mode : {0755, 0644})
    {
        WriteWindowsProgram(mode);
        ASSERT_EQ(-1, Start("My Settings.ini")) << std::oct << mode;
        const ProgramRecord record = Record(false);
        EXPECT_EQ((std::vector<wxString>{ServerPath(), "My Settings.ini"}), record.args);
        EXPECT_EQ(PhysicalPath(m_folder), record.folder);
        EXPECT_EQ(record.pid, record.sid);
        EXPECT_TRUE(wxRemoveFile(m_record));
    }
    EXPECT_FALSE(HasChildren());
}
