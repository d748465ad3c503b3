#pragma once

#include "signal/admin_tool.h"
#include "signal/core/host_lookup.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <wx/socket.h>
#include <wx/weakref.h>

class LoginProgressDialog;
class RemoteAdminToolFrame;
class wxStopWatch;

// Releases a socket the toolkit's way: closed at once, deleted once its pending events are gone.
struct SocketDestroyer
{
    void operator()(wxSocketBase* socket) const { socket->Destroy(); }
};
using SocketPtr = std::unique_ptr<wxSocketClient, SocketDestroyer>;

// The remote console's application: the console window, the connection and login, and the
// server's output.
class RemoteAdminTool : public AdminTool
{
public:
    // The longest the console waits for the server: for the host name to be looked up and the
    // connection made, for the complete reply to the login, and after the login for each whole
    // message, sent or received. A server across the internet answers well within it.
    static constexpr long kServerWaitMs = 15000;

    RemoteAdminTool();
    ~RemoteAdminTool() override;

    // Shows the console window; no connection is attempted here.
    bool OnInit() override;
    // Lets go of the connection; nothing is sent to the server.
    int OnExit() override;

    bool EnsureConnected() override;
    // Shows a connect dialog until a login succeeds (true) or the operator cancels (false); the
    // dialog keeps what was typed across failed attempts.
    virtual bool RunConnectDialog();
    // One attempt with its own progress dialog and socket: true when logged in, with the socket's
    // notifications running; false when it failed and the operator has seen why.
    virtual bool ConnectToServer(const wxString& host, const wxString& port,
                                 const wxString& password);
    virtual void OnSocketEvent(wxSocketEvent& event);

    // Sends one message with text to the current connection; nothing without one. While an
    // earlier message is still being written, it waits its turn and goes out after it. A message
    // not written whole within the server wait ends the connection as lost.
    void SendText(const wxString& text);
    // Ends the current connection without a word to the server.
    void CloseConnection();

    RemoteAdminToolFrame* GetFrame() const { return m_frame; }
    wxSocketClient* GetSocket() const { return m_socket.get(); }
    // True while a read or write on the connection is waiting (events are handled meanwhile).
    bool IsExchanging() const { return m_ioDepth > 0; }
    // The progress dialog of the latest attempt, until the next one; may be null.
    LoginProgressDialog* GetProgressDialog() const { return m_progress; }
    // Shortens the wait for the server (kServerWaitMs), so that tests reach its end quickly.
    void SetServerWaitMs(long ms) { m_serverWaitMs = ms; }
    // Replaces the system's resolver for host names that are not dotted addresses.
    void SetHostLookup(HostLookupFunction lookup) { m_hostLookup = std::move(lookup); }

protected:
    void OnQuitRequested() override;

private:
    class IoScope;

    void SetUpMainWindow();
    bool LogIn(const wxString& host, const wxString& port, const wxString& password);
    // Looks the host up and connects the new socket, all within the server wait; true when
    // connected.
    bool Connect(const wxString& host, const wxString& port);
    // Sets host into address; a name is looked up off this thread while the windows go on
    // handling their events, until the answer, the end of the attempt's wait (counted by watch)
    // or a cancel.
    bool ResolveHost(const wxString& host, wxIPV4address& address, const wxStopWatch& watch);
    // Sends the login and reads the reply, all within the server wait; false when no complete
    // reply came in that time.
    bool ExchangeLogin(const wxString& password, wxString& reply);
    // Ends the running attempt at once, without a failure to show.
    void CancelAttempt();
    // The attempt's outcome on the progress dialog at its maximum; Cancel only closes it now.
    void FinishProgress(const wxString& message);
    // Runs io, one read or write on socket, within the server wait: when it has not returned by
    // then, the socket is closed, which ends the wait. True when it returned in time, whole.
    bool WithinServerWait(wxSocketBase& socket, const std::function<void()>& io);
    // Writes one message with text.
    void WriteText(wxSocketBase& socket, const wxString& text);
    // Reads one message into a zero-filled buffer and returns its text.
    wxString ReceiveText(wxSocketBase& socket);
    // Reads the message a notification told of and shows it; a message that is not whole within
    // the server wait, or not framed right, ends the connection as lost.
    void ReceiveServerMessage();
    // Shows the "Connection lost." box once for the current connection, then lets it go.
    void OnConnectionLost();
    // Closes the socket and leaves m_socket empty. A read or write on it further up the stack
    // returns at once; the object itself lives until that read or write has returned.
    void ReleaseSocket();

    RemoteAdminToolFrame* m_frame = nullptr;
    SocketPtr m_socket;
    wxWeakRef<LoginProgressDialog> m_progress;
    unsigned m_attempt = 0; // counts the connection attempts; each socket carries its number
    long m_serverWaitMs = kServerWaitMs;
    HostLookupFunction m_hostLookup;
    bool m_attemptCancelled = false; // Cancel, or the program's end, during the running attempt
    bool m_reportingLoss = false;    // the "Connection lost." box is up

    // One message on the wire at a time: the socket being written to, and the payloads waiting.
    wxSocketBase* m_writer = nullptr;
    std::deque<std::string> m_unsent;
    bool m_reading = false; // a server message is being read

    // Reads and writes in progress (the toolkit handles events while they wait), and the sockets
    // released meanwhile, destroyed when the outermost one returns.
    int m_ioDepth = 0;
    std::vector<SocketPtr> m_retiredSockets;
};
