// The settings file as the launcher writes and reads it: keys, encodings, foreign content and
// the rules a load applies.

#include "hangar/pages/advanced_tab.h"
#include "tests/hangar_gui/launcher_fixture.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/filename.h>

namespace
{
const wxString kGroup = "[DedicatedServer.DedicatedServer]";

class SettingsFileTest : public LauncherTest
{
protected:
    // Saves the document into path through File > Save As.
    void SaveAs(const wxString& path)
    {
        wxTEST_DIALOG(MenuCommand(FrameId::SaveAs), wxExpectModal<wxFileDialog>(path));
    }

    // Opens path through File > Open on a document without changes.
    void Open(const wxString& path)
    {
        ASSERT_FALSE(m_frame->IsModified());
        wxTEST_DIALOG(MenuCommand(FrameId::Open), wxExpectModal<wxFileDialog>(path));
    }

    // Writes a settings file and starts the launcher on it as its default file.
    void StartWith(const std::string& content)
    {
        ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), content));
        StartLauncher();
    }
};
} // namespace

TEST_F(SettingsFileTest, EveryBasicValueSurvivesASaveAndALoadIntoAFreshWindow)
{
    StartLauncher();
    BasicTab* basic = Basic();
    basic->m_gameName->SetValue("Tidewater; #1 = best");
    SelectChoiceItem(basic->m_gameType, 1);
    basic->m_welcomeMessage->SetValue("Welcome,\n\t\"friends\" \\o/ $HOME");
    ClickCheckBox(basic->m_privateEnabled);
    basic->m_privatePassword->SetValue(" secret");
    basic->m_username->SetValue("operator");
    basic->m_password->SetValue("hunter2");
    basic->m_rounds->SetValue("7");
    basic->m_timeLimit->SetValue("45");
    basic->m_maxPlayers->SetValue("12");
    Rotation()->Append("Kestrel");
    Rotation()->Append("Glacier");

    const wxString path = DefaultSettingsPath();
    SaveAs(path);
    ASSERT_FALSE(m_frame->IsModified());

    // The keys and their encodings.
    EXPECT_EQ("Tidewater; #1 = best", StoredValue(path, "GameName"));
    EXPECT_EQ("TeamDeathmatch", StoredValue(path, "GameType"));
    EXPECT_EQ("Welcome,\n\t\"friends\" \\o/ $HOME", StoredValue(path, "WelcomeMessage"));
    EXPECT_EQ(" secret", StoredValue(path, "PrivatePassword"));
    EXPECT_EQ("operator", StoredValue(path, "Username"));
    EXPECT_EQ("hunter2", StoredValue(path, "Password"));
    EXPECT_EQ("", StoredValue(path, "EncryptedLogin"));
    EXPECT_EQ("4", StoredValue(path, "Rounds"));
    EXPECT_EQ("45", StoredValue(path, "TimeLimit"));
    EXPECT_EQ("12", StoredValue(path, "MaxPlayers"));
    EXPECT_EQ("Kestrel,Glacier", StoredValue(path, "RotationList"));
    EXPECT_EQ("12", StoredValue(path, "MaxPlayersCap"));
    const std::string text = ReadSavedText(path);
    EXPECT_EQ(0u, text.find(kGroup.ToStdString() + "\n")) << text;
    EXPECT_NE(std::string::npos, text.find("\nMaxPlayersCap=12\n")) << text;
    EXPECT_NE(std::string::npos, text.find("\nPrivatePassword=\" secret\"\n")) << text;

    StartLauncher(); // a fresh window loads the default file
    basic = Basic();
    EXPECT_EQ("TROVDedicatedServer.ini", StatusText());
    EXPECT_FALSE(m_frame->IsModified());
    EXPECT_EQ("Tidewater; #1 = best", basic->m_gameName->GetValue());
    EXPECT_EQ("TeamDeathmatch", basic->m_gameType->GetStringSelection());
    EXPECT_EQ("Welcome,\n\t\"friends\" \\o/ $HOME", basic->m_welcomeMessage->GetValue());
    EXPECT_TRUE(basic->m_privateEnabled->GetValue());
    EXPECT_EQ(" secret", basic->m_privatePassword->GetValue());
    EXPECT_EQ("operator", basic->m_username->GetValue());
    EXPECT_EQ("hunter2", basic->m_password->GetValue());
    EXPECT_EQ("7", basic->m_rounds->GetValue());
    EXPECT_EQ("45", basic->m_timeLimit->GetValue());
    EXPECT_EQ("12", basic->m_maxPlayers->GetValue());
    EXPECT_EQ((std::vector<wxString>{"Kestrel", "Glacier"}), Items(Rotation()));
}

TEST_F(SettingsFileTest, RoundsAreStoredAsHalfPlusOne)
{
    StartLauncher();
    FillRequired();
    const wxString path = DefaultSettingsPath();
    SaveAs(path);
    const std::pair<const char*, const char*> cases[] = {
        {"5", "3"}, {"2", "2"}, {"1", "1"}, {"99", "50"}};
    for (const auto& [field, stored] : cases)
    {
        Basic()->m_rounds->SetValue(field);
        MenuCommand(FrameId::Save);
        EXPECT_EQ(stored, StoredValue(path, "Rounds")) << "field " << field;
    }
    Basic()->m_rounds->SetValue(""); // below the range: refused, the file keeps what it had
    wxTEST_DIALOG(MenuCommand(FrameId::Save), ExpectMessageBox(wxID_OK));
    EXPECT_EQ("50", StoredValue(path, "Rounds"));
}

TEST_F(SettingsFileTest, ForeignContentLoadsHarmlesslyAndSurvivesASave)
{
    const std::string original = "; hand-written notes\n"
                                 "[Other.Group]\n"
                                 "Anything=at all\n"
                                 "\n"
                                 "[DedicatedServer.DedicatedServer]\n"
                                 "# the server reads this group\n"
                                 "GameName=Foreign\n"
                                 "GameType=CaptureTheFlag\n"
                                 "Rounds=yes\n"
                                 "FriendlyFire=true\n"
                                 "FutureSetting=42\n"
                                 "RotationList=Kestrel,,Glacier\n"
                                 "Username=op\n"
                                 "Password=pw\n";
    StartWith(original);
    EXPECT_EQ("Foreign", Basic()->m_gameName->GetValue());
    EXPECT_EQ("CaptureTheFlag", Basic()->m_gameType->GetStringSelection()); // unlisted: kept
    EXPECT_EQ("yes", Basic()->m_rounds->GetValue());   // not a number: shown as it stands
    EXPECT_EQ("10", Basic()->m_timeLimit->GetValue()); // missing: default
    // "True" in another spelling: the box shows it, and the save writes it back as stored.
    EXPECT_TRUE(m_frame->GetAdvancedTab()->m_friendlyFire->GetValue());
    ASSERT_EQ(3u, Rotation()->GetCount());
    EXPECT_EQ("", Rotation()->GetString(1));

    Basic()->m_rounds->SetValue("1"); // no number: the save would refuse "yes"
    MenuCommand(FrameId::Save);
    const std::string saved = ReadSavedText(DefaultSettingsPath());
    for (const char* line :
         {"; hand-written notes\n", "[Other.Group]\nAnything=at all\n\n[",
          "# the server reads this group\n", "FriendlyFire=true\n", "FutureSetting=42\n",
          "GameName=Foreign\n", "RotationList=Kestrel,,Glacier\n", "GameType=CaptureTheFlag\n",
          "Rounds=1\n"})
        EXPECT_NE(std::string::npos, saved.find(line)) << line << " missing from\n" << saved;
}

TEST_F(SettingsFileTest, WithUseCachedTheFileGetsNoLoginButTheFieldsKeepIt)
{
    StartWith("[DedicatedServer.DedicatedServer]\nEncryptedLogin=QmFzZTY0\nUsername=op\n"
              "Password=pw\nRotationList=Kestrel\n");
    BasicTab* basic = Basic();
    ASSERT_TRUE(basic->m_useCached->GetValue());
    MenuCommand(FrameId::Save);
    const wxString path = DefaultSettingsPath();
    EXPECT_EQ("", StoredValue(path, "Username"));
    EXPECT_EQ("", StoredValue(path, "Password"));
    EXPECT_EQ("QmFzZTY0", StoredValue(path, "EncryptedLogin"));
    EXPECT_EQ("op", basic->m_username->GetValue());
    EXPECT_EQ("pw", basic->m_password->GetValue());

    // Unchecked again, the login is written and required.
    ClickCheckBox(basic->m_useCached);
    MenuCommand(FrameId::Save);
    EXPECT_EQ("op", StoredValue(path, "Username"));
    EXPECT_EQ("pw", StoredValue(path, "Password"));
}

TEST_F(SettingsFileTest, TheLoadRulesFollowTheCachedLoginAndThePrivatePassword)
{
    const wxString cached = Home() + "/cached.ini";
    const wxString plain = Home() + "/plain.ini";
    const wxString silent = Home() + "/silent.ini";
    ASSERT_TRUE(WriteFileBytes(cached, "[DedicatedServer.DedicatedServer]\nEncryptedLogin=abc\n"
                                       "PrivatePassword=members\n"));
    ASSERT_TRUE(WriteFileBytes(plain, "[DedicatedServer.DedicatedServer]\nEncryptedLogin=\n"));
    ASSERT_TRUE(WriteFileBytes(silent, "[DedicatedServer.DedicatedServer]\nUsername=bob\n"
                                       "Password=secret\nRotationList=Kestrel\n"));
    StartLauncher();
    BasicTab* basic = Basic();
    EXPECT_FALSE(basic->m_useCached->IsEnabled()); // no settings file at start

    wxTEST_DIALOG(MenuCommand(FrameId::Open), ExpectMessageBox(wxID_NO),
                  wxExpectModal<wxFileDialog>(cached));
    EXPECT_TRUE(basic->m_useCached->GetValue());
    EXPECT_TRUE(basic->m_useCached->IsEnabled());
    EXPECT_FALSE(basic->m_username->IsEnabled());
    EXPECT_FALSE(basic->m_password->IsEnabled());
    EXPECT_TRUE(basic->m_privateEnabled->GetValue());
    EXPECT_TRUE(basic->m_privatePassword->IsEnabled());

    // A file without the key has no cached login, whatever the file before held; its own
    // login is shown and saved back.
    Open(silent);
    EXPECT_EQ("", basic->m_encryptedLogin->GetValue());
    EXPECT_FALSE(basic->m_useCached->GetValue());
    EXPECT_FALSE(basic->m_privateEnabled->GetValue());
    EXPECT_FALSE(basic->m_privatePassword->IsEnabled());
    MenuCommand(FrameId::Save);
    EXPECT_EQ("bob", StoredValue(silent, "Username"));
    EXPECT_EQ("secret", StoredValue(silent, "Password"));
    EXPECT_EQ("", StoredValue(silent, "EncryptedLogin"));

    Open(plain);
    EXPECT_FALSE(basic->m_useCached->GetValue());
    EXPECT_FALSE(basic->m_useCached->IsEnabled());
    EXPECT_TRUE(basic->m_username->IsEnabled());
    EXPECT_TRUE(basic->m_password->IsEnabled());
}

TEST_F(SettingsFileTest, OpenAndSaveAsMoveTheWorkingDirectoryToTheChosenFolder)
{
    StartLauncher();
    FillRequired();
    const wxString first = Home() + "/first";
    const wxString second = Home() + "/second";
    wxMkdir(first);
    wxMkdir(second);
    SaveAs(first + "/a.ini");
    EXPECT_EQ(NativePath(first), wxGetCwd());
    EXPECT_EQ(NativePath(first + "/a.ini"), m_frame->GetFilePath());
    EXPECT_EQ("a.ini", m_frame->GetFileName());

    ASSERT_TRUE(WriteFileBytes(second + "/b.ini", "[DedicatedServer.DedicatedServer]\n"));
    Open(second + "/b.ini");
    EXPECT_EQ(NativePath(second), wxGetCwd());
    EXPECT_EQ("b.ini", StatusText());

    // PunkBuster is looked for beside the start folder, which has none: a load clears it.
    EXPECT_FALSE(m_frame->GetAdvancedTab()->m_punkBuster->GetValue());
}

TEST_F(SettingsFileTest, SaveAndLoadInstallTheDocumentAsTheGlobalConfiguration)
{
    StartLauncher();
    FillRequired();
    SaveAs(Home() + "/a.ini");
    EXPECT_TRUE(m_frame->HoldsConfig(wxConfigBase::Get(false)));
    ASSERT_TRUE(WriteFileBytes(Home() + "/b.ini", ""));
    Open(Home() + "/b.ini");
    EXPECT_TRUE(m_frame->HoldsConfig(wxConfigBase::Get(false)));
    CloseLauncher();
    EXPECT_EQ(nullptr, wxConfigBase::Get(false)); // nothing left pointing at a deleted window's
}
