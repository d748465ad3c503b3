// One whole exchange with a stand-in server (login, reply, three commands and their replies, the
// server's closing message and its close), cut, stalled or trickled at every byte of its framing
// and at a few bytes inside each longer payload. The exchange class is driven without windows,
// many connections at a time, with its bounds shortened.

#include "signal/core/message_codec.h"
#include "signal/core/message_framing.h"
#include "signal/server_exchange.h"
#include "tests/signal_server/test_server.h"
#include "tests/support/gui_helpers.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <wx/socket.h>

namespace
{
using Clock = std::chrono::steady_clock;

// The silence allowed after the login, and the wait for the login's reply: long enough for the
// reply to come whole when trickled.
constexpr long kSilenceMs = 500;
constexpr long kLoginWaitMs = 1000;
// A trickle: a byte every kTrickleIntervalMs (below the bound) for kTrickleMs (beyond it).
constexpr long kTrickleIntervalMs = 20;
constexpr long kTrickleMs = 700;
// A stall outlasts the bound that applies where it happens.
constexpr long kStallMarginMs = 300;
constexpr std::size_t kConnectionsAtOnce = 12;

const std::string kPassword = "secret";
const std::vector<std::string> kCommands = {"status", "players", "maps"};
// The login's reply, the replies to the three commands (the last longer than the console shows),
// and the closing message.
const std::vector<std::string> kServerMessages = {"SUCCESS", "up 3 days\n",
                                                  std::string(300, 'p') + "\n",
                                                  std::string(3000, 'm') + "\n", "shutting down\n"};

enum class Way
{
    Cut,
    Stall,
    Trickle
};
enum class Stream
{
    ToServer,  // the console's login
    ToConsole, // the server's messages
};

struct Cell
{
    Way way;
    Stream stream;
    std::size_t offset;
};

const char* WayName(Way way)
{
    return way == Way::Cut ? "cut" : way == Way::Stall ? "stalled" : "trickled";
}

long MsBetween(Clock::time_point from, Clock::time_point to)
{
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count());
}

// The offsets of the framing of the frames laid end to end, and a few inside each longer payload.
std::vector<std::size_t> FramingOffsets(const std::vector<std::string>& payloads)
{
    std::vector<std::size_t> offsets;
    std::size_t start = 0;
    for (const std::string& payload : payloads)
    {
        const std::size_t length = payload.size();
        for (std::size_t i = 0; i < kFrameHeaderSize; ++i)
            offsets.push_back(start + i);
        if (length > 2)
            for (std::size_t inside : {std::size_t{1}, length / 2})
                offsets.push_back(start + kFrameHeaderSize + inside);
        for (std::size_t i = 0; i < kFrameTrailerSize; ++i)
            offsets.push_back(start + kFrameHeaderSize + length + i);
        start += kFrameHeaderSize + length + kFrameTrailerSize;
    }
    return offsets;
}

// The server's side of one cell, on the server's thread: the exchange's steps with the fault at
// the cell's offset of its stream.
class ScriptedServer
{
public:
    explicit ScriptedServer(const Cell& cell) : m_cell(cell) {}

    // The whole exchange, then the close.
    bool Serve(wxSocketBase& client)
    {
        Steps(client);
        m_closedAt = Clock::now();
        return false; // the connection is closed, at the end or where the fault ended it
    }

    Clock::time_point m_faultAt{};
    Clock::time_point m_closedAt{};

private:
    bool Steps(wxSocketBase& client)
    {
        if (!Move(client, Stream::ToServer, FrameMessage(kPassword)))
            return false;
        for (std::size_t i = 0; i < kServerMessages.size(); ++i)
        {
            if (i >= 1 && i <= kCommands.size() &&
                !Move(client, Stream::ToServer, FrameMessage(kCommands[i - 1])))
                return false;
            if (!Move(client, Stream::ToConsole, FrameMessage(kServerMessages[i])))
                return false;
        }
        return true;
    }

    // Writes bytes to the console, or reads as many from it (ToServer), with the fault where its
    // offset falls.
    bool Move(wxSocketBase& client, Stream stream, const std::string& bytes)
    {
        std::size_t& done = m_done[static_cast<int>(stream)];
        std::size_t pos = 0;
        while (pos < bytes.size())
        {
            std::size_t chunk = bytes.size() - pos;
            if (stream == m_cell.stream)
            {
                const std::size_t at = done + pos;
                if (at < m_cell.offset)
                    chunk = std::min(chunk, m_cell.offset - at);
                else if (at == m_cell.offset && m_faultAt == Clock::time_point{})
                {
                    m_faultAt = Clock::now();
                    if (m_cell.way == Way::Cut)
                        return false;
                    if (m_cell.way == Way::Stall)
                        std::this_thread::sleep_for(std::chrono::milliseconds(
                            (stream == Stream::ToServer || at < LoginReplyEnd() ? kLoginWaitMs
                                                                                : kSilenceMs) +
                            kStallMarginMs));
                }
                if (m_cell.way == Way::Trickle && m_faultAt != Clock::time_point{} &&
                    MsBetween(m_faultAt, Clock::now()) < kTrickleMs)
                {
                    chunk = 1;
                    std::this_thread::sleep_for(std::chrono::milliseconds(kTrickleIntervalMs));
                }
            }
            const bool ok = stream == Stream::ToConsole ? Write(client, bytes.data() + pos, chunk)
                                                        : Read(client, chunk);
            if (!ok)
                return false;
            pos += chunk;
        }
        done += bytes.size();
        return true;
    }

    static std::size_t LoginReplyEnd() { return FrameMessage(kServerMessages[0]).size(); }

    static bool Write(wxSocketBase& client, const char* data, std::size_t size)
    {
        client.Write(data, static_cast<wxUint32>(size));
        return !client.Error() && client.LastCount() == size;
    }
    static bool Read(wxSocketBase& client, std::size_t size)
    {
        char buffer[256];
        while (size > 0)
        {
            client.Read(buffer, static_cast<wxUint32>(std::min(size, sizeof buffer)));
            if (client.Error() || client.LastCount() == 0)
                return false;
            size -= client.LastCount();
        }
        return true;
    }

    Cell m_cell;
    std::size_t m_done[2] = {0, 0};
};

// What the console is expected to show for a cell.
struct Expected
{
    bool loggedIn = true;
    std::size_t shown = kServerMessages.size() - 1; // the messages after the reply
    enum class Reference
    {
        ServerClose, // the end is reported within a second of the server's close
        Fault,       // a silence after the login: within the bound plus a second of its start
        LoginStart   // the login is not answered: within its wait plus a second of its start
    } reference = Reference::ServerClose;
};

Expected Expect(const Cell& cell)
{
    Expected expected;
    std::vector<std::size_t> ends; // where each of the server's frames ends in its stream
    std::size_t end = 0;
    for (const std::string& payload : kServerMessages)
        ends.push_back(end += FrameMessage(payload).size());
    if (cell.way == Way::Trickle)
        return expected;
    if (cell.stream == Stream::ToServer)
    {
        expected.loggedIn = false;
        expected.shown = 0;
        if (cell.way == Way::Stall)
            expected.reference = Expected::Reference::LoginStart;
        return expected;
    }
    std::size_t whole = 0;
    while (whole < ends.size() && ends[whole] <= cell.offset)
        ++whole;
    if (whole == 0)
    {
        expected.loggedIn = false;
        expected.shown = 0;
        if (cell.way == Way::Stall)
            expected.reference = Expected::Reference::LoginStart;
        return expected;
    }
    const bool atBoundary = ends[whole - 1] == cell.offset;
    if (cell.way == Way::Stall && atBoundary)
        return expected; // nothing had begun: the silence is no loss, the rest comes after it
    expected.shown = whole - 1;
    if (cell.way == Way::Stall)
        expected.reference = Expected::Reference::Fault;
    return expected;
}

// The console's side of one cell: a connection of its own, its exchange, and what it saw.
class Run : public wxEvtHandler
{
public:
    explicit Run(const Cell& cell) : m_cell(cell), m_script(cell)
    {
        ServerScript script;
        script.login = ServerScript::Login::Script;
        m_server = std::make_unique<TestServer>(script);
        m_server->Do([this](wxSocketBase& client) { return m_script.Serve(client); });
        m_exchange = std::make_unique<ServerExchange>(
            ServerExchange::Handlers{[this](const wxString& text)
                                     {
                                         m_shown.push_back(text);
                                         if (m_shown.size() < kCommands.size())
                                             m_exchange->Send(kCommands[m_shown.size()]);
                                     },
                                     [this]
                                     {
                                         ++m_ends;
                                         m_endAt = Clock::now();
                                         m_exchange->Close();
                                     }});
        m_exchange->SetSilenceMs(kSilenceMs);
        Bind(wxEVT_SOCKET,
             [this](wxSocketEvent& event)
             {
                 if (event.GetClientData() == m_exchange->GetTag())
                     m_exchange->OnNotification(event.GetSocketEvent());
             });

        SocketPtr socket(new wxSocketClient(wxSOCKET_NONE));
        wxIPV4address address;
        address.Hostname("127.0.0.1");
        address.Service(m_server->Port());
        if (!socket->Connect(address, true))
        {
            ADD_FAILURE() << "no connection to the stand-in server";
            m_ends = 1;
            return;
        }
        m_exchange->Start(std::move(socket), *this, 0, this);
        m_loginAt = Clock::now();
        m_exchange->BeginLogin(kPassword, kLoginWaitMs);
    }

    // Looks at the login; true once the console has seen the end and the server is done.
    bool Done()
    {
        if (!m_loggedIn && m_ends == 0)
        {
            const ServerExchange::LoginState state = m_exchange->GetLoginState();
            if (state == ServerExchange::LoginState::Replied)
            {
                m_loggedIn = true;
                EXPECT_EQ("SUCCESS", m_exchange->GetLoginReply()) << Describe();
                m_exchange->BeginSession();
                m_exchange->Send(kCommands[0]);
            }
            else if (state == ServerExchange::LoginState::Failed)
            {
                ++m_ends;
                m_endAt = Clock::now();
                m_exchange->Close();
            }
        }
        return m_ends > 0 && m_server->ActionsDone();
    }

    void Check()
    {
        const Expected expected = Expect(m_cell);
        EXPECT_EQ(expected.loggedIn, m_loggedIn) << Describe();
        EXPECT_EQ(1, m_ends) << Describe();
        ASSERT_EQ(expected.shown, m_shown.size()) << Describe();
        for (std::size_t i = 0; i < m_shown.size(); ++i)
        {
            const std::string& payload = kServerMessages[i + 1];
            EXPECT_EQ(
                DecodeReceiveBuffer(payload.data(), std::min(payload.size(), kReceiveBufferSize)),
                m_shown[i])
                << Describe() << ", message " << i + 1;
        }
        Clock::time_point from = m_script.m_closedAt;
        long bound = 0;
        if (expected.reference == Expected::Reference::Fault)
        {
            from = m_script.m_faultAt;
            bound = kSilenceMs;
        }
        else if (expected.reference == Expected::Reference::LoginStart)
        {
            from = m_loginAt;
            bound = kLoginWaitMs;
        }
        const long took = MsBetween(from, m_endAt);
        EXPECT_GE(took, bound - 50) << Describe();
        EXPECT_LE(took, bound + 1000) << Describe();
    }

    std::string Describe() const
    {
        return std::string(WayName(m_cell.way)) + " at byte " + std::to_string(m_cell.offset) +
               (m_cell.stream == Stream::ToServer ? " of the login" : " of the server's messages");
    }

private:
    Cell m_cell;
    ScriptedServer m_script;
    std::unique_ptr<TestServer> m_server;
    std::unique_ptr<ServerExchange> m_exchange;
    std::vector<wxString> m_shown;
    bool m_loggedIn = false;
    int m_ends = 0; // losses after the login, or a failed login
    Clock::time_point m_loginAt{};
    Clock::time_point m_endAt{};
};

std::vector<Cell> Cells(const std::vector<std::string>& serverMessages, bool withLogin)
{
    std::vector<Cell> cells;
    for (Way way : {Way::Cut, Way::Stall, Way::Trickle})
    {
        if (withLogin)
            for (std::size_t offset : FramingOffsets({kPassword}))
                cells.push_back({way, Stream::ToServer, offset});
        std::size_t skip = 0;
        for (std::size_t i = 0; i < kServerMessages.size(); ++i)
        {
            if (kServerMessages[i] == serverMessages.front())
                break;
            skip += FrameMessage(kServerMessages[i]).size();
        }
        for (std::size_t offset : FramingOffsets(serverMessages))
            cells.push_back({way, Stream::ToConsole, skip + offset});
    }
    return cells;
}

// Runs the cells, kConnectionsAtOnce at a time, each checked as it ends.
void RunTable(const std::vector<Cell>& cells, const char* name)
{
    const auto started = Clock::now();
    std::vector<std::unique_ptr<Run>> running;
    std::size_t next = 0;
    while (next < cells.size() || !running.empty())
    {
        while (next < cells.size() && running.size() < kConnectionsAtOnce)
            running.push_back(std::make_unique<Run>(cells[next++]));
        for (auto it = running.begin(); it != running.end();)
        {
            if ((*it)->Done())
            {
                (*it)->Check();
                it = running.erase(it);
            }
            else
                ++it;
        }
        if (MsBetween(started, Clock::now()) > 240000)
        {
            ADD_FAILURE() << running.size() << " cells did not end";
            break;
        }
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();
        wxMilliSleep(1);
    }
    std::printf("%s: %zu cells in %ld ms\n", name, cells.size(), MsBetween(started, Clock::now()));
}
} // namespace

TEST(ExchangeTable, EveryFramingByteCutStalledOrTrickled)
{
    RunTable(Cells(kServerMessages, true), "exchange table");
}

// The slice that also runs under Wine: the server's closing message and its close, where the
// system's close notification may come before the message is read.
TEST(ExchangeTable, ClosingMessageCutStalledOrTrickled)
{
    RunTable(Cells({kServerMessages.back()}, false), "closing message slice");
}
