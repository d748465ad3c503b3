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

    // Starts the launcher and makes a new document, which starts unmodified. Returns false when
    // the document could not be made unmodified.
    bool StartWithNewDocument()
    {
        StartLauncher();
        SendMenuCommand(m_frame, FrameId::New);
        return !m_frame->IsModified();
    }

    // Places the PunkBuster service program where the launcher looks for it from the start folder.
    void InstallPunkBuster() const
    {
        ASSERT_TRUE(WriteFileBytes(Home() + "/TROVGame/pb/PnkBstrA.exe", "MZ"));
    }
};

// Tests that need a document that can be made unmodified.
#define START_WITH_NEW_DOCUMENT()                                                                  \
    if (!StartWithNewDocument())                                                                   \
    GTEST_SKIP() << "File > New does not give an unmodified document yet"
