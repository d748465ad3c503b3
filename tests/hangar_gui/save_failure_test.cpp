// Saves that cannot write, files that are not UTF-8, and the permissions of the files written.

#include "tests/hangar_gui/launcher_fixture.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/filename.h>

namespace
{
class SaveFailureTest : public LauncherTest
{
protected:
    unsigned Mode(const wxString& path) const
    {
        struct stat info = {};
        stat(path.utf8_str(), &info);
        return info.st_mode & 07777u;
    }
};

// Lets no file grow beyond `bytes` while it lives: writes fail as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        struct rlimit small = m_saved;
        small.rlim_cur = bytes;
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    struct rlimit m_saved = {};
    void (*m_handler)(int) = nullptr;
};
} // namespace

TEST_F(SaveFailureTest, AFolderThatCannotBeWrittenIsReportedAndNothingIsMarkedSaved)
{
    StartLauncher();
    FillRequired();
    ASSERT_TRUE(WriteFileBytes(Home() + "/plain", "a regular file"));
    const wxString path = Home() + "/plain/settings.ini";

    ShownMessage shown;
    wxTEST_DIALOG(MenuCommand(FrameId::SaveAs), wxExpectModal<wxFileDialog>(path),
                  ExpectMessageBox(wxID_OK, &shown));
    EXPECT_NE(wxNOT_FOUND, shown.m_message.Find(path)) << shown.m_message;
    EXPECT_NE(wxNOT_FOUND, shown.m_message.Find("Not a directory")) << shown.m_message;
    EXPECT_EQ(wxString::FromUTF8("Iron Canopy\xE2\x84\xA2 Dedicated Server Launcher"),
              shown.m_caption);
    EXPECT_TRUE(shown.m_style & wxICON_ERROR);
    EXPECT_TRUE(m_frame->IsModified());
    EXPECT_EQ("Untitled", StatusText());
    EXPECT_TRUE(m_frame->GetFilePath().empty()); // still untitled: the next Save asks again
}

TEST_F(SaveFailureTest, AFailedWriteLeavesTheOldFileByteForByte)
{
    const std::string old = "[DedicatedServer.DedicatedServer]\nUsername=op\nPassword=pw\n"
                            "RotationList=Kestrel\n";
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), old));
    StartLauncher();
    Basic()->m_welcomeMessage->SetValue(wxString('w', 400));

    ShownMessage shown;
    bool saved = true;
    {
        FileSizeLimit limit(old.size() + 16);
        wxTEST_DIALOG(saved = m_frame->SaveSettings(), ExpectMessageBox(wxID_OK, &shown));
    }
    EXPECT_FALSE(saved);
    EXPECT_NE(wxNOT_FOUND, shown.m_message.Find("File too large")) << shown.m_message;
    EXPECT_EQ(old, ReadFileBytes(DefaultSettingsPath()));
    EXPECT_TRUE(m_frame->IsModified());
    EXPECT_EQ("TROVDedicatedServer.ini*", StatusText());

    // Once the disk has room again, the same document saves.
    EXPECT_TRUE(m_frame->SaveSettings());
    EXPECT_EQ(wxString('w', 400), StoredValue(DefaultSettingsPath(), "WelcomeMessage"));
}

TEST_F(SaveFailureTest, AFileThatCouldNotBeReadIsNamedAtStartAndNeverReplaced)
{
    const wxString folder = DefaultSettingsPath();
    ASSERT_TRUE(wxFileName::Mkdir(folder, 0700, wxPATH_MKDIR_FULL));
    ShownMessage shown;
    wxTEST_DIALOG(StartLauncher(), ExpectMessageBox(wxID_OK, &shown));
    EXPECT_EQ(1, shown.m_count);
    EXPECT_NE(wxNOT_FOUND, shown.m_message.Find(folder)) << shown.m_message;
    EXPECT_NE(wxNOT_FOUND, shown.m_message.Find("Is a directory")) << shown.m_message;
    EXPECT_EQ("Nameless Battle", Basic()->m_gameName->GetValue());
    FillRequired();
    wxTEST_DIALOG(MenuCommand(FrameId::Save), ExpectMessageBox(wxID_OK, &shown));
    EXPECT_NE(wxNOT_FOUND, shown.m_message.Find("could not be read")) << shown.m_message;
    EXPECT_TRUE(m_frame->IsModified());
    EXPECT_TRUE(wxDirExists(folder));
}

TEST_F(SaveFailureTest, AReadOnlyFileIsNotReplacedAndLaunchStops)
{
    const std::string old = "[DedicatedServer.DedicatedServer]\nUsername=op\nPassword=pw\n"
                            "RotationList=Kestrel\n";
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), old));
    chmod(DefaultSettingsPath().utf8_str(), 0444); // the test runs as root too: judged by the mode
    StartLauncher();
    Basic()->m_gameName->SetValue("Changed");
    ShownMessage shown;
    wxTEST_DIALOG(ClickButton(FindButton(m_frame, FrameId::Launch)),
                  ExpectMessageBox(wxID_OK, &shown)); // a started server would say so in a box
    EXPECT_EQ("The settings were not saved: the file \"" + DefaultSettingsPath() +
                  "\" is read-only.",
              shown.m_message);
    EXPECT_EQ(old, ReadFileBytes(DefaultSettingsPath()));
    EXPECT_EQ(0444u, Mode(DefaultSettingsPath()));
    EXPECT_TRUE(m_frame->IsModified());
}

TEST_F(SaveFailureTest, ALinkToAMissingFileIsNamedAtStartAndNotReplaced)
{
    ASSERT_TRUE(wxFileName::Mkdir(SettingsFolder(), 0700, wxPATH_MKDIR_FULL));
    ASSERT_EQ(0, symlink("gone.ini", DefaultSettingsPath().utf8_str()));
    ShownMessage shown;
    wxTEST_DIALOG(StartLauncher(), ExpectMessageBox(wxID_OK, &shown));
    EXPECT_NE(wxNOT_FOUND, shown.m_message.Find(DefaultSettingsPath())) << shown.m_message;
    EXPECT_NE(wxNOT_FOUND, shown.m_message.Find("link to a missing file")) << shown.m_message;
    FillRequired();
    wxTEST_DIALOG(MenuCommand(FrameId::Save), ExpectMessageBox(wxID_OK, &shown));
    EXPECT_NE(wxNOT_FOUND, shown.m_message.Find("could not be read")) << shown.m_message;
    EXPECT_TRUE(m_frame->IsModified());
    struct stat info = {};
    ASSERT_EQ(0, lstat(DefaultSettingsPath().utf8_str(), &info));
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_FALSE(wxFileExists(SettingsFolder() + "/gone.ini"));

    const wxString other = Home() + "/other.ini";
    wxTEST_DIALOG(MenuCommand(FrameId::SaveAs), wxExpectModal<wxFileDialog>(other));
    EXPECT_FALSE(m_frame->IsModified());
    EXPECT_EQ("operator", StoredValue(other, "Username"));
}

TEST_F(SaveFailureTest, OpeningAFileThatCannotBeUsedNamesItAndKeepsTheDocument)
{
    StartLauncher();
    FillRequired();
    const wxString huge = Home() + "/huge.ini";
    ASSERT_TRUE(WriteFileBytes(huge, "[DedicatedServer.DedicatedServer]\n"));
    ASSERT_EQ(0, truncate(huge.utf8_str(), 64LL << 30)); // sparse: takes no room on disk
    const wxString pipe = Home() + "/pipe.ini";
    ASSERT_EQ(0, mkfifo(pipe.utf8_str(), 0600));
    for (const auto& [path, reason] : {std::pair(huge, "64 MB"), std::pair(pipe, "regular file")})
    {
        ShownMessage shown;
        wxTEST_DIALOG(MenuCommand(FrameId::Open), ExpectMessageBox(wxID_NO),
                      wxExpectModal<wxFileDialog>(path), ExpectMessageBox(wxID_OK, &shown));
        EXPECT_NE(wxNOT_FOUND, shown.m_message.Find(path)) << shown.m_message;
        EXPECT_NE(wxNOT_FOUND, shown.m_message.Find(reason)) << shown.m_message;
        EXPECT_EQ("operator", Basic()->m_username->GetValue());
        EXPECT_TRUE(m_frame->GetFilePath().empty());
        EXPECT_TRUE(m_frame->IsModified());
    }
}

TEST_F(SaveFailureTest, AFileThatIsNotUtf8KeepsEveryLine)
{
    const std::string original = "; Caf\xE9 notes \x80\n"
                                 "[\xC4rger]\n"
                                 "Name=M\xFCller\n"
                                 "[DedicatedServer.DedicatedServer]\n"
                                 "GameName=Caf\xE9 Battle\n"
                                 "Username=op\nPassword=pw\nRotationList=Kestrel\n";
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), original));
    StartLauncher();
    EXPECT_EQ(wxString(L"Caf\u00E9 Battle"), Basic()->m_gameName->GetValue());

    MenuCommand(FrameId::Save);
    const std::string saved = ReadFileBytes(DefaultSettingsPath());
    for (const char* line :
         {"; Caf\xC3\xA9 notes \xC2\x80\n", "[\xC3\x84rger]\nName=M\xC3\xBCller\n",
          "GameName=Caf\xC3\xA9 Battle\n"})
        EXPECT_NE(std::string::npos, saved.find(line)) << line << " missing from\n" << saved;
}

TEST_F(SaveFailureTest, ANewFileIsOwnerOnlyAndAnExistingOneKeepsItsMode)
{
    StartLauncher();
    FillRequired();
    const wxString fresh = Home() + "/fresh.ini";
    wxTEST_DIALOG(MenuCommand(FrameId::SaveAs), wxExpectModal<wxFileDialog>(fresh));
    EXPECT_EQ(0600u, Mode(fresh));

    const wxString shared = Home() + "/shared.ini";
    ASSERT_TRUE(WriteFileBytes(shared, "[Other]\nKeep=1\n"));
    chmod(shared.utf8_str(), 0644);
    wxTEST_DIALOG(MenuCommand(FrameId::SaveAs), wxExpectModal<wxFileDialog>(shared));
    EXPECT_EQ(0644u, Mode(shared));
    EXPECT_EQ(0u, ReadFileBytes(shared).find("[Other]\nKeep=1\n"));
}
