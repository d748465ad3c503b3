#include "signal/core/screen_lines.h"
#include "tests/signal_gui/console_fixture.h"

namespace
{
const wxColour kYellow(255, 255, 0);
}

class ExchangeTest : public ConsoleTest
{
protected:
    void LogIn(ServerScript script = {})
    {
        m_server = std::make_unique<TestServer>(script);
        ASSERT_TRUE(ConnectTo(*m_server));
    }
    std::unique_ptr<TestServer> m_server;
};

TEST_F(ExchangeTest, CommandsAreTrimmedEchoedInYellowAndSentWithUnderscores)
{
    LogIn();
    TypeCommand(wxString::FromUTF8("  say h\xc3\xa9llo  world \t"));
    ASSERT_TRUE(WaitForReceived(*m_server, 2));
    EXPECT_EQ("say h_llo  world", m_server->Received()[1]);
    EXPECT_EQ(AsShown(wxString::FromUTF8("\r\n>>> say h\xc3\xa9llo  world <<<\r\n")),
              ConsoleText());
    EXPECT_EQ(kYellow, TextColourAt(5));
    EXPECT_TRUE(m_frame->GetCommandEntry()->IsEmpty());

    // "Execute" does the same as Enter.
    m_frame->GetCommandEntry()->SetValue(" status ");
    ClickExecute();
    ASSERT_TRUE(WaitForReceived(*m_server, 3));
    EXPECT_EQ("status", m_server->Received()[2]);
    EXPECT_TRUE(ConsoleText().EndsWith(AsShown("\r\n>>> status <<<\r\n")));
    EXPECT_TRUE(m_frame->GetCommandEntry()->IsEmpty());
}

TEST_F(ExchangeTest, BlankCommandOnlyClearsTheEntry)
{
    LogIn();
    TypeCommand(" \t  ");
    ClickExecute();
    EXPECT_TRUE(m_frame->GetCommandEntry()->IsEmpty());
    EXPECT_TRUE(ConsoleText().empty());
    // A command sent afterwards is the next thing the server receives.
    TypeCommand("next");
    ASSERT_TRUE(WaitForReceived(*m_server, 2));
    EXPECT_EQ((std::vector<std::string>{"secret", "next"}), m_server->Received());
}

TEST_F(ExchangeTest, ServerOutputIsAppendedInGreenBackToBack)
{
    ServerScript script;
    script.echoCommands = true;
    LogIn(script);
    TypeCommand("players");
    ASSERT_TRUE(WaitForConsoleEnding("<<<\r\nplayers"));
    const long echoStart = 0;
    const long outputStart = ConsoleText().length() - 7;
    EXPECT_EQ(kYellow, TextColourAt(echoStart + 4));
    EXPECT_EQ(*wxGREEN, TextColourAt(outputStart + 1));

    m_server->Send("one");
    m_server->Send("two\n");
    ASSERT_TRUE(WaitForConsoleEnding("playersonetwo\n"));
    EXPECT_EQ(*wxGREEN, TextColourAt(ConsoleText().length() - 2));
}

TEST_F(ExchangeTest, ReceivedTextEndsAtAZeroByteAndKeepsBytesAbove127)
{
    LogIn();
    m_server->Send(std::string("shown\0hidden", 12));
    m_server->Send("caf\xe9 \xff|");
    ASSERT_TRUE(WaitForConsoleEnding("|"));
    EXPECT_EQ(wxString("shown") + wxString(L"caf\u00e9 \u00ff|"), ConsoleText());
}

TEST_F(ExchangeTest, LostConnectionKeepsTheTextAndTheNextDialogStartsFromDefaults)
{
    ServerScript script;
    script.echoCommands = true;
    LogIn(script);
    TypeCommand("bye");
    ASSERT_TRUE(WaitForConsoleEnding("bye"));
    const wxString before = ConsoleText();

    wxTEST_DIALOG(
        {
            m_server->CloseConnection();
            EXPECT_TRUE(WaitFor([&] { return !m_app->GetSocket(); }));
        },
        ExpectConnectionLost());
    EXPECT_EQ("Iron Canopy Dedicated Server Remote", m_frame->GetTitle());
    EXPECT_EQ(before, ConsoleText());

    bool reconnected = true;
    wxTEST_DIALOG(reconnected = m_app->EnsureConnected(),
                  ExpectConnectDialog::Cancel().ShowingDefaults());
    EXPECT_FALSE(reconnected);
}

TEST_F(ExchangeTest, DisconnectEmptiesTheConsoleAndSendsNothing)
{
    ServerScript script;
    script.echoCommands = true;
    LogIn(script);
    TypeCommand("status");
    ASSERT_TRUE(WaitForConsoleEnding("status"));

    ClickDisconnect();
    EXPECT_FALSE(m_app->GetSocket());
    EXPECT_TRUE(ConsoleText().empty());
    // The emptied console counts its line from nothing: the longest line fits unbroken.
    m_frame->AppendServerText(wxString(kMaxShownLineLength, 'y'));
    EXPECT_EQ(wxString(kMaxShownLineLength, 'y'), ConsoleText());
    EXPECT_EQ("Iron Canopy Dedicated Server Remote", m_frame->GetTitle());
    EXPECT_TRUE(WaitFor([&] { return !m_server->IsClientConnected(); }));
    EXPECT_EQ((std::vector<std::string>{"secret", "status"}), m_server->Received());
    // A command typed now goes nowhere.
    TypeCommand("lost");
    Flush();
    EXPECT_EQ(2u, m_server->Received().size());

    wxTEST_DIALOG(m_app->EnsureConnected(), ExpectConnectDialog::Cancel().ShowingDefaults());
}

TEST_F(ExchangeTest, EmptyMessagesLeaveTheNewestLineInView)
{
    LogIn();
    for (int i = 0; i < 40; ++i)
        m_server->Send(TestServer::NumberedMessage(i, 20));
    m_server->Send("newest|");
    ASSERT_TRUE(WaitForConsoleEnding("newest|"));
    // The toolkit scrolls to the end once the text is laid out: the last character is drawn inside
    // the visible part of the console (its upper half at least: the window's character height
    // is that of a larger font than the console's).
    auto newestLineInView = [&]
    {
        const wxPoint last = Console()->PositionToCoords(Console()->GetLastPosition() - 1);
        return last != wxDefaultPosition && last.y >= 0 &&
               last.y + Console()->GetCharHeight() / 2 <= Console()->GetClientSize().y;
    };
    ASSERT_TRUE(WaitFor(newestLineInView));

    const std::size_t shown = m_app->MessagesShown();
    for (int i = 0; i < 6; ++i)
        m_server->Send("");
    m_server->Send(std::string("\0hidden", 7));
    ASSERT_TRUE(WaitFor([&] { return m_app->MessagesShown() == shown + 7; }));
    Flush();
    EXPECT_TRUE(ConsoleText().EndsWith("38;................\n39;................\nnewest|"));
    EXPECT_TRUE(newestLineInView());
}
