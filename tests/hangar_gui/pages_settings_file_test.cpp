// The Advanced and Miscellaneous pages in the settings file, and the file as all four pages
// write it.

#include "hangar/core/value_codec.h"
#include "tests/hangar_gui/pages_fixture.h"

#include <set>
#include <vector>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/textctrl.h>
#include <wx/tokenzr.h>

namespace
{
const wxString kGroupHeader = "[DedicatedServer.DedicatedServer]";

// The entries of the settings group in file order, as written (escapes not undone).
std::vector<std::pair<wxString, wxString>> GroupEntries(const wxString& path)
{
    std::vector<std::pair<wxString, wxString>> entries;
    bool inGroup = false;
    wxStringTokenizer lines(wxString::FromUTF8(ReadSavedText(path)), "\n");
    while (lines.HasMoreTokens())
    {
        const wxString line = lines.GetNextToken().Trim(false);
        if (line.StartsWith("["))
            inGroup = wxString(line).Trim() == kGroupHeader;
        else if (inGroup && !line.empty() && !line.StartsWith(";") && !line.StartsWith("#"))
            entries.emplace_back(line.BeforeFirst('='), line.AfterFirst('='));
    }
    return entries;
}

class PagesFileTest : public PagesTest
{
protected:
    void SaveAs(const wxString& path)
    {
        wxTEST_DIALOG(MenuCommand(FrameId::SaveAs), wxExpectModal<wxFileDialog>(path));
    }

    // Opens path through File > Open; a document with changes is given up first.
    void Open(const wxString& path)
    {
        if (m_frame->IsModified())
        {
            wxTEST_DIALOG(MenuCommand(FrameId::Open), ExpectMessageBox(wxID_NO),
                          wxExpectModal<wxFileDialog>(path));
        }
        else
        {
            wxTEST_DIALOG(MenuCommand(FrameId::Open), wxExpectModal<wxFileDialog>(path));
        }
        ASSERT_EQ(NativePath(path), m_frame->GetFilePath());
    }

    // Starts the launcher on a default settings file holding these entries of the group.
    void StartWith(const std::string& entries)
    {
        ASSERT_TRUE(
            WriteFileBytes(DefaultSettingsPath(), (kGroupHeader + "\n").ToStdString() + entries));
        StartLauncher();
        ASSERT_FALSE(m_frame->IsModified());
    }
};
} // namespace

TEST_F(PagesFileTest, TheFileHoldsEveryRegisteredKeyAndMaxPlayersCapWithTheirEncodings)
{
    StartLauncher();
    FillRequired();
    Rotation()->Append("Glacier");
    ClickCheckBox(Advanced()->m_upgrades);
    Advanced()->m_spawnPreDelayAllies->SetValue("3600");
    Misc()->m_additionalOptions->SetValue("-log\n-nosound");
    Basic()->m_rounds->SetValue("5");
    const wxString path = DefaultSettingsPath();
    SaveAs(path);

    const auto entries = GroupEntries(path);
    EXPECT_EQ(53u, entries.size());
    std::set<wxString> keys;
    for (const auto& entry : entries)
        EXPECT_TRUE(keys.insert(entry.first).second) << "twice: " << entry.first;
    std::set<wxString> expected{"MaxPlayersCap"};
    for (const auto& entry : m_frame->GetSection().m_controls)
        expected.insert(entry.first);
    EXPECT_EQ(52u, m_frame->GetSection().m_controls.size());
    EXPECT_EQ(expected, keys);

    std::map<wxString, wxString> written(entries.begin(), entries.end());
    EXPECT_EQ("12", written["MaxPlayersCap"]);
    EXPECT_EQ("3", written["Rounds"]);                  // 5 / 2 + 1
    EXPECT_EQ("ObjectiveSkydrop", written["GameType"]); // the choice's item
    EXPECT_EQ("Kestrel,Glacier", written["RotationList"]);
    EXPECT_EQ("False", written["Upgrades"]);
    EXPECT_EQ("True", written["WeaponTracers"]);
    EXPECT_EQ("False", written["PunkBuster"]);
    EXPECT_EQ("0", written["Invincibility"]);
    EXPECT_EQ("3600", written["SpawnPreDelayAllies"]);
    EXPECT_EQ("1", written["SpawnPostDelayNonSky"]);
    EXPECT_EQ("-log\\n-nosound", written["AdditionalOptions"]); // the file's escape
    EXPECT_EQ("vesta", written["RemotePassword"]);
    EXPECT_EQ("13500", written["RemotePort"]);
    EXPECT_EQ("False", written["DebugOutput"]);
    EXPECT_EQ("True", written["ShowText"]);
    EXPECT_EQ("2", written["ShowWhoKilledMeTime"]);
    EXPECT_EQ("30", written["TimeBetweenMatches"]);
    EXPECT_EQ("15", written["TimeBetweenRounds"]);
}

TEST_F(PagesFileTest, EveryControlOfEveryPageChangedSurvivesASaveAndALoad)
{
    InstallPunkBuster();
    StartLauncher();
    const auto defaults = SectionValues(m_frame);
    for (const auto& entry : m_frame->GetSection().m_controls)
        ChangeControl(entry.second);
    // Texts that the file must escape or quote.
    Misc()->m_additionalOptions->ChangeValue(" -a \"b\"\n#c;d\\e\t=f");
    Misc()->m_remotePassword->ChangeValue("p=ss;#\\w");
    Rotation()->Append("Second Map");
    const auto changed = SectionValues(m_frame);
    for (const auto& [key, value] : defaults)
        ASSERT_NE(value, changed.at(key)) << key;

    SaveAs(DefaultSettingsPath());
    CloseLauncher();
    wxSetWorkingDirectory(StartDir());
    StartLauncher(); // loads the default file

    const auto loaded = SectionValues(m_frame);
    for (const auto& [key, value] : changed)
    {
        const wxString expected =
            key == "Rounds" ? RoundsForField(RoundsForFile(value), 99) : value;
        EXPECT_EQ(expected, loaded.at(key)) << key;
    }
    EXPECT_EQ(changed.at("Rounds"), loaded.at("Rounds")); // odd numbers come back as they were
    EXPECT_FALSE(m_frame->IsModified());
}

TEST_F(PagesFileTest, PunkBusterSavedCheckedLoadsUncheckedWithoutTheProgram)
{
    StartWith("PunkBuster=True\n");
    wxCheckBox* box = Advanced()->m_punkBuster;
    EXPECT_FALSE(box->GetValue());
    EXPECT_FALSE(box->IsEnabled());

    FillRequired();
    MenuCommand(FrameId::Save);
    EXPECT_EQ("False", StoredValue(DefaultSettingsPath(), "PunkBuster").value_or("<missing>"));
}

TEST_F(PagesFileTest, PunkBusterLoadedValueStandsWithTheProgram)
{
    InstallPunkBuster();
    StartWith("PunkBuster=False\n");
    EXPECT_FALSE(Advanced()->m_punkBuster->GetValue());
    EXPECT_TRUE(Advanced()->m_punkBuster->IsEnabled());
}

TEST_F(PagesFileTest, PunkBusterIsLookedForBesideTheStartFolderAfterTheDialogsMovedAway)
{
    InstallPunkBuster();
    StartWith("PunkBuster=True\n");
    FillRequired();
    const wxString elsewhere = Home() + "/elsewhere/config/other.ini";
    ASSERT_TRUE(WriteFileBytes(elsewhere, ""));
    SaveAs(elsewhere); // the working directory follows, with no program beside it
    Open(elsewhere);
    wxCheckBox* box = Advanced()->m_punkBuster;
    EXPECT_TRUE(box->GetValue());
    EXPECT_TRUE(box->IsEnabled());
    MenuCommand(FrameId::Save);
    EXPECT_EQ("True", StoredValue(elsewhere, "PunkBuster").value_or("<missing>"));
}

TEST_F(PagesFileTest, LoadedValuesLongerThanTheirLimitsAreKeptWholeButCannotGrow)
{
    const std::string password(100, 'p');
    const std::string name(40, 'n');
    StartWith("RemotePassword=" + password + "\nGameName=" + name +
              "\nUsername=op\nPassword=pw\nRotationList=Kestrel\n");
    wxTextCtrl* gameName = Basic()->m_gameName;
    EXPECT_EQ(password, Misc()->m_remotePassword->GetValue());
    EXPECT_EQ(name, gameName->GetValue());
    EXPECT_FALSE(TypeChar(gameName, 'x')); // typing still stops at the limit
    gameName->Remove(0, 1);                // and shortening cuts nothing more
    EXPECT_EQ(name.substr(1), gameName->GetValue());
    MenuCommand(FrameId::Save);
    EXPECT_EQ(password, StoredValue(DefaultSettingsPath(), "RemotePassword").value_or(""));
    EXPECT_EQ(name.substr(1), StoredValue(DefaultSettingsPath(), "GameName").value_or(""));
}

TEST_F(PagesFileTest, ANumberOutOfRangeStopsSaveClosePromptAndLaunchAtThatField)
{
    StartWith("Username=op\nPassword=pw\nRotationList=Kestrel\n");
    const std::string before = ReadFileBytes(DefaultSettingsPath());
    Misc()->m_remotePort->SetValue("");       // emptied by deleting
    Basic()->m_maxPlayers->SetValue("99999"); // pasted
    Basic()->m_rounds->SetValue("0");
    Advanced()->m_spawnPreDelayAxis->SetValue("3600"); // in range; Invincibility keeps its "0"
    const auto expectStoppedAt =
        [this](wxTextCtrl* field, int page, const ShownMessage& shown, const char* message)
    {
        EXPECT_EQ(message, shown.m_message);
        EXPECT_EQ(page, m_frame->GetNotebook()->GetSelection());
        EXPECT_TRUE(WaitFor([field] { return wxWindow::FindFocus() == field; }));
        field->SetValue("12");
    };
    ShownMessage shown;
    wxTEST_DIALOG(MenuCommand(FrameId::Save), ExpectMessageBox(wxID_OK, &shown));
    expectStoppedAt(Basic()->m_rounds, 0, shown, "value is too small"); // page, then field order
    bool closed = true;
    wxTEST_DIALOG(closed = CloseByUser(), ExpectMessageBox(wxID_YES),
                  ExpectMessageBox(wxID_OK, &shown));
    EXPECT_FALSE(closed);
    expectStoppedAt(Basic()->m_maxPlayers, 0, shown, "value is too big");
    wxTEST_DIALOG(ClickButton(FindButton(m_frame, FrameId::Launch)),
                  ExpectMessageBox(wxID_OK, &shown));
    expectStoppedAt(Misc()->m_remotePort, 2, shown, "value is too small");
    EXPECT_EQ(before, ReadFileBytes(DefaultSettingsPath()));
    EXPECT_TRUE(m_frame->IsModified());
}

TEST_F(PagesFileTest, AfterALoadTheKillerTimeFieldFollowsTheBox)
{
    StartWith("Username=op\nPassword=pw\nRotationList=Kestrel\n"
              "ShowWhoKilledMe=False\nShowWhoKilledMeTime=\n");
    MiscTab* page = Misc();
    wxTextCtrl* field = page->m_showWhoKilledMeTime;
    EXPECT_FALSE(page->m_showWhoKilledMe->GetValue());
    EXPECT_FALSE(field->IsEnabled());
    // Empty, but not the user's to correct while disabled: saved as it stands, no message.
    Misc()->m_remotePort->SetValue("13501");
    MenuCommand(FrameId::Save);
    EXPECT_EQ("13501", StoredValue(DefaultSettingsPath(), "RemotePort").value_or(""));
    EXPECT_EQ("", StoredValue(DefaultSettingsPath(), "ShowWhoKilledMeTime").value_or("?"));

    // Checking gives back an empty field and marks the document: the next save writes True.
    ClickCheckBox(page->m_showWhoKilledMe);
    EXPECT_TRUE(field->IsEnabled());
    EXPECT_TRUE(field->IsEmpty());
    EXPECT_TRUE(m_frame->IsModified());

    // A file with the box checked enables the field after the user had disabled it.
    ClickCheckBox(page->m_showWhoKilledMe);
    ASSERT_FALSE(field->IsEnabled());
    const wxString other = SettingsFolder() + "/other.ini";
    ASSERT_TRUE(WriteFileBytes(
        other, (kGroupHeader + "\nShowWhoKilledMe=True\nShowWhoKilledMeTime=7\n").ToStdString()));
    Open(other);
    EXPECT_TRUE(field->IsEnabled());
    EXPECT_EQ("7", field->GetValue());

    // A file with the box clear disables the field and keeps its stored text.
    ASSERT_TRUE(WriteFileBytes(
        other, (kGroupHeader + "\nShowWhoKilledMe=False\nShowWhoKilledMeTime=9\n").ToStdString()));
    Open(other);
    EXPECT_FALSE(field->IsEnabled());
    EXPECT_EQ("9", field->GetValue());
}
