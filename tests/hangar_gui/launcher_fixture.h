#pragma once

#include "hangar/core/settings_file.h"
#include "hangar/hangar_app.h"
#include "hangar/hangar_frame.h"
#include "hangar/pages/basic_tab.h"
#include "hangar/pages/map_rotation_tab.h"
#include "hangar/window_ids.h"
#include "tests/support/expect_message.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/temp_home.h"
#include "tests/support/toolkit_warnings.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>
#include <wx/button.h>
#include <wx/fileconf.h>
#include <wx/filefn.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/statusbr.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

// What a file dialog proposed; filled in by ExpectFileDialog.
struct ShownFileDialog
{
    wxString m_message;
    wxString m_directory;
    wxString m_fileName;
    wxString m_wildcard;
    long m_style = 0;
};

// Expects a file dialog, records what it proposed into `shown`, and answers it as
// wxExpectModal<wxFileDialog> does: with `path` and `answer`.
class ExpectFileDialog : public wxExpectModalBase<wxFileDialog, ExpectFileDialog>
{
public:
    ExpectFileDialog(ShownFileDialog* shown, const wxString& path, int answer = wxID_OK)
        : m_shown(shown), m_path(path), m_answer(answer)
    {
    }

protected:
    int OnInvoked(wxFileDialog* dialog) const override
    {
        m_shown->m_message = dialog->GetMessage();
        m_shown->m_directory = dialog->GetDirectory();
        m_shown->m_fileName = dialog->GetFilename();
        m_shown->m_wildcard = dialog->GetWildcard();
        m_shown->m_style = dialog->GetWindowStyle();
        dialog->SetPath(m_path);
        return m_answer;
    }
    wxString GetDefaultDescription() const override { return "a file dialog"; }

private:
    ShownFileDialog* m_shown;
    wxString m_path;
    int m_answer;
};

// Each launcher test gets its own home (documents folder) and its own start folder as working
// directory, and builds the real main window the way the program does.
class LauncherTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_home = std::make_unique<TempHome>();
        m_startDir = m_home->Path() + "/start";
        wxMkdir(m_startDir);
        wxSetWorkingDirectory(m_startDir);
    }

    void TearDown() override
    {
        CloseLauncher();
        m_home.reset();
    }

    // Builds and shows the main window as HangarApp::OnInit does. The toolkit has nothing to warn
    // about on the way (GTK's criticals at start-up fail the test).
    HangarFrame* StartLauncher()
    {
        CloseLauncher();
        const ToolkitWarnings warnings;
        m_frame = ShowMainWindow();
        // Under a window manager the toolkit maps a new window only once the manager has told it
        // the size of its decorations; until then it has a placeholder size of a few pixels. The
        // first paint comes after the window is mapped at its real size.
        EventCounter painted(m_frame, wxEVT_PAINT);
        EXPECT_TRUE(WaitFor(
            [&] { return painted.Count() > 0 && m_frame->GetSize().x >= m_frame->FromDIP(450); }));
        Flush();
        EXPECT_EQ(std::vector<std::string>(), warnings.Messages()) << "at start-up";
        return m_frame;
    }

    // Destroys the window without the save prompt.
    void CloseLauncher()
    {
        if (!m_frame)
            return;
        m_frame->Destroy();
        ForgetDestroyedWindow();
    }

    // Closes the window as the close box does (through the save prompt). Returns true when the
    // window went away, false when it stayed open.
    bool CloseByUser()
    {
        m_frame->Close(false);
        if (!wxTheApp->IsScheduledForDestruction(m_frame))
            return false;
        ForgetDestroyedWindow();
        return true;
    }

    // Sends a File menu command (FrameId::New, Open, Save, SaveAs) as the menu does.
    void MenuCommand(int id)
    {
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetEventObject(m_frame);
        m_frame->ProcessWindowEvent(event);
    }

    wxString StatusText() const { return m_frame->GetStatusBar()->GetStatusText(1); }
    wxString SettingsFolder() const { return m_home->SettingsFolder(); }
    wxString DefaultSettingsPath() const { return SettingsFolder() + "/TROVDedicatedServer.ini"; }
    const wxString& StartDir() const { return m_startDir; }
    const wxString& Home() const { return m_home->Path(); }

    BasicTab* Basic() const { return m_frame->GetBasicTab(); }
    wxListBox* Rotation() const { return m_frame->GetMapRotationTab()->m_rotationList; }

    static std::vector<wxString> Items(const wxItemContainerImmutable* list)
    {
        const wxArrayString items = list->GetStrings();
        return std::vector<wxString>(items.begin(), items.end());
    }

    // Fills what validation asks for: a login and one map in the rotation.
    void FillRequired()
    {
        Basic()->m_username->SetValue("operator");
        Basic()->m_password->SetValue("hunter2");
        if (Rotation()->IsEmpty())
            Rotation()->Append("Kestrel");
    }

    // The value stored under key in the settings group of the file at path; none when missing.
    static std::optional<wxString> StoredValue(const wxString& path, const wxString& key)
    {
        SettingsRead read = ReadSettingsFile(path);
        read.m_config->SetPath("/DedicatedServer.DedicatedServer");
        wxString value;
        if (!read.m_config->Read(key, &value))
            return std::nullopt;
        return value;
    }

    HangarFrame* m_frame = nullptr;

private:
    void ForgetDestroyedWindow()
    {
        m_frame = nullptr;
        g_frame = nullptr;
        Flush();
        wxTheApp->ProcessIdle(); // deletes the destroyed window
    }

    std::unique_ptr<TempHome> m_home;
    wxString m_startDir;
};
