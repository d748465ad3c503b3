#include "tests/signal_gui/console_fixture.h"

#include <atomic>
#include <future>
#include <wx/stopwatch.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

class LoginTest : public ConsoleTest
{
protected:
    // A resolver that answers only once the test is over; it notes that it was asked.
    struct Gate
    {
        std::promise<void> open;
        std::shared_future<void> opened = open.get_future().share();
        std::atomic<bool> asked{false};
    };
    void SetUp() override
    {
        ConsoleTest::SetUp();
        m_app->SetHostLookup(
            [gate = m_gate](const std::string&)
            {
                gate->asked = true;
                gate->opened.wait();
                return std::string();
            });
    }
    void TearDown() override
    {
        m_gate->open.set_value();
        ConsoleTest::TearDown();
    }
    std::shared_ptr<Gate> m_gate = std::make_shared<Gate>();
};

TEST_F(LoginTest, SuccessLogsInAndTheProgressDialogGoesAwayByItself)
{
    TestServer server;
    ASSERT_TRUE(ConnectTo(server));
    EXPECT_TRUE(m_app->GetSocket());
    EXPECT_EQ("Iron Canopy Dedicated Server Remote: 127.0.0.1:" + server.PortText(),
              m_frame->GetTitle());
    EXPECT_EQ(std::vector<std::string>{"secret"}, server.Received());

    LoginProgressDialog* progress = m_app->GetProgressDialog();
    ASSERT_TRUE(progress);
    EXPECT_EQ("Login successful.", progress->GetMessage());
    EXPECT_EQ(100, progress->GetValue());
    EXPECT_FALSE(progress->IsShown());
    EXPECT_TRUE(m_frame->IsEnabled());
}

TEST_F(LoginTest, InvalidPasswordShowsWhyThenTheDialogKeepsWhatWasTyped)
{
    TestServer server;
    bool loggedIn = false;
    wxTEST_DIALOG(
        loggedIn = m_app->RunConnectDialog(),
        ExpectConnectDialog::Ok("127.0.0.1", server.PortText(), "wrong").ShowingDefaults(),
        ExpectProgressClosed("Login failed: Invalid password."),
        ExpectConnectDialog::Ok("127.0.0.1", server.PortText(), "secret")
            .Showing("127.0.0.1", server.PortText(), "wrong")
            .Then([&] { EXPECT_FALSE(m_app->GetSocket()); }));
    EXPECT_TRUE(loggedIn);
    EXPECT_EQ((std::vector<std::string>{"wrong", "secret"}), server.Received());
    EXPECT_EQ(2, server.Connections());
    EXPECT_TRUE(m_frame->IsEnabled());
}

TEST_F(LoginTest, RefusedConnectionShowsWhyAndCancelEndsTheLoop)
{
    const wxString port = RefusingPort();
    bool loggedIn = true;
    wxTEST_DIALOG(loggedIn = m_app->RunConnectDialog(),
                  ExpectConnectDialog::Ok("127.0.0.1", port, "pw"),
                  ExpectProgressClosed("Connection failed."),
                  ExpectConnectDialog::Cancel().Showing("127.0.0.1", port, "pw"));
    EXPECT_FALSE(loggedIn);
    EXPECT_FALSE(m_app->GetSocket());
}

TEST_F(LoginTest, UnusableHostOrPortIsAFailedConnectionNotOneElsewhere)
{
    // The toolkit keeps its previous address (any local one, port 0) for a text it rejects; a
    // server listening here must not be reached through it.
    TestServer server;
    wxTEST_DIALOG(m_app->RunConnectDialog(),
                  ExpectConnectDialog::Ok("", server.PortText(), "secret"),
                  ExpectProgressClosed("Connection failed."),
                  ExpectConnectDialog::Ok("127.0.0.1", "no-such-service", "secret"),
                  ExpectProgressClosed("Connection failed."), ExpectConnectDialog::Cancel());
    EXPECT_EQ(0, server.Connections());
}

TEST_F(LoginTest, AnyOtherReplyGoesOnAsLoggedInWithTheWindowUsable)
{
    for (const char* reply : {"SUCCESS!", "success", ""})
    {
        ServerScript script;
        script.login = ServerScript::Login::Reply;
        script.loginReply = reply;
        TestServer server(script);
        ASSERT_TRUE(ConnectTo(server)) << reply;
        EXPECT_TRUE(m_app->GetSocket());
        EXPECT_TRUE(m_frame->IsEnabled());
        LoginProgressDialog* progress = m_app->GetProgressDialog();
        ASSERT_TRUE(progress);
        EXPECT_FALSE(progress->IsShown());
        EXPECT_EQ(50, progress->GetValue());
        EXPECT_EQ("Connection succeeded.", progress->GetMessage());
        m_app->CloseConnection();
    }
}

TEST_F(LoginTest, PasswordIsSentAsTypedOneBytePerCharacter)
{
    ServerScript script;
    script.password = "  p_ss _ ";
    TestServer server(script);
    ASSERT_TRUE(ConnectTo(server, wxString::FromUTF8("  p\xc3\xa4ss \xe2\x82\xac ")));
    m_app->CloseConnection();

    ServerScript empty;
    empty.password = "";
    TestServer emptyServer(empty);
    ASSERT_TRUE(ConnectTo(emptyServer, ""));
    EXPECT_EQ(std::vector<std::string>{""}, emptyServer.Received());
}

TEST_F(LoginTest, ServerClosingInsteadOfReplyingEndsUpAsALostConnection)
{
    ServerScript script;
    script.login = ServerScript::Login::Close;
    TestServer server(script);
    wxTEST_DIALOG(
        {
            // An unreadable reply lets the console go on as logged in; the closed connection
            // then shows itself as lost.
            EXPECT_TRUE(ConnectTo(server));
            EXPECT_TRUE(WaitFor([&] { return !m_app->GetSocket(); }));
        },
        ExpectConnectionLost());
    EXPECT_EQ("Iron Canopy Dedicated Server Remote", m_frame->GetTitle());
    EXPECT_TRUE(m_frame->IsEnabled());
}

TEST_F(LoginTest, CommandEntryHasTheKeyboardWheneverTheConsoleBecomesUsable)
{
    // The progress dialog disables the window, which loses its focused control: after each login
    // the operator types at once, without clicking anywhere, and the server receives it.
    TestServer server;
    auto typeAndCheck = [&](const char* command, std::size_t received)
    {
        ASSERT_TRUE(WaitFor([&] { return m_frame->IsActive(); })) << command;
        wxUIActionSimulator keyboard;
        keyboard.Text(command);
        keyboard.Char(WXK_RETURN);
        ASSERT_TRUE(WaitForReceived(server, received)) << command;
        EXPECT_EQ(command, server.Received().back());
    };
    ASSERT_TRUE(ConnectTo(server));
    typeAndCheck("status", 2);

    // The same after "Discconect" (and after "Connection lost.": the next login gives the focus).
    ClickDisconnect();
    ASSERT_TRUE(ConnectTo(server));
    typeAndCheck("after disconnect", 4);
}

TEST_F(LoginTest, SilentOrTricklingServerFailsTheConnectionAfterTheWait)
{
    // The wait is shortened here; the program waits RemoteAdminTool::kServerWaitMs.
    m_app->SetServerWaitMs(300);
    ServerScript silent;
    silent.login = ServerScript::Login::Silent;
    TestServer silentServer(silent);
    ServerScript trickle;
    trickle.login = ServerScript::Login::Trickle;
    TestServer tricklingServer(trickle);

    bool loggedIn = true;
    wxStopWatch watch;
    wxTEST_DIALOG(loggedIn = m_app->RunConnectDialog(),
                  ExpectConnectDialog::Ok("127.0.0.1", silentServer.PortText(), "secret"),
                  ExpectProgressClosed("Connection failed."),
                  ExpectConnectDialog::Ok("127.0.0.1", tricklingServer.PortText(), "secret"),
                  ExpectProgressClosed("Connection failed."), ExpectConnectDialog::Cancel());
    // Each attempt waited the whole wait, and no longer.
    EXPECT_GE(watch.Time(), 600);
    EXPECT_LT(watch.Time(), 5000);
    EXPECT_FALSE(loggedIn);
    EXPECT_FALSE(m_app->GetSocket());
}

TEST_F(LoginTest, HostLookupThatNeverAnswersFailsTheConnectionAfterTheWait)
{
    m_app->SetServerWaitMs(300);
    TestServer server;
    // The windows go on painting meanwhile.
    int paints = 0;
    wxTimer refresh;
    refresh.Bind(wxEVT_TIMER,
                 [&](wxTimerEvent&)
                 {
                     LoginProgressDialog* progress = m_app->GetProgressDialog();
                     if (!m_gate->asked || !progress || paints > 0)
                         return;
                     progress->Bind(wxEVT_PAINT,
                                    [&](wxPaintEvent& event)
                                    {
                                        ++paints;
                                        event.Skip();
                                    });
                     progress->Refresh();
                 });
    refresh.Start(20);
    wxStopWatch watch;
    bool loggedIn = false;
    wxTEST_DIALOG(loggedIn = m_app->RunConnectDialog(),
                  ExpectConnectDialog::Ok("stand-in.invalid", server.PortText(), "secret"),
                  ExpectProgressClosed("Connection failed."),
                  // A dotted address is not looked up.
                  ExpectConnectDialog::Ok("127.0.0.1", server.PortText(), "secret"));
    EXPECT_TRUE(m_gate->asked);
    EXPECT_GE(watch.Time(), 300);
    EXPECT_LT(watch.Time(), 5000);
    EXPECT_GT(paints, 0);
    EXPECT_TRUE(loggedIn);
}

TEST_F(LoginTest, CancelEndsTheAttemptAtOnceAndTheDialogKeepsWhatWasTyped)
{
    // Pressed once the attempt waits for the host name, then for the reply to the login.
    ServerScript silent;
    silent.login = ServerScript::Login::Silent;
    TestServer server(silent);
    int pressed = 0;
    wxStopWatch sincePress;
    wxTimer press;
    press.Bind(wxEVT_TIMER,
               [&](wxTimerEvent&)
               {
                   LoginProgressDialog* progress = m_app->GetProgressDialog();
                   const bool waiting = pressed == 0
                                            ? m_gate->asked.load()
                                            : m_app->IsExchanging() && server.Connections();
                   if (!progress || !progress->IsShown() || !waiting || pressed == 2)
                       return;
                   ++pressed;
                   sincePress.Start();
                   wxButton* cancel = FindButton(progress, wxID_CANCEL);
                   EXPECT_TRUE(cancel->IsEnabled()); // a click of the operator's gets through
                   ClickButton(cancel);
               });
    press.Start(20);
    auto backAtOnce = [&] { EXPECT_LT(sincePress.Time(), 1000); };
    bool loggedIn = true;
    wxTEST_DIALOG(loggedIn = m_app->RunConnectDialog(),
                  ExpectConnectDialog::Ok("stand-in.invalid", server.PortText(), "typed"),
                  ExpectConnectDialog::Ok("127.0.0.1", server.PortText(), "secret")
                      .Showing("stand-in.invalid", server.PortText(), "typed")
                      .Then(backAtOnce),
                  ExpectConnectDialog::Cancel()
                      .Showing("127.0.0.1", server.PortText(), "secret")
                      .Then(backAtOnce));
    EXPECT_EQ(2, pressed);
    EXPECT_FALSE(loggedIn);
    EXPECT_FALSE(m_app->GetSocket());
    EXPECT_TRUE(WaitFor([&] { return server.Finished() == 1; }));
}
