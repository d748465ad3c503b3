#pragma once

#include "hangar/hangar_app.h"
#include "hangar/hangar_frame.h"
#include "tests/support/gui_helpers.h"
#include "tests/support/temp_home.h"

#include <gtest/gtest.h>
#include <memory>
#include <wx/filefn.h>
#include <wx/statusbr.h>

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

    // Builds and shows the main window as HangarApp::OnInit does.
    HangarFrame* StartLauncher()
    {
        CloseLauncher();
        m_frame = ShowMainWindow();
        Flush();
        return m_frame;
    }

    // Destroys the window without the save prompt.
    void CloseLauncher()
    {
        if (!m_frame)
            return;
        m_frame->Destroy();
        m_frame = nullptr;
        g_frame = nullptr;
        Flush();
        wxTheApp->ProcessIdle(); // deletes the destroyed window
    }

    wxString StatusText() const { return m_frame->GetStatusBar()->GetStatusText(1); }
    wxString SettingsFolder() const { return m_home->SettingsFolder(); }
    wxString DefaultSettingsPath() const { return SettingsFolder() + "/TROVDedicatedServer.ini"; }
    const wxString& StartDir() const { return m_startDir; }
    const wxString& Home() const { return m_home->Path(); }

    HangarFrame* m_frame = nullptr;

private:
    std::unique_ptr<TempHome> m_home;
    wxString m_startDir;
};
