// The Basic page: defaults, limits, the dependencies between its controls and the game-type list.

#include "tests/hangar_gui/launcher_fixture.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/notebook.h>

namespace
{
class BasicPageTest : public LauncherTest
{
protected:
    wxString GameTypesPath() const { return SettingsFolder() + "/TROVGameTypes.ini"; }

    void ResetThisPage() { ClickButton(FindButton(m_frame, FrameId::ResetToDefaults)); }

    // Starts from a saved, unmodified document.
    void StartSaved()
    {
        ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), "[DedicatedServer.DedicatedServer]\n"));
        StartLauncher();
    }
};
} // namespace

TEST_F(BasicPageTest, ControlsStartWithTheirDefaults)
{
    StartLauncher();
    BasicTab* basic = Basic();
    EXPECT_EQ(basic, m_frame->GetNotebook()->GetPage(0));
    EXPECT_EQ("Nameless Battle", basic->m_gameName->GetValue());
    EXPECT_EQ(0, basic->m_gameType->GetSelection());
    EXPECT_EQ("8", basic->m_maxPlayers->GetValue());
    EXPECT_EQ("1", basic->m_rounds->GetValue());
    EXPECT_EQ("10", basic->m_timeLimit->GetValue());
    for (wxTextCtrl* empty :
         {basic->m_password, basic->m_username, basic->m_welcomeMessage, basic->m_privatePassword})
        EXPECT_TRUE(empty->IsEmpty());
    EXPECT_FALSE(basic->m_privateEnabled->GetValue());
    EXPECT_FALSE(basic->m_privatePassword->IsEnabled());
    EXPECT_FALSE(basic->m_useCached->GetValue());
    EXPECT_TRUE(basic->m_username->IsEnabled());
    EXPECT_TRUE(basic->m_welcomeMessage->IsMultiLine());
    EXPECT_TRUE(basic->m_password->HasFlag(wxTE_PASSWORD));
    EXPECT_TRUE(basic->m_privatePassword->HasFlag(wxTE_PASSWORD));
    EXPECT_FALSE(basic->m_encryptedLogin->IsShown());
}

TEST_F(BasicPageTest, TypingRespectsTheLimits)
{
    StartLauncher();
    BasicTab* basic = Basic();
    basic->m_maxPlayers->ChangeValue("");
    EXPECT_FALSE(TypeChar(basic->m_maxPlayers, '0'));
    EXPECT_EQ(2, TypeText(basic->m_maxPlayers, "12"));
    basic->m_maxPlayers->ChangeValue("1");
    basic->m_maxPlayers->SetInsertionPointEnd();
    EXPECT_FALSE(TypeChar(basic->m_maxPlayers, '3'));
    EXPECT_FALSE(TypeChar(basic->m_maxPlayers, 'a'));
    EXPECT_FALSE(TypeChar(basic->m_maxPlayers, '-'));
    basic->m_rounds->ChangeValue("");
    EXPECT_EQ(2, TypeText(basic->m_rounds, "99"));
    basic->m_timeLimit->ChangeValue("6");
    basic->m_timeLimit->SetInsertionPointEnd();
    EXPECT_FALSE(TypeChar(basic->m_timeLimit, '1'));

    basic->m_gameName->ChangeValue("");
    TypeText(basic->m_gameName, wxString('g', 30));
    EXPECT_EQ(25u, basic->m_gameName->GetValue().length());
    for (wxTextCtrl* login : {basic->m_username, basic->m_password})
    {
        TypeText(login, wxString('u', 70));
        EXPECT_EQ(64u, login->GetValue().length());
    }
    ClickCheckBox(basic->m_privateEnabled);
    TypeText(basic->m_privatePassword, wxString('p', 70));
    EXPECT_EQ(64u, basic->m_privatePassword->GetValue().length());

    EXPECT_EQ(512, TypeText(basic->m_welcomeMessage, wxString("line\n") + wxString('w', 515)));
    EXPECT_EQ(512u, basic->m_welcomeMessage->GetValue().length());
    EXPECT_EQ("line\n", basic->m_welcomeMessage->GetValue().Left(5));
}

TEST_F(BasicPageTest, PrivateEnabledControlsThePasswordAndOnlyEmptyingItMarks)
{
    StartSaved();
    BasicTab* basic = Basic();
    ClickCheckBox(basic->m_privateEnabled);
    EXPECT_TRUE(basic->m_privatePassword->IsEnabled());
    EXPECT_FALSE(m_frame->IsModified()); // checking alone changes no setting

    basic->m_privatePassword->SetValue("members");
    FillRequired();
    MenuCommand(FrameId::Save);
    ASSERT_FALSE(m_frame->IsModified());
    ClickCheckBox(basic->m_privateEnabled);
    EXPECT_FALSE(basic->m_privatePassword->IsEnabled());
    EXPECT_TRUE(basic->m_privatePassword->IsEmpty());
    EXPECT_TRUE(m_frame->IsModified());
}

TEST_F(BasicPageTest, UseCachedDisablesTheLoginFields)
{
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(),
                               "[DedicatedServer.DedicatedServer]\nEncryptedLogin=token\n"));
    StartLauncher();
    BasicTab* basic = Basic();
    ClickCheckBox(basic->m_useCached);
    EXPECT_TRUE(basic->m_username->IsEnabled());
    EXPECT_TRUE(basic->m_password->IsEnabled());
    EXPECT_TRUE(m_frame->IsModified()); // the next save writes the login fields
    ClickCheckBox(basic->m_useCached);
    EXPECT_FALSE(basic->m_username->IsEnabled());
    EXPECT_FALSE(basic->m_password->IsEnabled());
    EXPECT_FALSE(basic->m_privatePassword->IsEnabled()); // the private one is not touched
}

TEST_F(BasicPageTest, ResetToDefaultsRestoresThePageButKeepsTheCachedLogin)
{
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(),
                               "[DedicatedServer.DedicatedServer]\nEncryptedLogin=token\n"
                               "Username=op\nGameName=Mine\nMaxPlayers=4\nRounds=3\n"));
    StartLauncher();
    BasicTab* basic = Basic();
    ASSERT_TRUE(basic->m_useCached->GetValue());
    SelectChoiceItem(basic->m_gameType, 2);
    ResetThisPage();
    EXPECT_FALSE(basic->m_useCached->GetValue());
    EXPECT_TRUE(basic->m_useCached->IsEnabled());
    EXPECT_TRUE(basic->m_username->IsEnabled());
    EXPECT_TRUE(basic->m_username->IsEmpty());
    EXPECT_EQ("Nameless Battle", basic->m_gameName->GetValue());
    EXPECT_EQ(0, basic->m_gameType->GetSelection());
    EXPECT_EQ("8", basic->m_maxPlayers->GetValue());
    EXPECT_EQ("1", basic->m_rounds->GetValue());
    EXPECT_EQ("token", basic->m_encryptedLogin->GetValue());
    EXPECT_TRUE(m_frame->IsModified());
}

TEST_F(BasicPageTest, ResetToDefaultsMarksASavedDocument)
{
    StartSaved();
    ResetThisPage();
    EXPECT_TRUE(m_frame->IsModified());
    EXPECT_EQ("TROVDedicatedServer.ini*", StatusText());
}

TEST_F(BasicPageTest, FirstStartCreatesTheGameTypeListInOrder)
{
    ASSERT_FALSE(wxDirExists(SettingsFolder()));
    StartLauncher();
    EXPECT_EQ("[TROVGame.Types]\n"
              "ObjectiveSkydrop=TROVGameNonNative.SDGame\n"
              "TeamDeathmatch=TROVGameNonNative.DMGame\n"
              "TeamDeathmatchSkydrop=TROVGameNonNative.SDMGame\n",
              ReadSavedText(GameTypesPath()));
    EXPECT_EQ(
        (std::vector<wxString>{"ObjectiveSkydrop", "TeamDeathmatch", "TeamDeathmatchSkydrop"}),
        Items(Basic()->m_gameType));
    EXPECT_EQ("ObjectiveSkydrop", Basic()->m_gameType->GetStringSelection());
    EXPECT_EQ(NativePath(StartDir()), wxGetCwd()); // opened by its full path
}

TEST_F(BasicPageTest, AnEditedGameTypeListIsShownInItsOwnOrderAndNeverRewritten)
{
    const std::string edited = "[TROVGame.Types]\nTeamDeathmatch=TROVGameNonNative.DMGame\n"
                               "ObjectiveSkydrop=TROVGameNonNative.SDGame\n"
                               "TeamDeathmatchSkydrop=TROVGameNonNative.SDMGame\n"
                               "Arena=Mod.ArenaGame\n";
    ASSERT_TRUE(WriteFileBytes(GameTypesPath(), edited));
    StartLauncher();
    EXPECT_EQ((std::vector<wxString>{"TeamDeathmatch", "ObjectiveSkydrop", "TeamDeathmatchSkydrop",
                                     "Arena"}),
              Items(Basic()->m_gameType));
    CloseLauncher();
    EXPECT_EQ(edited, ReadFileBytes(GameTypesPath()));
}

TEST_F(BasicPageTest, AnEmptyGameTypeListGivesAnEmptyChoiceSavedAsEmptyText)
{
    ASSERT_TRUE(WriteFileBytes(GameTypesPath(), "[TROVGame.Types]\n"));
    StartLauncher();
    EXPECT_TRUE(Basic()->m_gameType->IsEmpty());
    FillRequired();
    const wxString path = Home() + "/empty-types.ini";
    wxTEST_DIALOG(MenuCommand(FrameId::SaveAs), wxExpectModal<wxFileDialog>(path));
    EXPECT_EQ("", StoredValue(path, "GameType"));
    EXPECT_EQ("[TROVGame.Types]\n", ReadSavedText(GameTypesPath()));
}

TEST_F(BasicPageTest, AGameTypeTheListDoesNotHoldIsKeptAsStored)
{
    const int width = StartLauncher()->GetSize().x;
    CloseLauncher();
    const std::string stored = "CaptureTheFlag" + std::string(60, 'X');
    ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(),
                               "[DedicatedServer.DedicatedServer]\nGameType=" + stored + "\n"));
    StartLauncher();
    wxChoice* type = Basic()->m_gameType;
    EXPECT_EQ((std::vector<wxString>{"ObjectiveSkydrop", "TeamDeathmatch", "TeamDeathmatchSkydrop",
                                     stored}),
              Items(type));
    EXPECT_EQ(stored, type->GetStringSelection());
    EXPECT_EQ(width, m_frame->GetSize().x) << "a long name widens neither the page nor the window";
    FillRequired();
    ASSERT_TRUE(m_frame->SaveSettings());
    EXPECT_EQ(wxString(stored), StoredValue(DefaultSettingsPath(), "GameType"));

    // It belongs to that file: a new document offers the listed types only.
    MenuCommand(FrameId::New);
    EXPECT_EQ(3u, type->GetCount());
    EXPECT_EQ(0, type->GetSelection());
}
