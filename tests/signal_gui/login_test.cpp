#include "signal/platform/socket_system.h"
#include "tests/signal_gui/console_fixture.h"

#include <atomic>
#include <cstdio>
#include <future>
#include <iterator>
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

TEST_F(LoginTest, ReplyThatIsNotAWholeWellFramedMessageFailsTheConnection)
{
    std::string badTrailer = TestServer::Frame("SUCCESS");
    badTrailer[badTrailer.size() - 8] = 'X';
    std::string badHeader = TestServer::Frame("SUCCESS");
    badHeader[0] = 'X';
    const struct
    {
        const char* name;
        ServerScript::Login login;
        std::string reply;
    } cells[] = {
        {"a bad trailer after SUCCESS", ServerScript::Login::Raw, badTrailer},
        {"a bad header", ServerScript::Login::Raw, badHeader},
        {"half a reply, then the close", ServerScript::Login::Raw,
         TestServer::Frame("SUCCESS").substr(0, 10)},
        {"the close instead of a reply", ServerScript::Login::Close, ""},
    };
    std::printf("login replies: %zu cells\n", std::size(cells));
    for (const auto& cell : cells)
    {
        ServerScript script;
        script.login = cell.login;
        script.loginReply = cell.reply;
        script.closeAfterLogin = true;
        TestServer server(script);
        bool loggedIn = true;
        wxTEST_DIALOG(loggedIn = m_app->RunConnectDialog(),
                      ExpectConnectDialog::Ok("127.0.0.1", server.PortText(), "secret"),
                      ExpectProgressClosed("Connection failed."), ExpectConnectDialog::Cancel());
        EXPECT_FALSE(loggedIn) << cell.name;
        EXPECT_FALSE(m_app->GetSocket()) << cell.name;
        EXPECT_EQ("Iron Canopy Dedicated Server Remote", m_frame->GetTitle()) << cell.name;
    }
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
    // Cancel pressed once the attempt waits for the host name, then for the reply to the login;
    // then the close box while it waits for the reply.
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
                   const bool waiting =
                       pressed == 0 ? m_gate->asked.load()
                                    : m_app->IsExchanging() && server.Connections() > pressed - 1;
                   if (!progress || !progress->IsShown() || !waiting || pressed == 3)
                       return;
                   ++pressed;
                   sincePress.Start();
                   if (pressed == 3)
                   {
                       progress->Close(); // what the close box asks
                       return;
                   }
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
                  ExpectConnectDialog::Ok("127.0.0.1", server.PortText(), "again")
                      .Showing("127.0.0.1", server.PortText(), "secret")
                      .Then(backAtOnce),
                  ExpectConnectDialog::Cancel()
                      .Showing("127.0.0.1", server.PortText(), "again")
                      .Then(backAtOnce));
    EXPECT_EQ(3, pressed);
    EXPECT_FALSE(loggedIn);
    EXPECT_FALSE(m_app->GetSocket());
    EXPECT_TRUE(WaitFor([&] { return server.Finished() == 2; }));
}

TEST_F(LoginTest, HostNameIsLookedUpAndItsAddressConnectedTo)
{
    m_app->SetHostLookup(LookUpHostAddress);
    TestServer server;
    ASSERT_TRUE(ConnectTo("localhost", server.PortText(), "secret"));
    EXPECT_EQ(std::vector<std::string>{"secret"}, server.Received());

    // The address looked up is the one connected to: the server listens there only.
    ClickDisconnect();
    m_app->SetHostLookup([](const std::string&) { return std::string("127.0.0.2"); });
    ServerScript elsewhere;
    elsewhere.address = "127.0.0.2";
    TestServer other(elsewhere);
    ASSERT_TRUE(ConnectTo("stand-in.test", other.PortText(), "secret"));
    EXPECT_EQ(std::vector<std::string>{"secret"}, other.Received());
}

TEST_F(LoginTest, FinishedFailureClosesByItsCloseButtonEscapeOrCloseBox)
{
    // The dialog is shown for real here, and closed as an operator closes it.
    const struct
    {
        const char* name;
        std::function<void(LoginProgressDialog&)> close;
    } cells[] = {
        {"Close button",
         [](LoginProgressDialog& progress) { ClickButton(FindButton(&progress, wxID_CANCEL)); }},
        {"Escape",
         [](LoginProgressDialog& progress)
         {
             wxKeyEvent escape(wxEVT_CHAR_HOOK);
             escape.m_keyCode = WXK_ESCAPE;
             escape.SetEventObject(&progress);
             progress.ProcessWindowEvent(escape);
         }},
        {"close box", [](LoginProgressDialog& progress) { progress.Close(); }},
    };
    std::printf("ways to close the finished dialog: %zu cells\n", std::size(cells));
    for (const auto& cell : cells)
    {
        RealModalDialogs real;
        bool acted = false;
        wxStopWatch sinceAct;
        wxTimer act;
        act.Bind(wxEVT_TIMER,
                 [&](wxTimerEvent&)
                 {
                     LoginProgressDialog* progress = m_app->GetProgressDialog();
                     if (!progress || !progress->IsModal() ||
                         progress->GetMessage() != "Connection failed.")
                         return;
                     if (!acted)
                     {
                         acted = true;
                         sinceAct.Start();
                         cell.close(*progress);
                     }
                     else if (sinceAct.Time() > 3000)
                     {
                         ADD_FAILURE() << cell.name << " did not close the dialog";
                         progress->EndModal(wxID_CANCEL);
                     }
                 });
        act.Start(20);
        EXPECT_FALSE(m_app->ConnectToServer("127.0.0.1", RefusingPort(), "secret")) << cell.name;
        act.Stop();
        EXPECT_TRUE(acted) << cell.name;
        EXPECT_TRUE(m_frame->IsEnabled()) << cell.name;
    }
}
