#pragma once

#include "signal/admin_tool.h"
#include "signal/core/host_lookup.h"
#include "signal/server_exchange.h"

#include <wx/socket.h>
#include <wx/weakref.h>

class LoginProgressDialog;
class RemoteAdminToolFrame;
class wxStopWatch;

// The remote console's application: the console window, the connection and login, and the
// server's output.
class RemoteAdminTool : public AdminTool
{
public:
    // The longest the console waits for the server: for the host name to be looked up, the
    // connection made and the login answered whole, and after the login for a begun message, sent
    // or received, to move on. A server across the internet answers well within it.
    static constexpr long kServerWaitMs = ServerExchange::kSilenceMs;

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

    // Sends one message with text to the current connection; nothing without one. It goes out
    // after the messages before it.
    void SendText(const wxString& text);
    // Ends the current connection without a word to the server.
    void CloseConnection();

    RemoteAdminToolFrame* GetFrame() const { return m_frame; }
    wxSocketClient* GetSocket() const { return m_exchange.GetSocket(); }
    // True while a message, sent or received, has begun and is not done, or the login waits for
    // its reply.
    bool IsExchanging() const { return m_exchange.IsBusy(); }
    // Server messages shown so far (empty ones too).
    std::size_t MessagesShown() const { return m_exchange.MessagesPassedOn(); }
    // The progress dialog of the latest attempt, until the next one; may be null.
    LoginProgressDialog* GetProgressDialog() const { return m_progress; }
    // Shortens the wait for the server (kServerWaitMs), so that tests reach its end quickly.
    void SetServerWaitMs(long ms)
    {
        m_serverWaitMs = ms;
        m_exchange.SetSilenceMs(ms);
    }
    // Replaces the system's resolver for host names that are not dotted addresses.
    void SetHostLookup(HostLookupFunction lookup) { m_hostLookup = std::move(lookup); }

protected:
    void OnQuitRequested() override;

private:
    void SetUpMainWindow();
    bool LogIn(const wxString& host, const wxString& port, const wxString& password);
    // Looks the host up and connects socket, all within the server wait (counted by watch); true
    // when connected.
    bool Connect(wxSocketClient& socket, const wxString& host, const wxString& port,
                 const wxStopWatch& watch);
    // Sets host into address; a name is looked up off this thread while the windows go on
    // handling their events, until the answer, the end of the attempt's wait (counted by watch)
    // or a cancel.
    bool ResolveHost(const wxString& host, wxIPV4address& address, const wxStopWatch& watch);
    // Ends the running attempt at once, without a failure to show.
    void CancelAttempt();
    // The attempt's outcome on the progress dialog at its maximum; Cancel only closes it now.
    void FinishProgress(const wxString& message);
    // Shows the "Connection lost." box for the current connection, then lets it go.
    void OnConnectionLost();

    RemoteAdminToolFrame* m_frame = nullptr;
    ServerExchange m_exchange;
    wxWeakRef<LoginProgressDialog> m_progress;
    unsigned m_attempt = 0; // counts the connection attempts; each socket carries its number
    long m_serverWaitMs = kServerWaitMs;
    HostLookupFunction m_hostLookup;
    bool m_attemptCancelled = false; // Cancel, or the program's end, during the running attempt
    wxSocketClient* m_connecting = nullptr; // the socket being connected, until the login
};
