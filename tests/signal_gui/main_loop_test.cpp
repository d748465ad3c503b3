#include "tests/signal_gui/console_fixture.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/stopwatch.h>
#include <wx/utils.h>

using MainLoopTest = ConsoleTest;

TEST_F(MainLoopTest, CancellingTheFirstDialogEndsTheProgramWithZero)
{
    TestServer server;
    int exitCode = -1;
    wxTEST_DIALOG(exitCode = m_app->OnRun(),
                  ExpectConnectDialog::Cancel().ShowingDefaults().Then(
                      [&]
                      {
                          // The window is on screen first.
                          EXPECT_TRUE(m_frame->IsShown());
                          EXPECT_EQ("Iron Canopy Dedicated Server Remote", m_frame->GetTitle());
                          EXPECT_TRUE(ConsoleText().empty());
                      }));
    EXPECT_EQ(0, exitCode);
    EXPECT_EQ(0, server.Connections());
}

TEST_F(MainLoopTest, ClosingTheWindowEndsTheProgramWithZeroAndSendsNothing)
{
    TestServer server;
    int exitCode = -1;
    wxTEST_DIALOG(exitCode = m_app->OnRun(),
                  ExpectConnectDialog::Ok("127.0.0.1", server.PortText(), "secret")
                      .Then([&] { m_frame->CallAfter([&] { m_frame->Close(); }); }));
    EXPECT_EQ(0, exitCode);
    EXPECT_TRUE(m_app->QuitPosted());
    // The window is neither destroyed nor hidden by the close request.
    EXPECT_TRUE(m_frame->IsShown());
    EXPECT_EQ(std::vector<std::string>{"secret"}, server.Received());
}

TEST_F(MainLoopTest, ConnectDialogComesBackAfterALossAndCancelEndsTheProgram)
{
    TestServer server;
    int exitCode = -1;
    wxTEST_DIALOG(exitCode = m_app->OnRun(),
                  ExpectConnectDialog::Ok("127.0.0.1", server.PortText(), "secret")
                      .Then([&] { server.CloseConnection(); }),
                  ExpectConnectionLost(), ExpectConnectDialog::Cancel().ShowingDefaults());
    EXPECT_EQ(0, exitCode);
}

TEST_F(MainLoopTest, ServerClosingRightAfterSuccessGivesOneLossBoxThenTheDialog)
{
    // The loss is told both by the check after the login and by the notification.
    ServerScript script;
    script.closeAfterLogin = true;
    TestServer server(script);
    int exitCode = -1;
    wxTEST_DIALOG(exitCode = m_app->OnRun(),
                  ExpectConnectDialog::Ok("127.0.0.1", server.PortText(), "secret"),
                  ExpectConnectionLost(), ExpectConnectDialog::Cancel().ShowingDefaults());
    EXPECT_EQ(0, exitCode);
}

TEST_F(MainLoopTest, ConnectDialogComesBackAfterDisconnect)
{
    TestServer server;
    int exitCode = -1;
    wxTEST_DIALOG(exitCode = m_app->OnRun(),
                  ExpectConnectDialog::Ok("127.0.0.1", server.PortText(), "secret")
                      .Then([&] { m_frame->CallAfter([&] { ClickDisconnect(); }); }),
                  ExpectConnectDialog::Cancel().ShowingDefaults());
    EXPECT_EQ(0, exitCode);
    EXPECT_EQ(1, server.Connections());
}

#ifdef SIGNAL_PROGRAM
namespace
{
// Runs a command and returns what it wrote to its standard output.
wxString Output(const wxString& command)
{
    wxArrayString lines;
    wxExecute(command, lines, wxEXEC_SYNC | wxEXEC_NODISABLE);
    return wxJoin(lines, '\n', 0);
}
} // namespace

TEST(SignalProgram, ExitsWithZeroWhenTheConnectDialogIsCancelled)
{
    TempHome home;
    const pid_t child = fork();
    ASSERT_NE(-1, child);
    if (child == 0)
    {
        execl(SIGNAL_PROGRAM, SIGNAL_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }
    // Both windows carry the console title; the dialog, made last, has the higher window id.
    const wxString search =
        "xdotool search --onlyvisible --name \"^Iron Canopy Dedicated Server Remote$\"";
    int status = 0;
    bool exited = false;
    unsigned long dialog = 0;
    const bool shown = WaitFor(
        [&]
        {
            exited = waitpid(child, &status, WNOHANG) == child;
            const wxArrayString ids = wxSplit(Output(search), '\n');
            if (ids.size() < 2)
                return exited;
            for (const wxString& id : ids)
            {
                unsigned long value = 0;
                if (id.ToULong(&value))
                    dialog = std::max(dialog, value);
            }
            return true;
        },
        20000);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(exited) << "the program ended on its own";
    if (!exited)
    {
        // Keys go to the window under the pointer when no window manager hands out the focus.
        wxExecute(wxString::Format("xdotool mousemove --window %lu 20 20 key Escape", dialog),
                  wxEXEC_SYNC | wxEXEC_NODISABLE);
        exited = WaitFor([&] { return waitpid(child, &status, WNOHANG) == child; }, 10000);
    }
    if (!exited)
    {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    ASSERT_TRUE(exited);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status));
}
#endif
