// Values the operator leaves alone are saved exactly as the settings file stored them, and a key
// the file holds more than once ends with one value.

#include "tests/hangar_gui/pages_fixture.h"

#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/tokenzr.h>

namespace
{
const std::string kGroupHeader = "[DedicatedServer.DedicatedServer]\n";
// What validation asks for, so that every save of these tests goes through.
const std::string kRequired = "Username=op\nPassword=pw\nRotationList=Kestrel\n";

enum class Action
{
    None,  // the control is left alone
    Edit,  // the operator changes the control
    Reset, // Reset to Defaults on the control's page
    New    // File > New, then Save As to the same file
};

struct Cell
{
    const char* m_key;
    wxString m_stored;
    Action m_action;
    wxString m_saved; // what the save writes under the key
    // What the control shows after the load ("" for a check box: unchecked). A text longer than
    // the field holds shows its start (GTK's entry takes about 65535 characters).
    wxString m_shown;
};

const char* Name(Action action)
{
    switch (action)
    {
    case Action::None:
        return "untouched";
    case Action::Edit:
        return "edited";
    case Action::Reset:
        return "reset";
    case Action::New:
        return "new";
    }
    return "";
}

using UntouchedValuesTest = PagesTest;

// The lines of the settings group whose key is `key` in any case, as the file holds them.
std::vector<wxString> LinesOfKey(const std::string& bytes, const wxString& key)
{
    std::vector<wxString> lines;
    wxStringTokenizer tokens(wxString::FromUTF8(bytes), "\r\n");
    while (tokens.HasMoreTokens())
    {
        const wxString line = tokens.GetNextToken();
        if (line.BeforeFirst('=').Trim().CmpNoCase(key) == 0)
            lines.push_back(line);
    }
    return lines;
}
} // namespace

TEST_F(UntouchedValuesTest, AValueLeftAloneIsSavedAsStoredAndAnEditedOneAsShown)
{
    const wxString longName = wxString('n', 70000) + "end"; // more than a GTK entry holds
    const std::vector<Cell> cells = {
        {"FriendlyFire", "false", Action::None, "false", ""},
        {"FriendlyFire", "FALSE", Action::Edit, "True", ""},
        {"FriendlyFire", "0", Action::None, "0", ""},
        {"FriendlyFire", "1", Action::None, "1", "True"},
        {"FriendlyFire", "yes", Action::None, "yes", "True"},
        {"FriendlyFire", "yes", Action::Edit, "False", "True"},
        {"FriendlyFire", "false", Action::Reset, "True", ""},
        {"FriendlyFire", "false", Action::New, "True", ""},
        {"Rounds", "60", Action::None, "60", "99"},
        {"Rounds", "60", Action::Edit, "4", "99"},
        {"Rounds", "60", Action::Reset, "1", "99"},
        {"Rounds", "3", Action::None, "3", "5"},
        {"GameName", longName, Action::None, longName, longName},
        {"GameName", longName, Action::Edit, "Short", longName},
        {"GameName", longName, Action::New, "Nameless Battle", longName},
    };
    std::cout << "[ table    ] " << cells.size() << " cells (control x stored text x action)\n";
    for (const Cell& cell : cells)
    {
        SCOPED_TRACE(
            wxString::Format("%s=%s, %s", cell.m_key, cell.m_stored.Left(20), Name(cell.m_action))
                .ToStdString());
        const wxString path = DefaultSettingsPath();
        ASSERT_TRUE(WriteFileBytes(path, kGroupHeader + kRequired + cell.m_key + "=" +
                                             cell.m_stored.ToStdString() + "\n"));
        StartLauncher();
        wxWindow* control = m_frame->GetSection().Find(cell.m_key);
        wxCheckBox* box = dynamic_cast<wxCheckBox*>(control);
        wxTextCtrl* field = dynamic_cast<wxTextCtrl*>(control);
        ASSERT_TRUE(box || field);
        const wxString shown = box ? wxString(box->GetValue() ? "True" : "") : field->GetValue();
        EXPECT_TRUE(shown == cell.m_shown ||
                    (shown.length() > 60000 && cell.m_shown.StartsWith(shown)))
            << shown.Left(20) << " (" << shown.length() << " characters)";

        switch (cell.m_action)
        {
        case Action::None:
            break;
        case Action::Edit:
            if (box)
                ClickCheckBox(box);
            else
                field->SetValue(cell.m_key == wxString("Rounds") ? "7" : "Short");
            break;
        case Action::Reset:
            for (wxWindow* page = control; page; page = page->GetParent())
            {
                const int index = m_frame->GetNotebook()->FindPage(page);
                if (index != wxNOT_FOUND)
                    m_frame->GetNotebook()->SetSelection(index);
            }
            ClickButton(FindButton(m_frame, FrameId::ResetToDefaults));
            FillRequired();
            break;
        case Action::New:
            MenuCommand(FrameId::New);
            FillRequired();
            break;
        }
        MarkModified(); // the save writes whatever the action left
        if (cell.m_action == Action::New)
        {
            wxTEST_DIALOG(MenuCommand(FrameId::Save), wxExpectModal<wxFileDialog>(path));
        }
        else
        {
            MenuCommand(FrameId::Save);
        }
        EXPECT_FALSE(m_frame->IsModified());
        EXPECT_EQ(std::vector<wxString>{wxString(cell.m_key) + "=" + cell.m_saved},
                  LinesOfKey(ReadFileBytes(path), cell.m_key));
        CloseLauncher();
    }
}

// A key the group holds twice, in two copies of the group, or in two spellings: the first copy is
// the one a server that reads the first copy uses. It is shown, named once at start, and after a
// save, untouched or edited, the file holds that key once.
TEST_F(UntouchedValuesTest, AKeyStoredTwiceShowsTheFirstCopyAndEndsStoredOnce)
{
    const std::vector<std::string> files = {
        kGroupHeader + "GameName=First\n" + kRequired + "GameName=Second\n",
        kGroupHeader + "GameName=First\n" + kRequired + "[Other]\nGameName=Kept\n" + kGroupHeader +
            "GameName=Second\n",
        kGroupHeader + "gamename=First\n" + kRequired + "GAMENAME = Second\n",
        kGroupHeader + "GameName=First\n" + kRequired +
            "[dedicatedserver.DEDICATEDSERVER]\nGameName=Second\nGameName=Third\n",
    };
    std::cout << "[ table    ] " << files.size() * 2 << " cells (file x untouched or edited)\n";
    for (const std::string& file : files)
    {
        for (const bool edit : {false, true})
        {
            SCOPED_TRACE(file + (edit ? "edited" : "untouched"));
            ASSERT_TRUE(WriteFileBytes(DefaultSettingsPath(), file));
            ShownMessage shown;
            wxTEST_DIALOG(StartLauncher(), ExpectMessageBox(wxID_OK, &shown));
            EXPECT_EQ(1, shown.m_count);
            EXPECT_TRUE(shown.m_message.Lower().Contains("more than once: gamename."))
                << shown.m_message;
            EXPECT_EQ("First", Basic()->m_gameName->GetValue());

            if (edit)
                Basic()->m_gameName->SetValue("Edited");
            MarkModified();
            MenuCommand(FrameId::Save);
            const std::string saved = ReadFileBytes(DefaultSettingsPath());
            std::vector<wxString> lines = LinesOfKey(saved, "GameName");
            const wxString value = edit ? "Edited" : "First";
            // Other groups keep theirs.
            const bool other = file.find("[Other]") != std::string::npos;
            ASSERT_EQ(other ? 2u : 1u, lines.size()) << saved;
            EXPECT_TRUE(lines[0].AfterFirst('=').Trim(false) == value) << lines[0];
            EXPECT_EQ(value, StoredValue(DefaultSettingsPath(), "GameName"));
            CloseLauncher();
        }
    }
}
