#include "tests/signal_server/test_server.h"

#include <chrono>
#include <cstring>
#include <wx/socket.h>
// IPPROTO_TCP, TCP_NODELAY, SOL_SOCKET and SO_SNDBUF
#ifdef __WINDOWS__
#include <winsock2.h>
#else
#include <netinet/in.h>
#include <netinet/tcp.h>
#endif

namespace
{
// Every wait of the server is cut into slices this long, so that it notices a stop quickly.
constexpr long kSliceMs = 20;
// Longest message the server accepts from the console.
constexpr wxUint32 kMaxIncoming = 1 << 20;

bool WriteAll(wxSocketBase& socket, const void* data, std::size_t size)
{
    socket.Write(data, static_cast<wxUint32>(size));
    return !socket.Error() && socket.LastCount() == size;
}
} // namespace

TestServer::TestServer(ServerScript script) : m_script(std::move(script))
{
    wxSocketBase::Initialize(); // must happen on the main thread before any other thread's use
    wxIPV4address address;
    address.Hostname(m_script.address);
    address.Service(0);
    m_listener = new wxSocketServer(address, wxSOCKET_BLOCK | wxSOCKET_REUSEADDR);
    wxIPV4address local;
    if (m_listener->IsOk() && m_listener->GetLocal(local))
        m_port = local.Service();
    m_thread = std::thread([this] { Run(); });
}

TestServer::~TestServer()
{
    m_stop = true;
    m_thread.join();
    m_listener->Destroy();
}

void TestServer::Run()
{
    while (!m_stop)
    {
        if (!m_listener->WaitForAccept(0, kSliceMs))
            continue;
        wxSocketBase* client = m_listener->Accept(false);
        if (!client)
            continue;
        ++m_connections;
        client->SetFlags(wxSOCKET_BLOCK);
        client->SetTimeout(10);
        // WriteMsg writes header, payload and trailer apart: without this, each message after
        // the first waits for the console's delayed acknowledgement.
        int noDelay = 1;
        client->SetOption(IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
        Serve(*client);
        m_clientConnected = false;
        client->Close();
        client->Destroy();
        ++m_finished;
    }
}

void TestServer::Serve(wxSocketBase& client)
{
    std::vector<char> buffer(kMaxIncoming);
    auto readMessage = [&](std::string& payload) -> bool
    {
        while (!m_stop)
        {
            if (client.WaitForRead(0, kSliceMs))
            {
                client.ReadMsg(buffer.data(), kMaxIncoming);
                if (client.Error())
                    return false;
                payload.assign(buffer.data(), client.LastCount());
                std::lock_guard<std::mutex> lock(m_mutex);
                m_received.push_back(payload);
                return true;
            }
            if (client.IsClosed() || !client.IsConnected())
                return false;
        }
        return false;
    };
    auto writeMessage = [&](const std::string& payload)
    {
        client.WriteMsg(payload.data(), static_cast<wxUint32>(payload.size()));
        return !client.Error();
    };

    std::string login;
    if (m_script.login != ServerScript::Login::Script && !readMessage(login))
        return;
    switch (m_script.login)
    {
    case ServerScript::Login::CheckPassword:
        writeMessage(login == m_script.password ? "SUCCESS" : "INVPASS");
        if (login != m_script.password)
            return;
        break;
    case ServerScript::Login::Reply:
        writeMessage(m_script.loginReply);
        break;
    case ServerScript::Login::Silent:
        break;
    case ServerScript::Login::Trickle:
        WriteAll(client, "\xad\xde\xed\xfe\x00\x00\x01\x00", 8);
        while (!m_stop && WriteAll(client, "x", 1))
            std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
        return;
    case ServerScript::Login::Close:
        return;
    case ServerScript::Login::Raw:
        WriteAll(client, m_script.loginReply.data(), m_script.loginReply.size());
        break;
    case ServerScript::Login::Script:
        break;
    }
    if (m_script.closeAfterLogin)
        return;
    m_clientConnected = true;
    if (m_script.floodCount > 0 && !WriteMessages(client, m_script.floodCount, m_script.floodSize))
        return;

    while (!m_stop)
    {
        Action action;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_actions.empty())
            {
                action = std::move(m_actions.front());
                m_actions.pop_front();
                ++m_actionsRunning;
            }
        }
        if (action)
        {
            const bool goOn = action(client);
            std::lock_guard<std::mutex> lock(m_mutex);
            --m_actionsRunning;
            if (!goOn)
                return;
            continue;
        }
        if (client.WaitForRead(0, kSliceMs))
        {
            std::string command;
            if (!readMessage(command))
                return;
            if (m_script.echoCommands && !writeMessage(command))
                return;
        }
        else if (client.IsClosed() || !client.IsConnected())
        {
            return;
        }
    }
}

void TestServer::Enqueue(Action action)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_actions.push_back(std::move(action));
}

void TestServer::Send(const std::string& payload)
{
    Enqueue(
        [payload](wxSocketBase& client)
        {
            client.WriteMsg(payload.data(), static_cast<wxUint32>(payload.size()));
            return !client.Error();
        });
}

void TestServer::SendMessages(int count, std::size_t size)
{
    Enqueue([this, count, size](wxSocketBase& client)
            { return WriteMessages(client, count, size); });
}

bool TestServer::WriteMessages(wxSocketBase& client, int count, std::size_t size)
{
    for (int i = 0; i < count && !m_stop; ++i)
    {
        const std::string payload = NumberedMessage(i, size, m_script.lineBreaks);
        client.WriteMsg(payload.data(), static_cast<wxUint32>(payload.size()));
        if (client.Error())
            return false;
    }
    return true;
}

void TestServer::SendRaw(const std::string& bytes)
{
    Enqueue([bytes](wxSocketBase& client) { return WriteAll(client, bytes.data(), bytes.size()); });
}

void TestServer::PauseReading()
{
    m_paused = true;
    m_pauseBegun = false;
    Enqueue(
        [this](wxSocketBase&)
        {
            m_pauseBegun = true;
            while (m_paused && !m_stop)
                std::this_thread::sleep_for(std::chrono::milliseconds(kSliceMs));
            return true;
        });
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!m_pauseBegun && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void TestServer::ShrinkSendBuffer(wxSocketBase& socket)
{
    int size = 16 * 1024;
    socket.SetOption(SOL_SOCKET, SO_SNDBUF, &size, sizeof size);
}

void TestServer::CloseConnection()
{
    Enqueue([](wxSocketBase&) { return false; });
}

std::vector<std::string> TestServer::Received() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

bool TestServer::ActionsDone() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_actions.empty() && m_actionsRunning == 0;
}

std::string TestServer::NumberedMessage(int i, std::size_t size, bool lineBreak)
{
    std::string text = std::to_string(i) + ";";
    if (size == 0)
        return {};
    text.resize(size - 1, '.');
    return text + (lineBreak ? "\n" : ".");
}

std::string TestServer::Frame(const std::string& payload)
{
    const wxUint32 length = static_cast<wxUint32>(payload.size());
    std::string frame = "\xad\xde\xed\xfe";
    for (int shift = 0; shift < 32; shift += 8)
        frame.push_back(static_cast<char>((length >> shift) & 0xff));
    frame += payload;
    frame += std::string("\xed\xfe\xad\xde\0\0\0\0", 8);
    return frame;
}
