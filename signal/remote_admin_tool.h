#pragma once

#include "signal/admin_tool.h"

#include <memory>
#include <vector>
#include <wx/socket.h>
#include <wx/weakref.h>

class LoginProgressDialog;
class RemoteAdminToolFrame;

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
    // The longest the console waits for the server: for the connection to be made, and for the
    // complete reply to the login. A server across the internet answers well within it.
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

    // Sends one message with text to the current connection; nothing without one. The outcome
    // is not looked at: a broken connection shows itself through the lost notification.
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

protected:
    void OnQuitRequested() override;

private:
    class IoScope;

    void SetUpMainWindow();
    bool LogIn(const wxString& host, const wxString& port, const wxString& password);
    // Connects the new socket, waiting at most the server wait; true when connected.
    bool Connect(const wxString& host, const wxString& port);
    // Sends the login and reads the reply, all within the server wait; false when no complete
    // reply came in that time.
    bool ExchangeLogin(const wxString& password, wxString& reply);
    // Reads one message into a zero-filled buffer and returns its text.
    wxString ReceiveText(wxSocketBase& socket);
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
    bool m_reportingLoss = false; // the "Connection lost." box is up

    // Reads and writes in progress (the toolkit handles events while they wait), and the sockets
    // released meanwhile, destroyed when the outermost one returns.
    int m_ioDepth = 0;
    std::vector<SocketPtr> m_retiredSockets;
};
