// New, Open, Save, Save As and the close prompt: the modified mark, the status text and the
// questions asked before changes could be lost.

#include "tests/hangar_gui/launcher_fixture.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/filedlg.h>

namespace
{
const wxString kLauncherTitle =
    wxString::FromUTF8("Iron Canopy\xE2\x84\xA2 Dedicated Server Launcher");

class FileCommandsTest : public LauncherTest
{
protected:
    // Starts on a saved default file: titled and not modified.
    void StartTitled()
    {
        ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(),
                                   "[DedicatedServer.DedicatedServer]\nUsername=op\n"
                                   "Password=pw\nRotationList=Kestrel\nGameName=Saved\n"));
        StartLauncher();
        ASSERT_FALSE(m_frame->IsModified());
    }

    // A change made on a page, as the user makes it.
    void ChangeSomething(const wxString& name = "Changed") { Basic()->m_gameName->SetValue(name); }
};
} // namespace

TEST_F(FileCommandsTest, APageChangeMarksTheStatusOnce)
{
    StartTitled();
    EXPECT_EQ("TROVDedicatedServer.ini", StatusText());
    ChangeSomething("One");
    SelectChoiceItem(Basic()->m_gameType, 2);
    EXPECT_TRUE(m_frame->IsModified());
    EXPECT_EQ("TROVDedicatedServer.ini*", StatusText());

    MenuCommand(FrameId::Save);
    EXPECT_FALSE(m_frame->IsModified());
    EXPECT_EQ("TROVDedicatedServer.ini", StatusText());
    EXPECT_EQ("One", StoredValue(DefaultSettingsPath(), "GameName"));
}

TEST_F(FileCommandsTest, AFileChangedOnDiskIsReplacedOnlyAfterAsking)
{
    StartTitled();
    ChangeSomething();
    const wxString path = DefaultSettingsPath();
    std::string edited = ReadFileBytes(path);
    edited.replace(edited.find("=op"), 3, "=ed"); // same size, same second
    ASSERT_TRUE(WriteFileBytes(path, edited));
    ShownMessage shown;
    wxTEST_DIALOG(MenuCommand(FrameId::Save), ExpectMessageBox(wxID_NO, &shown));
    EXPECT_EQ("The file TROVDedicatedServer.ini has changed on disk since it was opened. "
              "Overwrite it?",
              shown.m_message);
    EXPECT_EQ(kLauncherTitle, shown.m_caption);
    EXPECT_EQ(wxYES_NO, shown.m_style & (wxYES_NO | wxCANCEL));
    EXPECT_EQ(edited, ReadFileBytes(path));
    EXPECT_TRUE(m_frame->IsModified());

    ASSERT_TRUE(WriteFileBytes(path, edited + "Added=by hand\n"));
    wxTEST_DIALOG(MenuCommand(FrameId::Save), ExpectMessageBox(wxID_YES));
    EXPECT_EQ("Changed", StoredValue(path, "GameName"));
    ChangeSomething("Again");
    MenuCommand(FrameId::Save); // what the launcher wrote itself is no change: nothing asked
    EXPECT_FALSE(m_frame->IsModified());
}

TEST_F(FileCommandsTest, StartingWithoutAFileIsUntitledAndModified)
{
    StartLauncher();
    EXPECT_EQ("Untitled", StatusText());
    EXPECT_TRUE(m_frame->IsModified());
    ShownMessage shown;
    bool closed = false;
    wxTEST_DIALOG(closed = CloseByUser(), ExpectMessageBox(wxID_NO, &shown));
    EXPECT_TRUE(closed);
    EXPECT_EQ("Do you want to save your changes?", shown.m_message);
    EXPECT_EQ(kLauncherTitle, shown.m_caption);
    EXPECT_EQ(wxYES_NO | wxCANCEL | wxICON_EXCLAMATION,
              shown.m_style & (wxYES_NO | wxCANCEL | wxICON_EXCLAMATION | wxICON_ERROR));
}

TEST_F(FileCommandsTest, NewAsksFirstAndCancelKeepsEverything)
{
    StartTitled();
    ChangeSomething();
    ShownMessage shown;
    wxTEST_DIALOG(MenuCommand(FrameId::New), ExpectMessageBox(wxID_CANCEL, &shown));
    EXPECT_EQ("Do you want to save your changes to TROVDedicatedServer.ini?", shown.m_message);
    EXPECT_EQ("Changed", Basic()->m_gameName->GetValue());
    EXPECT_EQ(NativePath(DefaultSettingsPath()), m_frame->GetFilePath());
    EXPECT_EQ("TROVDedicatedServer.ini*", StatusText());

    wxTEST_DIALOG(MenuCommand(FrameId::New), ExpectMessageBox(wxID_NO));
    EXPECT_EQ("Nameless Battle", Basic()->m_gameName->GetValue());
    EXPECT_TRUE(m_frame->GetFilePath().empty());
    EXPECT_FALSE(m_frame->IsModified());
    EXPECT_EQ("Untitled", StatusText());
    EXPECT_EQ("Saved", StoredValue(DefaultSettingsPath(), "GameName")); // given up, not saved

    // Nothing changed since New: neither New nor closing asks.
    MenuCommand(FrameId::New);
    EXPECT_TRUE(CloseByUser());
}

TEST_F(FileCommandsTest, NewAfterYesSavesFirst)
{
    StartTitled();
    ChangeSomething("Kept");
    wxTEST_DIALOG(MenuCommand(FrameId::New), ExpectMessageBox(wxID_YES));
    EXPECT_EQ("Kept", StoredValue(DefaultSettingsPath(), "GameName"));
    EXPECT_EQ("Untitled", StatusText());
}

// A new document carries no cached login: the file it is saved to gets none, and the login typed
// for it is written.
TEST_F(FileCommandsTest, NewLeavesTheCachedLoginOfTheFileBefore)
{
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), "[DedicatedServer.DedicatedServer]\n"
                                                      "EncryptedLogin=old-token\n"));
    StartLauncher();
    ASSERT_TRUE(Basic()->m_useCached->GetValue());
    MenuCommand(FrameId::New);
    EXPECT_FALSE(Basic()->m_useCached->GetValue());
    EXPECT_FALSE(Basic()->m_useCached->IsEnabled());
    FillRequired();
    const wxString path = Home() + "/new.ini";
    wxTEST_DIALOG(MenuCommand(FrameId::Save), wxExpectModal<wxFileDialog>(path));
    EXPECT_EQ("", StoredValue(path, "EncryptedLogin"));
    EXPECT_EQ("operator", StoredValue(path, "Username"));
}

TEST_F(FileCommandsTest, OpenAsksFirstAndAFailedSaveLeavesTheDocumentAsItWas)
{
    StartTitled();
    Rotation()->Clear(); // the save will be refused by validation
    ChangeSomething();
    // Yes, then the validation message; no file dialog follows.
    wxTEST_DIALOG(MenuCommand(FrameId::Open), ExpectMessageBox(wxID_YES),
                  ExpectMessageBox(wxID_OK));
    EXPECT_EQ("Changed", Basic()->m_gameName->GetValue());
    EXPECT_TRUE(m_frame->IsModified());
    EXPECT_EQ("TROVDedicatedServer.ini*", StatusText());
}

TEST_F(FileCommandsTest, OpenLoadsTheChosenFileAndCancelChangesNothing)
{
    StartTitled();
    const wxString other = Home() + "/other/Other.ini";
    ASSERT_TRUE(WriteFileBytes(other, "[DedicatedServer.DedicatedServer]\nGameName=Other\n"));

    wxTEST_DIALOG(MenuCommand(FrameId::Open), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_EQ("Saved", Basic()->m_gameName->GetValue());
    EXPECT_EQ("TROVDedicatedServer.ini", StatusText());

    ChangeSomething();
    wxTEST_DIALOG(MenuCommand(FrameId::Open), ExpectMessageBox(wxID_NO),
                  wxExpectModal<wxFileDialog>(other));
    EXPECT_EQ("Other", Basic()->m_gameName->GetValue());
    EXPECT_EQ("Other.ini", StatusText());
    EXPECT_FALSE(m_frame->IsModified());
    EXPECT_EQ(NativePath(other), m_frame->GetFilePath());
}

TEST_F(FileCommandsTest, SaveOnAnUntitledDocumentAsksForAFile)
{
    StartLauncher();
    FillRequired();
    const wxString path = Home() + "/chosen.ini";
    wxTEST_DIALOG(MenuCommand(FrameId::Save), wxExpectModal<wxFileDialog>(path));
    EXPECT_EQ("chosen.ini", StatusText());
    EXPECT_FALSE(m_frame->IsModified());
    EXPECT_TRUE(StoredValue(path, "MaxPlayersCap").has_value());

    // Save As cancelled: nothing changes.
    ChangeSomething();
    wxTEST_DIALOG(MenuCommand(FrameId::SaveAs), wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_EQ("chosen.ini*", StatusText());
    EXPECT_EQ(NativePath(path), m_frame->GetFilePath());
}

TEST_F(FileCommandsTest, TheFileDialogsProposeTheSettingsFileOrTheDocumentsOwn)
{
    StartLauncher();
    FillRequired();
    ShownFileDialog shown;
    wxTEST_DIALOG(MenuCommand(FrameId::SaveAs), ExpectFileDialog(&shown, "", wxID_CANCEL));
    EXPECT_EQ("Save File As", shown.m_message);
    EXPECT_EQ(NativePath(SettingsFolder()), shown.m_directory);
    EXPECT_EQ("TROVDedicatedServer.ini", shown.m_fileName);
    EXPECT_EQ("Config files (*.ini)|*.ini", shown.m_wildcard);
    const long saveStyle = wxFD_SAVE | wxFD_OVERWRITE_PROMPT | wxFD_CHANGE_DIR;
    EXPECT_EQ(saveStyle, shown.m_style & (saveStyle | wxFD_OPEN));

    const wxString path = Home() + "/elsewhere/mine.ini";
    wxMkdir(Home() + "/elsewhere");
    wxTEST_DIALOG(MenuCommand(FrameId::SaveAs), wxExpectModal<wxFileDialog>(path));
    wxTEST_DIALOG(MenuCommand(FrameId::Open), ExpectFileDialog(&shown, "", wxID_CANCEL));
    EXPECT_EQ("Open", shown.m_message);
    EXPECT_EQ(NativePath(Home() + "/elsewhere"), shown.m_directory);
    EXPECT_EQ("mine.ini", shown.m_fileName);
    EXPECT_EQ(wxFD_OPEN | wxFD_CHANGE_DIR,
              shown.m_style & (wxFD_OPEN | wxFD_SAVE | wxFD_CHANGE_DIR | wxFD_OVERWRITE_PROMPT));
}

TEST_F(FileCommandsTest, ValidationShowsOneMessageAndWritesNothing)
{
    StartLauncher();
    const wxString path = Home() + "/never.ini";
    const struct
    {
        const char* username;
        const char* password;
        bool rotation;
        const char* message;
    } cases[] = {
        {"", "", false, "Map Rotation cannot be left blank."},
        {"", "pw", true, "Username cannot be left blank."},
        {"op", "", true, "Password cannot be left blank."},
    };
    for (const auto& c : cases)
    {
        Basic()->m_username->SetValue(c.username);
        Basic()->m_password->SetValue(c.password);
        Rotation()->Clear();
        if (c.rotation)
            Rotation()->Append("Kestrel");
        ShownMessage shown;
        bool saved = true;
        wxTEST_DIALOG(saved = m_frame->SaveSettingsAs(), ExpectMessageBox(wxID_OK, &shown));
        EXPECT_FALSE(saved);
        EXPECT_EQ(1, shown.m_count);
        EXPECT_EQ(c.message, shown.m_message);
        EXPECT_EQ(kLauncherTitle, shown.m_caption);
        EXPECT_TRUE(shown.m_style & wxICON_ERROR);
        EXPECT_EQ("Untitled", StatusText());
    }
    EXPECT_FALSE(wxFileExists(path));

    // With a cached login, Username and Password are not required.
    Basic()->m_useCached->Enable();
    ClickCheckBox(Basic()->m_useCached);
    Basic()->m_username->SetValue("");
    Basic()->m_password->SetValue("");
    EXPECT_TRUE(m_frame->ValidateSettings());
}

TEST_F(FileCommandsTest, TheClosePromptNeverLosesWork)
{
    StartLauncher();
    FillRequired();

    // Yes, then Save As cancelled: the window stays open.
    bool closed = true;
    wxTEST_DIALOG(closed = CloseByUser(), ExpectMessageBox(wxID_YES),
                  wxExpectModal<wxFileDialog>("", wxID_CANCEL));
    EXPECT_FALSE(closed);
    EXPECT_TRUE(m_frame->IsModified());

    // Cancel: open too.
    wxTEST_DIALOG(closed = CloseByUser(), ExpectMessageBox(wxID_CANCEL));
    EXPECT_FALSE(closed);

    // Yes with a refused save (validation): open.
    Rotation()->Clear();
    wxTEST_DIALOG(closed = CloseByUser(), ExpectMessageBox(wxID_YES), ExpectMessageBox(wxID_OK));
    EXPECT_FALSE(closed);

    // Yes and a file chosen: saved, then closed.
    Rotation()->Append("Glacier");
    const wxString path = Home() + "/closing.ini";
    wxTEST_DIALOG(closed = CloseByUser(), ExpectMessageBox(wxID_YES),
                  wxExpectModal<wxFileDialog>(path));
    EXPECT_TRUE(closed);
    EXPECT_EQ("Glacier", StoredValue(path, "RotationList"));
}

TEST_F(FileCommandsTest, ClosingATitledDocumentNamesItsFile)
{
    StartTitled();
    EXPECT_TRUE(CloseByUser()); // not modified: no question

    StartLauncher();
    ChangeSomething("Last words");
    ShownMessage shown;
    bool closed = false;
    wxTEST_DIALOG(closed = CloseByUser(), ExpectMessageBox(wxID_YES, &shown));
    EXPECT_TRUE(closed);
    EXPECT_EQ("Do you want to save your changes to TROVDedicatedServer.ini?", shown.m_message);
    EXPECT_EQ("Last words", StoredValue(DefaultSettingsPath(), "GameName"));
}
