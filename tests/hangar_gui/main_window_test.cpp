#include "hangar/window_ids.h"
#include "tests/hangar_gui/launcher_fixture.h"

#include <wx/button.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/notebook.h>
#include <wx/testing.h>

using MainWindowTest = LauncherTest;

TEST_F(MainWindowTest, TitleSizeAndStyle)
{
    HangarFrame* frame = StartLauncher();
    EXPECT_EQ(wxString(L"Iron Canopy\u2122 Dedicated Server Launcher"), frame->GetTitle());
    EXPECT_EQ(wxSize(450, 600), frame->GetSize());
    EXPECT_FALSE(frame->HasFlag(wxRESIZE_BORDER));
    EXPECT_FALSE(frame->HasFlag(wxMAXIMIZE_BOX));
    EXPECT_TRUE(frame->HasFlag(wxCLOSE_BOX));
    EXPECT_TRUE(frame->IsShown());
}

TEST_F(MainWindowTest, HarnessAnswersMessageBoxes)
{
    StartLauncher();
    int answer = 0;
    wxTEST_DIALOG(answer = wxMessageBox("question", "caption", wxYES_NO),
                  wxExpectModal<wxMessageDialog>(wxYES));
    EXPECT_EQ(wxYES, answer);
}
