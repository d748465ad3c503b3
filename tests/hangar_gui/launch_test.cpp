// The Launch button: save first, then start the server detached from the start folder.

#include "hangar/core/launch_error.h"
#include "hangar/window_ids.h"
#include "tests/hangar_gui/launcher_fixture.h"
#include "tests/support/fake_program.h"

#include <cerrno>
#include <sys/stat.h>
#include <sys/wait.h>
#include <wx/filedlg.h>
#include <wx/testing.h>

namespace
{
const std::string kSavedDocument = "[DedicatedServer.DedicatedServer]\nUsername=operator\n"
                                   "Password=hunter2\nRotationList=Kestrel,Glacier\n";

// Sets PATH while it lives.
class ScopedPath
{
public:
    explicit ScopedPath(const wxString& path)
    {
        wxGetEnv("PATH", &m_saved);
        wxSetEnv("PATH", path);
    }
    ~ScopedPath() { wxSetEnv("PATH", m_saved); }
    ScopedPath(const ScopedPath&) = delete;
    ScopedPath& operator=(const ScopedPath&) = delete;

private:
    wxString m_saved;
};

class LaunchTest : public LauncherTest
{
protected:
    wxString ServerPath() const { return StartDir() + "/TROVServer.exe"; }
    wxString RecordPath() const { return Home() + "/record.txt"; }

    // A fake server in the start folder that copies `snapshot` (when given) as it finds it.
    void InstallServer(const wxString& snapshot = wxString())
    {
        ASSERT_TRUE(WriteFakeProgram(ServerPath(), RecordPath(), false, 0755, snapshot));
    }

    void ClickLaunch() { ClickButton(FindButton(m_frame, FrameId::Launch)); }

    // The record of the started server; fails the test when none came.
    ProgramRecord StartedServer()
    {
        ProgramRecord record;
        EXPECT_TRUE(WaitForProgramRecord(RecordPath(), &record)) << "the server was not started";
        return record;
    }

    // True when no server was started by the last action: a started one records at once, so a
    // short wait suffices.
    bool NothingStarted() const
    {
        ProgramRecord record;
        return !WaitForProgramRecord(RecordPath(), &record, 300);
    }
};
} // namespace

TEST_F(LaunchTest, SavesThenStartsTheServerWithTheBareFileName)
{
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), kSavedDocument));
    InstallServer(DefaultSettingsPath());
    StartLauncher();
    SelectListItem(m_frame->GetMapRotationTab()->m_mapList, 5);
    ClickButton(FindButton(m_frame->GetMapRotationTab(), MapRotationId::Add)); // Corsair
    ASSERT_TRUE(m_frame->IsModified());

    ClickLaunch();
    const ProgramRecord record = StartedServer();
    EXPECT_EQ((std::vector<wxString>{"TROVDedicatedServer.ini"}), record.args);
    EXPECT_EQ(PhysicalPath(StartDir()), record.folder);
    EXPECT_EQ(record.pid, record.sid) << "a session of its own";
    // The file was written before the server started.
    const std::string seen = ReadFileBytes(RecordPath() + ".snapshot");
    EXPECT_NE(std::string::npos, seen.find("RotationList=Kestrel,Glacier,Corsair")) << seen;
    EXPECT_FALSE(m_frame->IsModified());
    EXPECT_EQ("TROVDedicatedServer.ini", StatusText());
    errno = 0;
    EXPECT_EQ(-1, waitpid(static_cast<pid_t>(record.pid), nullptr, WNOHANG));
    EXPECT_EQ(ECHILD, errno) << "the server is no child of the launcher";
}

TEST_F(LaunchTest, UntitledDocumentIsSavedAsFirstAndStartsFromTheStartFolder)
{
    StartLauncher();
    FillRequired();
    const wxString folder = Home() + "/other folder";
    ASSERT_TRUE(wxMkdir(folder));
    const wxString path = folder + "/My Server Settings.ini";
    InstallServer(path);

    wxTEST_DIALOG(ClickLaunch(), wxExpectModal<wxFileDialog>(path));
    EXPECT_EQ(PhysicalPath(folder), PhysicalPath(wxGetCwd())) << "Save As moved the working folder";
    const ProgramRecord record = StartedServer();
    EXPECT_EQ((std::vector<wxString>{"My Server Settings.ini"}), record.args);
    EXPECT_EQ(PhysicalPath(StartDir()), record.folder);
    EXPECT_NE(std::string::npos,
              ReadFileBytes(RecordPath() + ".snapshot").find("Username=operator"));
}

TEST_F(LaunchTest, CancelledSaveAsStartsNothing)
{
    InstallServer();
    StartLauncher();
    FillRequired();
    wxTEST_DIALOG(ClickLaunch(), wxExpectModal<wxFileDialog>(Home() + "/x.ini", wxID_CANCEL));
    EXPECT_TRUE(NothingStarted());
    EXPECT_FALSE(wxFileExists(Home() + "/x.ini"));
    EXPECT_TRUE(m_frame->GetFilePath().empty());
}

TEST_F(LaunchTest, RefusedValidationStartsNothingAndWritesNothing)
{
    const std::string noUser = "[DedicatedServer.DedicatedServer]\nUsername=\nPassword=pw\n"
                               "RotationList=Kestrel\n";
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), noUser));
    InstallServer();
    StartLauncher();
    wxTEST_DIALOG(ClickLaunch(), ExpectMessageBox("Username cannot be left blank."));
    EXPECT_TRUE(NothingStarted());
    EXPECT_EQ(noUser, ReadFileBytes(DefaultSettingsPath()));

    // An untitled document with an empty rotation: refused before any file dialog.
    CloseLauncher();
    ASSERT_TRUE(wxRemoveFile(DefaultSettingsPath()));
    StartLauncher();
    Basic()->m_username->SetValue("operator");
    Basic()->m_password->SetValue("hunter2");
    wxTEST_DIALOG(ClickLaunch(), ExpectMessageBox("Map Rotation cannot be left blank."));
    EXPECT_TRUE(NothingStarted());
    EXPECT_FALSE(wxFileExists(DefaultSettingsPath()));
}

TEST_F(LaunchTest, FailedWriteStartsNothing)
{
    InstallServer();
    StartLauncher();
    FillRequired();
    ASSERT_TRUE(WriteFileBytes(Home() + "/plain", "a regular file"));
    wxTEST_DIALOG(ClickLaunch(), wxExpectModal<wxFileDialog>(Home() + "/plain/settings.ini"),
                  wxExpectModal<wxMessageDialog>(wxID_OK));
    EXPECT_TRUE(NothingStarted());
    EXPECT_TRUE(m_frame->IsModified());
}

TEST_F(LaunchTest, StartFailureShowsTheReasonAndKeepsTheDocumentSaved)
{
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), kSavedDocument));
    StartLauncher();
    wxTEST_DIALOG(ClickLaunch(),
                  ExpectMessageBox("Attempting to launch TROVServer.exe...\n"
                                   "The specified file was not found.",
                                   wxID_OK,
                                   wxString::FromUTF8("Iron Canopy\xE2\x84\xA2 Dedicated Server "
                                                      "Launcher"),
                                   wxOK | wxICON_ERROR));
    EXPECT_FALSE(m_frame->IsModified());
    EXPECT_TRUE(m_frame->IsShown());
    // The unmodified document was saved all the same before the start was tried.
    EXPECT_NE(std::string::npos, ReadFileBytes(DefaultSettingsPath()).find("MaxPlayersCap=12"));

    // Present but not executable.
    ASSERT_TRUE(WriteFakeProgram(ServerPath(), RecordPath(), false, 0644));
    wxTEST_DIALOG(ClickLaunch(),
                  ExpectMessageBox("Attempting to launch TROVServer.exe...\n"
                                   "The operating system denied access to the specified file."));
    EXPECT_FALSE(wxFileExists(RecordPath()));

    // A Windows program and no wine to run it with.
    ASSERT_TRUE(WriteFileBytes(ServerPath(), std::string("MZ\x90\0\3\0", 6)));
    ASSERT_EQ(0, chmod(ServerPath().utf8_str(), 0755));
    const ScopedPath noWine(Home() + "/no programs here");
    wxTEST_DIALOG(ClickLaunch(),
                  ExpectMessageBox("Attempting to launch TROVServer.exe...\n"
                                   "There is no application associated with the given file name "
                                   "extension. This error will also be returned if you attempt to "
                                   "print a file that is not printable."));
}
