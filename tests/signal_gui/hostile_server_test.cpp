#include "tests/signal_gui/console_fixture.h"

#include <cstdint>
#include <wx/stopwatch.h>
#include <wx/timer.h>

// A server that misbehaves must cost the console neither a crash, nor a read past its buffer,
// nor a window that stops answering.
class HostileServerTest : public ConsoleTest
{
protected:
    void SetUp() override
    {
        ConsoleTest::SetUp();
        ASSERT_TRUE(ConnectTo(m_server));
    }

    // The connection ends: the lost box comes, the console keeps its text.
    void ExpectLost(const std::function<void()>& trigger)
    {
        wxTEST_DIALOG(
            {
                trigger();
                EXPECT_TRUE(WaitFor([&] { return !m_app->GetSocket(); }));
            },
            ExpectConnectionLost());
    }

    // Runs action once, from a timer tick handled while a read or write on the connection waits
    // (the wait handles the window's events); m_acted tells whether it has run.
    void DuringAnExchange(std::function<void()> action)
    {
        m_tick.Bind(wxEVT_TIMER,
                    [this, action](wxTimerEvent&)
                    {
                        if (!m_app->IsExchanging() || m_acted)
                            return;
                        m_tick.Stop();
                        m_acted = true;
                        action();
                    });
        m_tick.Start(20);
    }

    TestServer m_server;
    bool m_acted = false;

private:
    wxTimer m_tick;
};

// A message header promising nearly 4 GB.
const std::string kEndlessHeader("\xad\xde\xed\xfe\xf0\xff\xff\xff", 8);

TEST_F(HostileServerTest, OversizedMessageIsCutTo1024BytesAndTheStreamStaysInStep)
{
    m_server.Send(std::string(5000, 'a'));
    m_server.Send("|next");
    ASSERT_TRUE(WaitForConsoleEnding("|next"));
    // On screen the long line is broken into shorter ones.
    wxString shown = ConsoleText();
    shown.Replace("\n", "");
    EXPECT_EQ(wxString(1024, 'a') + "|next", shown);
}

TEST_F(HostileServerTest, WrongSignatureEndsTheConnectionAsALoss)
{
    m_server.Send("sane|");
    ASSERT_TRUE(WaitForConsoleEnding("sane|"));
    // A wrong header, then a valid message: the stream is out of step, nothing after is trusted.
    ExpectLost(
        [&]
        {
            m_server.SendRaw(std::string("\x01\x02\x03\x04\x05\x00\x00\x00hello", 13));
            m_server.Send("valid|");
        });
    EXPECT_EQ("sane|", ConsoleText());

    // A wrong trailer the same.
    ASSERT_TRUE(ConnectTo(m_server));
    std::string frame = TestServer::Frame("bad end|");
    frame[frame.size() - 8] = 'X';
    ExpectLost(
        [&]
        {
            m_server.SendRaw(frame);
            m_server.Send("valid|");
        });
    EXPECT_EQ("sane|", ConsoleText());
}

TEST_F(HostileServerTest, MessageStandingStillForTheWaitEndsTheConnectionAsALoss)
{
    m_app->SetServerWaitMs(300);
    // Half a message from the server, then silence.
    wxStopWatch watch;
    ExpectLost([&] { m_server.SendRaw(TestServer::Frame("never whole|").substr(0, 14)); });
    EXPECT_LT(watch.Time(), 5000);
    EXPECT_TRUE(ConsoleText().empty());

    // A command the server does not take.
    ASSERT_TRUE(ConnectTo(m_server));
    TestServer::ShrinkSendBuffer(*m_app->GetSocket());
    m_server.PauseReading();
    watch.Start();
    ExpectLost([&] { m_app->SendText(wxString(512 * 1024, 'c')); });
    EXPECT_LT(watch.Time(), 5000);
    m_server.ResumeReading();
    wxTEST_DIALOG(m_app->EnsureConnected(), ExpectConnectDialog::Cancel().ShowingDefaults());
}

TEST_F(HostileServerTest, CommandsEnteredWhileAMessageIsUnderWayGoWholeAndInOrder)
{
    // The server stops reading: a large command fills the connection and stays unwritten, while
    // the operator enters three more.
    TestServer::ShrinkSendBuffer(*m_app->GetSocket());
    m_server.PauseReading();
    DuringAnExchange(
        [this]
        {
            TypeCommand("one");
            TypeCommand("two");
            m_frame->GetCommandEntry()->SetValue("three");
            ClickExecute();
            m_server.ResumeReading();
        });
    const std::string large(512 * 1024, 'l');
    m_app->SendText(large);
    ASSERT_TRUE(WaitFor([&] { return m_acted; }));
    ASSERT_TRUE(WaitForReceived(m_server, 5));
    EXPECT_EQ((std::vector<std::string>{"secret", large, "one", "two", "three"}),
              m_server.Received());

    // A command entered while a server message is half read: both go whole.
    const std::string frame = TestServer::Frame("half and half|");
    m_server.SendRaw(frame.substr(0, 15));
    ASSERT_TRUE(WaitFor([&] { return m_app->IsExchanging(); }));
    TypeCommand("four");
    ASSERT_TRUE(WaitForReceived(m_server, 6));
    EXPECT_EQ("four", m_server.Received().back());
    m_server.SendRaw(frame.substr(15));
    EXPECT_TRUE(WaitForConsoleEnding("<<<\r\nhalf and half|"));
    EXPECT_TRUE(m_app->GetSocket());
}

TEST_F(HostileServerTest, CloseInTheMiddleOfAMessage)
{
    m_server.Send("whole|");
    ASSERT_TRUE(WaitForConsoleEnding("whole|"));
    const std::string frame = TestServer::Frame(std::string(100, 'p'));
    ExpectLost(
        [&]
        {
            m_server.SendRaw(frame.substr(0, 30));
            m_server.CloseConnection();
        });
    EXPECT_TRUE(ConsoleText().StartsWith("whole|"));
    EXPECT_LE(ConsoleText().length(), 6u + 100u);
}

TEST_F(HostileServerTest, ANoticeLeftFromAnEarlierConnectionEndsNothing)
{
    // A loss still queued for the connection before this one, carrying that socket's own tag.
    void* const earlier = m_app->GetSocket()->GetClientData();
    ClickDisconnect();
    ASSERT_TRUE(ConnectTo(m_server));
    wxSocketEvent stale;
    stale.m_event = wxSOCKET_LOST;
    stale.m_clientData = earlier;
    m_app->ProcessEvent(stale);
    m_server.Send("still here|");
    EXPECT_TRUE(WaitForConsoleEnding("still here|"));
    EXPECT_TRUE(m_app->GetSocket());
}

TEST_F(HostileServerTest, ANoticeWithNothingBehindItWaitsForNothing)
{
    // Told of input that is not there (its message was read with an earlier notice), the console
    // reads nothing and counts no silence against the connection.
    m_app->SetServerWaitMs(200);
    wxSocketEvent input;
    input.m_event = wxSOCKET_INPUT;
    input.m_clientData = m_app->GetSocket()->GetClientData();
    m_app->ProcessEvent(input);
    EXPECT_FALSE(m_app->IsExchanging());
    EXPECT_FALSE(WaitFor([&] { return !m_app->GetSocket(); }, 600));
    m_server.Send("answer|");
    EXPECT_TRUE(WaitForConsoleEnding("answer|"));
}

TEST_F(HostileServerTest, TheLastWordsBeforeACloseAreShownBeforeTheLoss)
{
    // The loss is told before the messages that came with it are read (as Windows may tell it):
    // every whole one is shown first, a partial one never.
    m_server.Send("kicked|");
    m_server.Send("bye|");
    m_server.SendRaw(TestServer::Frame("never whole").substr(0, 12));
    m_server.CloseConnection();
    // No event is handled meanwhile, so nothing is read before the notice.
    for (int i = 0; i < 5000 && m_server.Finished() == 0; ++i)
        wxMilliSleep(1);
    ASSERT_EQ(1, m_server.Finished());
    wxSocketEvent lost;
    lost.m_event = wxSOCKET_LOST;
    lost.m_clientData = m_app->GetSocket()->GetClientData();
    wxString shownAtTheBox;
    wxTEST_DIALOG(m_app->ProcessEvent(lost),
                  ExpectConnectionLost().Then([&] { shownAtTheBox = ConsoleText(); }));
    EXPECT_EQ("kicked|bye|", shownAtTheBox);
    EXPECT_FALSE(m_app->GetSocket());
}

TEST_F(HostileServerTest, EndlessMessageDoesNotHoldTheWindow)
{
    // A header promising nearly 4 GB, a little of it, then silence: the read waits for more while
    // the window goes on handling its events, and "Discconect" pressed meanwhile ends the wait.
    m_server.Send("before|");
    ASSERT_TRUE(WaitForConsoleEnding("before|"));
    // The press comes from a timer, whose ticks are among the events handled during the wait.
    DuringAnExchange([this] { ClickDisconnect(); });
    wxStopWatch watch;
    m_server.SendRaw(kEndlessHeader + std::string(3000, 'q'));
    EXPECT_TRUE(WaitFor([&] { return m_acted && !m_app->GetSocket(); }));
    EXPECT_LT(watch.Time(), 5000);
    EXPECT_TRUE(ConsoleText().empty());
    EXPECT_FALSE(m_app->IsExchanging());
    Flush();
    wxTheApp->ProcessIdle();
    EXPECT_TRUE(WaitFor([&] { return !m_server.IsClientConnected(); }));
}

TEST_F(HostileServerTest, CommandsQueuedBehindAStalledWriteGoWithTheirConnection)
{
    // Commands wait behind a write the server does not take; "Discconect" drops them, and the next
    // server hears only its own login and commands.
    TestServer::ShrinkSendBuffer(*m_app->GetSocket());
    m_server.PauseReading();
    m_app->SendText(std::string(512 * 1024, 'l'));
    ASSERT_TRUE(m_app->IsExchanging());
    TypeCommand("queued");
    ClickDisconnect();
    m_server.ResumeReading();
    TestServer next;
    ASSERT_TRUE(ConnectTo(next));
    TypeCommand("fresh");
    ASSERT_TRUE(WaitForReceived(next, 2));
    Flush();
    EXPECT_EQ((std::vector<std::string>{"secret", "fresh"}), next.Received());
}

TEST_F(HostileServerTest, QuitDuringAnEndlessMessageEndsTheWait)
{
    DuringAnExchange([this] { m_frame->Close(); });
    wxStopWatch watch;
    m_server.SendRaw(kEndlessHeader + "qqq");
    EXPECT_TRUE(WaitFor([&] { return m_acted && !m_app->IsExchanging(); }));
    EXPECT_TRUE(m_app->QuitPosted());
    EXPECT_LT(watch.Time(), 5000);
}

TEST_F(HostileServerTest, FloodOfMessagesIsShownWithoutStallingTheWindow)
{
    // The program's own main loop runs until the console holds every message; a timer ticking
    // meanwhile shows how long the window ever went without handling its events.
    constexpr int kCount = 100000;
    constexpr std::size_t kSize = 10;
    const long total = static_cast<long>(kCount * kSize);
    m_server.SendMessages(kCount, kSize);

    Console()->Bind(wxEVT_TEXT,
                    [&](wxCommandEvent& event)
                    {
                        event.Skip();
                        if (Console()->GetLastPosition() >= total)
                            m_app->PostQuit(0);
                    });
    wxTimer watchdog;
    watchdog.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { m_app->PostQuit(1); });
    watchdog.StartOnce(180000);
    wxTimer ticker;
    wxStopWatch sinceTick;
    long longestGap = 0;
    ticker.Bind(wxEVT_TIMER,
                [&](wxTimerEvent&)
                {
                    longestGap = std::max(longestGap, sinceTick.Time());
                    sinceTick.Start();
                });
    wxStopWatch watch;
    ticker.Start(20);
    const int exitCode = m_app->OnRun();
    ticker.Stop();
    const long elapsed = watch.Time();
    std::printf("flood: %d messages in %ld ms, longest gap between timer ticks %ld ms\n", kCount,
                elapsed, longestGap);

    EXPECT_EQ(0, exitCode) << "not all messages arrived in time";
    EXPECT_EQ(total, Console()->GetLastPosition());
    EXPECT_TRUE(ConsoleText().EndsWith(TestServer::NumberedMessage(kCount - 1, kSize)));
    EXPECT_LT(longestGap, 2000);
}
