#pragma once

// A scriptable stand-in for the dedicated server's remote administration, for the console's
// tests and benchmark. It listens on 127.0.0.1 (a free port), speaks the toolkit's message
// framing through the toolkit's own socket classes and runs on a thread of its own, so the test's
// GUI thread stays free. Connections are served one after the other.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>
#include <wx/string.h>

class wxSocketBase;

struct ServerScript
{
    enum class Login
    {
        CheckPassword, // "SUCCESS" for the accepted password, "INVPASS" for any other
        Reply,         // always loginReply
        Silent,        // no reply; the connection stays open
        Trickle,       // a reply that never ends: a header promising much, then a byte at a time
        Close,         // the connection is closed instead of a reply
        Raw,           // loginReply as it stands, framing and all
        Script         // no login: the queued actions (Do) serve the connection from its start
    };
    std::string address = "127.0.0.1"; // where the server listens
    Login login = Login::CheckPassword;
    std::string password = "secret";
    std::string loginReply;
    bool closeAfterLogin = false; // the connection is closed right after the login reply
    bool echoCommands = false;    // each command is sent back as one message
    bool lineBreaks = true;       // whether NumberedMessage ends in a line break
    // Right after a successful login: floodCount messages of floodSize bytes (NumberedMessage),
    // as fast as the connection takes them.
    int floodCount = 0;
    std::size_t floodSize = 0;
};

class TestServer
{
public:
    explicit TestServer(ServerScript script = {});
    ~TestServer(); // stops the thread and closes every socket
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    unsigned short Port() const { return m_port; }
    wxString PortText() const { return wxString::Format("%u", m_port); }

    // Queued actions, run in order on the current (or next) logged-in connection.
    using Action = std::function<bool(wxSocketBase&)>; // false: the connection is over
    void Do(Action action) { Enqueue(std::move(action)); }
    void Send(const std::string& payload); // one framed message
    // count framed messages of size bytes each; message i starts with its number.
    void SendMessages(int count, std::size_t size);
    // Writes them now, on the server's thread; false when the connection broke.
    bool WriteMessages(wxSocketBase& client, int count, std::size_t size);
    void SendRaw(const std::string& bytes); // bytes outside the framing
    void CloseConnection();
    // The server stops reading (returns once it has) until ResumeReading: what the console writes
    // meanwhile stays in the connection's buffers.
    void PauseReading();
    void ResumeReading() { m_paused = false; }

    // Makes the send buffer of the console's socket small, so that its writes wait once the
    // server leaves a few hundred kilobytes unread (the system would grow it to megabytes).
    static void ShrinkSendBuffer(wxSocketBase& socket);

    // Every payload received so far, login messages and commands, in order.
    std::vector<std::string> Received() const;
    // Connections accepted so far, and logged in (the login message answered).
    int Connections() const { return m_connections; }
    // Connections that have ended.
    int Finished() const { return m_finished; }
    bool IsClientConnected() const { return m_clientConnected; }
    // True when every queued action has been carried out.
    bool ActionsDone() const;

    // A line of size bytes: the number i, dots, and a line break as its last byte (a dot when
    // lineBreak is false).
    static std::string NumberedMessage(int i, std::size_t size, bool lineBreak = true);
    // The header and trailer the toolkit writes around a payload.
    static std::string Frame(const std::string& payload);

private:
    void Run();
    void Serve(wxSocketBase& client);
    void Enqueue(Action action);

    ServerScript m_script;
    unsigned short m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_connections{0};
    std::atomic<int> m_finished{0};
    std::atomic<bool> m_clientConnected{false};
    std::atomic<bool> m_paused{false};
    std::atomic<bool> m_pauseBegun{false};
    mutable std::mutex m_mutex;
    std::deque<Action> m_actions;
    int m_actionsRunning = 0;
    std::vector<std::string> m_received;
    class wxSocketServer* m_listener = nullptr;
    std::thread m_thread;
};
