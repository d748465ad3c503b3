#pragma once

#include "signal/core/message_framing.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <wx/event.h>
#include <wx/socket.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>

// Releases a socket the toolkit's way: closed at once, deleted once its pending events are gone.
struct SocketDestroyer
{
    void operator()(wxSocketBase* socket) const { socket->Destroy(); }
};
using SocketPtr = std::unique_ptr<wxSocketClient, SocketDestroyer>;

// The exchange of messages over one connection to the server. Nothing here ever waits on the
// socket: what the socket takes is written and what it holds is read whenever it tells of either
// (its notifications, passed in by the owner) and on a timer's ticks, so a read and a write never
// stand in each other's way and the windows go on with their events in between. The only wait is
// AwaitLoginReply's, and it handles the socket itself.
//
// Rules: messages go out whole and in turn; messages in are passed on as they come whole; after
// the login, a message that has begun (in or out) and makes no progress for the silence bound
// ends the connection as lost, while a message still moving is never ended; at the end of the
// connection every message already received whole is passed on before the loss.
class ServerExchange : public wxEvtHandler
{
public:
    // The longest a begun message may stand still after the login, and the longest the console
    // waits for the connection and the complete reply to the login.
    static constexpr long kSilenceMs = 15000;

    struct Handlers
    {
        std::function<void(const wxString& text)> message; // a whole server message, after login
        std::function<void()> lost; // once per connection, after every message received whole
    };

    explicit ServerExchange(Handlers handlers);
    ~ServerExchange() override;
    ServerExchange(const ServerExchange&) = delete;
    ServerExchange& operator=(const ServerExchange&) = delete;

    // Takes over a connected socket. Its notifications go to handler with id and carry tag, which
    // tells them apart from those of earlier connections (the owner passes them to OnNotification).
    void Start(SocketPtr socket, wxEvtHandler& handler, int id, void* tag);

    // Sends the login; its reply is awaited for waitMs, during which the first whole message is
    // the reply and nothing is passed on.
    void BeginLogin(const wxString& password, long waitMs);
    enum class LoginState
    {
        Waiting,
        Replied, // the reply came whole and well framed (GetLoginReply)
        Failed   // the connection ended, broke the framing or did not reply within the wait
    };
    LoginState GetLoginState() const { return m_loginState; }
    const wxString& GetLoginReply() const { return m_loginReply; }
    // BeginLogin, then handles the windows' events until the login is no longer waiting or
    // cancelled() says so; true when the reply came, with its text in reply.
    bool AwaitLoginReply(const wxString& password, long waitMs,
                         const std::function<bool()>& cancelled, wxString& reply);

    // The login is done: from now on messages are passed on, silence is bounded and the end of
    // the connection is reported (also an end that came during the login).
    void BeginSession();

    // Queues one message with text (the console's 8-bit encoding); it goes out after those before.
    void Send(const wxString& text);

    // A notification of the current socket.
    void OnNotification(wxSocketNotify kind);

    // Ends the connection without a word to the server; what was queued is dropped.
    void Close();

    wxSocketClient* GetSocket() const { return m_socket.get(); }
    void* GetTag() const { return m_tag; }
    // A message has begun, in or out, and is not done; or the login waits for its reply.
    bool IsBusy() const
    {
        return m_reader.InMessage() || !m_unsent.empty() || m_loginState == LoginState::Waiting;
    }
    // Messages passed on since the start.
    std::size_t MessagesPassedOn() const { return m_passedOn; }
    // Shortens the bounds (kSilenceMs), so that tests reach their end quickly.
    void SetSilenceMs(long ms) { m_silenceMs = ms; }
    long GetSilenceMs() const { return m_silenceMs; }

private:
    // Reads what the socket holds and writes what it takes; notes an end of the connection.
    void Exchange();
    void ReadAvailable();
    void WriteAvailable();
    // The connection ended: what the system still holds for it is read first.
    void NoteEnd();
    // While the login waits: takes the reply, or notes the failure.
    void CheckLogin();
    // After the login: passes on the whole messages, then reports an end or a silence.
    void PassOn();
    void OnTick(wxTimerEvent& event);

    Handlers m_handlers;
    SocketPtr m_socket;
    void* m_tag = nullptr;
    unsigned m_connection = 0; // counts the connections, so that a late call knows its own
    long m_silenceMs = kSilenceMs;
    bool m_session = false;  // logged in
    bool m_ended = false;    // the connection ended, or broke the framing
    bool m_reported = false; // the end was reported
    bool m_passingOn = false;
    LoginState m_loginState = LoginState::Failed; // Waiting from BeginLogin on
    wxString m_loginReply;
    long m_loginWaitMs = 0;
    wxStopWatch m_sinceLogin;
    std::size_t m_passedOn = 0;
    MessageReader m_reader;
    std::deque<std::string> m_unsent; // framed messages; the first may be partly written
    std::size_t m_written = 0;        // bytes of the first already written
    wxStopWatch m_sinceProgress;      // since a byte last moved, or a message began
    wxTimer m_tick;
};
