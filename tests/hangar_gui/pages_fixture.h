#pragma once

#include "hangar/pages/advanced_tab.h"
#include "hangar/pages/misc_tab.h"
#include "hangar/window_ids.h"
#include "tests/hangar_gui/launcher_fixture.h"
#include "tests/hangar_gui/page_test_support.h"

// Launcher tests of the Advanced and Miscellaneous pages.
class PagesTest : public LauncherTest
{
protected:
    AdvancedTab* Advanced() const { return m_frame->GetAdvancedTab(); }
    MiscTab* Misc() const { return m_frame->GetMiscTab(); }

    // File > New, giving up the changes of the current document when it asks.
    void NewDocument()
    {
        if (m_frame->IsModified())
        {
            wxTEST_DIALOG(MenuCommand(FrameId::New), ExpectMessageBox(wxID_NO));
        }
        else
        {
            MenuCommand(FrameId::New);
        }
        Flush();
    }

    // Starts the launcher on a new document, which is not modified.
    void StartWithNewDocument()
    {
        StartLauncher();
        NewDocument();
        ASSERT_FALSE(m_frame->IsModified());
    }

    // Places the PunkBuster service program where the launcher looks for it from the start folder.
    void InstallPunkBuster() const
    {
        ASSERT_TRUE(WriteFileBytes(Home() + "/TROVGame/pb/PnkBstrA.exe", "MZ"));
    }
};

// The same fixture under the name of the page a test is about, so that a failure names the page.
using AdvancedPageTest = PagesTest;
using MiscPageTest = PagesTest;
