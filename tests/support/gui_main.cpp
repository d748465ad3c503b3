// Entry of the GUI test programs: one toolkit application for the whole run.

#include "tests/support/failing_asserts.h"
#include "tests/support/temp_home.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/modalhook.h>
#include <wx/utils.h>

namespace
{
class TestApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};

// The last line of defence against a hanging run: a modal dialog that no wxTEST_DIALOG expects
// fails the test and is answered with Cancel instead of waiting for a user.
class UnexpectedDialogHook : public wxModalDialogHook
{
protected:
    int Enter(wxDialog* dialog) override
    {
        ADD_FAILURE() << "unexpected modal dialog \"" << dialog->GetTitle() << "\"";
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};
} // namespace

wxIMPLEMENT_APP_NO_MAIN(TestApp);

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);

    // Nothing the toolkit or GTK writes may reach the real user's home.
    const wxString home = MakeTempFolder("gui-tests-home-");
    wxSetEnv("HOME", home);
    wxUnsetEnv("XDG_CONFIG_HOME");
    wxSetEnv("XDG_DATA_HOME", home + "/.local/share");
    wxSetEnv("XDG_CACHE_HOME", home + "/.cache");

    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 2;
    InstallFailingAssertHandler();
    UnexpectedDialogHook hook;
    hook.Register();

    int result = 0;
    {
        // The tests run inside an active event loop, as a program's code runs inside its main
        // loop: on MSW wxYield dispatches nothing without one, so windows would never paint nor
        // see their input.
        wxEventLoop loop;
        wxEventLoopActivator active(&loop);
        result = RUN_ALL_TESTS();
    }

    hook.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    RemoveTree(home);
    return result;
}
