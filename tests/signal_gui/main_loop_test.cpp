#include "tests/signal_gui/console_fixture.h"

#include <wx/stopwatch.h>
#include <wx/timer.h>

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
    // The close comes once the console shows the connection: events queued before may be handled
    // during the attempt (on Windows the progress dialog's first paint handles them), and a close
    // then ends the attempt.
    wxTimer close;
    close.Bind(wxEVT_TIMER,
               [&](wxTimerEvent&)
               {
                   if (m_frame->GetTitle() == "Iron Canopy Dedicated Server Remote")
                       return;
                   close.Stop();
                   m_frame->Close();
               });
    int exitCode = -1;
    wxTEST_DIALOG(exitCode = m_app->OnRun(),
                  ExpectConnectDialog::Ok("127.0.0.1", server.PortText(), "secret")
                      .Then([&] { close.Start(10); }));
    EXPECT_EQ(0, exitCode);
    EXPECT_TRUE(m_app->QuitPosted());
    // The window is neither destroyed nor hidden by the close request.
    EXPECT_TRUE(m_frame->IsShown());
    EXPECT_EQ(std::vector<std::string>{"secret"}, server.Received());
}

TEST_F(MainLoopTest, ClosingTheWindowDuringAnAttemptEndsItAndTheProgram)
{
    ServerScript silent;
    silent.login = ServerScript::Login::Silent;
    TestServer server(silent);
    wxTimer close;
    close.Bind(wxEVT_TIMER,
               [&](wxTimerEvent&)
               {
                   if (!m_app->IsExchanging() || !server.Connections())
                       return;
                   close.Stop();
                   // The toolkit passes on the close box of an enabled window only.
                   EXPECT_TRUE(m_frame->IsEnabled());
                   EXPECT_FALSE(m_frame->GetCommandEntry()->IsEnabled());
                   m_frame->Close();
               });
    wxStopWatch watch;
    int exitCode = -1;
    // No failure shown, no second connect dialog: the program ends well before the wait would.
    wxTEST_DIALOG(exitCode = m_app->OnRun(),
                  ExpectConnectDialog::Ok("127.0.0.1", server.PortText(), "secret")
                      .Then([&] { close.Start(20); }));
    EXPECT_EQ(0, exitCode);
    EXPECT_LT(watch.Time(), 5000);
    EXPECT_TRUE(WaitFor([&] { return server.Finished() == 1; }));
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
    // The click comes once the console shows the connection: events queued before may be handled
    // while the login's progress dialog is up (on Windows its first paint handles them), when
    // there is nothing to disconnect yet.
    wxTimer click;
    click.Bind(wxEVT_TIMER,
               [&](wxTimerEvent&)
               {
                   if (m_frame->GetTitle() == "Iron Canopy Dedicated Server Remote")
                       return;
                   click.Stop();
                   ClickDisconnect();
               });
    wxTEST_DIALOG(exitCode = m_app->OnRun(),
                  ExpectConnectDialog::Ok("127.0.0.1", server.PortText(), "secret")
                      .Then([&] { click.Start(10); }),
                  ExpectConnectDialog::Cancel().ShowingDefaults());
    EXPECT_EQ(0, exitCode);
    EXPECT_EQ(1, server.Connections());
}
