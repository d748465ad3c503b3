#include "signal/remote_admin_tool.h"

#include "common/window_position.h"

#include "signal/core/console_texts.h"
#include "signal/core/message_codec.h"
#include "signal/login_progress_dialog.h"
#include "signal/remote_admin_tool_frame.h"
#include "signal/server_connect_dialog.h"
#include "signal/system_host_lookup.h"

#include <algorithm>
#include <cstdint>
#include <wx/evtloop.h>
#include <wx/msgdlg.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>

namespace
{
// The longest the progress dialog is waited for to appear on screen.
constexpr long kPaintWaitMs = 1000;
// How often a host-name lookup is looked at while the windows handle their events.
constexpr unsigned long kLookupPollMs = 20;

// What a socket carries to tell the attempt it belongs to; its notifications carry it too.
void* AttemptTag(unsigned attempt)
{
    return reinterpret_cast<void*>(static_cast<std::uintptr_t>(attempt));
}
} // namespace

// Counts a read or write in progress; sockets released during it are destroyed afterwards.
class RemoteAdminTool::IoScope
{
public:
    explicit IoScope(RemoteAdminTool& app) : m_app(app) { ++m_app.m_ioDepth; }
    ~IoScope()
    {
        if (--m_app.m_ioDepth == 0)
            m_app.m_retiredSockets.clear();
    }
    IoScope(const IoScope&) = delete;
    IoScope& operator=(const IoScope&) = delete;

private:
    RemoteAdminTool& m_app;
};

RemoteAdminTool::RemoteAdminTool() : m_hostLookup(SystemHostLookup)
{
    // Bound once: every notification of every connection reaches OnSocketEvent exactly once.
    Bind(wxEVT_SOCKET, &RemoteAdminTool::OnSocketEvent, this, 0);
}

RemoteAdminTool::~RemoteAdminTool()
{
    ReleaseSocket();
}

bool RemoteAdminTool::OnInit()
{
    m_frame = new RemoteAdminToolFrame(this);
    SetUpMainWindow();
    m_frame->SetTitle(ConsoleTitle());
    m_socket.reset();
    return true;
}

void RemoteAdminTool::SetUpMainWindow()
{
    m_frame->SetSize(m_frame->FromDIP(wxSize(600, 350)));
    m_frame->SetMinSize(m_frame->FromDIP(wxSize(300, 200)));
    m_frame->SetTitle(kServerName);
    m_frame->Centre(wxBOTH);
    KeepPositionWhenShown(m_frame);
    m_frame->Show(true);
    SetTopWindow(m_frame);
}

int RemoteAdminTool::OnExit()
{
    ReleaseSocket();
    if (m_progress)
        m_progress->Destroy();
    return AdminTool::OnExit();
}

void RemoteAdminTool::OnQuitRequested()
{
    // The connection goes with the program, and nothing more is read from it: a read waiting
    // on the server (or started for a notification still queued) would hold the main loop for
    // as long as the server pleased. Closing sends no message. An attempt in progress ends.
    m_attemptCancelled = true;
    if (m_socket)
    {
        m_socket->Notify(false);
        m_socket->Close();
    }
}

bool RemoteAdminTool::EnsureConnected()
{
    if (m_socket)
        return true;
    return RunConnectDialog();
}

bool RemoteAdminTool::RunConnectDialog()
{
    ServerConnectDialog dialog(ConsoleTitle());
    for (;;)
    {
        if (dialog.ShowModal() == wxID_CANCEL)
            return false;
        if (ConnectToServer(dialog.GetHostName(), dialog.GetPortNumber(), dialog.GetPassword()))
            return true;
        // The window was closed during the attempt: the program ends.
        if (QuitPosted())
            return false;
    }
}

bool RemoteAdminTool::ConnectToServer(const wxString& host, const wxString& port,
                                      const wxString& password)
{
    if (m_progress)
        m_progress->Destroy();
    LoginProgressDialog* progress =
        new LoginProgressDialog(ConsoleTitle(), "Connecting ...", m_frame);
    m_progress = progress;
    m_frame->HoldForAttempt(true);
    m_attemptCancelled = QuitPosted();
    progress->SetCancelHandler([this] { CancelAttempt(); });
    // "Connecting ..." is on screen before the attempt starts.
    progress->WaitUntilPainted(kPaintWaitMs);
    const bool loggedIn = !m_attemptCancelled && LogIn(host, port, password);
    if (m_progress)
        m_progress->SetCancelHandler(nullptr);
    // However the attempt ended, the dialog must not keep the main window disabled.
    if (m_progress && m_progress->IsShown())
        m_progress->Hide();
    m_frame->HoldForAttempt(false);
    if (loggedIn)
        m_frame->FocusCommandEntry();
    return loggedIn;
}

bool RemoteAdminTool::LogIn(const wxString& host, const wxString& port, const wxString& password)
{
    ReleaseSocket();
    ++m_attempt;
    m_socket.reset(new wxSocketClient(wxSOCKET_NONE));
    m_socket->SetClientData(AttemptTag(m_attempt));
    if (!Connect(host, port))
    {
        ReleaseSocket();
        if (!m_attemptCancelled)
            FinishProgress("Connection failed.");
        return false;
    }
    m_progress->Advance(50, "Connection succeeded.");

    wxString reply;
    if (!ExchangeLogin(password, reply) || m_attemptCancelled)
    {
        ReleaseSocket();
        if (!m_attemptCancelled)
            FinishProgress("Connection failed.");
        return false;
    }
    const LoginReply outcome = ClassifyLoginReply(reply);
    if (outcome == LoginReply::InvalidPassword)
    {
        FinishProgress("Login failed: Invalid password.");
        ReleaseSocket();
        return false;
    }
    if (!m_socket)
        return false;

    // Notifications start before the progress dialog's last update: that update lets the toolkit
    // handle events, and a notice of waiting data handled while notifications are off is lost for
    // good (the toolkit gives the next one only after a read), leaving the output unread.
    m_socket->SetEventHandler(*this, 0);
    m_socket->SetNotify(wxSOCKET_INPUT_FLAG | wxSOCKET_CONNECTION_FLAG | wxSOCKET_LOST_FLAG);
    m_socket->Notify(true);
    if (outcome == LoginReply::Success)
    {
        m_progress->HideWhenFinished();
        FinishProgress("Login successful.");
    }
    m_frame->SetTitle(ConnectedTitle(host, port));
    // A connection that ended during the login exchange reported it while notifications were
    // off and may never report it again: it goes the way of a lost one once this returns (once
    // only, should the notification come after all).
    if (m_socket && !m_socket->IsConnected())
    {
        const unsigned attempt = m_attempt;
        CallAfter(
            [this, attempt]
            {
                if (m_socket && m_attempt == attempt)
                    OnConnectionLost();
            });
    }
    return true;
}

bool RemoteAdminTool::Connect(const wxString& host, const wxString& port)
{
    const wxStopWatch watch;
    // A host or port the toolkit rejects would leave the address at its previous value (any
    // local address, port 0): such a text is a failed connection, not a connection elsewhere.
    wxIPV4address address;
    if (host.empty() || !address.Service(port) || !ResolveHost(host, address, watch))
        return false;
    const long left = m_serverWaitMs - watch.Time();
    if (left <= 0 || m_attemptCancelled)
        return false;
    IoScope io(*this);
    wxSocketClient* socket = m_socket.get();
    if (socket->Connect(address, false))
        return true;
    // The wait handles the window's events meanwhile; a cancel closes the socket, which ends it.
    socket->WaitOnConnect(left / 1000, left % 1000);
    return m_socket.get() == socket && !m_attemptCancelled && socket->IsConnected();
}

bool RemoteAdminTool::ResolveHost(const wxString& host, wxIPV4address& address,
                                  const wxStopWatch& watch)
{
    const std::string name = host.ToStdString(wxConvUTF8);
    if (IsDottedQuad(name))
        return address.Hostname(host);
    const HostLookup lookup(m_hostLookup, name);
    wxEventLoopBase* const loop = wxEventLoopBase::GetActive();
    while (!lookup.Done() && !m_attemptCancelled && watch.Time() < m_serverWaitMs)
        loop->DispatchTimeout(kLookupPollMs);
    if (!lookup.Done() || m_attemptCancelled)
        return false;
    const std::string dotted = lookup.Address();
    return IsDottedQuad(dotted) && address.Hostname(dotted);
}

void RemoteAdminTool::CancelAttempt()
{
    m_attemptCancelled = true;
    if (m_socket)
        m_socket->Close(); // a wait on it returns at once
}

bool RemoteAdminTool::ExchangeLogin(const wxString& password, wxString& reply)
{
    IoScope io(*this);
    wxSocketClient* socket = m_socket.get();
    // Every wait of the toolkit ends after the socket's timeout, but a server that trickles bytes
    // would start each wait anew. The timer bounds the whole exchange: closing the socket ends the
    // wait at once.
    socket->SetTimeout(std::max(1L, (m_serverWaitMs + 999) / 1000));
    bool expired = false;
    wxTimer deadline;
    deadline.Bind(wxEVT_TIMER,
                  [&](wxTimerEvent&)
                  {
                      expired = true;
                      socket->Close();
                  });
    deadline.StartOnce(static_cast<int>(m_serverWaitMs));
    WriteText(*socket, password);
    if (m_socket.get() == socket)
        reply = ReceiveText(*socket);
    deadline.Stop();
    return !expired && socket->LastError() != wxSOCKET_TIMEDOUT;
}

void RemoteAdminTool::FinishProgress(const wxString& message)
{
    m_progress->SetCancelHandler(nullptr);
    m_progress->Advance(100, message);
}

bool RemoteAdminTool::WithinServerWait(wxSocketBase& socket, const std::function<void()>& io)
{
    IoScope scope(*this);
    // The socket's own timeout restarts with every wait, and a server that trickles bytes would
    // keep a message going for ever: the timer bounds the whole message.
    bool expired = false;
    wxTimer deadline;
    deadline.Bind(wxEVT_TIMER,
                  [&](wxTimerEvent&)
                  {
                      expired = true;
                      socket.Close();
                  });
    deadline.StartOnce(static_cast<int>(m_serverWaitMs));
    io();
    deadline.Stop();
    return !expired && !socket.Error();
}

void RemoteAdminTool::WriteText(wxSocketBase& socket, const wxString& text)
{
    IoScope io(*this);
    const std::string payload = EncodeMessageText(text);
    socket.WriteMsg(payload.data(), static_cast<wxUint32>(payload.size()));
}

void RemoteAdminTool::SendText(const wxString& text)
{
    if (!m_socket)
        return;
    // The events handled while a write waits may bring further commands: a second write on the
    // socket would cut into the first message. They wait their turn here.
    m_unsent.push_back(EncodeMessageText(text));
    if (m_writer == m_socket.get())
        return;
    wxSocketClient* const socket = m_socket.get();
    m_writer = socket;
    while (m_socket.get() == socket && !m_unsent.empty())
    {
        const std::string payload = std::move(m_unsent.front());
        m_unsent.pop_front();
        const bool whole = WithinServerWait(
            *socket,
            [&] { socket->WriteMsg(payload.data(), static_cast<wxUint32>(payload.size())); });
        if (!whole && m_socket.get() == socket)
            OnConnectionLost();
    }
    if (m_writer == socket)
        m_writer = nullptr;
}

wxString RemoteAdminTool::ReceiveText(wxSocketBase& socket)
{
    IoScope io(*this);
    char buffer[kReceiveBufferSize] = {};
    socket.ReadMsg(buffer, sizeof buffer);
    return DecodeReceiveBuffer(buffer, sizeof buffer);
}

void RemoteAdminTool::OnSocketEvent(wxSocketEvent& event)
{
    // A notification still queued for a connection that has ended since is of no interest (the
    // attempt's number tells, as a new socket may take the place of one deleted), nor one that
    // follows the loss of the current connection.
    if (!m_socket || event.GetClientData() != m_socket->GetClientData() || m_reportingLoss)
        return;
    switch (event.GetSocketEvent())
    {
    case wxSOCKET_INPUT:
        ReceiveServerMessage();
        break;
    case wxSOCKET_LOST:
        OnConnectionLost();
        break;
    default:
        break;
    }
}

void RemoteAdminTool::ReceiveServerMessage()
{
    // The read in progress tells of what follows it once it is done.
    if (m_reading)
        return;
    wxSocketClient* const socket = m_socket.get();
    // A notice whose message was read meanwhile has nothing behind it: waiting for the next message
    // would count the server's silence against it.
    char first = 0;
    socket->Peek(&first, 1);
    if (socket->LastCount() == 0 && !socket->Error())
        return;
    m_reading = true;
    wxString text;
    const bool whole = WithinServerWait(*socket, [&] { text = ReceiveText(*socket); });
    m_reading = false;
    // The operator may have ended the connection while the read waited.
    if (m_socket.get() != socket)
        return;
    if (whole)
        m_frame->AppendServerText(text);
    else
        OnConnectionLost();
}

void RemoteAdminTool::OnConnectionLost()
{
    // The loss may be told twice (the notification, and the check after a login), the second
    // time while the box for the first is up. A connection the program's end closed is no loss.
    if (!m_socket || m_reportingLoss || QuitPosted())
        return;
    m_reportingLoss = true;
    m_frame->SetTitle(ConsoleTitle());
    m_socket->Notify(false); // nothing more from this connection while the box is up
    wxMessageBox("Connection lost.", ConsoleTitle(), wxOK | wxICON_INFORMATION, nullptr);
    m_reportingLoss = false;
    ReleaseSocket();
}

void RemoteAdminTool::CloseConnection()
{
    ReleaseSocket();
}

void RemoteAdminTool::ReleaseSocket()
{
    SocketPtr socket = std::move(m_socket);
    m_unsent.clear();
    if (!socket)
        return;
    socket->Notify(false);
    socket->Close();
    if (m_ioDepth > 0)
        m_retiredSockets.push_back(std::move(socket));
}
