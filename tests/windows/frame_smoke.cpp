// A statically linked toolkit window under Wine: it appears on the screen with its title and takes
// a click sent by wxUIActionSimulator. On Windows, wxYield dispatches messages only while an event
// loop is active, so the tests run inside one.

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/evtloop.h>
#include <wx/frame.h>
#include <wx/msw/wrapwin.h>
#include <wx/stopwatch.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

namespace
{
// Handles events until done() holds; false when 10 seconds pass first.
template <typename Done> bool WaitFor(Done done)
{
    const wxStopWatch watch;
    while (!done())
    {
        if (watch.Time() > 10000)
            return false;
        wxYield();
        wxMilliSleep(10);
    }
    return true;
}

class SmokeApp : public wxApp
{
public:
    bool OnInit() override { return true; }
};
} // namespace

wxIMPLEMENT_APP_NO_MAIN(SmokeApp);

TEST(Toolkit, FrameAppearsAndTakesAClick)
{
    auto* frame = new wxFrame(nullptr, wxID_ANY, L"Toolchain smoke test \u2122");
    auto* button = new wxButton(frame, wxID_ANY, "Click");
    bool clicked = false;
    button->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) { clicked = true; });
    frame->Show();
    frame->Raise();
    const HWND window = frame->GetHWND();
    EXPECT_TRUE(
        WaitFor([&] { return IsWindowVisible(window) && GetForegroundWindow() == window; }));

    wchar_t title[64] = {};
    GetWindowTextW(window, title, 64);
    EXPECT_STREQ(title, L"Toolchain smoke test \u2122");

    wxUIActionSimulator input;
    input.MouseMove(button->GetScreenRect().GetPosition() + wxPoint(5, 5));
    input.MouseClick();
    EXPECT_TRUE(WaitFor([&] { return clicked; }));
    frame->Destroy();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new SmokeApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit())
        return 2;
    int result = 0;
    {
        wxEventLoop loop;
        wxEventLoopActivator active(&loop);
        result = RUN_ALL_TESTS();
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
